#pragma once

#include <cstdint>

#include "game_state.h"
#include "kernel.h"

// The hand in the game as a kernel state: whole, for the test that holds the kernel to the
// engine, or as one player sees it, for that player's search.

namespace corvane::expert {

// Every card where it is, with the card led to the trick in progress (0 for none).
HandState StateOf(const Game& g, int led);

// What `viewer` knows when it is to play or declare: its own holding, every card played, the
// declared cards of both, the up card, and a card the opponent is known to have taken. The
// opponent's holding holds only its known cards; the rest of it and the stock are Unseen.
struct View {
    HandState State;
    int Viewer = 0;
    Mask Unseen = 0;
    int OpponentUnseen = 0;  // how many of the Unseen cards the opponent holds
};
View ViewOf(const Game& g, int viewer);

// Whether the counts of the view are those of a hand in play at the viewer's card or declaring
// turn: the hands as large as the tricks and the stock leave them, the unseen cards the
// opponent's hidden ones and the stock. Only such a view can be played out; a table set up by
// hand may hold any cards.
enum class Turn { Card, Declaring };
bool HandInPlay(const View& view, Turn turn);

// A seed made only of what the viewer can see, so that a search is a function of its view.
std::uint64_t ViewSeed(const View& view);

}  // namespace corvane::expert
