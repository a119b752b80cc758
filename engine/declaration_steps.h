#pragma once

#include <string>

#include "game_state.h"

// Steps the declaration routines and the person's declaration buttons share.

namespace corvane {

// A declaration has been found. The panel it was chosen on goes, and with it the person's
// declaring turn, before any card moves: a click while the cards travel makes no second
// declaration and plays no card.
void TakeDeclaration(Game& g, Control panel);

// Tells the person that the meld asked for is not there; the declaring turn stays open.
void RefuseMeld(Game& g, const std::string& title, const std::string& text);

}  // namespace corvane
