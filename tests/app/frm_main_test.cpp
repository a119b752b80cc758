#include "frm_main.h"
#include "game_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <vector>

#include "card_item.h"
#include "control_items.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "main_window_fixture.h"
#include "status_panels.h"
#include "table_geometry.h"
#include "table_scene.h"
#include "table_view.h"

namespace corvane {
namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    // Everything the window shows is what the recording table was told for the same deal.
    void ExpectSameTable(const HeadlessTable& expected) {
        const TableScene& scene = window.scene();
        const QSize room = window.view().viewport()->size();
        const double scale =
            std::min(room.width() / double(TableWidth), room.height() / double(TableHeight));
        const QPointF offset =
            QPointF(room.width() - TableWidth * scale, room.height() - TableHeight * scale) / 2;
        std::vector<int> stacking;
        for (int i = 1; i <= CardCount; ++i) {
            const CardItem* card = scene.card(i);
            const HeadlessTable::CardPicture& want = expected.Cards[i];
            EXPECT_EQ(card->pos(), QPointF(want.Left, want.Top)) << "card " << i;
            EXPECT_EQ(card->image(), want.Image) << "card " << i;
            EXPECT_EQ(card->isVisible(), want.Visible) << "card " << i;
            // On the screen the table is scaled to fit, in proportion and centred.
            const QPointF pixel = offset + card->pos() * scale;
            EXPECT_LE((window.view().mapFromScene(card->pos()) - pixel).manhattanLength(), 3) << i;
            stacking.push_back(i);
        }
        std::stable_sort(stacking.begin(), stacking.end(), [&scene](int a, int b) {
            return scene.card(a)->zValue() < scene.card(b)->zValue();
        });
        EXPECT_EQ(stacking, expected.StackingOrder()) << "cards from the back to the front";
        for (int c = 0; c < ControlCount; ++c) {
            const ControlItem* item = scene.control(static_cast<Control>(c));
            EXPECT_EQ(item->caption().toStdString(), expected.Controls[c].Caption);
            EXPECT_EQ(item->isVisible(), expected.Controls[c].Visible) << item->design().Name;
        }
        for (int panel = 1; panel <= 4; ++panel) {
            const StatusPanel* shown = window.statusPanels().panel(panel);
            EXPECT_EQ(shown->text().toStdString(), expected.Panels[panel].Text);
            EXPECT_EQ(shown->image(), expected.Panels[panel].Image) << "panel " << panel;
        }
        EXPECT_EQ(window.windowTitle().toStdString(), expected.WindowCaption);
    }
};

