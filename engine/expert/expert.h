#pragma once

#include <string>

#include "game_state.h"

// The Expert: a player that chooses by searching sampled deals, for Tarvish at every level but
// Classic and for the person's hints. Every choice is a function of the game as the player sees it
// (its own cards, the cards played, the declared cards, the up card), never of the cards hidden
// from it, and a copy of a game chooses exactly as the original.

namespace corvane {

// A declaration to make in a declaring turn: a meld kind (MeldDix ... MeldFourAces) and, for a
// marriage, its suit; Kind 0 to make none.
struct ExpertMeld {
    int Kind = 0;
    int Suit = 0;
};

// The card `player` plays now at `level` (any but Classic), leading or following, in either
// round; and its declaration in a declaring turn.
int LevelChooseCard(const Game& g, int player, OpponentLevel level);
ExpertMeld LevelChooseMeld(const Game& g, int player, OpponentLevel level);

// The same at the strongest level, as the hints give them.
int ExpertChooseCard(const Game& g, int player);
ExpertMeld ExpertChooseMeld(const Game& g, int player);

// Tarvish's card at its level; the time it took comes off the next pause.
int ExpertTarvishCard(Game& g);

// The declaring panel's button that makes `meld`, by its design name; Cancel for none. A
// marriage is made in two presses: "CmdMakeMarriage", then its suit in the marriage panel.
std::string DeclaringButton(const ExpertMeld& meld, bool marriagePanelShown);

// Makes the declaration for the player by the routines every declaration uses; MeldMade tells
// whether it was made.
void MakeDeclaration(Game& g, int player, ExpertMeld meld);

// Tarvish's declaring turn at its level: the chosen declaration, made by the routines
// every declaration uses.
void ExpertTarvishDeclare(Game& g);

}  // namespace corvane
