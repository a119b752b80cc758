#pragma once

#include "game_state.h"
#include "table.h"

// A person played by a level of the search, for the strength tool and the tests: at every wait
// it knocks when it may (as Tarvish does: a knock wins at once, so there is nothing to weigh),
// declares in a declaring turn and plays its cards as the level chooses for Tarvish, all through
// the click functions the window calls. So both seats decide alike.

namespace corvane {

class StrategyPerson {
public:
    StrategyPerson(Game& g, OpponentLevel level) : g_(g), level_(level) {}
    void Act();

private:
    void Declare();

    Game& g_;
    OpponentLevel level_;
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
