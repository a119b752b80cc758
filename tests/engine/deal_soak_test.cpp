#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "card_table.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"

namespace corvane {
namespace {

// Thousands of seeded deals, one after another at one table: every card must end up in exactly
// one place, shown where that place is, and every card must be dealt somewhere sooner or later.
TEST(DealSoakTest, EveryCardIsAccountedForDealAfterDeal) {
    constexpr int kDeals = 5000;
    std::array<int, CardCount + 1> toPerson{}, toTarvish{}, turnedUp{};
    Game g;
    BuildCardTable(g);
    HeadlessTable table;
    g.AttachTable(&table);
    int lastDealer = 0;

    for (int deal = 1; deal <= kDeals; ++deal) {
        SCOPED_TRACE("deal " + std::to_string(deal));
        g.Random = RandomSource(static_cast<std::uint64_t>(deal));
        table.Sounds.clear();
        table.Moves.clear();
        NewGame(g);

        ASSERT_NE(g.Dealer, lastDealer);
        lastDealer = g.Dealer;
        ASSERT_GE(g.UpCard, 1);
        ASSERT_LE(g.UpCard, CardCount);
        ASSERT_EQ(g.TrumpSuit, g.CardTable[g.UpCard].Suit);
        ASSERT_EQ(g.StockCount, 48);
        ASSERT_EQ(g.CardsUsed, 16);
        const bool seven = g.CardTable[g.UpCard].Value == Seven;
        ASSERT_EQ(g.GameTotal[g.Dealer], seven ? 10 : 0);
        ASSERT_EQ(g.GameTotal[3 - g.Dealer], 0);
        ASSERT_EQ(std::count(table.Sounds.begin(), table.Sounds.end(), Sound::CardDeal), 16);
        ASSERT_EQ(std::count(table.Sounds.begin(), table.Sounds.end(), Sound::Riffle), 2);

        std::set<int> personLefts, tarvishLefts, stockLefts;
        int upCards = 0;
        for (int i = 1; i <= CardCount; ++i) {
            const HeadlessTable::CardPicture& pic = table.Cards[i];
            switch (g.CardTable[i].Location) {
                case LocPlayerHand:
                    ++toPerson[i];
                    ASSERT_EQ(pic.Top, 8160) << i;
                    ASSERT_EQ(pic.Image, i) << i;
                    personLefts.insert(pic.Left);
                    break;
                case LocTarvishHand:
                    ++toTarvish[i];
                    ASSERT_EQ(pic.Top, 110) << i;
                    ASSERT_EQ(pic.Image, ImageBack) << i;
                    tarvishLefts.insert(pic.Left);
                    break;
                case LocStock:
                    ASSERT_EQ(pic.Top, 4 * static_cast<int>(stockLefts.size())) << i;
                    ASSERT_EQ(pic.Image, ImageBack) << i;
                    ASSERT_TRUE(pic.Visible) << i;
                    stockLefts.insert(pic.Left);
                    break;
                case LocUpCard:
                    ++turnedUp[i];
                    ++upCards;
                    ASSERT_EQ(i, g.UpCard);
                    ASSERT_EQ(pic.Left, 600);
                    ASSERT_EQ(pic.Top, 240);
                    ASSERT_EQ(pic.Image, i);
                    ASSERT_TRUE(pic.Visible);
                    break;
                default:
                    FAIL() << "card " << i << " is nowhere: location " << g.CardTable[i].Location;
            }
        }
        // The person's row runs from the weakest value to the strongest.
        std::vector<int> person;
        for (int i = 1; i <= CardCount; ++i) {
            if (g.CardTable[i].Location == LocPlayerHand) person.push_back(i);
        }
        std::sort(person.begin(), person.end(),
                  [&](int a, int b) { return table.Cards[a].Left < table.Cards[b].Left; });
        ASSERT_TRUE(std::is_sorted(person.begin(), person.end(), [&](int a, int b) {
            return StrengthRank(g.CardTable[a].Value) < StrengthRank(g.CardTable[b].Value);
        }));
        // Distinct places in each row mean no card was dealt twice and none went missing.
        ASSERT_EQ(personLefts, (std::set<int>{2500, 3000, 3500, 4000, 4500, 5000, 5500, 6000}));
        ASSERT_EQ(tarvishLefts, (std::set<int>{2500, 2850, 3200, 3550, 3900, 4250, 4600, 4950}));
        ASSERT_EQ(stockLefts.size(), 47u);
        ASSERT_EQ(*stockLefts.rbegin(), 3 * 46);
        ASSERT_EQ(upCards, 1);
    }

    for (int i = 1; i <= CardCount; ++i) {
        EXPECT_GT(toPerson[i], 0) << "card " << i << " never dealt to the person";
        EXPECT_GT(toTarvish[i], 0) << "card " << i << " never dealt to Tarvish";
        EXPECT_GT(turnedUp[i], 0) << "card " << i << " never turned up";
    }
}

}  // namespace
}  // namespace corvane
