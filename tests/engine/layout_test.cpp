#include <tuple>

#include "card_layout.h"
#include "display.h"
#include "engine_test_support.h"

namespace corvane {
namespace {

using namespace testing_support;
using Layout = TableGame;

TEST_F(Layout, BothSortOrdersAndRefreshHandAndTheSortButtonFollowingItsCaption) {
    struct Row {
        const char *name, *hand, *onTable, *bySuit, *byValue;
    };
    const Row rows[] = {{"IdenticalQueensSideBySideLowerIndexFirst", "QS2 QS 7D AH TD TC KH QD", "",
                         "7D QD TD TC KH AH QS QS2", "7D QD QS QS2 KH TD TC AH"},
                        {"EveryValueOnceTenAfterKingAceLast", "AS TD KC QH JS 9D 8C 7H", "",
                         "9D TD 8C KC 7H QH JS AS", "7H 8C 9D JS QH KC TD AS"},
                        {"MeldCardsLeftOutAndTheRowClosesUp", "JD QS QS2 AS AD2 JD2", "QS JD",
                         "JD2 AD2 QS2 AS", "JD2 QS2 AD2 AS"},
                        {"EmptyRowWhenEverythingIsOnTheTable", "JD QS", "JD QS", "", ""}};
    // The caption before, what lays the row out, the order ('S' by suit, 'V' by value, '-' none)
    // and the caption after.
    const std::tuple<const char*, void (*)(Game&), char, const char*> layouts[] = {
        {"", SortSuits, 'S', ""},
        {"", SortSame, 'V', ""},
        {"Sort Suits", RefreshHand, 'V', "Sort Suits"},
        {"Sort Same", RefreshHand, 'S', "Sort Same"},
        {"&Sort Suits", RefreshHand, 'S', "&Sort Suits"},
        {"Sort Suits", CmdSort_Click, 'S', "Sort Same"},
        {"Sort Same", CmdSort_Click, 'V', "Sort Suits"},
        {"&Sort Suits", CmdSort_Click, '-', "&Sort Suits"}};
    g.Speed = SpeedSlow;
    for (const Row& row : rows) {
        for (const auto& [caption, layOut, order, captionAfter] : layouts) {
            SCOPED_TRACE(std::string(row.name) + " caption \"" + caption + "\"");
            table.Cards = {};
            Hold(g, Cards(row.hand), Cards("7S 8S"));  // Tarvish's cards stay where they are
            for (int card : Cards(row.onTable)) g.CardTable[card].OnTable = true;
            SetCaption(g, Control::CmdSort, caption);
            g.PauseTime = 999;
            layOut(g);
            ExpectRow(Cards(order == 'V'   ? row.byValue
                            : order == 'S' ? row.bySuit
                                           : ""),
                      PlayerSortedRowOrigin, 500, true);
            EXPECT_EQ(g.PauseTime, order == 'V' ? SpeedSlow : 999) << "only SortSame sets it";
            EXPECT_EQ(Shown(Control::CmdSort), captionAfter);
            for (int card : Cards(row.hand)) EXPECT_FALSE(table.Cards[card].Visible);
        }
    }
}

// The person's cards are dealt face down into a row of their own, meld cards left out; the
// whole-game soak checks Tarvish's row and the stock.
TEST_F(Layout, TheDealingRowShowsThePersonsCardsFaceDownWithoutMelds) {
    Hold(g, Cards("8H 7D2 8C QD"), Cards("KS"));
    g.CardTable[C("QD")].OnTable = true;
    for (int card : Cards("8H 7D2 8C")) table.Cards[card].Image = ImageBack;
    g.Speed = SpeedSlow;
    LayOutPlayerHand(g);
    ExpectRow(Cards("7D2 8C 8H"), PlayerDealRowOrigin, 450, false);
    EXPECT_EQ(g.PauseTime, 0) << "the dealing row keeps the dealing steps' pause";
    LayOutOpponentHand(g);
    EXPECT_EQ(g.PauseTime, SpeedSlow) << "Tarvish's row takes up the speed";
}

}  // namespace
}  // namespace corvane
