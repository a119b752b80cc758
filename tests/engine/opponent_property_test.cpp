#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <utility>

#include "opponent.h"
#include "opponent_position.h"

// Tarvish's choices over many random holdings and leads: always a card it holds, in Round 2
// always one the follow rule allows, and never one that depends on where the person's cards are.

namespace corvane {
namespace {

using testing_positions::Describe;

constexpr int kPositions = 100'000;
constexpr int kMaxHolding = 12;

class PositionMaker {
public:
    explicit PositionMaker(std::uint64_t seed) : rng_(seed) {}

    // A fresh deal: Tarvish's holding, perhaps a card led and an up card, and the other cards
    // scattered over the person's hand, the stock and the played cards.
    void Deal(Game& g) {
        std::array<int, CardCount> deck;
        for (int i = 0; i < CardCount; ++i) deck[i] = i + 1;
        for (int i = CardCount - 1; i > 0; --i) std::swap(deck[i], deck[Below(i + 1)]);

        const int held = 1 + Below(kMaxHolding);
        for (int i = 0; i < CardCount; ++i) {
            CardRecord& c = g.CardTable[deck[i]];
            c.Location = i < held ? LocTarvishHand : LocStock;
            c.OnTable = i < held && Below(4) == 0;  // some of Tarvish's cards lie in melds
        }
        g.TrumpSuit = Diamonds + Below(4);
        const bool tarvishLeads = Below(2) == 0;
        g.HasLead[PlayerTarvish] = tarvishLeads;
        g.HasLead[PlayerPerson] = !tarvishLeads;
        g.TrickCard[1] = tarvishLeads ? -1 : deck[held];
        if (!tarvishLeads) g.CardTable[deck[held]].Location = LocTrick;
        g.UpCard = Below(5) == 0 ? -1 : deck[held + 1];
        if (g.UpCard > 0) g.CardTable[g.UpCard].Location = LocUpCard;
        firstOther_ = held + 2;
        deck_ = deck;
        ScatterOthers(g);
    }

    // Moves every card that is neither Tarvish's, nor led, nor the up card somewhere else.
    void ScatterOthers(Game& g) {
        static constexpr int places[] = {LocPlayerHand, LocStock, LocTrick};
        for (int i = firstOther_; i < CardCount; ++i) {
            g.CardTable[deck_[i]].Location = places[Below(3)];
        }
    }

private:
    int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }

    std::mt19937_64 rng_;
    std::array<int, CardCount> deck_{};
    int firstOther_ = 0;
};

bool Held(const Game& g, int card) {
    return card >= 1 && card <= CardCount && g.CardTable[card].Location == LocTarvishHand;
}

bool TarvishHoldsSuit(const Game& g, int suit) {
    for (int i = 1; i <= CardCount; ++i) {
        if (Held(g, i) && g.CardTable[i].Suit == suit) return true;
    }
    return false;
}

// Follow the suit led if you can, else trump if you can, else anything.
bool FollowsRoundTwoRule(const Game& g, int card) {
    if (g.HasLead[PlayerTarvish]) return true;
    const int ledSuit = g.CardTable[g.TrickCard[1]].Suit;
    const int suit = g.CardTable[card].Suit;
    if (TarvishHoldsSuit(g, ledSuit)) return suit == ledSuit;
    if (TarvishHoldsSuit(g, g.TrumpSuit)) return suit == g.TrumpSuit;
    return true;
}

std::string DescribePosition(const Game& g) {
    std::ostringstream out;
    out << "trumps " << SuitName(g.TrumpSuit) << ", up card " << Describe(g, g.UpCard) << ", led "
        << (g.HasLead[PlayerTarvish] ? "by Tarvish" : Describe(g, g.TrickCard[1]))
        << ", Tarvish holds";
    for (int i = 1; i <= CardCount; ++i) {
        if (Held(g, i)) out << ' ' << i;
    }
    return out.str();
}

TEST(OpponentProperties, ChoicesAreHeldLegalAndBlindToThePersonsCards) {
    Game g;  // no table: the choices show nothing when Tarvish holds a card
    BuildCardTable(g);
    PositionMaker maker(20261206);
    int failures = 0;
    std::string firstFailure;
    auto fail = [&](const std::string& what) {
        if (failures++ == 0) firstFailure = what + " with " + DescribePosition(g);
    };

    for (int n = 0; n < kPositions; ++n) {
        maker.Deal(g);
        const int roundOne = TarvishChooseCard(g);
        const int roundTwo = TarvishChooseCardRoundTwo(g, LocTarvishHand);
        if (!Held(g, roundOne)) fail("Round 1 chose " + Describe(g, roundOne));
        if (!Held(g, roundTwo)) fail("Round 2 chose " + Describe(g, roundTwo));
        if (Held(g, roundTwo) && !FollowsRoundTwoRule(g, roundTwo)) {
            fail("Round 2 broke the follow rule with " + Describe(g, roundTwo));
        }

        maker.ScatterOthers(g);
        if (TarvishChooseCard(g) != roundOne) fail("Round 1 looked at the person's cards");
        if (TarvishChooseCardRoundTwo(g, LocTarvishHand) != roundTwo) {
            fail("Round 2 looked at the person's cards");
        }
    }
    EXPECT_EQ(failures, 0) << "first: " << firstFailure;
}

}  // namespace
}  // namespace corvane
