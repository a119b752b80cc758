#include <QKeyEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "card_focus.h"
#include "card_item.h"
#include "control_items.h"
#include "display.h"
#include "game_runner.h"
#include "hand_flow.h"
#include "main_window_fixture.h"
#include "table_scene.h"
#include "table_view.h"
#include "window_table.h"

namespace corvane {
namespace {

// The main window with a fast seeded game, played from the keyboard. `atWaits` act at the first
// waits for the person, one each; the last of them gives the game up.
class KeyboardPlayTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // Queued, so that what a test does at a wait runs inside the wait's own loop.
        QObject::connect(
            &window.table(), &WindowTable::waitStarted, &window,
            [this] {
                if (atWaits.empty()) return;
                const auto act = atWaits.front();
                atWaits.pop_front();
                act();
            },
            Qt::QueuedConnection);
    }

    void Play(bool personLeads, std::deque<std::function<void()>> acts) {
        Prepare(g, 1234, personLeads ? PlayerPerson : PlayerTarvish);
        shown.clear();
        atWaits = std::move(acts);
        window.newGame();
        EXPECT_FALSE(window.runner().running());
    }
    void Stop() { window.runner().stop(); }

    // A key as the person presses it on the table.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
            QApplication::sendEvent(&window.view(), &event);
        }
    }
    // Up to four keys one after the other: "Right, Return", "Alt+S", "Ctrl+K".
    void Keys(const char* keys) {
        const QKeySequence sequence(QString::fromLatin1(keys));
        for (int i = 0; i < sequence.count(); ++i) {
            Key(sequence[i].key(), sequence[i].keyboardModifiers());
            QTest::qWait(5);
        }
    }

    int Marked() { return window.scene().cardFocus().card(); }
    // The person's hand row from the left.
    std::vector<int> Row() {
        std::vector<int> row;
        for (int i = 1; i <= CardCount; ++i) {
            if (g.CardTable[i].Location == LocPlayerHand && !g.CardTable[i].OnTable) {
                row.push_back(i);
            }
        }
        std::sort(row.begin(), row.end(), [this](int a, int b) {
            return window.scene().card(a)->x() < window.scene().card(b)->x();
        });
        return row;
    }
    std::size_t InHand() const {
        return std::count_if(g.CardTable.begin() + 1, g.CardTable.end(),
                             [](const CardRecord& c) { return c.Location == LocPlayerHand; });
    }

    std::deque<std::function<void()>> atWaits;
};

// A moment of the game for the keys to find, set at the first wait for the person.
void DeclaringTurn(Game& g) {
    SetVisible(g, Control::FramDeclare, true);
}
void KnockOffered(Game& g) {
    g.GameTotal = {0, 1000, 200};
    g.TargetScore = 1000;
    SetVisible(g, Control::LblKnock, true);
}
void KnockOfferedInDeclaringTurn(Game& g) {
    KnockOffered(g);
    DeclaringTurn(g);
}

