#pragma once

#include "game_state.h"

// Starting games and hands, the deal, and the person's card play.

namespace corvane {

// The start of the program, once the card table is built and the settings are read: the window's
// first texts and the random draw of the player who is taken to have dealt last.
void StartUp(Game& g);

// Clears the game totals and plays the first hand.
void NewGame(Game& g);
// The per-hand reset, then the deal.
void NewHand(Game& g);
// Dealer, eight cards each, the up card and trumps, the first leader, then the play.
void Deal(Game& g);
void DealCardToPlayer(Game& g);
void DealCardToTarvish(Game& g);
// A random card still in the stock; the stock must not be empty.
int PickStockCard(Game& g);

// Ends the game in progress without a winner, as when the person starts a new game in the middle
// of a hand: every wait and pause of the running hand returns, and the hand ends.
void AbandonGame(Game& g);

// The person clicks a card picture (either mouse button).
void PicCard_Click(Game& g, int card);
// Moves the person's card into the trick.
void PlayerPlayCard(Game& g, int card);
// True when some card at `location` has the suit of the card led.
bool HoldsLedSuit(const Game& g, int location);
bool PlayerHoldsTrump(const Game& g);

// The winner of the current trick into TrickWinner, and the points the trick is worth.
void DecideTrick(Game& g);
int ScoreTrick(const Game& g);

}  // namespace corvane
