#include "opponent.h"

#include <array>

namespace corvane {

namespace {

bool Held(const Game& g, int card) {
    return card != NoCard && g.CardTable[card].Location == LocTarvishHand;
}

// The first held card of this value among the suits given, in index order.
template <std::size_t N>
int FirstHeldOf(const Game& g, int value, const std::array<int, N>& suits) {
    for (int suit : suits) {
        for (int copy : {1, 2}) {
            const int card = CardIndex(suit, value, copy);
            if (Held(g, card)) return card;
        }
    }
    return NoCard;
}

// The suits other than trumps, in index order; 0 stands for the trump suit and is skipped.
std::array<int, 4> PlainSuits(const Game& g) {
    std::array<int, 4> plain{};
    for (int k = 0; k < 4; ++k) plain[k] = SuitOrder[k] == g.TrumpSuit ? 0 : SuitOrder[k];
    return plain;
}

}  // namespace

bool TarvishHolds(const Game& g, int value, int suit) {
    return Held(g, CardIndex(suit, value, 1)) || Held(g, CardIndex(suit, value, 2));
}

int CountHeldOfValue(const Game& g, int value) {
    int count = 0;
    for (int suit : SuitOrder) {
        for (int copy : {1, 2}) count += Held(g, CardIndex(suit, value, copy));
    }
    return count;
}

// A Spade is never found, trump or not.
int FindHeldNonSpade(const Game& g, int value) {
    return FirstHeldOf(g, value, std::array{Diamonds, Clubs, Hearts});
}

int FindHeldPlain(const Game& g, int value) {
    return FirstHeldOf(g, value, PlainSuits(g));
}

int FindHeldTrump(const Game& g, int value) {
    return FirstHeldOf(g, value, std::array{g.TrumpSuit});
}

int LowestHeldOfSuit(const Game& g, int suit) {
    for (int value : RankOrder) {
        // Of two copies of the weakest value the later one is taken.
        for (int copy : {2, 1}) {
            const int card = CardIndex(suit, value, copy);
            if (Held(g, card)) return card;
        }
    }
    return LastHeldCard(g);
}

int LongestPlainSuit(const Game& g) {
    std::array<int, Spades + 1> count{};
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& c = g.CardTable[i];
        if (Held(g, i) && c.Suit != g.TrumpSuit && c.Suit >= Diamonds && c.Suit <= Spades) {
            ++count[c.Suit];
        }
    }
    // Diamonds if at least as long as every other suit, else Clubs if so, else Hearts, else
    // Spades. With no plain card at all that is Diamonds, even when Diamonds are trumps.
    for (int suit : {Diamonds, Clubs, Hearts}) {
        bool longest = true;
        for (int other : SuitOrder) longest = longest && count[suit] >= count[other];
        if (longest) return suit;
    }
    return Spades;
}

int LastHeldCard(const Game& g) {
    for (int i = CardCount; i >= 1; --i) {
        if (Held(g, i)) return i;
    }
    return NoCard;
}

int FindCard(const Game& g, int location, int value, int suit) {
    for (int copy : {1, 2}) {
        const int card = CardIndex(suit, value, copy);
        if (card != NoCard && g.CardTable[card].Location == location) return card;
    }
    return NoCard;
}

}  // namespace corvane
