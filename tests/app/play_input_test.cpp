#include <QKeyEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "../engine/engine_test_support.h"
#include "card_focus.h"
#include "card_item.h"
#include "control_items.h"
#include "display.h"
#include "game_runner.h"
#include "main_window_fixture.h"
#include "table_scene.h"
#include "table_view.h"

namespace corvane {
namespace {

// A moment of a dealt game at the person's first wait, some inputs, and what the person sees then.
struct InputCase {
    const char* name;
    // "panel": the declaring turn is open; "reminder": the meld reminder over it; "knock": the
    // person may knock; cards ("JD QS"): the person holds just these, Hearts trumps.
    const char* moment;
    // Keys ("Alt+C"; "held Return" as repeated while held down), clicks on controls by name
    // ("CmdCancel"), or on cards: "click H2" (the second of the hand row), "click T" (one of
    // Tarvish's), "right-click U" (the up card), "double-click H1".
    const char* inputs;
    std::string seen;  // see Seen()
};

class PlayInputTest : public MainWindowFixture {
protected:
    // Each case at the first wait of a seeded game in which the person leads, given up after.
    void Run(const std::vector<InputCase>& cases) {
        for (const InputCase& row : cases) {
            SCOPED_TRACE(row.name);
            Prepare(g, 1234, PlayerPerson);
            atWaits = {[&] {
                SetMoment(row.moment);
                const std::vector<int> hand = Row();
                shown.clear();
                std::istringstream inputs{row.inputs};
                for (std::string input; std::getline(inputs >> std::ws, input, ',');) {
                    Input(input, hand);
                    QTest::qWait(5);
                }
                QTest::qWait(100);
                if (!QTest::qWaitFor([&] { return Seen(hand) == row.seen; }, 3000)) {
                    EXPECT_EQ(Seen(hand), row.seen);
                }
                window.runner().stop();
            }};
            deadline.start(20000);
            window.newGame();
            EXPECT_FALSE(window.runner().running());
            EXPECT_EQ(window.scene().cardFocus().card(), 0) << "a mark left on a game given up";
        }
    }

    void SetMoment(const std::string& moment) {
        std::istringstream words{moment};
        std::string cards;
        for (std::string word; words >> word;) {
            const Control panel = word == "panel" ? Control::FramDeclare : Control::FramMeldHelp;
            if (word == "panel" || word == "reminder") {
                SetVisible(g, panel, true);
                BringToFront(g, panel);
            } else if (word == "knock") {
                g.GameTotal = {0, 1000, 200};
                g.TargetScore = 1000;
                SetVisible(g, Control::LblKnock, true);
            } else {
                cards += word + " ";
            }
        }
        if (!cards.empty()) testing_support::Hold(g, testing_support::Cards(cards), {});
        g.TrumpSuit = Hearts;
        SetCaption(g, Control::LblInfo, "");
        // The game opens a panel before it waits, and looks at the cards then.
        window.scene().cardFocus().refresh();
    }

    void Input(const std::string& input, const std::vector<int>& hand) {
        QWidget* viewport = window.view().viewport();
        if (const ControlItem* control = window.scene().control(input)) {
            EXPECT_TRUE(control->isVisible()) << input;
            QTest::mouseClick(viewport, Qt::LeftButton, {},
                              window.view().mapFromScene(control->sceneBoundingRect().center()));
        } else if (input.starts_with("held ")) {
            // As the window system repeats a key held down.
            const QKeyCombination key = QKeySequence(QString::fromStdString(input.substr(5)))[0];
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key.key(), {}, QString(), true);
                QApplication::sendEvent(&window.view(), &event);
            }
        } else if (const auto blank = input.find(' '); blank != std::string::npos) {
            const char which = input[blank + 1];
            const int card = which == 'H' ? hand.at(input[blank + 2] - '1')
                                          : CardsAt(which == 'T' ? LocTarvishHand : LocUpCard)[0];
            const auto button = input.starts_with("right") ? Qt::RightButton : Qt::LeftButton;
            QTest::mouseEvent(input.starts_with("double") ? QTest::MouseDClick : QTest::MouseClick,
                              viewport, button, {}, OnCard(card));
        } else {
            const QKeyCombination key = QKeySequence(QString::fromStdString(input))[0];
            QTest::keyClick(&window.view(), key.key(), key.keyboardModifiers());
        }
    }

