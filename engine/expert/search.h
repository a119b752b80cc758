#pragma once

#include "playout.h"
#include "view.h"

// The choice of a card by sampling: deal the cards the player cannot see in many ways consistent
// with what it has seen, play each candidate out on every deal, and take the one that does best
// on the same deals. Once the stock is gone every card is known and Round 2 is solved exactly.

namespace corvane::expert {

struct SearchSettings {
    int Samples = 40;
    Draws Draw = Draws::InStockOrder;
    bool SolveRoundTwo = false;
    // What winning the game in this hand is worth against the hand's points; 0 for points only.
    int GameWeight = 0;
};

// The plain search the Expert is measured against: 40 deals, each candidate played out once by
// the baseline's rules, draws in stock order, points only.
inline constexpr SearchSettings PlainSearch{40, Draws::InStockOrder, false, 0};
// The Expert.
inline constexpr SearchSettings ExpertSearch{160, Draws::FixedPerPlayer, true, 400};

// The card to play for the viewer, who must be the player to play.
int SearchCard(const View& view, const SearchSettings& settings);

}  // namespace corvane::expert
