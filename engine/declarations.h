#pragma once

#include "game_state.h"
#include "meld_rules.h"

// Making the declarations, for the person through the declaration panels and for Tarvish after
// the tricks it wins. Every routine takes the player number; MeldMade tells whether it declared.

namespace corvane {

// Each searches the player's holding, and when the meld is there lays its cards out, marks them,
// books the points and writes the result on LblInfo. Corvane, Double Corvane and run clear
// MeldMade first and tell the person when the meld is missing; the four of a kind and the
// marriage expect MeldMade false and leave the telling to the buttons.
void DeclareCorvane(Game& g, int player);
void DeclareDoubleCorvane(Game& g, int player);
void DeclareRun(Game& g, int player);
void DeclareFour(Game& g, int player, int value, int kind);
void DeclareMarriage(Game& g, int player, int suit);
// The Seven of trumps: exchanged for the up card the first time in a hand, laid on the table
// after that (and by the person when the up card is itself a Seven).
void DeclareDix(Game& g, int player);

// The points and text of a marriage in `suit`, booked at once.
void ScoreMarriage(Game& g, int player, int suit);
// Moves one declared card out of the hand and lays the player's columns out again; the person's
// declaring turn is over.
void AnimateMeldCard(Game& g, int player, int card);
// Draws every declared card of the player in the column of the meld it served in last.
void LayOutMeldColumns(Game& g, int player);

// One declaration opportunity for Tarvish, after a Round 1 trick it won and before the last
// face-down card: it makes the first declaration its holding allows, if any.
void TarvishDeclare(Game& g);

// The buttons of the declaration panel FramDeclare, of the marriage panel FramMarriage and of the
// meld reminder FramMeldHelp. Each acts only while its panel is shown, and the declaration
// buttons only while the person's declaring turn is open.
void CmdCorvane_Click(Game& g);
void CmdDCorvane_Click(Game& g);
void CmdSequence_Click(Game& g);
// index 0 Kings, 1 Queens, 2 Jacks, 3 Aces.
void CmdFours_Click(Game& g, int index);
void cmdDec7Trumps_Click(Game& g);
void CmdMakeMarriage_Click(Game& g);
// index 1 Diamonds, 2 Clubs, 3 Hearts, 4 Spades.
void CmdMarriage_Click(Game& g, int index);
// C&ancel: the person's declaring turn ends without a declaration.
void CmdCancel_Click(Game& g);
// &O.K on the meld reminder hides it.
void Command1_Click(Game& g);

}  // namespace corvane
