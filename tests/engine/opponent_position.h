#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "card_table.h"
#include "game_state.h"

// Positions for Tarvish's rules: who holds what, trumps, the up card and the card led.

namespace corvane::testing_positions {

// The index of a card by value and suit; copy 1 or 2 of the two identical cards.
constexpr int Card(int value, int suit, int copy = 1) {
    int rank = 0;
    while (RankOrder[rank] != value) ++rank;
    return (suit - Diamonds) * 16 + rank * 2 + copy;
}

inline constexpr int NoUpCard = 0;
inline constexpr int TarvishLeads = 0;

struct Position {
    std::vector<int> tarvish{};  // Tarvish's holding
    int trumps = Hearts;
    int upCard = NoUpCard;
    int led = TarvishLeads;     // the card the person led, or TarvishLeads
    std::vector<int> person{};  // the person's hand, which Tarvish must never look at
};

// Puts every card in the stock, then deals the position out.
inline void Arrange(Game& g, const Position& p) {
    if (g.CardTable[1].Name.empty()) BuildCardTable(g);
    for (int i = 1; i <= CardCount; ++i) {
        CardRecord& c = g.CardTable[i];
        c.Location = LocStock;
        c.OnTable = false;
        c.MeldUsed = {};
        c.MeldColumn = {};
    }
    for (int card : p.person) g.CardTable[card].Location = LocPlayerHand;
    for (int card : p.tarvish) g.CardTable[card].Location = LocTarvishHand;
    g.TrumpSuit = p.trumps;
    g.UpCard = p.upCard != NoUpCard ? p.upCard : -1;
    if (p.upCard != NoUpCard) g.CardTable[p.upCard].Location = LocUpCard;
    g.HasLead[PlayerTarvish] = p.led == TarvishLeads;
    g.HasLead[PlayerPerson] = p.led != TarvishLeads;
    g.TrickCard[1] = p.led != TarvishLeads ? p.led : -1;
    g.TrickCard[2] = -1;
    if (p.led != TarvishLeads) g.CardTable[p.led].Location = LocTrick;
}

// Every first copy that Tarvish does not hold: a person's hand that a rule straying from Tarvish's
// holding would find something in.
inline std::vector<int> EveryOtherFirstCopy(const std::vector<int>& tarvish) {
    std::vector<int> person;
    for (int suit : SuitOrder) {
        for (int value : RankOrder) {
            const int card = Card(value, suit);
            if (std::find(tarvish.begin(), tarvish.end(), card) == tarvish.end()) {
                person.push_back(card);
            }
        }
    }
    return person;
}

// "Nine of Clubs (21)": how a failing row names a card.
inline std::string Describe(const Game& g, int card) {
    if (card < 1 || card > CardCount) return "no card (" + std::to_string(card) + ")";
    return g.CardTable[card].Name + " (" + std::to_string(card) + ")";
}

}  // namespace corvane::testing_positions
