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

// How the person answers one of the system's boxes (the name question, the name input box, a
// plain notice): its first button (Yes, OK) or its second (No, Cancel), with a text typed first.
struct BoxReply {
    bool Accept = true;
    QString Text;
};

// The main window on the screen with a fast game and a settings folder of its own. The game's
// messages are recorded and answered with the buttons in `answers`, then with `answer`; the
// system's boxes are recorded and answered from `boxReplies`, then with their first button. A game
// still running after 20 seconds fails the test instead of hanging it.
class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        g.Speed = SpeedFast;
        QObject::connect(&window.table(), &WindowTable::messageShown, &window,
                         [this](const MessageRequest& request) {
                             shown.push_back(request);
                             int button = answer;
                             if (!answers.empty()) {
                                 button = answers.front();
                                 answers.pop_front();
                             }
                             qt_test::AnswerDialog(button);
                         });
        QObject::connect(&robot, &QTimer::timeout, &window, [this] { AnswerSystemBox(); });
        robot.start(5);
        QTimer::singleShot(20000, &window, [this] {
            ADD_FAILURE() << "the game was still running after 20 seconds";
            window.runner().stop();
        });
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

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const MessageRequest& request : shown) titles.push_back(request.Title);
        return titles;
    }

    QTemporaryDir settingsFolder;
    FrmMain window{settingsFolder.path(), settingsFolder.filePath("preferences.ini")};
    Game& g = window.game();
    std::vector<MessageRequest> shown;
    std::deque<int> answers;
    int answer = 0;
    std::deque<BoxReply> boxReplies;
    std::vector<std::string> boxesShown;  // "title: text"

private:
    void AnswerSystemBox() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        auto* input = qobject_cast<QInputDialog*>(modal);
        if (box == nullptr && input == nullptr) return;
        const BoxReply reply = boxReplies.empty() ? BoxReply{} : boxReplies.front();
        if (!boxReplies.empty()) boxReplies.pop_front();
        if (box != nullptr) {
            boxesShown.push_back((box->windowTitle() + ": " + box->text()).toStdString());
            for (QAbstractButton* button : box->buttons()) {
                const QMessageBox::ButtonRole role = box->buttonRole(button);
                const bool accepts =
                    role == QMessageBox::YesRole || role == QMessageBox::AcceptRole;
                if (accepts == reply.Accept) {
                    button->click();
                    return;
                }
            }
            ADD_FAILURE() << "no button to answer " << box->text().toStdString();
            box->done(-1);
            return;
        }
        boxesShown.push_back((input->windowTitle() + ": " + input->labelText()).toStdString());
        EXPECT_TRUE(input->textValue().isEmpty()) << "the entry field starts empty";
        input->setTextValue(reply.Text);
        if (reply.Accept) {
            input->accept();
        } else {
            input->reject();
        }
    }

    QTimer robot;
};

}  // namespace corvane
