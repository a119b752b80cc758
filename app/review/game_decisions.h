#pragma once

#include <atomic>
#include <vector>

#include "game_record.h"
#include "review/rating.h"

namespace corvane {

// The person's decisions in a journaled game, found by playing it again out of sight, exactly as
// the window's recorder would have written them down while it was played. A raised `stop` makes
// the rest of the replay record nothing, so that a long replay can be given up at once.
std::vector<review::DecisionPoint> DecisionsOf(const GameRecord& record,
                                               const std::atomic<bool>* stop = nullptr);

// The review's summary of a game as the history keeps it.
GameRating RatingOf(const std::vector<review::ReviewedDecision>& decisions);

// Replays and reviews the whole game; nothing when `stop` was raised on the way.
std::optional<GameRating> RateGame(const GameRecord& record,
                                   const std::atomic<bool>* stop = nullptr);

}  // namespace corvane
