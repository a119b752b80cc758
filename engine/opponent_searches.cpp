#include "opponent.h"

#include <array>

namespace corvane {

namespace {

// The Spades are the last sixteen cards; the searches that avoid them stop short of them.
inline constexpr int LastNonSpade = 48;

bool Held(const Game& g, int card) {
    return g.CardTable[card].Location == LocTarvishHand;
}

template <typename Qualifies>
int FirstHeld(const Game& g, int lastIndex, Qualifies qualifies) {
    for (int i = 1; i <= lastIndex; ++i) {
        if (Held(g, i) && qualifies(g.CardTable[i])) return i;
    }
    return NoCard;
}

}  // namespace

bool TarvishHolds(const Game& g, int value, int suit) {
    return FirstHeld(g, CardCount, [&](const CardRecord& c) {
               return c.Value == value && c.Suit == suit;
           }) != NoCard;
}

int CountHeldOfValue(const Game& g, int value) {
    int count = 0;
    for (int i = 1; i <= CardCount; ++i) count += Held(g, i) && g.CardTable[i].Value == value;
    return count;
}

int FindHeldNonSpade(const Game& g, int value) {
    return FirstHeld(g, LastNonSpade, [&](const CardRecord& c) { return c.Value == value; });
}

int FindHeldPlain(const Game& g, int value) {
    return FirstHeld(g, CardCount, [&](const CardRecord& c) {
        return c.Value == value && c.Suit != g.TrumpSuit;
    });
}

int FindHeldTrump(const Game& g, int value) {
    return FirstHeld(g, CardCount, [&](const CardRecord& c) {
        return c.Value == value && c.Suit == g.TrumpSuit;
    });
}

int LowestHeldOfSuit(const Game& g, int suit) {
    int weakest = NoCard;
    int weakestRank = 0;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& c = g.CardTable[i];
        if (!Held(g, i) || c.Suit != suit) continue;
        const int rank = StrengthRank(c.Value);
        // Of two copies of the weakest value the later one is taken.
        if (weakest == NoCard || rank <= weakestRank) {
            weakest = i;
            weakestRank = rank;
        }
    }
    return weakest != NoCard ? weakest : LastHeldCard(g);
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
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& c = g.CardTable[i];
        if (c.Location == location && c.Value == value && c.Suit == suit) return i;
    }
    return NoCard;
}

}  // namespace corvane
