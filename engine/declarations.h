#pragma once

#include "game_state.h"

// The declarations (melds) and the marks that keep a card from serving twice in one kind.

namespace corvane {

// A card that lay on the table as a meld is being played: it stops counting as a Dix or a
// Corvane, and leaves the columns it was drawn in. The caller clears OnTable afterwards.
void ReleaseMeldMarks(Game& g, int card);

// One declaration opportunity for Tarvish, after a Round 1 trick it won and before the last
// face-down card: it makes the first declaration its holding allows, if any.
void TarvishDeclare(Game& g);

// C&ancel on the declaration panel: the person's declaring turn ends without a declaration.
void CmdCancel_Click(Game& g);

}  // namespace corvane
