#include "card_table.h"

#include "game_state.h"

namespace corvane {

namespace {

std::string ValueName(int value) {
    switch (value) {
        case Seven:
            return "Seven";
        case Eight:
            return "Eight";
        case Nine:
            return "Nine";
        case Jack:
            return "Jack";
        case Queen:
            return "Queen";
        case King:
            return "King";
        case Ten:
            return "Ten";
        case Ace:
            return "Ace";
    }
    return {};
}

std::string CardName(int value, int suit) {
    // The Tens of Spades have always carried a double blank in their name.
    if (value == Ten && suit == Spades) return "Ten  of Spades";
    return ValueName(value) + " of " + SuitName(suit);
}

}  // namespace

void BuildCardTable(Game& g) {
    int index = 1;
    for (int suit : SuitOrder) {
        for (int value : RankOrder) {
            for (int copy = 0; copy < 2; ++copy, ++index) {
                CardRecord& card = g.CardTable[index];
                card.Name = CardName(value, suit);
                card.Value = value;
                card.Suit = suit;
            }
        }
    }
}

bool Outranks(int value, int other) {
    return StrengthRank(value) > StrengthRank(other);
}

bool IsBrisque(int value) {
    return value == Ace || value == Ten;
}

std::string SuitName(int suit) {
    switch (suit) {
        case Diamonds:
            return "Diamonds";
        case Clubs:
            return "Clubs";
        case Hearts:
            return "Hearts";
        case Spades:
            return "Spades";
    }
    return {};
}

}  // namespace corvane
