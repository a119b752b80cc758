#include "message_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "card_art.h"
#include "message_layout.h"
#include "sound_player.h"

namespace corvane {
namespace {

using namespace message_geometry;

constexpr double Roomy = 100000;  // twips of screen height: more than any message needs

TEST(MessageLayout, ButtonsStandCentredInARowNinetyAboveTheBottom) {
    struct Row {
        const char* name;
        bool second;
        bool third;
        std::array<bool, 3> shown;
        std::array<double, 3> lefts;  // of the buttons shown
    };
    const Row rows[] = {
        {"one caption: centred", false, false, {true, false, false}, {1612.5, 0, 0}},
        {"two captions: a pair 46 apart", true, false, {true, true, false}, {952, 2273, 0}},
        {"three captions: the middle centred, gaps of 45",
         true,
         true,
         {true, true, true},
         {292.5, 1612.5, 2932.5}},
        {"a third caption without a second takes the second place",
         false,
         true,
         {true, false, true},
         {952, 0, 2273}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MessageLayout layout = LayOutMessage(600, row.second, row.third, Roomy);
        EXPECT_EQ(layout.ButtonShown, row.shown);
        for (int i = 0; i < 3; ++i) {
            if (!row.shown[i]) continue;
            const TwipRect& button = layout.Buttons[i];
            EXPECT_DOUBLE_EQ(button.Left, row.lefts[i]) << "button " << i;
            EXPECT_DOUBLE_EQ(button.Width, 1275);
            EXPECT_DOUBLE_EQ(button.Height, 300);
            EXPECT_DOUBLE_EQ(layout.Height - button.Bottom(), 90);
        }
        // Whatever the count, the row of buttons is centred in the dialog.
        double left = layout.Width;
        double right = 0;
        for (int i = 0; i < 3; ++i) {
            if (!row.shown[i]) continue;
            left = std::min(left, layout.Buttons[i].Left);
            right = std::max(right, layout.Buttons[i].Right());
        }
        EXPECT_DOUBLE_EQ(left, layout.Width - right);
    }
}

TEST(MessageLayout, TheDialogGrowsWithItsMessageUpToTheScreen) {
    struct Row {
        const char* name;
        double message;
        double screen;
        double height;
        double view;
        bool scrolls;
    };
    const Row rows[] = {
        {"one line", 195, Roomy, 1335, 195, false},
        {"a long message makes it taller", 3900, Roomy, 5040, 3900, false},
        {"exactly as tall as the screen", 7860, 9000, 9000, 7860, false},
        {"taller than the screen: capped, the message scrolls", 20000, 9000, 9000, 7860, true},
        {"a tiny screen still shows one line and the buttons", 3000, 600, 1440, 300, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MessageLayout layout = LayOutMessage(row.message, false, false, row.screen);
        EXPECT_DOUBLE_EQ(layout.Width, 4500);
        EXPECT_DOUBLE_EQ(layout.Height, row.height);
        EXPECT_DOUBLE_EQ(layout.MessageView.Height, row.view);
        EXPECT_DOUBLE_EQ(layout.Message.Height, row.message);
        EXPECT_EQ(layout.Scrolls, row.scrolls);
        EXPECT_EQ(layout.Message.Left, 90);
        EXPECT_EQ(layout.Message.Top, 450);
        EXPECT_EQ(layout.Message.Width, 3375);
        // The icon stands centred vertically at the message's right.
        EXPECT_DOUBLE_EQ(layout.Icon.Top + layout.Icon.Height / 2, layout.Height / 2);
        EXPECT_EQ(layout.Icon.Left, 3900);
        EXPECT_EQ(layout.Icon.Width, 510);
        // The message ends 300 above the buttons, which keep their distance from the bottom.
        EXPECT_DOUBLE_EQ(layout.Buttons[0].Top - layout.MessageView.Bottom(), 300);
    }
}

QLabel* Caption(MessageDialog& dialog, int index) {
    return dialog.findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(index));
}
QWidget* Button(MessageDialog& dialog, int index) {
    return dialog.findChild<QWidget*>(QStringLiteral("Pic1(%1)").arg(index));
}
QLabel* Named(MessageDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QString::fromLatin1(name));
}

QColor PixelOf(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
}

// Mouse input through the window system, as the person's would come, so that modality and the
// stacking of the dialog's parts decide who gets it. `at` is in the widget's coordinates.
enum class Mouse { Press, Release, Click };
void Send(Mouse action, QWidget* widget, Qt::MouseButton button = Qt::LeftButton,
          std::optional<QPoint> at = std::nullopt) {
    QWidget* window = widget->window();
    const QPoint point = widget->mapTo(window, at.value_or(widget->rect().center()));
    switch (action) {
        case Mouse::Press:
            QTest::mousePress(window->windowHandle(), button, {}, point);
            break;
        case Mouse::Release:
            QTest::mouseRelease(window->windowHandle(), button, {}, point);
            break;
        case Mouse::Click:
            QTest::mouseClick(window->windowHandle(), button, {}, point);
            break;
    }
}

// Shows the dialog, runs `whileShown` once it is up, then answers with a click on `button`. A
// dialog that does not close on the click is closed after a while with -1 so that a fault fails
// the test instead of hanging it.
int ShowAndAnswer(MessageDialog& dialog, const MessageRequest& request, int button,
                  const std::function<void()>& whileShown = {}) {
    QTimer::singleShot(0, &dialog, [&dialog, button, whileShown] {
        EXPECT_TRUE(dialog.isVisible());
        if (whileShown) whileShown();
        Send(Mouse::Click, Caption(dialog, button));
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&dialog] { dialog.done(-1); });
    guard.start(10000);
    const int answer = dialog.showMessage(request);
    EXPECT_FALSE(dialog.isVisible());
    return answer;
}

MessageRequest Notice(const std::string& text, const std::string& b1 = "Right",
                      const std::string& b2 = "", const std::string& b3 = "") {
    return MessageRequest{text, b1, b2, b3, 3, "Second Round"};
}

class MessageDialogTest : public ::testing::Test {
protected:
    QWidget main;
    SoundPlayer sounds{QStringLiteral("/nonexistent")};
    MessageDialog dialog{&sounds, &main};
    QRect screen = main.screen()->availableGeometry();
};

TEST_F(MessageDialogTest, ReturnsTheButtonClickedWhateverTheLastDialogLeft) {
    EXPECT_EQ(ShowAndAnswer(dialog, Notice("Really Exit?", "Yes Exit", "Carry On"), 1), 1);
    EXPECT_EQ(ShowAndAnswer(dialog, Notice("Really Exit?", "No Continue", "Yes Exit"), 0), 0);
    EXPECT_EQ(ShowAndAnswer(dialog, Notice("Three", "A", "B", "C"), 2), 2);
}

TEST_F(MessageDialogTest, EachShowingIsSizedToItsMessageAndCentredOnTheScreen) {
    const std::string shortText = "Player you win Hand";
    std::string longText;
    for (int i = 0; i < 12; ++i) longText += "Tarvish has melded a run in trumps and four Aces. ";
    std::vector<int> heights;
    for (const std::string& text : {shortText, longText, shortText}) {
        ShowAndAnswer(dialog, Notice(text), 0, [&] {
            const QLabel* message = Named(dialog, "Label2");
            EXPECT_EQ(dialog.width(), 300);
            EXPECT_EQ(dialog.height(), message->height() + 76);
            EXPECT_EQ(message->width(), 225);
            EXPECT_EQ(message->mapTo(&dialog, QPoint(0, 0)), QPoint(6, 30));
            EXPECT_EQ(dialog.x(), screen.x() + (screen.width() - dialog.width()) / 2);
            EXPECT_EQ(dialog.y(), screen.y() + (screen.height() - dialog.height()) / 2);
            heights.push_back(dialog.height());
        });
    }
    ASSERT_EQ(heights.size(), 3u);
    EXPECT_GT(heights[1], heights[0] + 50);
    EXPECT_EQ(heights[2], heights[0]);
}

TEST_F(MessageDialogTest, AMessageTallerThanTheScreenScrollsInADialogThatFitsTheScreen) {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "Line " + std::to_string(i) + " of the statistics.\n";
    ShowAndAnswer(dialog, Notice(text), 0, [&] {
        EXPECT_EQ(dialog.width(), 300);
        EXPECT_TRUE(screen.contains(dialog.geometry())) << "dialog height " << dialog.height();
        EXPECT_EQ(dialog.height(), screen.height());
        const auto* view = dialog.findChild<QScrollArea*>(QStringLiteral("MessageView"));
        EXPECT_TRUE(view->verticalScrollBar()->isVisible());
        EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(Named(dialog, "Label2")->width(), 225);
        EXPECT_LT(view->geometry().right(), Named(dialog, "Picture1")->x());
        // The buttons are still there to answer with.
        EXPECT_EQ(Button(dialog, 0)->geometry().bottom(), dialog.height() - 7);
    });
}

TEST_F(MessageDialogTest, ButtonsAndIconStandWhereTheDesignPutsThem) {
    struct Row {
        MessageRequest request;
        std::vector<int> lefts;  // of the buttons shown, in pixels
    };
    const Row rows[] = {
        {Notice("No Dix", "Right"), {108}},
        {Notice("Leave this game?", "No Continue", "Yes New Game"), {63, 152}},
        {Notice("Three", "One", "Two", "Three"), {20, 108, 196}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.request.Button1 + " " + row.request.Button2);
        ShowAndAnswer(dialog, row.request, 0, [&] {
            for (int i = 0; i < 3; ++i) {
                QWidget* button = Button(dialog, i);
                const bool shown = i < static_cast<int>(row.lefts.size());
                EXPECT_EQ(button->isVisible(), shown) << "button " << i;
                if (!shown) continue;
                EXPECT_EQ(button->geometry(), QRect(row.lefts[i], dialog.height() - 26, 85, 20));
                EXPECT_EQ(Caption(dialog, i)->geometry(), QRect(1, 1, 83, 18));
            }
            const QLabel* icon = Named(dialog, "Picture1");
            EXPECT_EQ(icon->size(), QSize(34, 34));
            EXPECT_EQ(icon->x(), 260);
            EXPECT_LE(std::abs(icon->geometry().center().y() - dialog.height() / 2), 1);
        });
    }
}

TEST_F(MessageDialogTest, ShowsTheTitleCaptionsAndIconAskedFor) {
    const MessageRequest request{
        "Player do you want to leave?", "No Continue", "Yes Exit", "", 2, "Really Exit?"};
    ShowAndAnswer(dialog, request, 0, [&] {
        EXPECT_EQ(Named(dialog, "Label3")->text(), QStringLiteral("   Really Exit?"));
        EXPECT_EQ(Named(dialog, "Label2")->text(), QStringLiteral("Player do you want to leave?"));
        EXPECT_EQ(Caption(dialog, 0)->text(), QStringLiteral("No Continue"));
        EXPECT_EQ(Caption(dialog, 1)->text(), QStringLiteral("Yes Exit"));
        const QImage shown = Named(dialog, "Picture1")->pixmap().toImage();
        EXPECT_EQ(shown, CardArt::dialogIcon(2, dialog.devicePixelRatioF()).toImage());
        EXPECT_NE(shown, CardArt::dialogIcon(3, dialog.devicePixelRatioF()).toImage());
    });
}

TEST_F(MessageDialogTest, AButtonLooksPressedFromMouseDownUntilTheNextShowing) {
    const QColor lightGrey(240, 240, 240);
    const QColor grey(128, 128, 128);
    ShowAndAnswer(dialog, Notice("Erase?", "Yes ", "No"), 1, [&] {
        EXPECT_EQ(PixelOf(Button(dialog, 1), QPoint(1, 1)), lightGrey);
        EXPECT_EQ(PixelOf(Button(dialog, 1), QPoint(84, 10)), grey) << "the raised right edge";
        Send(Mouse::Press, Caption(dialog, 1));
        EXPECT_EQ(PixelOf(Button(dialog, 1), QPoint(1, 1)), grey);
        EXPECT_EQ(PixelOf(Button(dialog, 1), QPoint(84, 10)), lightGrey);
        EXPECT_EQ(Caption(dialog, 1)->geometry(), QRect(2, 2, 82, 17));
        EXPECT_EQ(PixelOf(Button(dialog, 0), QPoint(1, 1)), lightGrey) << "the other button";
        Send(Mouse::Release, Caption(dialog, 1));
    });
    EXPECT_EQ(PixelOf(Button(dialog, 1), QPoint(1, 1)), grey) << "stays down while hidden";

    ShowAndAnswer(dialog, Notice("Erase?", "Yes ", "No"), 0, [&] {
        EXPECT_EQ(PixelOf(Button(dialog, 1), QPoint(1, 1)), lightGrey);
        EXPECT_EQ(Caption(dialog, 1)->geometry(), QRect(1, 1, 83, 18));
    });
}

TEST_F(MessageDialogTest, OnlyAClickOnAButtonLeavesTheDialog) {
    const int answer =
        ShowAndAnswer(dialog, Notice("Must follow suit.", "Ah Right", "Other"), 1, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            EXPECT_TRUE(dialog.isVisible()) << "Escape";
            EXPECT_FALSE(dialog.close());
            EXPECT_TRUE(dialog.isVisible()) << "the close request";
            // Pressing a button and letting go away from it is no click.
            Send(Mouse::Press, Caption(dialog, 0));
            Send(Mouse::Release, Caption(dialog, 0), Qt::LeftButton, QPoint(-20, -20));
            EXPECT_TRUE(dialog.isVisible()) << "released outside";
            Send(Mouse::Click, Caption(dialog, 0), Qt::RightButton);
            EXPECT_TRUE(dialog.isVisible()) << "right click";
        });
    EXPECT_EQ(answer, 1);
}

TEST_F(MessageDialogTest, TheMainWindowTakesNoInputWhileItIsShown) {
    auto* button = new QPushButton(QStringLiteral("Sort Suits"), &main);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const auto clickButton = [button] { Send(Mouse::Click, button); };
    clickButton();
    ASSERT_EQ(clicks, 1);
    ShowAndAnswer(dialog, Notice("Tut Tut", "Just Peeping"), 0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
        clickButton();
        EXPECT_EQ(clicks, 1);
    });
    clickButton();
    EXPECT_EQ(clicks, 2);
}

TEST_F(MessageDialogTest, RingsOutAsItOpens) {
    QSignalSpy played(&sounds, &SoundPlayer::playRequested);
    ShowAndAnswer(dialog, Notice("Fast Cards"), 0, [&] {
        ASSERT_EQ(played.size(), 1);
        EXPECT_EQ(played.at(0).at(0).value<Sound>(), Sound::Ringout);
    });
    ShowAndAnswer(dialog, Notice("Slow Cards"), 0);
    EXPECT_EQ(played.size(), 2);
}

}  // namespace
}  // namespace corvane
