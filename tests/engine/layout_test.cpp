#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card_layout.h"
#include "display.h"
#include "engine_test_support.h"
#include "readouts.h"

namespace corvane {
namespace {

using namespace testing_support;
using Layout = TableGame;

TEST_F(Layout, BothSortOrdersAndRefreshHandFollowingTheSortButtonsCaption) {
    struct Row {
        const char* name;
        const char* hand;
        const char* onTable;
        const char* bySuit;
        const char* byValue;
    };
    const Row rows[] = {
        {"IdenticalQueensSideBySideLowerIndexFirst", "QS2 QS 7D AH TD TC KH QD", "",
         "7D QD TD TC KH AH QS QS2", "7D QD QS QS2 KH TD TC AH"},
        {"EveryValueOnceTenAfterKingAceLast", "AS TD KC QH JS 9D 8C 7H", "",
         "9D TD 8C KC 7H QH JS AS", "7H 8C 9D JS QH KC TD AS"},
        {"MeldCardsLeftOutAndTheRowClosesUp", "JD QS QS2 AS AD2 JD2", "QS JD", "JD2 AD2 QS2 AS",
         "JD2 QS2 AD2 AS"},
        {"EmptyRowWhenEverythingIsOnTheTable", "JD QS", "JD QS", "", ""},
    };
    struct Layouts {
        const char* caption;  // "" for a sort called directly
        void (*layOut)(Game&);
        bool byValue;
    };
    const Layouts layouts[] = {{"", SortSuits, false},
                               {"", SortSame, true},
                               {"Sort Suits", RefreshHand, true},
                               {"Sort Same", RefreshHand, false},
                               {"&Sort Suits", RefreshHand, false}};
    g.Speed = SpeedSlow;
    for (const Row& row : rows) {
        for (const Layouts& layout : layouts) {
            SCOPED_TRACE(std::string(row.name) + " caption \"" + layout.caption + "\"");
            table.Cards = {};
            Hold(g, Cards(row.hand), Cards("7S 8S"));  // Tarvish's cards stay where they are
            for (int card : Cards(row.onTable)) g.CardTable[card].OnTable = true;
            SetCaption(g, Control::CmdSort, layout.caption);
            g.PauseTime = 999;
            layout.layOut(g);
            ExpectRow(Cards(layout.byValue ? row.byValue : row.bySuit), PlayerSortedRowOrigin, 500,
                      true);
            EXPECT_EQ(g.PauseTime, layout.byValue ? SpeedSlow : 999) << "only SortSame sets it";
            for (int card : Cards(row.hand)) EXPECT_FALSE(table.Cards[card].Visible);
        }
    }
}

TEST_F(Layout, TheSortButtonSwitchesOrderAndCaptionButNotFromItsDesignCaption) {
    Hold(g, Cards("AS TD KC QH JS 9D 8C 7H"), {});
    CmdSort_Click(g);
    EXPECT_TRUE(table.Moves.empty());
    EXPECT_EQ(Caption(g, Control::CmdSort), "&Sort Suits");
    SetCaption(g, Control::CmdSort, "Sort Suits");
    for (const char* next : {"Sort Same", "Sort Suits"}) {
        CmdSort_Click(g);
        const bool byValue = next == std::string("Sort Suits");
        ExpectRow(Cards(byValue ? "7H 8C 9D JS QH KC TD AS" : "9D TD 8C KC 7H QH JS AS"),
                  PlayerSortedRowOrigin, 500, true);
        EXPECT_EQ(table.ControlOf(Control::CmdSort).Caption, next);
    }
}

TEST_F(Layout, TarvishsRowIsFaceDownInIndexOrderWithoutItsMelds) {
    Hold(g, Cards("7D 7D2"), Cards("KS 8D 7H 7C AS2"));
    g.CardTable[C("7C")].OnTable = true;
    table.Cards[C("KS")].Image = C("KS");  // face up, as after a meld
    g.Speed = SpeedSlow;
    LayOutOpponentHand(g);
    ExpectRow(Cards("8D 7H KS AS2"), TarvishHandOrigin, 350, false);
    EXPECT_EQ(g.PauseTime, SpeedSlow);
}

TEST_F(Layout, ThePersonsDealingRowLeavesTheCardsFaceDownAndThePauseAlone) {
    Hold(g, Cards("8H 7D2 8C QD"), Cards("9D"));
    g.CardTable[C("QD")].OnTable = true;
    for (int card : Cards("8H 7D2 8C")) table.Cards[card].Image = ImageBack;
    g.PauseTime = 5;
    LayOutPlayerHand(g);
    ExpectRow(Cards("7D2 8C 8H"), PlayerDealRowOrigin, 450, false);
    EXPECT_EQ(g.PauseTime, 5);
}

TEST_F(Layout, TheStockSlantsFromTheCornerFaceDownVisibleEachCardInFront) {
    Hold(g, Cards("7D2 7C"), Cards("9H"));
    g.CardTable[C("QD")].Location = LocUpCard;
    g.CardTable[C("KD")].Location = LocTrick;
    g.PauseTime = 75;
    RedrawStock(g);
    int k = 0;
    std::uint64_t behind = 0;
    for (int i = 1; i <= CardCount; ++i) {
        const HeadlessTable::CardPicture& pic = table.Cards[i];
        if (g.CardTable[i].Location != LocStock) {
            EXPECT_TRUE(PlacesOf(i).empty()) << Describe(g, i);
            continue;
        }
        EXPECT_TRUE(pic.Left == 3 * k && pic.Top == 4 * k && pic.Image == ImageBack &&
                    pic.Visible && pic.Stacking > behind)
            << Describe(g, i) << " at " << pic.Left << "," << pic.Top;
        behind = pic.Stacking;
        ++k;
    }
    EXPECT_EQ(k, 59);
    EXPECT_EQ(g.PauseTime, 0);
}

TEST_F(Layout, PostMeldScoreBooksThePendingScoreOnce) {
    for (int p : {PlayerPerson, PlayerTarvish}) {
        const int other = PlayerPerson + PlayerTarvish - p;
        g.GameTotal = {0, 120, 120};
        g.HandScore = {0, 30, 30};
        g.LastMeldScore = {0, 40, 40};
        const std::string otherLast = Caption(g, LblPLast(other));
        PostMeldScore(g, p);
        EXPECT_EQ(table.ControlOf(LblPLast(p)).Caption, "40");
        PostMeldScore(g, p);
        EXPECT_EQ(g.GameTotal[p], 160);
        EXPECT_EQ(g.HandScore[p], 70);
        EXPECT_EQ(g.LastMeldScore[p], 0);
        EXPECT_EQ(table.ControlOf(LblPLast(p)).Caption, "0");
        EXPECT_EQ(table.ControlOf(LblPTot(p)).Caption, "160");
        EXPECT_EQ(std::vector({g.GameTotal[other], g.HandScore[other], g.LastMeldScore[other]}),
                  std::vector({120, 30, 40}));
        EXPECT_EQ(table.ControlOf(LblPLast(other)).Caption, otherLast);
    }
}

TEST_F(Layout, PausesWaitTheirTimeAndLetClicksInOnlyThen) {
    struct Row {
        const char* name;
        int pauseTime;
        bool inProgress;
        bool withSound;
        int waited;
    };
    const Row rows[] = {
        {"ZeroReturnsAtOnce", 0, true, false, 0},
        {"NegativeReturnsAtOnce", -5, true, false, 0},
        {"WaitsItsTime", 75, true, false, 75},
        {"ACardSoundWaitsToo", 225, true, true, 225},
        {"AbandonedHandDoesNotWait", 75, false, false, 0},
        {"AbandonedHandSoundDoesNotWait", 75, false, true, 0},
    };
    PauseHookTable hooked(table);
    int turns = 0;
    hooked.OnPause = [&] { ++turns; };
    g.AttachTable(&hooked);
    for (const Row& row : rows) {
        turns = 0;
        g.GameInProgress = row.inProgress;
        g.PauseTime = row.pauseTime;
        const std::int64_t before = table.Now;
        row.withSound ? PlayDealSound(g) : Pause(g);
        EXPECT_EQ(table.Now - before, row.waited) << row.name;
        EXPECT_EQ(turns > 0, row.waited > 0) << row.name;
    }
}

}  // namespace
}  // namespace corvane
