#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "card_table.h"
#include "game_state.h"
#include "hand_flow.h"
#include "random_source.h"

namespace corvane {
namespace {

struct Rounding {
    const char* name;
    double x;
    int want;
};

class RoundHalfEvenTest : public testing::TestWithParam<Rounding> {};

TEST_P(RoundHalfEvenTest, RoundsToTheNearestWithHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(GetParam().x), GetParam().want) << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(Rows, RoundHalfEvenTest,
                         testing::Values(Rounding{"Zero", 0.0, 0},
                                         Rounding{"HalfGoesDownToZero", 0.5, 0},
                                         Rounding{"JustOverAHalfGoesUp", 0.5000001, 1},
                                         Rounding{"OneAndAHalfGoesUpToTwo", 1.5, 2},
                                         Rounding{"TwoAndAHalfGoesDownToTwo", 2.5, 2},
                                         Rounding{"JustUnderTwoAndAHalf", 2.4999999, 2},
                                         Rounding{"SixtyTwoAndAHalfStays", 62.5, 62},
                                         Rounding{"SixtyThreeAndAHalfGoesTo64", 63.5, 64},
                                         Rounding{"NearlyAWholePackGoesTo64", 64 * 0.999, 64},
                                         Rounding{"LargestDrawGoesTo64", 64 * (1.0 - 0x1p-53), 64},
                                         Rounding{"SmallestNonZeroCardDraw", 0.5 + 0x1p-40, 1},
                                         // The start-up dealer draw is r + 1 rounded: below a half
                                         // gives 1, from a half on gives 2.
                                         Rounding{"DealerDrawAtZero", 0.0 + 1, 1},
                                         Rounding{"DealerDrawJustUnderAHalf", 0.4999999 + 1, 1},
                                         Rounding{"DealerDrawAtAHalf", 0.5 + 1, 2},
                                         Rounding{"DealerDrawNearOne", 0.9999999 + 1, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RandomSourceTest, NumbersDifferDrawAfterDrawWhileTheClockStandsStill) {
    constexpr int kDraws = 20000;
    for (std::uint64_t frozen : {0ULL, 123456789ULL}) {
        RandomSource source(42, [frozen] { return frozen; });
        std::set<double> seen;
        for (int i = 0; i < kDraws; ++i) {
            const double r = source.Uniform();
            ASSERT_GE(r, 0.0);
            ASSERT_LT(r, 1.0);
            seen.insert(r);
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(kDraws)) << "clock at " << frozen;
    }
}

TEST(RandomSourceTest, TheClockIsReadBeforeEveryNumber) {
    // Two sources that agree until the clock of one moves on must part from that draw.
    int calls = 0;
    RandomSource still(9, [] { return 500ULL; });
    RandomSource moving(9, [&calls] { return ++calls > 3 ? 501ULL : 500ULL; });
    for (int i = 0; i < 3; ++i) EXPECT_EQ(still.Uniform(), moving.Uniform()) << "draw " << i;
    EXPECT_NE(still.Uniform(), moving.Uniform());
}

TEST(RandomSourceTest, ASeedGivesTheSameNumbersEveryRun) {
    RandomSource a(77);
    RandomSource b(77);
    RandomSource other(78);
    std::vector<double> fromA, fromB, fromOther;
    for (int i = 0; i < 50; ++i) {
        fromA.push_back(a.Uniform());
        fromB.push_back(b.Uniform());
        fromOther.push_back(other.Uniform());
    }
    EXPECT_EQ(fromA, fromB);
    EXPECT_NE(fromA, fromOther);
}

struct StockFixture : testing::Test {
    Game g;

    void SetUp() override {
        BuildCardTable(g);
        g.Random = RandomSource(20240611);
    }

    void OnlyInStock(const std::vector<int>& cards) {
        for (int i = 1; i <= CardCount; ++i) g.CardTable[i].Location = LocTrick;
        for (int card : cards) g.CardTable[card].Location = LocStock;
    }
};

TEST_F(StockFixture, CardSixtyFourComesHalfAsOftenAsTheOthers) {
    // 63.5 equal shares: 10000 draws for each of 1..63 and 5000 for 64, on average.
    constexpr int kDraws = 635000;
    for (int i = 1; i <= CardCount; ++i) g.CardTable[i].Location = LocStock;
    std::array<int, CardCount + 1> drawn{};
    for (int n = 0; n < kDraws; ++n) {
        const int card = PickStockCard(g);
        ASSERT_GE(card, 1);
        ASSERT_LE(card, CardCount);
        ++drawn[card];
    }
    for (int card = 1; card < CardCount; ++card) {
        EXPECT_NEAR(drawn[card], 10000, 600) << "card " << card;
    }
    EXPECT_NEAR(drawn[CardCount], 5000, 400);
}

TEST_F(StockFixture, NeverGivesACardOutsideTheStock) {
    std::vector<int> stock;
    for (int i = 1; i <= CardCount; i += 3) stock.push_back(i);
    stock.push_back(CardCount);
    OnlyInStock(stock);
    std::set<int> seen;
    for (int n = 0; n < 20000; ++n) {
        const int card = PickStockCard(g);
        ASSERT_EQ(g.CardTable[card].Location, LocStock) << "card " << card;
        seen.insert(card);
    }
    EXPECT_EQ(seen, std::set<int>(stock.begin(), stock.end()));
}

struct LastCard {
    const char* name;
    int card;
};

class LastStockCardTest : public StockFixture, public testing::WithParamInterface<LastCard> {};

TEST_P(LastStockCardTest, IsFoundWhileTheClockStandsStill) {
    g.Random = RandomSource(3, [] { return 0ULL; });
    OnlyInStock({GetParam().card});
    for (int n = 0; n < 5; ++n) EXPECT_EQ(PickStockCard(g), GetParam().card);
}

INSTANTIATE_TEST_SUITE_P(Cards, LastStockCardTest,
                         testing::Values(LastCard{"First", 1}, LastCard{"Middle", 33},
                                         LastCard{"HalfWeightSixtyFour", 64}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StockFixture, AnEmptyStockGivesNoCardRatherThanNoEnd) {
    OnlyInStock({});
    EXPECT_EQ(PickStockCard(g), NoCard);
}

TEST(StartUpDealerTest, IsTheFirstNumberPlusOneRoundedHalfToEven) {
    int drawnOne = 0;
    constexpr int kSeeds = 2000;
    for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
        Game g;
        BuildCardTable(g);
        g.Random = RandomSource(seed);
        RandomSource peek = g.Random;
        const double r = peek.Uniform();
        StartUp(g);
        ASSERT_EQ(g.Dealer, r < 0.5 ? 1 : 2) << "seed " << seed << " r " << r;
        drawnOne += g.Dealer == 1;
    }
    // Either player is drawn about half the time.
    EXPECT_GT(drawnOne, kSeeds * 45 / 100);
    EXPECT_LT(drawnOne, kSeeds * 55 / 100);
}

}  // namespace
}  // namespace corvane
