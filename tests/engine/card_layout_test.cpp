#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "card_layout.h"
#include "display.h"
#include "game_state.h"
#include "headless_table.h"
#include "test_tables.h"

namespace corvane {
namespace {

using testing_support::GiveHands;

struct LayoutFixture : testing::Test {
    Game g;
    HeadlessTable table;

    void SetUp() override {
        BuildCardTable(g);
        g.AttachTable(&table);
        g.Speed = SpeedSlow;
        for (int i = 1; i <= CardCount; ++i) table.Cards[i].Image = ImageBack;
    }

    void SetOnTable(const std::vector<int>& cards) {
        for (int card : cards) g.CardTable[card].OnTable = true;
    }

    std::set<int> MovedCards() const {
        std::set<int> moved;
        for (const auto& move : table.Moves) moved.insert(move.Card);
        return moved;
    }

    // A row from left to right: the given places, the given facing, and each card in front of
    // its left neighbour.
    void ExpectRow(const std::vector<int>& row, int left, int top, int step, bool faceUp) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            const HeadlessTable::CardPicture& pic = table.Cards[row[k]];
            SCOPED_TRACE("card " + std::to_string(row[k]) + " at position " + std::to_string(k));
            EXPECT_EQ(pic.Left, left + step * static_cast<int>(k));
            EXPECT_EQ(pic.Top, top);
            EXPECT_EQ(pic.Image, faceUp ? row[k] : ImageBack);
            if (k > 0) {
                EXPECT_GT(pic.Stacking, table.Cards[row[k - 1]].Stacking);
            }
        }
        std::set<int> inRow(row.begin(), row.end());
        EXPECT_EQ(MovedCards(), inRow) << "only the row's cards move";
    }

    void ExpectSortedRow(const std::vector<int>& row) { ExpectRow(row, 2500, 8160, 500, true); }
};

struct SortCase {
    const char* name;
    std::vector<int> person;
    std::vector<int> onTable;
    std::vector<int> tarvish;
    std::vector<int> bySuit;
    std::vector<int> byValue;
};

class SortTest : public LayoutFixture, public testing::WithParamInterface<SortCase> {
protected:
    void SetUp() override {
        LayoutFixture::SetUp();
        GiveHands(g, GetParam().person, GetParam().tarvish);
        SetOnTable(GetParam().onTable);
    }
};

TEST_P(SortTest, SortSuitsLaysTheRowOutBySuit) {
    SortSuits(g);
    ExpectSortedRow(GetParam().bySuit);
}

TEST_P(SortTest, SortSameLaysTheRowOutByValue) {
    SortSame(g);
    ExpectSortedRow(GetParam().byValue);
}

TEST_P(SortTest, RefreshHandFollowsTheSortButtonsCaption) {
    struct Mode {
        const char* caption;
        bool byValue;
    };
    for (const Mode& mode : {Mode{"Sort Suits", true}, Mode{"Sort Same", false},
                             Mode{"&Sort Suits", false}, Mode{"", false}}) {
        SCOPED_TRACE(std::string("caption \"") + mode.caption + "\"");
        table.Moves.clear();
        SetCaption(g, Control::CmdSort, mode.caption);
        RefreshHand(g);
        ExpectSortedRow(mode.byValue ? GetParam().byValue : GetParam().bySuit);
    }
}

