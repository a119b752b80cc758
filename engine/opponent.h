#pragma once

#include "game_state.h"

// Tarvish, the computer opponent: the card it picks in each round and how it puts that card on
// the table. Its rules are fixed, with no chance in them, and look only at Tarvish's own cards
// (its holding, melds on the table included), the card led, the up card and trumps.

namespace corvane {

// The searches over Tarvish's holding. First means the lowest card index that qualifies, last the
// highest; a card index of 0 means none was found.

// True when Tarvish holds a card of this value and suit.
bool TarvishHolds(const Game& g, int value, int suit);
// How many cards of this value Tarvish holds, of any suit.
int CountHeldOfValue(const Game& g, int value);
// The first held card of this value outside Spades; a Spade is never found, trump or not.
int FindHeldNonSpade(const Game& g, int value);
// The first held card of this value that is not a trump.
int FindHeldPlain(const Game& g, int value);
// The first held trump of this value.
int FindHeldTrump(const Game& g, int value);
// The weakest held card of the suit, the later copy of two; when Tarvish has none of the suit,
// its last held card of any suit.
int LowestHeldOfSuit(const Game& g, int suit);
// The plain suit Tarvish holds most of, ties to Diamonds, Clubs, Hearts, Spades; Diamonds when it
// holds trumps only.
int LongestPlainSuit(const Game& g);
// The last held card: the one with the highest index.
int LastHeldCard(const Game& g);
// The first card at this location with this value and suit.
int FindCard(const Game& g, int location, int value, int suit);

// Tarvish's card for the current Round 1 trick, leading or following; 0, after a notice, only
// when it holds no card at all.
int TarvishChooseCard(Game& g);
// Tarvish's card for the current Round 2 trick, always one the follow-suit-else-trump rule
// allows; 0 only for an empty hand (with a notice when following). `location` is always
// LocTarvishHand.
int TarvishChooseCardRoundTwo(Game& g, int location);
// Plays Tarvish's card face up into the trick and closes the gap in its row; a card index outside
// 1..64 puts nothing on the table.
void TarvishPlayCard(Game& g, int card);

}  // namespace corvane
