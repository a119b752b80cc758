#include "frm_main.h"

#include <QAction>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <sstream>
#include <vector>

#include "../engine/engine_test_support.h"
#include "card_item.h"
#include "control_items.h"
#include "declarations.h"
#include "display.h"
#include "game_runner.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "main_window_fixture.h"
#include "status_panels.h"
#include "table_geometry.h"
#include "table_scene.h"
#include "table_view.h"
#include "window_table.h"

namespace corvane {
namespace {

using namespace qt_test;

// A hand in a pause as long as a knock's, and more.
void PausingHand(Game& g) {
    g.GameInProgress = true;
    g.PauseTime = 10000;
    Pause(g);
}

// The main window with the table helpers: what a test does at the next wait for the person,
// where the cards are and how to click them.
class MainWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // Queued, so that what a test does at a wait runs inside the wait's own loop.
        QObject::connect(
            &window.table(), &WindowTable::waitStarted, &window,
            [this] {
                if (!atWait) return;
                const auto act = std::exchange(atWait, nullptr);
                act();
            },
            Qt::QueuedConnection);
    }

    // Deals a seeded game in which the person leads, or Tarvish does (and plays the first card),
    // runs `act` at the first wait for the person, and gives the game up when `act` returns.
    void AtFirstWait(bool personLeads, const std::function<void()>& act) {
        Prepare(g, 1234, personLeads ? PlayerPerson : PlayerTarvish);
        shown.clear();
        atWait = [this, act] {
            shown.clear();
            act();
            window.runner().stop();
        };
        window.newGame();
        EXPECT_FALSE(window.runner().running());
    }

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
            const HeadlessTable::CardPicture& want = expected.Cards[i];
            EXPECT_EQ(scene.card(i)->pos(), QPointF(want.Left, want.Top)) << "card " << i;
            EXPECT_EQ(scene.card(i)->image(), want.Image) << "card " << i;
            EXPECT_EQ(scene.card(i)->isVisible(), want.Visible) << "card " << i;
            // On the screen the table is scaled to fit, in proportion and centred.
            const QPointF pixel = offset + scene.card(i)->pos() * scale;
            EXPECT_LE((window.view().mapFromScene(scene.card(i)->pos()) - pixel).manhattanLength(),
                      3)
                << "card " << i << " on the screen";
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

    // The cards at `location`, by index.
    std::vector<int> CardsAt(int location) const {
        std::vector<int> cards;
        for (int i = 1; i <= CardCount; ++i) {
            if (g.CardTable[i].Location == location) cards.push_back(i);
        }
        return cards;
    }
    // A point of the view where `card` is the topmost picture.
    QPoint OnCard(int card) {
        const CardItem* item = window.scene().card(card);
        for (const QPointF inside : {QPointF(150, 500), QPointF(700, 500), QPointF(700, 1000)}) {
            const QPointF at = item->pos() + inside;
            if (window.scene().itemAt(at, {}) == item) return window.view().mapFromScene(at);
        }
        ADD_FAILURE() << "card " << card << " is covered";
        return {};
    }
    void Click(int card, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.view().viewport(), button, {}, OnCard(card));
    }

    std::vector<QPointF> CardPlaces() {
        std::vector<QPointF> places;
        for (int i = 1; i <= CardCount; ++i) places.push_back(window.scene().card(i)->pos());
        return places;
    }

    std::function<void()> atWait;  // once, at the next wait for the person
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
        // The same game on a recording table, up to its first wait for the person: what the
        // window ought to show then.
        Game played;
        HeadlessTable expected;
        BuildCardTable(played);
        played.AttachTable(&expected);
        StartUp(played);
        for (Game* game : {&played, &g}) Prepare(*game, row.seed, row.dealtLast);
        NewGame(played);
        window.resize(row.size);
        QObject context;
        if (row.duringTheDeal.isValid()) {
            QTimer::singleShot(150, &context, [&] {
                EXPECT_TRUE(window.runner().running()) << "still dealing";
                window.resize(row.duringTheDeal);
            });
        }
        atWait = [&] {
            QTest::qWait(20);
            EXPECT_EQ(window.size(), row.duringTheDeal.isValid() ? row.duringTheDeal : row.size);
            ExpectSameTable(expected);
            window.runner().stop();
        };
        window.newGame();
    }
}

