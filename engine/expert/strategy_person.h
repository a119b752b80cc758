#pragma once

#include "table.h"

// A person played by a strategy, for the strength tool and the tests: at every wait it knocks
// when it may, declares in a declaring turn what the Expert would, and otherwise plays the card
// its strategy chooses, all through the click functions the window calls.

namespace corvane {

struct Game;

using CardStrategy = int (*)(const Game& g, int player);

class StrategyPerson {
public:
    StrategyPerson(Game& g, CardStrategy strategy) : g_(g), strategy_(strategy) {}
    void Act();

private:
    void Declare();

    Game& g_;
    CardStrategy strategy_;
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
