#pragma once

#include <initializer_list>

#include "game_state.h"

// What Tarvish's two rules have in common: lists of candidates tried in order, the first that
// yields a card deciding, and the card led.

namespace corvane::opponent {

// The first card that `search` finds, trying the values (or suits) in the order given.
template <typename Search>
int FirstFound(const Game& g, Search search, std::initializer_list<int> arguments) {
    for (int argument : arguments) {
        if (const int card = search(g, argument)) return card;
    }
    return NoCard;
}

// The card led to the current trick. Before anything is led it is a blank card of no value and
// no suit, so that a rule asked too early reads nothing outside the card table.
inline const CardRecord& LedCard(const Game& g) {
    static const CardRecord nothingLed;
    const int led = g.TrickCard[1];
    return led >= 1 && led <= CardCount ? g.CardTable[led] : nothingLed;
}

}  // namespace corvane::opponent
