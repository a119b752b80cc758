#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <utility>

#include "engine_test_support.h"
#include "opponent.h"

// Tarvish's choices over many random holdings and leads: always a card it holds, in Round 2
// always one the follow rule allows, and never one that depends on where the person's cards are.

namespace corvane {
namespace {

using testing_support::Describe;

bool Held(const Game& g, int card) {
    return card >= 1 && card <= CardCount && g.CardTable[card].Location == LocTarvishHand;
}

bool HoldsSuit(const Game& g, int suit) {
    for (int i = 1; i <= CardCount; ++i) {
        if (Held(g, i) && g.CardTable[i].Suit == suit) return true;
    }
    return false;
}

// Follow the suit led if you can, else trump if you can, else anything.
bool FollowsRoundTwoRule(const Game& g, int card) {
    if (g.HasLead[PlayerTarvish]) return true;
    const int suit = g.CardTable[card].Suit;
    const int ledSuit = g.CardTable[g.TrickCard[1]].Suit;
    if (HoldsSuit(g, ledSuit)) return suit == ledSuit;
    return !HoldsSuit(g, g.TrumpSuit) || suit == g.TrumpSuit;
}

TEST(TarvishProperties, ChoicesAreHeldLegalAndBlindToThePersonsCards) {
    Game g;  // no table: the choices show nothing when Tarvish holds a card
    BuildCardTable(g);
    std::mt19937_64 rng(20261206);
    auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); };
    std::array<int, CardCount> deck;
    int others = 0;  // deck[others..] are neither Tarvish's, nor led, nor the up card
    // The person's hand, the stock and the played cards, scattered anew.
    auto scatter = [&] {
        constexpr int places[] = {LocPlayerHand, LocStock, LocTrick};
        for (int i = others; i < CardCount; ++i) g.CardTable[deck[i]].Location = places[below(3)];
    };
    std::string firstFailure;
    int failures = 0;
    auto fail = [&](const std::string& what) {
        if (failures++ > 0) return;
        firstFailure = what + "; trumps " + SuitName(g.TrumpSuit) + ", led " +
                       Describe(g, g.TrickCard[1]) + ", Tarvish holds";
        for (int i = 1; i <= CardCount; ++i) firstFailure += Held(g, i) ? Describe(g, i) : "";
    };

    for (int n = 0; n < 100'000; ++n) {
        for (int i = 0; i < CardCount; ++i) deck[i] = i + 1;
        for (int i = CardCount - 1; i > 0; --i) std::swap(deck[i], deck[below(i + 1)]);
        const int held = 1 + below(12);
        for (int i = 0; i < CardCount; ++i) {
            g.CardTable[deck[i]].Location = i < held ? LocTarvishHand : LocStock;
            g.CardTable[deck[i]].OnTable = i < held && below(4) == 0;  // some lie in melds
        }
        g.TrumpSuit = Diamonds + below(4);
        const bool tarvishLeads = below(2) == 0;
        g.HasLead = {false, !tarvishLeads, tarvishLeads};
        g.TrickCard[1] = tarvishLeads ? -1 : deck[held];
        if (!tarvishLeads) g.CardTable[deck[held]].Location = LocTrick;
        g.UpCard = below(5) == 0 ? -1 : deck[held + 1];
        if (g.UpCard > 0) g.CardTable[g.UpCard].Location = LocUpCard;
        others = held + 2;
        scatter();

        const int roundOne = TarvishChooseCard(g);
        const int roundTwo = TarvishChooseCardRoundTwo(g, LocTarvishHand);
        if (!Held(g, roundOne)) fail("Round 1 chose " + Describe(g, roundOne));
        if (!Held(g, roundTwo)) fail("Round 2 chose " + Describe(g, roundTwo));
        if (Held(g, roundTwo) && !FollowsRoundTwoRule(g, roundTwo)) {
            fail("Round 2 broke the follow rule with " + Describe(g, roundTwo));
        }
        scatter();
        if (TarvishChooseCard(g) != roundOne) fail("Round 1 looked at the person's cards");
        if (TarvishChooseCardRoundTwo(g, LocTarvishHand) != roundTwo) {
            fail("Round 2 looked at the person's cards");
        }
    }
    EXPECT_EQ(failures, 0) << "first: " << firstFailure;
}

}  // namespace
}  // namespace corvane
