#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

#include "app_test_support.h"
#include "card_item.h"
#include "control_items.h"
#include "status_panels.h"

namespace corvane {
namespace {

using namespace testing_support;

// Card indices from the back of the table to the front.
std::vector<int> StackingOf(const TableScene& scene) {
    std::vector<int> order;
    for (int i = 1; i <= CardCount; ++i) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&scene](int a, int b) {
        return scene.card(a)->zValue() < scene.card(b)->zValue();
    });
    return order;
}

// Everything the window shows is what the recording table was told for the same deal.
void ExpectSameTable(FrmMain& window, const HeadlessTable& expected) {
    const TableScene& scene = window.scene();
    for (int i = 1; i <= CardCount; ++i) {
        const HeadlessTable::CardPicture& want = expected.Cards[i];
        const CardItem* card = scene.card(i);
        EXPECT_EQ(card->pos(), QPointF(want.Left, want.Top)) << "card " << i;
        EXPECT_EQ(card->image(), want.Image) << "card " << i;
        EXPECT_EQ(card->isVisible(), want.Visible) << "card " << i;
    }
    EXPECT_EQ(StackingOf(scene), expected.StackingOrder());
    for (int c = 0; c < ControlCount; ++c) {
        const ControlItem* item = scene.control(static_cast<Control>(c));
        EXPECT_EQ(item->caption(), QString::fromStdString(expected.Controls[c].Caption))
            << item->spec().Name;
        EXPECT_EQ(item->isVisible(), expected.Controls[c].Visible) << item->spec().Name;
    }
    for (int panel = 1; panel <= 4; ++panel) {
        EXPECT_EQ(window.statusPanels().panel(panel)->text(),
                  QString::fromStdString(expected.Panels[panel].Text))
            << "panel " << panel;
        EXPECT_EQ(window.statusPanels().panel(panel)->image(), expected.Panels[panel].Image)
            << "panel " << panel;
    }
    EXPECT_EQ(window.windowTitle(), QString::fromStdString(expected.WindowCaption));
}

TEST(FrmMain, OpensWithTheStartPromptAndNoGame) {
    FrmMain window;
    const Game& g = window.game();
    EXPECT_EQ(window.windowTitle(), " Target Score 1000");
    EXPECT_EQ(window.statusPanels().panel(2)->text(),
              "Player press F2 for new game,F3 for saved game or use Menu.");
    for (Control name : {Control::LblPlayer, Control::Lblpname0, Control::Lblpname1}) {
        EXPECT_EQ(window.scene().control(name)->caption(), "Player");
    }
    EXPECT_TRUE(g.Dealer == PlayerPerson || g.Dealer == PlayerTarvish);
    EXPECT_EQ(g.PauseTime, g.Speed);
    EXPECT_EQ(g.CardTable[64].Name, "Ace of Spades");
    EXPECT_FALSE(g.GameInProgress);
    for (int i = 1; i <= CardCount; ++i) EXPECT_FALSE(window.scene().card(i)->isVisible());
}

TEST(FrmMain, OpensWithinTheScreenAtTheTablesProportions) {
    FrmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE(window.frameGeometry().width(), screen.width());
    EXPECT_LE(window.frameGeometry().height(), screen.height());
    const QSize table = window.view().viewport()->size();
    EXPECT_NEAR(table.width() / double(table.height()), double(TableWidth) / TableHeight, 0.01);
}

TEST(FrmMain, F2DealsANewGame) {
    FrmMain window;
    window.game().Speed = SpeedFast;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F2);
    Settle();
    EXPECT_TRUE(window.game().GameInProgress);
    EXPECT_EQ(CountAt(window.game(), LocPlayerHand), 8);
    EXPECT_EQ(CountAt(window.game(), LocTarvishHand), 8);
}

struct DealCase {
    const char* name;
    std::uint64_t seed;
    int dealtLast;
};

class DealOnTheWindow : public testing::TestWithParam<DealCase> {};

TEST_P(DealOnTheWindow, ShowsWhatTheGameLaidOutInTheSameOrder) {
    const DealCase& c = GetParam();
    HeadlessGame expected;
    Prepare(expected.g, c.seed, c.dealtLast);
    NewGame(expected.g);

    FrmMain window;
    Prepare(window.game(), c.seed, c.dealtLast);
    window.newGame();
    ExpectSameTable(window, expected.table);
    EXPECT_FALSE(window.runner().running());
}

INSTANTIATE_TEST_SUITE_P(Deals, DealOnTheWindow,
                         testing::Values(DealCase{"PersonDeals", 20261206, PlayerTarvish},
                                         DealCase{"TarvishDeals", 20261206, PlayerPerson},
                                         DealCase{"AnotherPack", 77, PlayerTarvish}),
                         [](const testing::TestParamInfo<DealCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(FrmMain, ResizedInTheMiddleOfTheDealEveryCardEndsWhereTheLayoutSays) {
    HeadlessGame expected;
    Prepare(expected.g, 5, PlayerTarvish);
    NewGame(expected.g);

    FrmMain window;
    window.resize(800, 560);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Prepare(window.game(), 5, PlayerTarvish);
    QTimer::singleShot(150, &window, [&] {
        EXPECT_TRUE(window.runner().running()) << "still dealing";
        window.resize(1200, 540);
    });
    window.newGame();
    Settle();
    ExpectSameTable(window, expected.table);

    const TableView& view = window.view();
    const QSize room = view.viewport()->size();
    EXPECT_EQ(window.width(), 1200);
    const double scale =
        std::min(room.width() / double(TableWidth), room.height() / double(TableHeight));
    const double left = (room.width() - TableWidth * scale) / 2;
    const double top = (room.height() - TableHeight * scale) / 2;
    for (int i = 1; i <= CardCount; ++i) {
        const HeadlessTable::CardPicture& want = expected.table.Cards[i];
        if (!want.Visible) continue;
        const QPoint at = view.mapFromScene(QPointF(want.Left, want.Top));
        EXPECT_NEAR(at.x(), left + want.Left * scale, 1.5) << "card " << i;
        EXPECT_NEAR(at.y(), top + want.Top * scale, 1.5) << "card " << i;
    }
}

}  // namespace
}  // namespace corvane
