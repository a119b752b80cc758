#pragma once

namespace corvane {

struct Game;

// Told of what the game's history keeps, as it happens. The game never asks it anything.
class GameObserver {
public:
    virtual ~GameObserver() = default;
    // A hand is about to be dealt.
    virtual void HandBegun(const Game& g) = 0;
    // A meld's points are about to be booked; kind 0 is the dealer's Seven turned up.
    virtual void MeldBooked(const Game& g, int player, int kind, int points) = 0;
    // The hand's trick points (TrickTotal) are about to go into the game totals.
    virtual void TricksBooked(const Game& g) = 0;
};

}  // namespace corvane
