#pragma once

#include "game_state.h"

// Laying out the rows of cards: the stock, both hands, and the person's choice of sort order.

namespace corvane {

// The person's hand face up, by suit (Diamonds, Clubs, Hearts, Spades), weakest first in a suit.
void SortSuits(Game& g);
// The person's hand face up, by value from Seven to Ace, like values together.
void SortSame(Game& g);
// Lays the person's hand out again in the order the sort button's caption says is current.
void RefreshHand(Game& g);
// Tarvish's hand face down in one row.
void LayOutOpponentHand(Game& g);
// The person's hand in one row, as it is while cards are dealt and drawn.
void LayOutPlayerHand(Game& g);
// The stock pile, face down, slanting down to the right from the top left corner.
void RedrawStock(Game& g);

// The sort button: switches between the two orders; its caption names the next one.
void CmdSort_Click(Game& g);

inline constexpr const char* SortSuitsCaption = "Sort Suits";
inline constexpr const char* SortSameCaption = "Sort Same";

}  // namespace corvane