// Card indices: 1 Seven, 5 Nine, 7 and 8 Jack, 9 Queen, 13 and 14 Ten, 16 Ace of Diamonds;
// 17 and 18 Seven, 19 Eight, 27 King, 29 Ten of Clubs; 33 Seven, 41 Queen, 43 King, 47 and 48 Ace
// of Hearts; 55 Jack, 57 and 58 Queen, 64 Ace of Spades.
INSTANTIATE_TEST_SUITE_P(
    Hands, SortTest,
    testing::Values(SortCase{"BothQueensOfSpadesGivenHigherFirst",
                             {58, 57, 1, 47, 13, 29, 43, 9},
                             {},
                             {},
                             {1, 9, 13, 29, 43, 47, 57, 58},
                             {1, 9, 57, 58, 43, 13, 29, 47}},
                    SortCase{"EveryValueOnceTenAfterKingAceLast",
                             {64, 13, 27, 41, 55, 5, 19, 33},
                             {},
                             {},
                             {5, 13, 19, 27, 33, 41, 55, 64},
                             {33, 19, 5, 55, 41, 27, 13, 64}},
                    SortCase{"PairsSideBySideTarvishsCardsLeftAlone",
                             {48, 47, 18, 17, 14},
                             {},
                             {13, 15, 44},
                             {14, 17, 18, 47, 48},
                             {17, 18, 14, 47, 48}},
                    SortCase{"MeldCardsLeftOutAndTheRowClosesUp",
                             {7, 57, 58, 64, 16, 8},
                             {57, 7},
                             {},
                             {8, 16, 58, 64},
                             {8, 58, 16, 64}},
                    SortCase{"EmptyRowWhenEverythingIsOnTheTable", {7, 57}, {7, 57}, {}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayoutFixture, OnlySortSameResetsThePause) {
    GiveHands(g, {1, 20, 40}, {});
    g.PauseTime = 999;
    SortSuits(g);
    EXPECT_EQ(g.PauseTime, 999);
    SortSame(g);
    EXPECT_EQ(g.PauseTime, SpeedSlow);
}

TEST_F(LayoutFixture, SortingLeavesAHiddenPictureHidden) {
    GiveHands(g, {1, 20, 40}, {});
    table.Cards[20].Visible = false;
    table.Cards[40].Visible = true;
    SortSame(g);
    SortSuits(g);
    EXPECT_FALSE(table.Cards[20].Visible);
    EXPECT_TRUE(table.Cards[40].Visible);
}

TEST_F(LayoutFixture, SortButtonClickedTwiceReturnsToTheFirstOrderAndCaption) {
    GiveHands(g, {64, 13, 27, 41, 55, 5, 19, 33}, {});
    SortSame(g);
    SetCaption(g, Control::CmdSort, SortSuitsCaption);

    table.Moves.clear();
    CmdSort_Click(g);
    ExpectSortedRow({5, 13, 19, 27, 33, 41, 55, 64});
    EXPECT_EQ(table.ControlOf(Control::CmdSort).Caption, "Sort Same");
    EXPECT_EQ(Caption(g, Control::CmdSort), "Sort Same");

    table.Moves.clear();
    CmdSort_Click(g);
    ExpectSortedRow({33, 19, 5, 55, 41, 27, 13, 64});
    EXPECT_EQ(table.ControlOf(Control::CmdSort).Caption, "Sort Suits");
    EXPECT_EQ(Caption(g, Control::CmdSort), "Sort Suits");
}

TEST_F(LayoutFixture, SortButtonWithItsDesignCaptionDoesNothing) {
    GiveHands(g, {64, 13, 27}, {});
    ASSERT_EQ(Caption(g, Control::CmdSort), "&Sort Suits");
    CmdSort_Click(g);
    EXPECT_TRUE(table.Moves.empty());
    EXPECT_EQ(Caption(g, Control::CmdSort), "&Sort Suits");
}

TEST_F(LayoutFixture, TarvishsRowIsFaceDownInIndexOrderWithoutItsMelds) {
    GiveHands(g, {1, 2}, {60, 3, 33, 17, 64});
    SetOnTable({17});
    for (int card : {60, 33}) table.Cards[card].Image = card;  // face up, as after a meld
    g.PauseTime = 999;
    LayOutOpponentHand(g);
    ExpectRow({3, 33, 60, 64}, 2500, 110, 350, false);
    EXPECT_EQ(g.PauseTime, SpeedSlow);
}

TEST_F(LayoutFixture, PersonsDealingRowKeepsTheFacingAndThePause) {
    GiveHands(g, {40, 2, 20, 9}, {5});
    SetOnTable({9});
    table.Cards[20].Image = 20;
    g.PauseTime = 5;
    LayOutPlayerHand(g);
    for (std::size_t k = 0; k < 3; ++k) {
        const int card = std::vector<int>{2, 20, 40}[k];
        EXPECT_EQ(table.Cards[card].Left, 2500 + 450 * static_cast<int>(k)) << card;
        EXPECT_EQ(table.Cards[card].Top, 8140) << card;
    }
    EXPECT_GT(table.Cards[20].Stacking, table.Cards[2].Stacking);
    EXPECT_GT(table.Cards[40].Stacking, table.Cards[20].Stacking);
    EXPECT_EQ(table.Cards[2].Image, ImageBack);
    EXPECT_EQ(table.Cards[20].Image, 20);
    EXPECT_EQ(MovedCards(), (std::set<int>{2, 20, 40}));
    EXPECT_EQ(g.PauseTime, 5);
}

TEST_F(LayoutFixture, StockSlantsFromTheCornerFaceDownAndVisible) {
    std::vector<int> person{4, 30};
    GiveHands(g, person, {50});
    g.CardTable[12].Location = LocUpCard;
    g.CardTable[13].Location = LocTrick;
    for (int i = 1; i <= CardCount; ++i) {
        table.Cards[i].Image = i;
        table.Cards[i].Visible = false;
    }
    g.PauseTime = 75;
    RedrawStock(g);

    std::vector<int> stock;
    for (int i = 1; i <= CardCount; ++i) {
        if (g.CardTable[i].Location == LocStock) stock.push_back(i);
    }
    ASSERT_EQ(stock.size(), 59u);
    for (std::size_t k = 0; k < stock.size(); ++k) {
        const HeadlessTable::CardPicture& pic = table.Cards[stock[k]];
        EXPECT_EQ(pic.Left, 3 * static_cast<int>(k)) << stock[k];
        EXPECT_EQ(pic.Top, 4 * static_cast<int>(k)) << stock[k];
        EXPECT_EQ(pic.Image, ImageBack) << stock[k];
        EXPECT_TRUE(pic.Visible) << stock[k];
        if (k > 0) {
            EXPECT_GT(pic.Stacking, table.Cards[stock[k - 1]].Stacking);
        }
    }
    for (int other : {4, 30, 50, 12, 13}) {
        EXPECT_FALSE(MovedCards().contains(other)) << other;
        EXPECT_FALSE(table.Cards[other].Visible) << other;
        EXPECT_EQ(table.Cards[other].Image, other) << other;
    }
    EXPECT_EQ(g.PauseTime, 0);
    EXPECT_EQ(table.StackingOrder().back(), stock.back());
}

}  // namespace
}  // namespace corvane
