#include <QApplication>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>

#include "card_item.h"
#include "control_items.h"
#include "display.h"
#include "game_state.h"
#include "hand_flow.h"
#include "status_panels.h"
#include "table_scene.h"
#include "table_view.h"
#include "window_table.h"

namespace corvane {
namespace {

// A game in progress on the window's table, without the main window around it.
class WindowTableTest : public testing::Test {
protected:
    void SetUp() override {
        BuildCardTable(g);
        g.AttachTable(table);
        g.GameInProgress = true;
    }
    void TearDown() override {
        g.AttachTable(nullptr);
        QCoreApplication::processEvents();  // nothing a test posted reaches the next one
    }

    // Milliseconds on the table's own clock that `step` takes.
    std::int64_t Timed(const std::function<void()>& step) {
        const std::int64_t before = table->TickCount();
        step();
        return table->TickCount() - before;
    }

    QWidget window;
    QStatusBar bar;
    TableScene scene;
    StatusPanels panels{&bar};
    WindowTable* table = new WindowTable(&scene, &panels, &window);  // owned by the window
    Game g;
};

struct PauseCase {
    const char* name;
    int pauseTime;
    bool handlesEvents;
};

class PauseTest : public WindowTableTest, public testing::WithParamInterface<PauseCase> {};

TEST_P(PauseTest, LastsItsTimeAndHandlesWhatArrivesMeanwhile) {
    const PauseCase& c = GetParam();
    bool posted = false;
    bool timed = false;
    QMetaObject::invokeMethod(
        &window, [&posted] { posted = true; }, Qt::QueuedConnection);
    QTimer::singleShot(10, &window, [&timed] { timed = true; });
    g.PauseTime = c.pauseTime;
    const std::int64_t took = Timed([this] { Pause(g); });
    EXPECT_EQ(posted, c.handlesEvents);
    if (c.handlesEvents) {
        EXPECT_TRUE(timed);
        EXPECT_GE(took, c.pauseTime);
        EXPECT_LT(took, c.pauseTime + 2000);
    } else {
        EXPECT_LT(took, 10);
    }
    EXPECT_EQ(table->nestedLoops(), 0);
}

INSTANTIATE_TEST_SUITE_P(Lengths, PauseTest,
                         testing::Values(PauseCase{"FiftyMilliseconds", 50, true},
                                         PauseCase{"NothingAfterTheStockLayout", 0, false},
                                         PauseCase{"BelowNothing", -20, false}),
                         [](const testing::TestParamInfo<PauseCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(WindowTableTest, PauseSleepsInsteadOfSpinning) {
    g.PauseTime = 300;
    const std::clock_t before = std::clock();
    Pause(g);
    const double busy = 1000.0 * double(std::clock() - before) / CLOCKS_PER_SEC;
    EXPECT_LT(busy, 150.0) << "milliseconds of processor time in a 300 ms pause";
}

TEST_F(WindowTableTest, AbandonedHandEndsThePauseAndLaterWaitsAtOnce) {
    g.PauseTime = 5000;
    QTimer::singleShot(20, &window, [this] {
        AbandonGame(g);
        table->abandon();
    });
    EXPECT_LT(Timed([this] { Pause(g); }), 2000);
    EXPECT_EQ(table->nestedLoops(), 0);

    // Until a new procedure starts, nothing waits.
    EXPECT_LT(Timed([this] { EXPECT_TRUE(table->WaitForPlayer()); }), 1000);
    EXPECT_LT(Timed([this] { table->ProcessEventsUntil(table->TickCount() + 3000); }), 1000);
    table->resume();
    EXPECT_FALSE(table->abandoned());
}

TEST_F(WindowTableTest, AbandonedHandEndsTheWaitForThePerson) {
    g.WaitingForPlayer = true;
    QTimer::singleShot(20, &window, [this] {
        AbandonGame(g);
        table->abandon();
    });
    EXPECT_FALSE(WaitForPlayer(g));
    EXPECT_EQ(table->nestedLoops(), 0);
    table->resume();
}

TEST_F(WindowTableTest, QuittingTheApplicationEndsAWaitingHand) {
    bool stillInProgress = true;
    QTimer::singleShot(0, &window, [&] {
        g.WaitingForPlayer = true;
        QTimer::singleShot(20, &window, [] { QCoreApplication::quit(); });
        stillInProgress = WaitForPlayer(g);
    });
    QCoreApplication::exec();
    EXPECT_FALSE(stillInProgress);
    EXPECT_FALSE(g.GameInProgress);
    EXPECT_EQ(table->nestedLoops(), 0);
}

TEST_F(WindowTableTest, WaitEndsOnlyWhenAnActionReleasesIt) {
    g.WaitingForPlayer = true;
    // A refused card: the person acted, but the game still waits.
    QTimer::singleShot(10, &window, [this] { table->wakeWaits(); });
    QTimer::singleShot(60, &window, [this] {
        g.WaitingForPlayer = false;
        table->wakeWaits();
    });
    EXPECT_GE(Timed([this] { EXPECT_TRUE(WaitForPlayer(g)); }), 55);
    EXPECT_FALSE(g.WaitingForPlayer);
}

TEST_F(WindowTableTest, ActionThatPausesInsideTheWaitFinishesBeforeTheWaitReturns) {
    g.WaitingForPlayer = true;
    bool actionDone = false;
    int loopsDuringPause = 0;
    QTimer::singleShot(10, &window, [&] {
        g.WaitingForPlayer = false;
        QTimer::singleShot(20, &window, [&] { loopsDuringPause = table->nestedLoops(); });
        g.PauseTime = 60;
        Pause(g);
        table->wakeWaits();
        actionDone = true;
    });
    EXPECT_TRUE(WaitForPlayer(g));
    EXPECT_TRUE(actionDone);
    EXPECT_EQ(loopsDuringPause, 2) << "the pause runs inside the wait";
    EXPECT_EQ(table->nestedLoops(), 0);
}

TEST_F(WindowTableTest, CardsAndFramesShareOneFrontToBackOrder) {
    PlaceCard(g, 10, 3500, 500);
    SetVisible(g, Control::FramDeclare, true);
    BringToFront(g, Control::FramDeclare);
    const ControlItem* frame = scene.control(Control::FramDeclare);
    for (int i = 1; i <= CardCount; ++i) EXPECT_GT(frame->zValue(), scene.card(i)->zValue());
    PlaceCard(g, 11, 3600, 500);
    EXPECT_GT(scene.card(11)->zValue(), frame->zValue());
    // A label lies under every card, wherever it is.
    EXPECT_LT(scene.control(Control::LblInfo)->zValue(), scene.card(1)->zValue());
}

// The person's mouse on the table, through a view of it.
class TableClickTest : public testing::Test {
protected:
    void SetUp() override {
        view.resize(859, 655);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        QObject::connect(&scene, &TableScene::cardClicked,
                         [this](int card) { cards.push_back(card); });
        QObject::connect(&scene, &TableScene::controlClicked,
                         [this](const QString& name) { controls.push_back(name); });
    }

    QPoint At(QPointF twips) const { return view.mapFromScene(twips); }
    void Show(int card, QPointF place) {
        scene.card(card)->setPos(place);
        scene.card(card)->setVisible(true);
        scene.bringToFront(scene.card(card));
    }

    TableScene scene;
    TableView view{&scene};
    std::vector<int> cards;
    std::vector<QString> controls;
};

TEST_F(TableClickTest, EitherButtonOnACardClicksTheCardInFront) {
    Show(7, {2500, 8160});
    Show(8, {3000, 8160});  // over the right-hand part of card 7
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, At({2700, 8500}));
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, At({3100, 8500}));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, At({600, 600}));  // bare felt
    EXPECT_TRUE(cards.empty()) << "the game hears of clicks from the event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(cards, (std::vector<int>{7, 8}));
    EXPECT_TRUE(controls.empty());
}

TEST_F(TableClickTest, SortButtonClicksWhenReleasedOverItAndSinksWhilePressed) {
    ControlItem* sort = scene.control(Control::CmdSort);
    sort->setVisible(true);
    auto* button = dynamic_cast<ButtonItem*>(sort);
    ASSERT_NE(button, nullptr);
    const QPoint middle = At(sort->sceneBoundingRect().center());

    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, middle);
    EXPECT_TRUE(button->isDown());
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, middle);
    EXPECT_FALSE(button->isDown());

    // Pressed, then let go away from the button: no click.
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, middle);
    QMouseEvent away(QEvent::MouseMove, QPointF(At({5000, 5000})), QPointF(), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &away);
    EXPECT_FALSE(button->isDown());
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, At({5000, 5000}));

    QCoreApplication::processEvents();
    EXPECT_EQ(controls, (std::vector<QString>{"CmdSort"}));
}

TEST_F(TableClickTest, AccessLetterClicksOnlyAButtonThatIsShown) {
    ControlItem* sort = scene.control(Control::CmdSort);
    EXPECT_EQ(dynamic_cast<ButtonItem*>(sort)->accessLetter(), QChar('S'));
    view.setFocus();
    QTest::keyClick(view.viewport(), Qt::Key_S, Qt::AltModifier);
    sort->setVisible(true);
    QTest::keyClick(view.viewport(), Qt::Key_S, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(controls, (std::vector<QString>{"CmdSort"}));
}

TEST_F(TableClickTest, KnockLabelReportsItsClick) {
    ControlItem* knock = scene.control(Control::LblKnock);
    knock->setVisible(true);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, At(knock->sceneBoundingRect().center()));
    QCoreApplication::processEvents();
    EXPECT_EQ(controls, (std::vector<QString>{"LblKnock"}));
}

}  // namespace
}  // namespace corvane
