#include "message_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "card_art.h"
#include "qt_test_support.h"
#include "sound_player.h"

namespace corvane {
namespace {

using namespace qt_test;

class MessageDialogTest : public testing::Test {
protected:
    // Shows `request`, runs `whileShown` once the dialog is up, then clicks button `answer`.
    int ShowAndAnswer(const MessageRequest& request, int answer,
                      const std::function<void()>& whileShown = {}) {
        AnswerDialog(answer, whileShown);
        const int clicked = dialog.showMessage(request);
        EXPECT_FALSE(dialog.isVisible());
        return clicked;
    }
    QWidget* Box(int index) { return dialog.findChild<QWidget*>(QString("Pic1(%1)").arg(index)); }
    QLabel* Label(const char* name) { return dialog.findChild<QLabel*>(name); }
    QColor Pixel(int button, QPoint at) { return Box(button)->grab().toImage().pixelColor(at); }

    QWidget main;
    SoundPlayer sounds{QStringLiteral("/nonexistent")};
    MessageDialog dialog{&sounds, &main};
    const QRect screen = main.screen()->availableGeometry();
};

TEST_F(MessageDialogTest, EachShowingIsSizedToItsMessageWithItsButtonsInARow) {
    std::string longText;
    for (int i = 0; i < 12; ++i) longText += "Tarvish has melded a run in trumps and four Aces. ";
    std::string tallText;
    for (int i = 0; i < 400; ++i) tallText += "Line " + std::to_string(i) + " of the statistics.\n";
    // The title is the row's name; the icon's number is the count of captions.
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> captions;
        std::vector<int> lefts;  // of the buttons, in pixels
        int shortest, tallest;   // of the dialog; 0: as tall as the screen
    } rows[] = {
        {"One caption", "Player you win Hand", {"Next Hand"}, {108}, 90, 110},
        {"Two, a long text", longText, {"No Continue", "Yes New Game"}, {63, 152}, 200, 400},
        {"Three, short again", "Three", {"One", "Two", "Three"}, {20, 108, 196}, 90, 110},
        {"Taller than the screen", tallText, {"Right"}, {108}, 0, 0},
    };
    QSignalSpy played(&sounds, &SoundPlayer::playRequested);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int last = int(row.captions.size()) - 1;
        std::vector<std::string> captions = row.captions;
        captions.resize(3);
        const MessageRequest request{row.text,    captions[0], captions[1],
                                     captions[2], last + 1,    row.name};
        EXPECT_EQ(
            last, ShowAndAnswer(request, last, [&] {
                const int height = dialog.height();
                EXPECT_EQ(dialog.width(), 300);
                if (row.tallest == 0) {
                    EXPECT_EQ(height, screen.height());
                    const auto* view = dialog.findChild<QScrollArea*>("MessageView");
                    EXPECT_TRUE(view->verticalScrollBar()->isVisible());
                    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
                } else {
                    EXPECT_EQ(height, Label("Label2")->height() + 76);
                    EXPECT_GE(height, row.shortest);
                    EXPECT_LE(height, row.tallest);
                }
                EXPECT_EQ(dialog.pos(), screen.topLeft() + QPoint((screen.width() - 300) / 2,
                                                                  (screen.height() - height) / 2));
                EXPECT_EQ(Label("Label3")->text(), QString("   ") + row.name);
                for (int i = 0; i < 3; ++i) {
                    EXPECT_EQ(Box(i)->isVisible(), i <= last) << "button " << i;
                    if (i > last) continue;
                    EXPECT_EQ(Box(i)->geometry(), QRect(row.lefts[i], height - 26, 85, 20)) << i;
                    EXPECT_EQ(qobject_cast<QLabel*>(DialogButton(dialog, i))->text().toStdString(),
                              captions[i]);
                }
                const QLabel* icon = Label("Picture1");
                EXPECT_EQ(icon->geometry(), QRect(260, icon->y(), 34, 34));
                EXPECT_LE(std::abs(icon->geometry().center().y() - height / 2), 1);
                const QPixmap wanted = CardArt::dialogIcon(last + 1, dialog.devicePixelRatioF());
                EXPECT_EQ(icon->pixmap().toImage(), wanted.toImage());
            }));
    }
    EXPECT_EQ(played.size(), qsizetype(std::size(rows)));
    for (const auto& sound : played) EXPECT_EQ(sound.at(0).value<Sound>(), Sound::Ringout);
}

