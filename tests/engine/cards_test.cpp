#include <array>
#include <set>
#include <tuple>

#include "engine_test_support.h"
#include "hand_flow.h"
#include "random_source.h"

namespace corvane {
namespace {

using namespace testing_support;

TEST(Trick, GoesToTheRightPlayerWhoeverLedAndScoresItsBrisquesAndTrumpSevens) {
    // name, card led, card played to it, trumps, whether the card led wins, points
    const std::tuple<const char*, const char*, const char*, int, bool, int> rows[] = {
        {"IdenticalQueensLedCardWins", "QS", "QS2", Hearts, true, 0},
        {"IdenticalTrumpSevensLedCardWins", "7H2", "7H", Hearts, true, 20},
        {"TenLedBeatsKing", "TH", "KH", Clubs, true, 10},
        {"TenBeatsKingLed", "KH", "TH", Clubs, false, 10},
        {"AceOnALedTenWins", "TH", "AH", Clubs, false, 20},
        {"EightLedBeatsSeven", "8D", "7D", Clubs, true, 0},
        {"TrumpSevenOnAPlainAceWins", "AH", "7C", Clubs, false, 20},
        {"ThirdSuitAceLoses", "8H", "AS", Clubs, true, 10},
        {"PlainAceOnALedTrumpLoses", "7C", "AH", Clubs, true, 20},
        {"HigherTrumpOnATrumpWins", "7C", "8C", Clubs, false, 10},
        {"LowerTrumpOnATrumpLoses", "TC", "7C", Clubs, true, 20},
        {"PlainSevensScoreNothing", "7D", "7H", Spades, true, 0},
        {"TrumpAceOnALedTrumpTenWins", "TS", "AS", Spades, false, 20}};
    Game g;
    BuildCardTable(g);
    for (const auto& [name, led, followed, trumps, ledWins, points] : rows) {
        g.TrickCard = {0, C(led), C(followed)};
        g.TrumpSuit = trumps;
        for (int leader : {PlayerPerson, PlayerTarvish}) {
            g.HasLead = {false, leader == PlayerPerson, leader == PlayerTarvish};
            DecideTrick(g);
            EXPECT_EQ(g.TrickWinner, ledWins ? leader : PlayerPerson + PlayerTarvish - leader)
                << name << ", leader " << leader;
        }
        EXPECT_EQ(ScoreTrick(g), points) << name;
    }
}

TEST(Stock, CardSixtyFourComesHalfAsOftenAndAStoppedClockOrAnEmptyStockStopsNothing) {
    Game g;
    Hold(g, {}, {});  // every card in the stock
    g.Random = RandomSource(20240611);
    // 63.5 equal shares: 10000 draws for each of 1..63 and 5000 for 64, on average.
    std::array<int, CardCount + 1> drawn{};
    for (int n = 0; n < 635000; ++n) ++drawn[PickStockCard(g)];
    for (int card = 1; card < CardCount; ++card) EXPECT_NEAR(drawn[card], 10000, 600) << card;
    EXPECT_NEAR(drawn[CardCount], 5000, 400);

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
