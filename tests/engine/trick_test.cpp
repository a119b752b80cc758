#include <gtest/gtest.h>

#include "card_table.h"
#include "game_state.h"
#include "hand_flow.h"

namespace corvane {
namespace {

struct TrickCase {
    const char* name;
    int led;
    int followed;
    int trumps;
    bool ledWins;
    int points;
};

class TrickTest : public testing::TestWithParam<TrickCase> {
protected:
    void SetUp() override {
        BuildCardTable(g);
        g.TrickCard[1] = GetParam().led;
        g.TrickCard[2] = GetParam().followed;
        g.TrumpSuit = GetParam().trumps;
    }
    Game g;
};

TEST_P(TrickTest, WinnerFollowsTheLeadWhoeverLed) {
    for (int leader : {PlayerPerson, PlayerTarvish}) {
        const int other = leader == PlayerPerson ? PlayerTarvish : PlayerPerson;
        g.HasLead[leader] = true;
        g.HasLead[other] = false;
        DecideTrick(g);
        EXPECT_EQ(g.TrickWinner, GetParam().ledWins ? leader : other) << "leader " << leader;
    }
}

TEST_P(TrickTest, ScoresItsBrisquesAndSevensOfTrumps) {
    EXPECT_EQ(ScoreTrick(g), GetParam().points);
}

// Card indices: 1 Seven of Diamonds, 3 Eight, 5 Nine, 7 Jack, 13 Ten, 16 Ace of Diamonds;
// 17 Seven, 19 Eight, 29 Ten, 31 Ace of Clubs; 33 and 34 Seven, 35 Eight, 43 King, 45 Ten, 47 and
// 48 Ace of Hearts; 57 and 58 Queen, 61 Ten, 64 Ace of Spades.
INSTANTIATE_TEST_SUITE_P(
    Tricks, TrickTest,
    testing::Values(TrickCase{"IdenticalQueensLedCardWins", 57, 58, Hearts, true, 0},
                    TrickCase{"IdenticalAcesLedCardWins", 48, 47, Clubs, true, 20},
                    TrickCase{"IdenticalTrumpSevensLedCardWins", 34, 33, Hearts, true, 20},
                    TrickCase{"TenLedBeatsKing", 45, 43, Clubs, true, 10},
                    TrickCase{"TenBeatsKingLed", 43, 45, Clubs, false, 10},
                    TrickCase{"AceOnALedTenWins", 45, 47, Clubs, false, 20},
                    TrickCase{"TenOnALedAceLoses", 47, 45, Clubs, true, 20},
                    TrickCase{"JackBeatsNineLed", 5, 7, Spades, false, 0},
                    TrickCase{"EightLedBeatsSevenOfItsSuit", 3, 1, Clubs, true, 0},
                    TrickCase{"TrumpSevenOnAPlainAceWins", 47, 17, Clubs, false, 20},
                    TrickCase{"ThirdSuitAceLoses", 35, 64, Clubs, true, 10},
                    TrickCase{"PlainAceOnALedTrumpLoses", 17, 47, Clubs, true, 20},
                    TrickCase{"HigherTrumpOnATrumpWins", 17, 19, Clubs, false, 10},
                    TrickCase{"LowerTrumpOnATrumpLoses", 29, 17, Clubs, true, 20},
                    TrickCase{"PlainSevensScoreNothing", 1, 33, Spades, true, 0},
                    TrickCase{"TwoTensOfDifferentSuitsScoreTwenty", 13, 29, Hearts, true, 20},
                    TrickCase{"TenOfSpadesTrumpedByTheSevenOfTrumps", 61, 1, Diamonds, false, 20},
                    TrickCase{"AceAndTenOfTrumpsWithTheAceFollowing", 61, 64, Spades, false, 20},
                    TrickCase{"AceOfDiamondsLedOnTrumpDiamondsKeepsTheTrick", 16, 31, Diamonds,
                              true, 20}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvane
