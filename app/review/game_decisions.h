#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "game_record.h"
#include "review/rating.h"

namespace corvane {

class Journal;

// The person's decisions in a journaled game, found by playing it again out of sight, exactly as
// the window's recorder would have written them down while it was played; without the Expert's
// choices unless `askExpert`. A raised `stop` makes the rest of the replay record nothing, so
// that a long replay can be given up at once.
std::vector<review::DecisionPoint> DecisionsOf(const GameRecord& record,
                                               const std::atomic<bool>* stop = nullptr,
                                               bool askExpert = true);

// Replays and reviews the whole game; nothing when `stop` was raised on the way.
std::optional<std::vector<review::ReviewedDecision>> ReviewGame(
    const GameRecord& record, const std::atomic<bool>* stop = nullptr);

// The review's summary of a game as the history keeps it.
GameRating RatingOf(const std::vector<review::ReviewedDecision>& decisions);

// A finished game's decisions for the review window: reviewed already when `rows` (the review
// the journal kept) fit them, else with the Expert's choices, to be reviewed there.
struct GameForReview {
    std::vector<review::DecisionPoint> Points;
    std::optional<std::vector<review::ReviewedDecision>> Reviewed;
};
GameForReview ReplayForReview(const GameRecord& record, const std::vector<std::string>& rows);

// A game's review as the journal keeps it: its rating and a row for each decision.
bool SaveReview(Journal& journal, qint64 game,
                const std::vector<review::ReviewedDecision>& decisions);

}  // namespace corvane
