#include <gtest/gtest.h>

#include "headless_table.h"
#include "opponent.h"
#include "opponent_position.h"
#include "table_geometry.h"

namespace corvane {
namespace {

using namespace testing_positions;

// Tarvish holds five cards, one of them a Queen of Spades lying on the table in a Corvane that
// was drawn over an earlier marriage.
struct TarvishPlays : testing::Test {
    Game g;
    HeadlessTable table;
    const int meldQueen = Card(Queen, Spades);
    const std::vector<int> hand{Card(Seven, Diamonds), Card(Nine, Clubs), Card(King, Hearts),
                                Card(Ace, Spades)};

    void SetUp() override {
        g.AttachTable(&table);
        std::vector<int> holding = hand;
        holding.push_back(meldQueen);
        Arrange(g, {.tarvish = holding, .trumps = Clubs, .led = Card(Ten, Hearts)});
        CardRecord& queen = g.CardTable[meldQueen];
        queen.OnTable = true;
        queen.MeldUsed[MeldMarriage] = true;
        queen.MeldUsed[MeldCorvane] = true;
        queen.MeldColumn[MeldCorvane] = true;
        queen.MeldUsed[MeldFourQueens] = true;
        queen.MeldColumn[MeldFourQueens] = true;
        g.GameInProgress = true;
        g.Speed = SpeedMedium;
        g.PauseTime = g.Speed;
    }

    std::vector<HeadlessTable::MoveRecord> MovesOf(int card) const {
        std::vector<HeadlessTable::MoveRecord> moves;
        for (const auto& move : table.Moves) {
            if (move.Card == card) moves.push_back(move);
        }
        return moves;
    }
};

TEST_F(TarvishPlays, TheCardGoesFaceUpThroughItsWayPointIntoTheTrick) {
    const int king = Card(King, Hearts);
    TarvishPlayCard(g, king);

    EXPECT_EQ(g.CardTable[king].Location, LocTrick);
    EXPECT_EQ(table.Cards[king].Image, king);
    const auto moves = MovesOf(king);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].Left, 3120);
    EXPECT_EQ(moves[0].Top, 2400);
    EXPECT_EQ(moves[1].Left, 1200);
    EXPECT_EQ(moves[1].Top, 2520);
    EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, "Tarvish has played King of Hearts");
    EXPECT_EQ(g.Controls[static_cast<int>(Control::LblInfo)].Caption,
              "Tarvish has played King of Hearts");
}

TEST_F(TarvishPlays, TheRowClosesUpFaceDownWithoutTheMeld) {
    TarvishPlayCard(g, Card(Nine, Clubs));
    const std::vector<int> rest{Card(Seven, Diamonds), Card(King, Hearts), Card(Ace, Spades)};
    int left = TarvishHandOrigin.Left;
    for (int card : rest) {
        EXPECT_EQ(table.Cards[card].Left, left) << Describe(g, card);
        EXPECT_EQ(table.Cards[card].Top, TarvishHandOrigin.Top) << Describe(g, card);
        EXPECT_EQ(table.Cards[card].Image, ImageBack) << Describe(g, card);
        left += TarvishHandStep;
    }
    EXPECT_TRUE(MovesOf(meldQueen).empty());
    EXPECT_TRUE(g.CardTable[meldQueen].OnTable);
}

TEST_F(TarvishPlays, AMeldCardLeavesItsMelds) {
    TarvishPlayCard(g, meldQueen);
    const CardRecord& queen = g.CardTable[meldQueen];
    EXPECT_EQ(queen.Location, LocTrick);
    EXPECT_FALSE(queen.OnTable);
    EXPECT_FALSE(queen.MeldUsed[MeldCorvane]);
    EXPECT_FALSE(queen.MeldColumn[MeldFourQueens]);
    EXPECT_EQ(table.Cards[meldQueen].Left, 1200);
    EXPECT_EQ(table.Cards[meldQueen].Top, 2520);
    EXPECT_EQ(table.Cards[meldQueen].Image, meldQueen);
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, "Tarvish has played Queen of Spades");
}

struct PacingCase {
    const char* name;
    int speed;
    int expectedWait;  // two pauses and the sound, each Speed + 150
};

class TarvishPlayPacing : public TarvishPlays, public testing::WithParamInterface<PacingCase> {};

TEST_P(TarvishPlayPacing, WaitsThreeTimesAndLeavesThePlainPace) {
    g.Speed = GetParam().speed;
    const auto before = table.Now;
    TarvishPlayCard(g, Card(Seven, Diamonds));
    EXPECT_EQ(table.Now - before, GetParam().expectedWait);
    EXPECT_EQ(g.PauseTime, GetParam().speed);
}

const PacingCase kPacing[] = {
    {"Fast", SpeedFast, 3 * (15 + 150)},
    {"Medium", SpeedMedium, 3 * (75 + 150)},
    {"Slow", SpeedSlow, 3 * (200 + 150)},
};

INSTANTIATE_TEST_SUITE_P(Opponent, TarvishPlayPacing, testing::ValuesIn(kPacing),
                         [](const testing::TestParamInfo<PacingCase>& info) {
                             return info.param.name;
                         });

TEST_F(TarvishPlays, AnAbandonedHandDoesNotWait) {
    g.GameInProgress = false;
    TarvishPlayCard(g, Card(Seven, Diamonds));
    EXPECT_EQ(table.Now, 0);
}

class TarvishPlaysNoCard : public TarvishPlays, public testing::WithParamInterface<int> {};

TEST_P(TarvishPlaysNoCard, PutsNothingOnTheTable) {
    const std::string infoBefore = table.ControlOf(Control::LblInfo).Caption;
    std::vector<int> locationsBefore;
    for (int i = 1; i <= CardCount; ++i) locationsBefore.push_back(g.CardTable[i].Location);

    TarvishPlayCard(g, GetParam());

    EXPECT_TRUE(table.Moves.empty());
    EXPECT_TRUE(table.Sounds.empty());
    EXPECT_EQ(table.Now, 0);
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, infoBefore);
    for (int i = 1; i <= CardCount; ++i) EXPECT_EQ(g.CardTable[i].Location, locationsBefore[i - 1]);
}

INSTANTIATE_TEST_SUITE_P(Opponent, TarvishPlaysNoCard, testing::Values(0, -1, 65));

}  // namespace
}  // namespace corvane