TEST_F(MainWindowTest, ACardClickActsOnlyWhileTheGameWaits) {
    const struct {
        const char* name;
        int location;  // of the card clicked
        Qt::MouseButton button;
        std::vector<std::string> notices;
        bool duringAPlay;  // clicked while the person's card goes into the trick
    } rows[] = {
        {"Tarvish's card while the game waits", LocTarvishHand, Qt::LeftButton, {"Tut Tut"}, false},
        {"the up card, right button, while waiting",
         LocUpCard,
         Qt::RightButton,
         {"The Up Card"},
         false},
        {"Tarvish's card while the person's card is played",
         LocTarvishHand,
         Qt::LeftButton,
         {},
         true},
        {"the stock while the person's card is played", LocStock, Qt::LeftButton, {}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        int played = 0;
        AtFirstWait(true, [&] {
            const int card = CardsAt(row.location).back();
            if (row.duringAPlay) {
                played = CardsAt(LocPlayerHand)[0];
                Click(played);
                QTimer::singleShot(1, &window, [&, card] { Click(card, row.button); });
            } else {
                Click(card, row.button);
            }
            QTest::qWait(30);
            EXPECT_EQ(Titles(), row.notices);
            EXPECT_EQ(g.TrickCard[1], row.duringAPlay ? played : -1);
        });
    }
}

TEST_F(MainWindowTest, OnlyTheFirstCardClickedIsPlayed) {
    for (const bool doubleClick : {true, false}) {
        SCOPED_TRACE(doubleClick ? "a double click" : "a click on the next card during the play");
        AtFirstWait(true, [&] {
            const int card = CardsAt(LocPlayerHand)[0];
            const int next = CardsAt(LocPlayerHand)[1];
            if (doubleClick) {
                QTest::mouseDClick(window.view().viewport(), Qt::LeftButton, {}, OnCard(card));
            } else {
                Click(card);
                Click(next);
            }
            QTest::qWait(20);
            EXPECT_EQ(g.TrickCard[1], card);
            EXPECT_EQ(g.CardTable[next].Location, LocPlayerHand);
            EXPECT_EQ(CardsAt(LocPlayerHand).size(), 7u);
            EXPECT_TRUE(shown.empty());
        });
    }
}

// The table's clickable controls reach the game while it waits: the sort button, Cancel in a
// declaring turn, and the knock, which ends the game at once.
TEST_F(MainWindowTest, TheControlsOfTheTableActWhileTheGameWaits) {
    const struct {
        const char* name;
        const char* control;
        std::function<void(Game&)> moment;
        std::function<void()> expect;
    } rows[] = {
        {"the sort button", "CmdSort", [](Game&) {},
         [this] { EXPECT_EQ(window.scene().control(Control::CmdSort)->caption(), "Sort Same"); }},
        {"Cancel ends the declaring turn", "CmdCancel",
         [](Game& game) { SetVisible(game, Control::FramDeclare, true); },
         [this] {
             EXPECT_FALSE(window.scene().control(Control::FramDeclare)->isVisible());
             EXPECT_FALSE(g.WaitingForPlayer);
         }},
        {"the knock wins at the target", "LblKnock",
         [](Game& game) {
             game.GameTotal = {0, 1000, 200};
             game.TargetScore = 1000;
             SetVisible(game, Control::LblKnock, true);
         },
         [this] {
             EXPECT_EQ(Titles(), std::vector<std::string>{"You win game"});
             EXPECT_FALSE(g.GameInProgress);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        AtFirstWait(true, [&] {
            row.moment(g);
            const ControlItem* item = window.scene().control(row.control);
            QTest::mouseClick(window.view().viewport(), Qt::LeftButton, {},
                              window.view().mapFromScene(item->sceneBoundingRect().center()));
            QTest::qWait(1600);
            row.expect();
        });
    }
}

// The person's declaring turn, as the trick cycle opens it.
void DeclaringTurn(Game& g) {
    g.GameInProgress = g.Round1 = g.WaitingForPlayer = true;
    SetVisible(g, Control::FramDeclare, true);
    BringToFront(g, Control::FramDeclare);
    WaitForPlayer(g);
}

TEST_F(MainWindowTest, ThePanelButtonsAnswerTheMouseAndTheirAccessLetters) {
    // inputs: a button's name to click, a key, or "reminder" to open the meld reminder
    const struct {
        const char *name, *holding, *inputs, *info, *refusal;
    } rows[] = {
        {"Corvane by the mouse", "JD QS", "CmdCorvane", "Player makes 40 for single Corvane", ""},
        {"Corvane by its letter", "JD QS", "Alt+C", "Player makes 40 for single Corvane", ""},
        {"the marriage panel, then Spades by the D of the hidden Double Corvane", "KS QS",
         "Alt+M Alt+D", "Player marriage-score 20", ""},
        {"the A of Four Aces and Cancel reaches the Aces first", "AD AC AH", "Alt+A Return", "",
         "No four Aces."},
        {"and Cancel next", "AD AC AH", "Alt+A Alt+A Space", "", ""},
        {"the reminder's letter, then Cancel by the mouse", "KD", "reminder Alt+O CmdCancel", "",
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        shown.clear();
        testing_support::Hold(g, testing_support::Cards(row.holding), {});
        g.TrumpSuit = Hearts;
        SetCaption(g, Control::LblInfo, "");
        QObject context;  // takes the row's timer and its queued stop with it
        QTimer::singleShot(30, &context, [&] {
            std::istringstream inputs{row.inputs};
            for (std::string input; inputs >> input; QTest::qWait(10)) {
                const ControlItem* button = window.scene().control(input);
                if (input == "reminder") {
                    SetVisible(g, Control::FramMeldHelp, true);
                } else if (input.starts_with("Alt+")) {
                    QTest::keyClick(&window.view(), Qt::Key(Qt::Key_A + (input.back() - 'A')),
                                    Qt::AltModifier);
                } else if (button == nullptr) {
                    QTest::keyClick(&window.view(),
                                    input == "Space" ? Qt::Key_Space : Qt::Key_Return);
                } else {
                    EXPECT_TRUE(button->isVisible()) << input;
                    QTest::mouseClick(
                        window.view().viewport(), Qt::LeftButton, {},
                        window.view().mapFromScene(button->sceneBoundingRect().center()));
                }
            }
            // The clicks reach the game through the event loop; what is still waiting then ends.
            QMetaObject::invokeMethod(
                &context, [this] { window.runner().stop(); }, Qt::QueuedConnection);
        });
        window.runner().start(DeclaringTurn);
        const TableScene& scene = window.scene();
        EXPECT_EQ(scene.control(Control::LblInfo)->caption().toStdString(), row.info);
        EXPECT_EQ(Titles(), *row.refusal ? std::vector<std::string>{row.refusal}
                                       : std::vector<std::string>{});
        EXPECT_EQ(scene.control(Control::FramDeclare)->isVisible(), *row.refusal != '\0')
            << "a refusal leaves the turn open";
        EXPECT_FALSE(scene.control(Control::FramMeldHelp)->isVisible());
        SetVisible(g, Control::FramDeclare, false);
    }
}

TEST_F(MainWindowTest, DialogChoiceIsTheButtonClickedWhateverTheLastDialogLeft) {
    for (const int button : {1, 0}) {
        answer = button;
        ShowMessage(g, "Player do you want to leave?", "No Continue", "Yes Exit", "", 2,
                    "Really Exit?");
        EXPECT_EQ(g.DialogChoice, button);
    }
}

TEST_F(MainWindowTest, PauseLastsItsTimeAndHandlesWhatArrivesMeanwhile) {
    const struct {
        const char* name;
        int ms;
    } rows[] = {{"a paced step", 100}, {"nothing after the stock layout", 0}, {"below 0", -20}};
    g.GameInProgress = true;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QObject context;  // takes the row's timers with it
        bool posted = false;
        bool timed = false;
        QMetaObject::invokeMethod(
            &context, [&] { posted = true; }, Qt::QueuedConnection);
        QTimer::singleShot(5, &context, [&] { timed = true; });
        const std::int64_t start = window.table().TickCount();
        g.PauseTime = row.ms;
        Pause(g);
        // The table's own part: a deadline already reached handles nothing either.
        if (row.ms <= 0) window.table().ProcessEventsUntil(window.table().TickCount() + row.ms);
        const std::int64_t took = window.table().TickCount() - start;
        EXPECT_EQ(posted, row.ms > 0);
        EXPECT_EQ(timed, row.ms > 0);
        EXPECT_GE(took, row.ms);
        EXPECT_LT(took, std::max(row.ms, 0) + 3000);
        EXPECT_EQ(window.table().nestedLoops(), 0);
    }
}

TEST_F(MainWindowTest, PauseAndWaitSleepInsteadOfSpinning) {
    g.GameInProgress = true;
    g.PauseTime = 400;
    QTimer::singleShot(800, &window, [this] {
        g.WaitingForPlayer = false;
        window.table().WakeWaits();
    });
    const std::clock_t before = std::clock();
    const std::int64_t start = window.table().TickCount();
    Pause(g);
    g.WaitingForPlayer = true;
    EXPECT_TRUE(WaitForPlayer(g));
    const std::int64_t took = window.table().TickCount() - start;
    const double busy = 1000.0 * double(std::clock() - before) / CLOCKS_PER_SEC;
    EXPECT_GE(took, 800);
    // Sleeping costs well under a millisecond; a spinning loop keeps a core busy. The bound is
    // loose, as the sanitizers and a machine loaded with other tests cost time of their own; the
    // benchmark gives the figure.
    EXPECT_LT(busy, took / 3.0) << "milliseconds of processor time in " << took << " ms";
}

TEST_F(MainWindowTest, NewGameLetsTheRunningProcedureReturnThenDealsOnce) {
    const struct {
        const char* name;
        GameRunner::Procedure procedure;
        int dealerOnReturn;  // every deal passes the deal to the other side first
    } rows[] = {{"during a wait for the person", WaitingHand, PlayerTarvish},
                {"during a long pause", PausingHand, PlayerTarvish},
                {"during the deal", NewGame, PlayerPerson}};
    answer = 1;  // "Yes New Game"
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        g.Dealer = PlayerTarvish;
        bool running = false;
        int dealerOnReturn = 0;
        QTimer::singleShot(100, &window, [&] {
            running = window.runner().running();
            // The new game is played up to its first wait, then given up.
            atWait = [&] {
                // Eight each, one of them perhaps led by Tarvish already.
                EXPECT_EQ(CardsAt(LocPlayerHand).size() + CardsAt(LocTarvishHand).size() +
                              CardsAt(LocTrick).size(),
                          16u);
                EXPECT_EQ(CardsAt(LocStock).size(), 47u);
                window.runner().stop();
            };
            window.findChild<QAction*>("MnuNew")->trigger();
        });
        const std::int64_t start = window.table().TickCount();
        window.runner().start([&](Game& game) {
            row.procedure(game);
            EXPECT_FALSE(game.GameInProgress) << "the old procedure was abandoned";
            dealerOnReturn = game.Dealer;
        });
        EXPECT_TRUE(running);
        EXPECT_LT(window.table().TickCount() - start, 8000) << "no waiting for the old procedure";
        EXPECT_EQ(dealerOnReturn, row.dealerOnReturn) << "no deal inside the old procedure";
        EXPECT_NE(g.Dealer, dealerOnReturn) << "exactly one deal after it";
        EXPECT_EQ(window.table().nestedLoops(), 0);
    }
}

TEST_F(MainWindowTest, LeavingDuringAHandLetsItUnwindThenCloses) {
    for (const bool closeBox : {true, false}) {
        SCOPED_TRACE(closeBox ? "the close box" : "the Exit command");
        window.show();
        g.Dealer = PlayerTarvish;
        // The close box asks first; both then ask about the game in progress.
        answers = closeBox ? std::deque<int>{0, 1} : std::deque<int>{1};
        bool closedWhileRunning = true;
        QTimer::singleShot(30, &window, [&] {
            if (closeBox) CloseBox(window);
            if (!closeBox) window.findChild<QAction*>("MnuExit")->trigger();
            closedWhileRunning = !window.isVisible();
        });
        window.runner().start(WaitingHand);
        EXPECT_FALSE(closedWhileRunning) << "the window waits for the hand to unwind";
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(g.GameInProgress);
        EXPECT_EQ(g.Dealer, PlayerTarvish) << "no new deal";
    }
}

}  // namespace
}  // namespace corvane
