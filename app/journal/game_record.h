#pragma once

#include <QDateTime>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game_state.h"
#include "person_action.h"

namespace corvane {

// How a game began: its seed and everything the deal and the play read before the person acts.
struct GameStart {
    std::uint64_t Seed = 0;
    int Dealer = 0;  // the player taken to have dealt last
    int Target = 1000;
    int Speed = SpeedMedium;
    std::string Name = "Player";
    OpponentLevel Level = OpponentLevel::Classic;
};

// One action of the person and the moment of the game (Game::InputMoments) it came at.
struct JournaledAction {
    std::int64_t Moment = 0;
    PersonAction Action;
};

// A game as the journal keeps it: enough to play it again exactly.
struct GameRecord {
    qint64 Id = 0;
    GameStart Start;
    std::vector<JournaledAction> Actions;
};

// One meld booked in a hand; kind 0 is the dealer's Seven turned up.
struct MeldEntry {
    int Player = 0;
    int Kind = 0;
    int Points = 0;
    bool operator==(const MeldEntry&) const = default;
};

struct HandSummary {
    std::vector<MeldEntry> Melds;
    PerPlayer<int> TrickPoints{};  // as booked into the totals; none when a knock ended the hand
    int Knocker = 0;               // the player who knocked and so ended the game, else 0

    int MeldPoints(int player) const;
    bool operator==(const HandSummary&) const = default;
};

// What the review of a finished game made of the person's play: the average loss a decision, the
// Expert's at the same decisions, the luck of the cards and the rating in words.
struct GameRating {
    int Decisions = 0;
    double AverageLoss = 0;
    double ExpertAverageLoss = 0;
    double Luck = 0;
    std::string Words;  // "beginner" to "expert"
    bool operator==(const GameRating&) const = default;
};

// A finished game, as the history shows it.
struct FinishedGame {
    qint64 Id = 0;
    QDateTime Ended;  // UTC
    int Target = 0;   // as it stood at the end, raised or not
    OpponentLevel Level = OpponentLevel::Classic;
    int Winner = 0;
    PerPlayer<int> Totals{};
    std::vector<HandSummary> Hands;
    std::optional<GameRating> Rating;  // once the game has been reviewed
};

// The name of a meld kind as the history writes it.
const char* MeldKindName(int kind);
const char* LevelName(OpponentLevel level);

}  // namespace corvane
