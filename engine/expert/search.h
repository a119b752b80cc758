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
    // 0 takes the card that does best. Above 0 a weaker player: any card may be taken, with a
    // weight falling by e for every `Spread` points a deal it does worse than the best.
    int Spread = 0;
    // With at most this many cards left in the stock, each deal's Round 2 is solved exactly
    // instead of played out, on this many deals; 0 never.
    int EndingStock = 0;
    int EndingSamples = 0;
    Rollout Policy = Rollout::Baseline;
};

// The plain search the Expert is measured against: 40 deals, each candidate played out once by
// the baseline's rules, draws in stock order, points only.
inline constexpr SearchSettings PlainSearch{40, Draws::InStockOrder, false, 0};
// The Expert.
inline constexpr SearchSettings ExpertSearch{160, Draws::FixedPerPlayer, true, 400};

// The card to play for the viewer, who must be the player to play.
int SearchCard(const View& view, const SearchSettings& settings);

// The declaration to make in the viewer's declaring turn, right after it won a trick in Round 1:
// each legal one and none, each followed by the draws and played out on the same deals. Kind 0
// is to make none.
MeldOption SearchMeld(const View& view, const SearchSettings& settings);

}  // namespace corvane::expert