TEST_F(KeyboardPlayTest, TheKeyboardReachesWhatTheMouseReaches) {
    const struct {
        const char* name;
        void (*moment)(Game&);
        const char* keys;
        int played;   // the card of the hand row played, -1 the last, 0 none
        bool sorted;  // the hand laid out by suit
        bool ends;    // the declaring turn or the game
        const char* notice;
    } rows[] = {
        {"Enter plays the card reached", nullptr, "Right, Right, Return", 3, false, false, ""},
        {"Left goes round, Space plays", nullptr, "Left, Space", -1, false, false, ""},
        {"the sort button's letter", nullptr, "Alt+S", 0, true, false, ""},
        {"Escape cancels", DeclaringTurn, "Escape", 0, false, true, ""},
        // Four Aces shares the A with Cancel: the second A reaches Cancel, Enter presses it.
        {"letters without Alt", DeclaringTurn, "A, A, Return", 0, false, true, ""},
        {"no card while the panel is open", DeclaringTurn, "Return", 0, false, false, ""},
        {"K knocks", KnockOffered, "K", 0, false, true, "You win game"},
        {"Ctrl+K knocks in a declaring turn", KnockOfferedInDeclaringTurn, "Ctrl+K", 0, false, true,
         "You win game"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Play(true, {[&] {
                 if (row.moment != nullptr) row.moment(g);
                 // The game opens a panel before it waits, and looks at the cards then.
                 window.scene().cardFocus().refresh();
                 const std::vector<int> hand = Row();
                 shown.clear();
                 Keys(row.keys);
                 QTest::qWait(*row.notice == '\0' ? 100 : 1600);
                 const int played = row.played < 0   ? hand.back()
                                    : row.played > 0 ? hand[row.played - 1]
                                                     : -1;
                 EXPECT_EQ(g.TrickCard[1], played);
                 EXPECT_EQ(Caption(g, Control::CmdSort), row.sorted ? "Sort Same" : "Sort Suits");
                 EXPECT_EQ(g.WaitingForPlayer && g.GameInProgress, !row.ends && played < 0);
                 EXPECT_EQ(Titles(), *row.notice == '\0' ? std::vector<std::string>{}
                                                         : std::vector<std::string>{row.notice});
                 Stop();
             }});
    }
}

TEST_F(KeyboardPlayTest, AKeyHeldDownPlaysOneCard) {
    for (const bool held : {false, true}) {
        SCOPED_TRACE(held ? "held down until the next wait" : "pressed again during the play");
        QTimer repeat;
        repeat.callOnTimeout([this] { Key(Qt::Key_Return, {}, true); });
        int played = 0;
        std::size_t afterThePlay = 0;
        Play(true, {[&] {
                        played = Row()[0];
                        Key(Qt::Key_Return);
                        if (held) {
                            repeat.start(15);
                            return;
                        }
                        QTimer::singleShot(5, &window, [this] { Key(Qt::Key_Return); });
                        QTest::qWait(100);
                        EXPECT_EQ(g.TrickCard[1], played);
                        EXPECT_FALSE(CardsToChoose(g).MayPlay) << "the game goes on";
                        EXPECT_EQ(InHand(), 7u);
                        Stop();
                    },
                    [&] {
                        // A wait for a card, or a declaring turn: the key is still down.
                        afterThePlay = InHand();
                        QTest::qWait(150);
                        EXPECT_TRUE(g.WaitingForPlayer);
                        EXPECT_EQ(InHand(), afterThePlay);
                        repeat.stop();
                        Stop();
                    }});
        EXPECT_EQ(g.CardTable[played].Location, LocTrick);
        EXPECT_TRUE(shown.empty());
    }
}

// Played by keys for some tricks: whenever the mark shows, it is on a card that a click may play
// now; after a play it comes back on the card that was right of the one played.
TEST_F(KeyboardPlayTest, TheMarkRestsOnlyOnCardsAClickMayPlay) {
    QTimer watch;
    int looks = 0;
    watch.callOnTimeout([&] {
        const int card = Marked();
        if (card == 0) return;
        ++looks;
        const PersonsCards cards = CardsToChoose(g);
        ASSERT_TRUE(cards.MayPlay);
        ASSERT_NE(std::find(cards.Held.begin(), cards.Held.end(), card), cards.Held.end())
            << "card " << card << " at location " << g.CardTable[card].Location;
    });
    watch.start(3);
    int expected = 0;
    const auto turn = [&] {
        if (IsVisible(g, Control::FramDeclare)) {
            EXPECT_EQ(Marked(), 0) << "no card to play during a declaring turn";
            Keys("Escape");
            return;
        }
        const std::vector<int> row = Row();
        if (expected != 0) {
            EXPECT_EQ(Marked(), expected);
        }
        Keys("Right, Right, Left");
        const auto at = std::find(row.begin(), row.end(), Marked());
        ASSERT_NE(at, row.end());
        expected = at + 1 == row.end() ? *(at - 1) : *(at + 1);
        Keys("Return");
    };
    Play(false, {turn, turn, turn, [this] { Stop(); }});
    EXPECT_GT(looks, 0);
    EXPECT_EQ(Marked(), 0) << "the game given up";
}

}  // namespace
}  // namespace corvane
