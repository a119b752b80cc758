#pragma once

#include <cstdint>
#include <vector>

#include "kernel.h"

// The exact play of Round 2, where every card is known: alpha-beta over the remaining tricks with
// a small transposition table at the start of each trick, and cards that cannot play differently
// (neighbours in a suit with nothing of the opponent between them) tried once.

namespace corvane::expert {

class RoundTwoSolver {
public:
    RoundTwoSolver();

    // The trick points `player` makes in the rest of Round 2 against best play by both, from a
    // Round 2 state with every card known; `best` receives a card the player may play now to
    // make them when it is that player's turn (the lowest such card).
    int Solve(const HandState& s, int player, int* best = nullptr);

    // Positions looked at by the last Solve.
    std::uint64_t Nodes() const { return nodes_; }

private:
    struct Entry {
        Mask Held1 = 0, Held2 = 0;
        std::uint32_t Generation = 0;
        std::int8_t Leader = 0;
        std::int16_t Lower = 0, Upper = 0;
    };
    int Search(Mask held1, Mask held2, int leader, int led, int alpha, int beta);

    std::vector<Entry> table_;
    std::uint32_t generation_ = 0;
    std::uint64_t nodes_ = 0;
    int trump_ = 0;
};

// The cards of `mine` worth trying: one of each run of cards that play alike against `theirs`.
Mask DistinctPlays(Mask mine, Mask theirs, int trump);

}  // namespace corvane::expert
