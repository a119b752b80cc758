#pragma once

#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "../table/qt_test_support.h"
#include "display.h"
#include "frm_main.h"
#include "game_runner.h"
#include "window_table.h"

namespace corvane {

// Seeds a game and fixes who dealt last, so that the same deal can be played again elsewhere.
inline void Prepare(Game& g, std::uint64_t seed, int dealtLast) {
    g.Random = RandomSource(seed);
    g.Dealer = dealtLast;
    g.Speed = g.PauseTime = SpeedFast;
}

// A hand that waits for the person, as the trick cycle does.
inline void WaitingHand(Game& g) {
    g.GameInProgress = g.WaitingForPlayer = true;
    WaitForPlayer(g);
}

// The person's answer to a system box: Yes or OK, else No or Cancel, with a text typed first.
struct BoxReply {
    bool Accept = true;
    QString Text;
};

// The main window on the screen with a fast game and a settings folder of its own. The game's
// messages are recorded and answered with the buttons in `answers`, then with `answer`; the
// system's boxes are recorded and answered from `boxReplies`, then with their first button.
// `atWaits` act at the next waits for the person, one each. A game still running 20 seconds after
// the test or the last restart of `deadline` fails the test instead of hanging it.
class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        g.Speed = SpeedFast;
        QObject::connect(&window.table(), &WindowTable::messageShown, &window,
                         [this](const MessageRequest& request) {
                             shown.push_back(request);
                             const int button = answers.empty() ? answer : answers.front();
                             if (!answers.empty()) answers.pop_front();
                             qt_test::AnswerDialog(button);
                         });
        // Queued, so that an act runs inside the wait's own loop.
        QObject::connect(
            &window.table(), &WindowTable::waitStarted, &window,
            [this] {
                if (atWaits.empty()) return;
                const std::function<void()> act = atWaits.front();
                atWaits.pop_front();
                act();
            },
            Qt::QueuedConnection);
        QObject::connect(&robot, &QTimer::timeout, &window, [this] { AnswerSystemBox(); });
        robot.start(5);
        QObject::connect(&deadline, &QTimer::timeout, &window, [this] {
            ADD_FAILURE() << "the game was still running after 20 seconds";
            window.runner().stop();
        });
        deadline.setSingleShot(true);
        deadline.start(20000);
    }

    void Trigger(const char* control) {
        QAction* action = window.findChild<QAction*>(control);
        ASSERT_NE(action, nullptr) << control;
        action->trigger();
    }

    // The settings file's bytes; empty when there is none.
    QByteArray SettingsBytes() const {
        QFile file(settingsFolder.filePath(SettingsFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::vector<int> CardsAt(int location) const {
        std::vector<int> cards;
        for (int i = 1; i <= CardCount; ++i) {
            if (g.CardTable[i].Location == location) cards.push_back(i);
        }
        return cards;
    }

    QTemporaryDir settingsFolder;
    FrmMain window{settingsFolder.path(), settingsFolder.filePath("preferences.ini")};
    Game& g = window.game();
    std::vector<MessageRequest> shown;
    std::deque<int> answers;
    int answer = 0;
    std::deque<BoxReply> boxReplies;
    std::vector<std::string> boxesShown;  // "title: text"
    std::deque<std::function<void()>> atWaits;
    QTimer deadline;

private:
    void AnswerSystemBox() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        auto* input = qobject_cast<QInputDialog*>(modal);
        if ((box == nullptr && input == nullptr) || !modal->isVisible()) return;
        const BoxReply reply = boxReplies.empty() ? BoxReply{} : boxReplies.front();
        if (!boxReplies.empty()) boxReplies.pop_front();
        const QString text = box != nullptr ? box->text() : input->labelText();
        boxesShown.push_back((modal->windowTitle() + ": " + text).toStdString());
        if (box != nullptr) {
            QAbstractButton* button =
                box->button(reply.Accept ? QMessageBox::Yes : QMessageBox::No);
            return (button != nullptr ? button : box->buttons().front())->click();
        }
        EXPECT_TRUE(input->textValue().isEmpty()) << "the entry field starts empty";
        input->setTextValue(reply.Text);
        reply.Accept ? input->accept() : input->reject();
    }

    QTimer robot;
};

}  // namespace corvane
