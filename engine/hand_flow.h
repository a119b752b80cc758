#pragma once

#include "game_state.h"

// The hand flow: starting games and hands, the deal, the trick cycle of both rounds, the end of a
// hand with the target and the knock, and the person's card play.

namespace corvane {

// The start of the program, once the card table is built and the settings are read: the window's
// first texts and the random draw of the player who is taken to have dealt last.
void StartUp(Game& g);

// Clears the game totals and plays hand after hand until the game is won, lost or given up.
void NewGame(Game& g);
// One hand of the game in progress: the per-hand reset, then the deal and the play.
void NewHand(Game& g);
// The per-hand reset: every card back in the stock, clear of marks, and the hand's fields cleared.
void ResetHand(Game& g);
// The deal, then the play of the hand to its end.
void Deal(Game& g);
// Dealer, eight cards each, the up card and trumps, and the first leader.
void DealCards(Game& g);
void DealCardToPlayer(Game& g);
void DealCardToTarvish(Game& g);
// A random card still in the stock; the stock must not be empty.
int PickStockCard(Game& g);

// Ends the game in progress without a winner, as when the person starts a new game in the middle
// of a hand: every wait and pause of the running hand returns, and the hand ends.
void AbandonGame(Game& g);

// True when Tarvish found a card to play. It finds none only with an empty hand, which the rules
// never leave it; such a hand cannot be played on, and ends at once without a result.
bool TarvishHasCard(Game& g, int card);

// The trick cycle. Each returns at once when the game is no longer in progress.
// Round 1: 23 tricks with declaring turns and draws, the last stock cards, then Round 2.
void PlayRound1(Game& g);
// Decides, scores and gathers a Round 1 trick, then gives its winner the declaring turn.
void CompleteTrick(Game& g);
// The declarations go back into the hands and the winner of the last trick leads Round 2.
void SwitchToRoundTwo(Game& g);
// Round 2: nine tricks in which a card must follow suit, else trump; then the end of the hand.
void PlayRound2(Game& g);

// The winner of the current trick into TrickWinner, and the points the trick is worth.
void DecideTrick(Game& g);
int ScoreTrick(const Game& g);
// Turns the trick face down onto the player's pile of won tricks.
void GatherTrick(Game& g, int player);
// The player draws a random card from the stock.
void DrawFromStock(Game& g, int player);
// Moves the card into the player's holding, face up for the person and face down for Tarvish.
void TakeCard(Game& g, int player, int card);
// A card's way from the stock into a hand, as dealt or drawn: through its points with a pause at
// each but Tarvish's last, the deal sound, and the hand's row laid out again.
void CarryIntoHand(Game& g, int player, int card);

// Trick points into the game totals, then the game won or the hand's result and the next hand.
void EndOfHand(Game& g);
// Decides the game on the totals: the knock label, Tarvish's knock, and in Round 2 the raised
// target and the winner.
void CheckTarget(Game& g);
// The knock label: the person, at or over the target while Tarvish is not, wins at once.
void LblKnock_Click(Game& g);
// Takes the knock back once it could no longer win: Tarvish has reached the target too, or the
// target has been raised.
void WithdrawLostKnock(Game& g);
void PlayerWinsGame(Game& g);
void TarvishWinsGame(Game& g);
// The table after a game: no cards, no scores of the hand, and the prompt for a new game.
void ClearTable(Game& g);

// The game waits for the person to play a card from the hand: not for a declaration, when a card
// played would leave the hand without a trick.
bool WaitsForPersonsCard(const Game& g);
// The person clicks a card picture (either mouse button).
void PicCard_Click(Game& g, int card);
// Moves the person's card into the trick.
void PlayerPlayCard(Game& g, int card);
// True when some card at `location` has the suit of the card led.
bool HoldsLedSuit(const Game& g, int location);
bool PlayerHoldsTrump(const Game& g);

}  // namespace corvane
