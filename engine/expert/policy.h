#pragma once

#include "kernel.h"

// The plain-sense way to play, written from the rules alone: declare the best meld held, win
// tricks that carry points cheaply, throw worthless cards, lead a plain Ace in Round 2. It looks
// only at the player's own cards, the card led and trumps. It is the baseline person of the
// strength tool and the way every sampled deal is played out.

namespace corvane::expert {

int BaselineCard(const HandState& s, int player);

// A play-out for a search that values melds: plain sense, but in Round 1 a follower who would have
// a meld to declare takes the trick when the card it wins with is worth less than the meld, and
// the makings of a meld are kept rather than thrown. Plain sense alone leaves the lead with
// whoever has it and throws a third Jack as readily as a Seven.
int MeldingCard(const HandState& s, int player);

enum class Rollout { Baseline, Melding };

}  // namespace corvane::expert
