#pragma once

#include "kernel.h"

// The plain-sense way to play, written from the rules alone: declare the best meld held, win
// tricks that carry points cheaply, throw worthless cards, lead a plain Ace in Round 2. It looks
// only at the player's own cards, the card led and trumps. It is the baseline person of the
// strength tool and the way every sampled deal is played out.

namespace corvane::expert {

int BaselineCard(const HandState& s, int player);

}  // namespace corvane::expert
