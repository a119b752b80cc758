#pragma once

#include "kernel.h"

// The plain-sense way to play, written from the rules alone: declare the best meld held, win
// tricks that carry points cheaply, throw worthless cards, lead a plain Ace in Round 2. It looks
// only at the player's own cards, the card led and trumps. It is the baseline person of the
// strength tool and the way every sampled deal is played out.

namespace corvane::expert {

int BaselineCard(const HandState& s, int player);

// The way the stronger levels play their sampled deals out: plain sense, but a follower in Round 1
// who would have a meld to declare takes the trick when the card it wins with is worth less than
// the meld. Plain sense alone hands the lead to whoever has it and never fights for a declaration.
int MeldingCard(const HandState& s, int player);

enum class Rollout { Baseline, Melding };
inline int RolloutCard(const HandState& s, int player, Rollout rollout) {
    return rollout == Rollout::Melding ? MeldingCard(s, player) : BaselineCard(s, player);
}

}  // namespace corvane::expert
