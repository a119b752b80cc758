#pragma once

#include <array>
#include <vector>

#include "game_state.h"

// Which cards of a player's holding make each meld, what the meld scores, and the marks that keep
// a card from serving twice in one kind. The holding is every card whose location is the player
// number: the hand and the player's declared cards lying on the table.

namespace corvane {

// The two Jacks of Diamonds and the two Queens of Spades, in the order of a Double Corvane.
inline constexpr std::array<int, 4> DoubleCorvaneCards{7, 8, 57, 58};

// The cards chosen for a meld, in the order they are laid out; empty when there is no such meld.
using MeldCards = std::vector<int>;

// A Seven of trumps held and not on the table, the later copy of two; NoCard when there is none.
int FindDixSeven(const Game& g, int player);
// The Jack of Diamonds and the Queen of Spades of a single Corvane. The first held pair of the
// two copies decides alone, whether or not it may serve.
MeldCards FindCorvane(const Game& g, int player);
// All four Corvane cards held, none of them in a Double Corvane yet.
bool HasDoubleCorvane(const Game& g, int player);
// Ace, Ten, King, Queen and Jack of trumps, the later copy of each, unless the run would be made
// from the table alone.
MeldCards FindRun(const Game& g, int player);
// The four lowest-indexed cards of the value not yet in a meld of this kind, of any suits.
MeldCards FindFour(const Game& g, int player, int value, int kind);
// King and Queen of the suit, the later copy of each.
MeldCards FindMarriage(const Game& g, int player, int suit);

// The points of a meld of `kind` made of `cards` (the cards its search chose) by `player`.
int MeldPoints(const Game& g, int kind, const MeldCards& cards, int player);

// The cards of a declaration of `kind` lie on the table, have served in that kind and are drawn
// in its column only. Not for the Dix, which has no column.
void MarkMeldCards(Game& g, const MeldCards& cards, int kind);

// A card that lay on the table as a meld is being played: it stops counting as a Dix or a
// Corvane, and leaves the columns it was drawn in. The caller clears OnTable afterwards.
void ReleaseMeldMarks(Game& g, int card);

// The column a meld kind's cards are drawn in: the Double Corvane's stand with the Corvane.
int MeldColumnOf(int kind);

}  // namespace corvane
