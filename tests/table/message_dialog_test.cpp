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
    QWidget* Box(int index) { return dialog.findChild<QWidget*>(QString("Pic1(%1)").arg(index)); }
    QLabel* Label(const char* name) { return dialog.findChild<QLabel*>(name); }
    QColor Pixel(int button) { return Box(button)->grab().toImage().pixelColor(1, 1); }

    QWidget main;
    SoundPlayer sounds{QStringLiteral("/nonexistent")};
    MessageDialog dialog{&sounds, &main};
    const MessageRequest leave{
        "Player do you want to leave?", "No Continue", "Yes Exit", "", 2, "Really Exit?"};
};

TEST_F(MessageDialogTest, EachShowingIsSizedToItsMessageWithItsButtonsInARow) {
    std::string longText, tallText;
    for (int i = 0; i < 12; ++i) longText += "Tarvish has melded a run in trumps and four Aces. ";
    for (int i = 0; i < 400; ++i) tallText += "Line " + std::to_string(i) + " of the statistics.\n";
    const QRect screen = main.screen()->availableGeometry();
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
        const int count = int(row.captions.size());
        std::vector<std::string> captions = row.captions;
        captions.resize(3);
        AnswerDialog(count - 1, [&] {
            const int height = dialog.height();
            const auto* scrollBar = dialog.findChild<QScrollArea*>()->verticalScrollBar();
            EXPECT_EQ(scrollBar->isVisible() && scrollBar->maximum() > 0, row.tallest == 0);
            EXPECT_EQ(height, row.tallest == 0 ? screen.height() : Label("Label2")->height() + 76);
            EXPECT_GE(height, row.shortest);
            EXPECT_LE(height, row.tallest == 0 ? height : row.tallest);
            EXPECT_EQ(dialog.geometry(),
                      QRect(screen.topLeft() +
                                QPoint((screen.width() - 300) / 2, (screen.height() - height) / 2),
                            QSize(300, height)));
            EXPECT_EQ(Label("Label3")->text(), QString("   ") + row.name);
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(Box(i)->isVisible(), i < count) << "button " << i;
                if (i >= count) continue;
                EXPECT_EQ(Box(i)->geometry(), QRect(row.lefts[i], height - 26, 85, 20)) << i;
                EXPECT_EQ(qobject_cast<QLabel*>(DialogButton(dialog, i))->text().toStdString(),
                          captions[i]);
            }
            const QLabel* icon = Label("Picture1");
            EXPECT_EQ(icon->geometry(), QRect(260, (height + 1) / 2 - 17, 34, 34));
            EXPECT_EQ(icon->pixmap().toImage(),
                      CardArt::dialogIcon(count, dialog.devicePixelRatioF()).toImage());
        });
        EXPECT_EQ(
            dialog.showMessage({row.text, captions[0], captions[1], captions[2], count, row.name}),
            count - 1);
    }
    EXPECT_EQ(played.size(), qsizetype(std::size(rows)));
    for (const auto& sound : played) EXPECT_EQ(sound.at(0).value<Sound>(), Sound::Ringout);
}

TEST_F(MessageDialogTest, AButtonLooksPressedFromMouseDownAndOnlyAClickOnOneLeaves) {
    const QColor lightGrey(240, 240, 240), grey(128, 128, 128);
    AnswerDialog(1, [&] {
        EXPECT_EQ(Pixel(0), lightGrey);
        EXPECT_FALSE(dialog.close());
        Mouse(QTest::MousePress, DialogButton(dialog, 0));
        EXPECT_EQ(Pixel(0), grey);
        EXPECT_EQ(DialogButton(dialog, 0)->geometry(), QRect(2, 2, 82, 17));
        EXPECT_EQ(Pixel(1), lightGrey) << "the other button";
        Mouse(QTest::MouseRelease, DialogButton(dialog, 0), Qt::LeftButton, QPoint(-20, -20));
        Mouse(QTest::MouseClick, DialogButton(dialog, 0), Qt::RightButton);
        EXPECT_TRUE(dialog.isVisible()) << "closing, a press let go away, a right click";
    });
    EXPECT_EQ(dialog.showMessage(leave), 1);
    AnswerDialog(0, [&] {
        EXPECT_EQ(Pixel(0), lightGrey) << "raised again when shown again";
        EXPECT_EQ(DialogButton(dialog, 0)->geometry(), QRect(1, 1, 83, 18));
    });
    EXPECT_EQ(dialog.showMessage(leave), 0);
}

TEST_F(MessageDialogTest, EnterOrSpacePressTheChosenButtonOnlyWhenPressedInTheDialog) {
    // "Return" goes down and up; "held:Return" comes as the window system repeats a key held
    // down; "up:Return" only goes up.
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
        QTimer::singleShot(0, &dialog, [&] {
            std::istringstream words{row.keys};
            for (std::string word; words >> word;) {
                const bool held = word.starts_with("held:"), up = word.starts_with("up:");
                const int key =
                    QKeySequence(QString::fromStdString(word.substr(word.find(':') + 1)))[0].key();
                for (int i = 0; i < (held ? 3 : 1); ++i) {
                    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                        QKeyEvent event(type, key, Qt::NoModifier, {}, held);
                        if (!up || type == QEvent::KeyRelease)
                            QApplication::sendEvent(&dialog, &event);
                    }
                }
            }
            if (dialog.isVisible()) dialog.done(-1);
        });
        MessageRequest request = leave;
        request.Button3 = row.third;
        EXPECT_EQ(dialog.showMessage(request), row.answer);
    }
}

}  // namespace
}  // namespace corvane
