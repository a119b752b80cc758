#pragma once

#include <string>

#include "game_state.h"

// The read-outs the game updates: trumps on the status bar, meld scores, trick and round.

namespace corvane {

// Names the trump suit on status panel 1 with its symbol, and the up card on LblInfo.
void ShowTrumps(Game& g);
// Books the player's pending meld score into the hand and game totals and shows it.
void PostMeldScore(Game& g, int player);
// Books the points of the trick the player has just won into the player's trick and hand totals
// and shows them in the trick scores; gives the points as the texts about them write them.
std::string PostTrickScore(Game& g, int player);
// Status panels 3 and 4: the Round 2 trick count and the round.
void ShowTrickAndRound(Game& g);

}  // namespace corvane
