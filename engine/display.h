#pragma once

#include <string>

#include "game_state.h"
#include "table_geometry.h"

// The game's side of the table: every change the game makes to what the person sees goes through
// these, so that the game keeps its own record of the controls it reads back.

namespace corvane {

void ShowCardFace(Game& g, int card);
void ShowCardBack(Game& g, int card);
// Moves a card picture and brings it to the front, as every card placement does.
void PlaceCard(Game& g, int card, int left, int top);
void PlaceCard(Game& g, int card, TablePoint place);
void SetCardVisible(Game& g, int card, bool visible);

void SetCaption(Game& g, Control control, const std::string& caption);
void SetVisible(Game& g, Control control, bool visible);
void BringToFront(Game& g, Control control);
const std::string& Caption(const Game& g, Control control);
bool IsVisible(const Game& g, Control control);

void SetStatusPanel(Game& g, int panel, const std::string& text, int image = 0);
// The prompt on panel 2 always addresses the person: the name, then the text.
void SetStatusLine(Game& g, const std::string& textAfterName);
void SetWindowCaption(Game& g, const std::string& caption);

// Waits PauseTime milliseconds while the window goes on handling the person's input. With
// PauseTime at 0 or below nothing is handled at all; an abandoned hand does not wait.
void Pause(Game& g);
void PlayDealSound(Game& g);
void PlayCardDownSound(Game& g);
// Starts a sound without waiting for it.
void PlaySound(Game& g, Sound sound);

// Shows the message dialog and leaves the index of the button clicked in DialogChoice.
void ShowMessage(Game& g, const std::string& text, const std::string& button1,
                 const std::string& button2, const std::string& button3, int iconIndex,
                 const std::string& title);
void ShowPlainMessage(Game& g, const std::string& text);

// Waits until the person's action clears WaitingForPlayer. False when the hand was abandoned
// meanwhile (the game is no longer in progress); the caller then ends the hand at once.
bool WaitForPlayer(Game& g);

}  // namespace corvane
