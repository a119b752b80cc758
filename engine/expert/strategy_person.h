#pragma once

#include "game_state.h"
#include "table.h"

// A person played by a level of the search, for the strength tool and the tests: at every wait
// it knocks when it may (as Tarvish does: a knock wins at once, so there is nothing to weigh),
// declares in a declaring turn and plays its cards as the level chooses for Tarvish, all through
// the click functions the window calls. So both seats decide alike.

namespace corvane {

// A card chooser other than a level's, for the review's yardsticks (a random player, say).
using CardStrategy = int (*)(const Game& g, int player);

class StrategyPerson {
public:
    // The person's cards come from `cards` where one is given, else from the level.
    StrategyPerson(Game& g, OpponentLevel level, CardStrategy cards = nullptr)
        : g_(g), level_(level), cards_(cards) {}
    void Act();

private:
    void Declare();

    Game& g_;
    OpponentLevel level_;
    CardStrategy cards_;
};

// A table that shows nothing, whose clock jumps to every deadline, and at which the person acts
// whenever the game waits.
class StrategyTable final : public NullTable {
public:
    explicit StrategyTable(StrategyPerson& person) : person_(person) {}
    bool WaitForPlayer() override {
        person_.Act();
        return true;
    }

private:
    StrategyPerson& person_;
};

}  // namespace corvane