// Every card where the layout says, on the table scaled to the window, whatever its shape.
TEST_F(MainWindowTest, ShowsWhatTheGameLaidOutEvenWhenResizedDuringTheDeal) {
    const struct {
        const char* name;
        std::uint64_t seed;
        int dealtLast;
        QSize size, duringTheDeal;
    } rows[] = {{"the person deals, a wide window", 20261206, PlayerTarvish, {800, 560}, {}},
                {"Tarvish deals, a tall window", 20261206, PlayerPerson, {560, 800}, {}},
                {"another pack, resized", 77, PlayerTarvish, {560, 800}, {1200, 540}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // The same game on a recording table, up to its first wait for the person.
        Game played;
        HeadlessTable expected;
        BuildCardTable(played);
        played.AttachTable(&expected);
        StartUp(played);
        for (Game* game : {&played, &g}) Prepare(*game, row.seed, row.dealtLast);
        NewGame(played);
        window.resize(row.size);
        QTest::qWait(20);
        // The trumps symbol coming into the status bar leaves the table's room as it was.
        const QSize room = window.view().viewport()->size();
        QObject context;
        if (row.duringTheDeal.isValid()) {
            QTimer::singleShot(150, &context, [&] {
                EXPECT_TRUE(window.runner().running()) << "still dealing";
                window.resize(row.duringTheDeal);
            });
        }
        atWaits = {[&] {
            QTest::qWait(20);
            EXPECT_EQ(window.size(), row.duringTheDeal.isValid() ? row.duringTheDeal : row.size);
            ExpectSameTable(expected);
            if (!row.duringTheDeal.isValid()) {
                EXPECT_EQ(window.view().viewport()->size(), room);
            }
            window.runner().stop();
        }};
        window.newGame();
    }
}

// A game the system closed in the middle comes back where it stood: every card, caption and panel
// as a recording table shows after the same clicks, with the person's own name, and the open
// declaring panel in front of the cards as in the window never closed.
TEST_F(MainWindowTest, ContinuesAGameTheSystemClosedWhereItStood) {
    const auto firstHeld = [](const Game& game) { return CardsToChoose(game).Held.front(); };
    // What lies in front of what: the shown cards and panels from the back to the front.
    const auto stacking = [this] {
        std::vector<QGraphicsItem*> items;
        for (int i = 1; i <= CardCount; ++i) items.push_back(window.scene().card(i));
        for (int c = 0; c < ControlCount; ++c) {
            ControlItem* item = window.scene().control(static_cast<Control>(c));
            if (item->parentItem() == nullptr) items.push_back(item);
        }
        std::erase_if(items, [](const QGraphicsItem* item) { return !item->isVisible(); });
        std::stable_sort(items.begin(), items.end(),
                         [](const QGraphicsItem* a, const QGraphicsItem* b) {
                             return a->zValue() < b->zValue();
                         });
        return items;
    };
    Game played;
    HeadlessTable expected;
    BuildCardTable(played);
    played.AttachTable(&expected);
    // A name from the settings file, as the window's start-up shows it.
    for (Game* game : {&played, &g}) {
        game->PlayerName = "Ada Quill";
        StartUp(*game);
        Prepare(*game, 1, PlayerPerson);
    }
    // Cards played until the person may declare.
    int clicks = 0;
    expected.OnWaitForPlayer = [&] {
        if (!IsVisible(played, Control::FramDeclare) && clicks < 40) {
            ++clicks;
            PicCard_Click(played, firstHeld(played));
        }
    };
    NewGame(played);
    ASSERT_TRUE(IsVisible(played, Control::FramDeclare)) << "the seed leads to a declaring turn";

    std::vector<QGraphicsItem*> uninterrupted;
    for (int i = 0; i <= clicks; ++i) {
        atWaits.push_back([&] {
            deadline.start();
            if (!IsVisible(g, Control::FramDeclare)) return window.runner().clickCard(firstHeld(g));
            uninterrupted = stacking();
            window.runner().stop();
        });
    }
    window.newGame();
    ASSERT_FALSE(uninterrupted.empty()) << "the window came to the same declaring turn";
    ClearTable(g);
    atWaits = {[&] {
        ExpectSameTable(expected);
        EXPECT_EQ(stacking(), uninterrupted);
        window.runner().stop();
    }};
    window.continueLastGame();
    EXPECT_TRUE(atWaits.empty()) << "the game came back to a wait for the person";
}

// A pause lasts its time and handles what arrives meanwhile, unless it is 0 or less; a wait lasts
// until the person acts. Both sleep meanwhile.
TEST_F(MainWindowTest, PauseAndWaitHandleWhatArrivesAndSleepMeanwhile) {
    g.GameInProgress = true;
    for (const int ms : {0, -20, 400}) {
        SCOPED_TRACE(ms);
        QObject context;  // takes the row's timers with it
        bool posted = false;
        QMetaObject::invokeMethod(
            &context, [&] { posted = true; }, Qt::QueuedConnection);
        if (ms > 0) {
            QTimer::singleShot(2 * ms, &context, [this] {
                g.WaitingForPlayer = false;
                window.table().WakeWaits();
            });
        }
        const std::clock_t before = std::clock();
        const std::int64_t start = window.table().TickCount();
        g.PauseTime = ms;
        Pause(g);
        // The table's own part: a deadline already reached handles nothing either.
        if (ms <= 0) window.table().ProcessEventsUntil(window.table().TickCount() + ms);
        EXPECT_EQ(posted, ms > 0);
        EXPECT_GE(window.table().TickCount() - start, ms);
        EXPECT_EQ(window.table().nestedLoops(), 0);
        if (ms <= 0) continue;
        g.WaitingForPlayer = true;
        EXPECT_TRUE(WaitForPlayer(g));
        const std::int64_t took = window.table().TickCount() - start;
        const double busy = 1000.0 * double(std::clock() - before) / CLOCKS_PER_SEC;
        EXPECT_GE(took, 2 * ms);
        EXPECT_LT(took, 2 * ms + 3000);
        // Sleeping costs well under a millisecond; a spinning loop keeps a core busy. The bound
        // is loose, as the sanitizers and a machine loaded with other tests cost time of their
        // own; the benchmark gives the figure.
        EXPECT_LT(busy, took / 3.0) << "milliseconds of processor time in " << took << " ms";
    }
}

// A hand in a pause as long as a knock's, and more.
void PausingHand(Game& g) {
    g.GameInProgress = true;
    g.PauseTime = 10000;
    Pause(g);
}

// New Game, Exit and the close box during a hand: the hand unwinds at once, without a deal of its
// own; then New Game deals once, and the window closes.
TEST_F(MainWindowTest, LeavingAHandLetsItUnwindFirst) {
    const struct {
        const char* name;
        GameRunner::Procedure hand;
        const char* command;  // "close box" for the window's
        std::deque<int> answers;
        int dealerOnReturn;  // every deal passes the deal to the other side first
    } rows[] = {{"New Game during a wait", WaitingHand, "MnuNew", {1}, PlayerTarvish},
                {"New Game during a long pause", PausingHand, "MnuNew", {1}, PlayerTarvish},
                {"New Game during the deal", NewGame, "MnuNew", {1}, PlayerPerson},
                {"Exit during a wait", WaitingHand, "MnuExit", {1}, PlayerTarvish},
                {"the close box during a wait", WaitingHand, "close box", {0, 1}, PlayerTarvish}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const bool leaves = row.command != std::string("MnuNew");
        window.show();
        g.Dealer = PlayerTarvish;
        answers = row.answers;
        bool running = false, closedWhileRunning = false;
        int dealerOnReturn = 0;
        QTimer::singleShot(100, &window, [&] {
            running = window.runner().running();
            // A new game is played up to its first wait, then given up.
            if (!leaves) {
                atWaits = {[&] {
                    // Eight each, one of them perhaps led by Tarvish already.
                    EXPECT_EQ(CardsAt(LocPlayerHand).size() + CardsAt(LocTarvishHand).size() +
                                  CardsAt(LocTrick).size(),
                              16u);
                    EXPECT_EQ(CardsAt(LocStock).size(), 47u);
                    window.runner().stop();
                }};
            }
            if (row.command == std::string("close box")) qt_test::CloseBox(window);
            if (row.command != std::string("close box")) Trigger(row.command);
            closedWhileRunning = !window.isVisible();
        });
        const std::int64_t start = window.table().TickCount();
        window.runner().start([&](Game& game) {
            row.hand(game);
            EXPECT_FALSE(game.GameInProgress) << "the old procedure was abandoned";
            dealerOnReturn = game.Dealer;
        });
        EXPECT_TRUE(running);
        EXPECT_LT(window.table().TickCount() - start, 8000) << "no waiting for the old procedure";
        EXPECT_EQ(dealerOnReturn, row.dealerOnReturn) << "no deal inside the old procedure";
        EXPECT_EQ(g.Dealer != dealerOnReturn, !leaves) << "one deal after it, if any";
        EXPECT_FALSE(closedWhileRunning) << "the window waits for the hand to unwind";
        EXPECT_EQ(window.isVisible(), !leaves);
        EXPECT_EQ(window.table().nestedLoops(), 0);
    }
}

}  // namespace
}  // namespace corvane