TEST_F(MessageDialogTest, AButtonLooksPressedFromMouseDownAndOnlyAClickOnOneLeaves) {
    const QColor lightGrey(240, 240, 240);
    const QColor grey(128, 128, 128);
    const MessageRequest request{
        "Player do you want to leave?", "No Continue", "Yes Exit", "", 2, "Really Exit?"};
    EXPECT_EQ(1, ShowAndAnswer(request, 1, [&] {
                  EXPECT_EQ(Pixel(0, {1, 1}), lightGrey);
                  EXPECT_EQ(Pixel(0, {84, 10}), grey) << "the raised right edge";
                  QTest::keyClick(&dialog, Qt::Key_Escape);
                  EXPECT_FALSE(dialog.close());
                  Mouse(QTest::MousePress, DialogButton(dialog, 0));
                  EXPECT_EQ(Pixel(0, {1, 1}), grey);
                  EXPECT_EQ(Pixel(0, {84, 10}), lightGrey);
                  EXPECT_EQ(DialogButton(dialog, 0)->geometry(), QRect(2, 2, 82, 17));
                  EXPECT_EQ(Pixel(1, {1, 1}), lightGrey) << "the other button";
                  Mouse(QTest::MouseRelease, DialogButton(dialog, 0), Qt::LeftButton,
                        QPoint(-20, -20));
                  Mouse(QTest::MouseClick, DialogButton(dialog, 0), Qt::RightButton);
                  EXPECT_TRUE(dialog.isVisible())
                      << "Escape, closing, a press let go away, a right click";
              }));
    EXPECT_EQ(Pixel(0, {1, 1}), grey) << "stays down while hidden";
    ShowAndAnswer(request, 0, [&] {
        EXPECT_EQ(Pixel(0, {1, 1}), lightGrey);
        EXPECT_EQ(DialogButton(dialog, 0)->geometry(), QRect(1, 1, 83, 18));
    });
}

// Keys as the dialog gets them: "Return" goes down and up; "held:Return" comes as the window
// system repeats a key held down; "up:Return" only goes up.
void SendKeys(QWidget& dialog, const std::string& keys) {
    std::istringstream words{keys};
    for (std::string word; words >> word;) {
        const bool held = word.starts_with("held:");
        const QString name = QString::fromStdString(word.substr(word.find(':') + 1));
        for (int i = 0; i < (held ? 3 : 1); ++i) {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, QKeySequence(name)[0].key(), Qt::NoModifier, {}, held);
                if (!word.starts_with("up:") || type == QEvent::KeyRelease) {
                    QApplication::sendEvent(&dialog, &event);
                }
            }
        }
    }
}

TEST_F(MessageDialogTest, EnterOrSpacePressTheChosenButtonOnlyWhenPressedInTheDialog) {
    const struct {
        const char* name;
        const char* keys;
        int answer;  // -1: the dialog is still open
        const char* third = "";
    } rows[] = {
        {"Enter presses the first button", "Return", 0},
        {"Right chooses the next, Space presses it", "Right Space", 1},
        {"Left goes round to the last", "Left Return", 1},
        {"Left goes round to the last of three", "Left Return", 2, "Maybe"},
        {"Right goes round to the first of three", "Right Right Right Return", 0, "Maybe"},
        {"a key held down from before the dialog answers nothing", "held:Return up:Return", -1},
        {"Escape answers nothing", "Escape", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const MessageRequest request{"Player do you want to leave?",
                                     "No Continue",
                                     "Yes Exit",
                                     row.third,
                                     2,
                                     "Really Exit?"};
        QTimer::singleShot(0, &dialog, [&] {
            SendKeys(dialog, row.keys);
            if (dialog.isVisible()) dialog.done(-1);
        });
        EXPECT_EQ(dialog.showMessage(request), row.answer);
    }
}

}  // namespace
}  // namespace corvane
