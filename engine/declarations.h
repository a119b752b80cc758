#pragma once

#include "game_state.h"

// The declarations (melds) and the marks that keep a card from serving twice in one kind.

namespace corvane {

// A card that lay on the table as a meld is being played: it stops counting as a Dix or a
// Corvane, and leaves the columns it was drawn in. The caller clears OnTable afterwards.
void ReleaseMeldMarks(Game& g, int card);

}  // namespace corvane
