#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
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

// A card in short: value 7 8 9 T J Q K A, suit D C H S, and a 2 for the second copy ("QS2").
inline int C(std::string_view name) {
    static constexpr std::string_view values = "789TJQKA";
    static constexpr int valueCodes[] = {Seven, Eight, Nine, Ten, Jack, Queen, King, Ace};
    static constexpr std::string_view suits = "DCHS";
    const bool wellFormed = (name.size() == 2 || (name.size() == 3 && name[2] == '2')) &&
                            values.find(name[0]) != std::string_view::npos &&
                            suits.find(name[1]) != std::string_view::npos;
    if (!wellFormed) throw std::invalid_argument("no such card: " + std::string(name));
    return Card(valueCodes[values.find(name[0])], Diamonds + static_cast<int>(suits.find(name[1])),
                name.size() == 3 ? 2 : 1);
}

// Cards in short, separated by blanks: "7D 7D2 KD".
inline std::vector<int> Cards(std::string_view names) {
    std::vector<int> cards;
    while (!names.empty()) {
        const std::size_t end = std::min(names.find(' '), names.size());
        if (end > 0) cards.push_back(C(names.substr(0, end)));
        names.remove_prefix(std::min(end + 1, names.size()));
    }
    return cards;
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

// A position in short: Tarvish's holding, trumps, the up card and the card led ("" for none).
inline Position InShort(std::string_view tarvish, int trumps, std::string_view upCard,
                        std::string_view led) {
    return {Cards(tarvish),
            trumps,
            upCard.empty() ? NoUpCard : C(upCard),
            led.empty() ? TarvishLeads : C(led),
            {}};
}

// One row of a table of Tarvish's choices, in short.
struct ChoiceCase {
    const char* name;
    const char* tarvish;
    int trumps;
    const char* upCard;
    const char* led;
    const char* expected;
};

// Names each row of a parameterised table after its `name`.
struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
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