    // "; " between: the cards of `hand` that left it, by place; whether the game waits for the
    // person and marks a card for the keys; the panels open; the hand sorted by suit; the notices;
    // the commentary, but for a card's play.
    std::string Seen(const std::vector<int>& hand) {
        std::string played, seen;
        for (std::size_t i = 0; i < hand.size(); ++i) {
            if (g.CardTable[hand[i]].Location != LocPlayerHand)
                played += " " + std::to_string(i + 1);
        }
        const std::string& info = Caption(g, Control::LblInfo);
        for (const auto& [shows, part] : std::vector<std::pair<bool, std::string>>{
                 {!played.empty(), "plays" + played},
                 {g.WaitingForPlayer && g.GameInProgress, "waits"},
                 {g.GameInProgress && window.scene().cardFocus().card() != 0, "marked"},
                 {IsVisible(g, Control::FramDeclare), "panel"},
                 {IsVisible(g, Control::FramMeldHelp), "reminder"},
                 {Caption(g, Control::CmdSort) == "Sort Same", "sorted"}}) {
            if (shows) seen += "; " + part;
        }
        for (const MessageRequest& message : shown) seen += "; " + message.Title;
        if (played.empty() && !info.empty()) seen += "; " + info;
        return seen.substr(std::min<std::size_t>(2, seen.size()));
    }

    // The person's hand row from the left.
    std::vector<int> Row() {
        std::vector<int> row = CardsAt(LocPlayerHand);
        std::erase_if(row, [this](int card) { return g.CardTable[card].OnTable; });
        std::ranges::sort(row, {}, [this](int card) { return window.scene().card(card)->x(); });
        return row;
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
};

TEST_F(PlayInputTest, ACardActsOnlyWhileTheGameWaitsAndOnlyOnce) {
    Run({
        {"a double click plays one card", "", "double-click H1", "plays 1"},
        {"a click on the next card during the play", "", "click H1, click H2", "plays 1"},
        {"Tarvish's card during the play", "", "click H1, click T", "plays 1"},
        {"Tarvish's card while the game waits", "", "click T", "waits; marked; Tut Tut"},
        {"the up card by the right button", "", "right-click U", "waits; marked; The Up Card"},
        {"Enter plays the card reached", "", "Right, Right, Return", "plays 3"},
        {"Left goes round, Space plays", "", "Left, Space", "plays 8"},
        {"Enter again during the play", "", "Return, Return", "plays 1"},
        {"a key held down from before the wait plays nothing", "", "held Return", "waits; marked"},
        {"but a held arrow moves on", "", "held Right, Return", "plays 2"},
        {"no card while the panel is open", "panel", "Return", "waits; panel"},
    });
}

TEST_F(PlayInputTest, TheTablesButtonsAnswerTheMouseAndTheirLetters) {
    const char* corvane = "Player makes 40 for single Corvane";
    const char* won = "You win game; Press F2 for new game, or Ctrl X to Exit";
    Run({
        {"the sort button by the mouse", "", "CmdSort", "waits; marked; sorted"},
        {"Escape cancels", "panel", "Escape", ""},
        {"letters without Alt: the second A passes Four Aces for Cancel", "panel", "A, A, Return",
         ""},
        {"the A, taken from the menu bar, reaches Four Aces", "AD AC AH panel", "Alt+A, Return",
         "waits; panel; No four Aces."},
        {"Corvane by the mouse", "JD QS panel", "CmdCorvane", corvane},
        {"Corvane by its letter", "JD QS panel", "Alt+C", corvane},
        {"the marriage panel, then Spades by the D of the hidden Double Corvane", "KS QS panel",
         "Alt+M, Alt+D", "Player marriage-score 20"},
        {"the reminder's letter, then Cancel by the mouse", "KD panel reminder", "Alt+O, CmdCancel",
         ""},
        {"Four Queens by the mouse", "QD QC QH QS panel", "CmdFours(1)",
         "Player made 60 for four Queens"},
        {"Escape closes the reminder and leaves the panel", "KD panel reminder", "Escape",
         "waits; panel"},
        {"the knock by the mouse", "knock", "LblKnock", won},
        {"K knocks", "knock", "K", won},
        {"Ctrl+K knocks in a declaring turn", "knock panel", "Ctrl+K", won},
    });
}

}  // namespace
}  // namespace corvane
