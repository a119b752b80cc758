#pragma once

#include <cstdint>

#include "kernel.h"
#include "policy.h"

namespace corvane::expert {

// How the face-down cards of a sampled stock reach the hands: in stock order, the winner of each
// trick first, as the game draws them; or with each player's future draws fixed, so that who
// wins a trick does not change who gets which card.
enum class Draws { InStockOrder, FixedPerPlayer };

// Plays the hand from `s` to its end (or to the end of the game) by the rollout's rules. The
// face-down cards still in the stock come from `stock`, in order; the last of them goes to the
// winner of the last Round 1 trick, the up card to the other player.
void PlayOut(HandState& s, const std::int8_t* stock, Draws draws,
             Rollout rollout = Rollout::Baseline);

// The same, but only to the end of Round 1 (or of the game); returns how many stock cards it took.
int PlayOutRoundOne(HandState& s, const std::int8_t* stock, Draws draws, Rollout rollout);

// What follows a completed trick in Round 1: the winner declares its best meld, Tarvish's knock,
// the draws, and after the last trick the last stock cards and the switch to Round 2. `next`
// counts the stock cards taken.
void AfterRoundOneTrick(HandState& s, int winner, int leader, const std::int8_t* stock, int& next,
                        Draws draws);

}  // namespace corvane::expert
