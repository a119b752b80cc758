#include <gtest/gtest.h>

#include <array>
#include <set>

#include "engine_test_support.h"
#include "hand_flow.h"
#include "random_source.h"

namespace corvane {
namespace {

TEST(RandomSource, NumbersDifferWhileTheClockStandsStillAndRepeatForASeed) {
    RandomSource a(42, [] { return 7ULL; });
    RandomSource b(42, [] { return 7ULL; });
    std::set<double> seen;
    for (int i = 0; i < 5000; ++i) {
        const double r = a.Uniform();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
        ASSERT_EQ(r, b.Uniform()) << "draw " << i;
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 5000u);
}

TEST(RandomSource, TheClockIsReadBeforeEveryNumber) {
    int calls = 0;
    RandomSource still(9, [] { return 500ULL; });
    RandomSource moving(9, [&calls] { return ++calls > 3 ? 501ULL : 500ULL; });
    for (int i = 0; i < 3; ++i) EXPECT_EQ(still.Uniform(), moving.Uniform()) << "draw " << i;
    EXPECT_NE(still.Uniform(), moving.Uniform()) << "the fourth number ignored the clock";
}

TEST(RandomSource, RoundsHalvesToTheEvenNeighbour) {
    const std::pair<double, int> rows[] = {{0.5, 0},
                                           {0.5000001, 1},
                                           {1.5, 2},
                                           {2.5, 2},
                                           {62.5, 62},
                                           {63.5, 64},
                                           {64 * (1.0 - 0x1p-53), 64}};
    for (const auto& [x, want] : rows) EXPECT_EQ(RoundHalfEven(x), want) << x;
}

struct Stock : testing::Test {
    Game g;
    Stock() {
        testing_support::Hold(g, {}, {});  // every card in the stock
        g.Random = RandomSource(20240611);
    }
};

TEST_F(Stock, NeverGivesACardThatIsNotInTheStock) {
    constexpr int elsewhere[] = {LocPlayerHand, LocTarvishHand, LocTrick, LocUpCard};
    std::set<int> stock;
    for (int i = 1; i <= CardCount; ++i) {
        const bool inStock = i % 3 == 1 || i == CardCount;
        g.CardTable[i].Location = inStock ? LocStock : elsewhere[i % 4];
        if (inStock) stock.insert(i);
    }
    std::set<int> seen;
    for (int n = 0; n < 20000; ++n) {
        const int card = PickStockCard(g);
        ASSERT_TRUE(stock.contains(card)) << "card " << card;
        seen.insert(card);
    }
    EXPECT_EQ(seen, stock);
}

TEST_F(Stock, CardSixtyFourComesHalfAsOftenAsTheOthers) {
    // 63.5 equal shares: 10000 draws for each of 1..63 and 5000 for 64, on average.
    std::array<int, CardCount + 1> drawn{};
    for (int n = 0; n < 635000; ++n) ++drawn[PickStockCard(g)];
    for (int card = 1; card < CardCount; ++card) EXPECT_NEAR(drawn[card], 10000, 600) << card;
    EXPECT_NEAR(drawn[CardCount], 5000, 400);
}

TEST_F(Stock, KeepsFindingCardsWhileTheClockStandsStill) {
    g.Random = RandomSource(3, [] { return 0ULL; });
    std::set<int> seen;
    for (int n = 0; n < 640; ++n) seen.insert(PickStockCard(g));
    EXPECT_GT(seen.size(), 60u) << "one index drawn again and again";
    for (int i = 1; i < CardCount; ++i) g.CardTable[i].Location = LocTrick;
    for (int n = 0; n < 5; ++n) EXPECT_EQ(PickStockCard(g), CardCount) << "the last card left";
    g.CardTable[CardCount].Location = LocTrick;
    EXPECT_EQ(PickStockCard(g), NoCard) << "an empty stock gives no card rather than no end";
}

}  // namespace
}  // namespace corvane
