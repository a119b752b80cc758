#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "about_box.h"
#include "control_items.h"
#include "display.h"
#include "frm_main.h"
#include "hand_flow.h"
#include "help_pages.h"
#include "main_window_fixture.h"
#include "table_scene.h"

namespace corvane {
namespace {

// One showing of the game's message dialog, as the person sees it.
struct Dialog {
    std::string Title;
    std::string Text;
    std::string Button1, Button2;
    int Icon;
};

class MenuCommandsTest : public MainWindowFixture {
protected:
    // Before each command: three games won to two, medium speed, a target of 1000, no game in
    // progress and no settings file yet.
    void Reset() {
        g.Stats = {0, 3, 2};
        g.Speed = SpeedMedium;
        g.TargetScore = 1000;
        g.PlayerName = "Ann";
        g.GameInProgress = false;
        for (const Control label : {Control::LblPlayer, Lblpname(0), Lblpname(1)}) {
            SetCaption(g, label, g.PlayerName);
        }
        // The window takes these counts for the file's: a procedure that changes nothing ends
        // with them written, and the file goes.
        window.runner().start([](Game&) {});
        QFile::remove(settingsFolder.filePath(SettingsFileName));
        shown.clear();
        boxesShown.clear();
        answers.clear();
        boxReplies.clear();
    }

    void ExpectDialogs(const std::vector<Dialog>& expected) {
        ASSERT_EQ(shown.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(shown[i].Title, expected[i].Title);
            EXPECT_EQ(shown[i].Text, expected[i].Text);
            EXPECT_EQ(shown[i].Button1, expected[i].Button1);
            EXPECT_EQ(shown[i].Button2, expected[i].Button2);
            EXPECT_EQ(shown[i].Button3, "");
            EXPECT_EQ(shown[i].IconIndex, expected[i].Icon);
        }
    }
};

TEST_F(MenuCommandsTest, EachCommandAsksShowsAndWritesAsItShould) {
    const QByteArray unchanged = "";  // no file written
    const struct {
        const char* command;
        bool inGame;
        std::vector<int> answers;
        std::vector<Dialog> dialogs;
        QByteArray file;
        std::string caption;  // of the main window afterwards; empty: as it was
    } rows[] = {
        {"Mnu500",
         false,
         {},
         {{"Target of 500",
           "You will now play to a Target score of 500 only. This will be saved for each game "
           "until you change.",
           "Right", "", 3}},
         "3,2,75,\"Ann\",500\r\n",
         "Corvane - Target 500"},
        {"Mnu1000",
         true,
         {},
         {{"Target of 1000",
           "You will now play to a Target score of 1000 only.This will be saved for each game "
           "until you change.",
           "Right", "", 3}},
         "3,2,75,\"Ann\",1000\r\n",
         "Corvane - Target 1000"},
        {"Mnu2000",
         false,
         {},
         {{"Target of 2000",
           "You will now play to a Target score of 2000 only.This will be saved for each game "
           "until you change.",
           "Right", "", 3}},
         "3,2,75,\"Ann\",2000\r\n",
         "Corvane - Target 2000"},
        {"MnuSlow",
         false,
         {},
         {{"Slow Cards", "The cards will now play slowly.", "Right", "", 3}},
         "3,2,200,\"Ann\",1000\r\n",
         ""},
        {"MnuMedium",
         false,
         {},
         {{"Medium Speed Cards", "The cards will now play at a medium rate.", "Right", "", 3}},
         "3,2,75,\"Ann\",1000\r\n",
         ""},
        {"MnuFast",
         true,
         {},
         {{"Fast Cards", "The cards will now play at a fast Speed.", "Right", "", 3}},
         "3,2,15,\"Ann\",1000\r\n",
         ""},
        {"MnuStats",
         false,
         {},
         {{"Current Statistics",
           "Ann you have played a total of 5 games, and won 3 against Tarvish winning 2 games",
           "Right", "", 3}},
         "3,2,75,\"Ann\",1000\r\n",
         ""},
        {"MnuDelete",
         false,
         {0},
         {{"Really Erase?", "Ann This will erase all statistice of games won and lost. Erase them?",
           "Yes ", "No", 2}},
         "0,0,75,\"Ann\",1000\r\n",
         ""},
        {"MnuDelete",
         false,
         {1},
         {{"Really Erase?", "Ann This will erase all statistice of games won and lost. Erase them?",
           "Yes ", "No", 2}},
         unchanged,
         ""},
        {"MnuNew",
         true,
         {0},
         {{"Leave this game?", "You are in the middle of a game. Really start a new one?",
           "No Continue", "Yes New Game", 2}},
         unchanged,
         ""},
        {"MnuExit",
         true,
         {0},
         {{"Really Exit?",
           "Ann You are in the middle of a game. Do you really wish to Exit the game with no "
           "Save?",
           "No Continue", "Yes Exit", 2}},
         unchanged,
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.command) + (row.inGame ? " in a game" : ""));
        Reset();
        g.GameInProgress = row.inGame;
        answers.assign(row.answers.begin(), row.answers.end());
        const QString caption = window.windowTitle();
        Trigger(row.command);
        ExpectDialogs(row.dialogs);
        EXPECT_EQ(SettingsBytes(), row.file);
        EXPECT_EQ(window.windowTitle().toStdString(),
                  row.caption.empty() ? caption.toStdString() : row.caption);
        EXPECT_EQ(g.GameInProgress, row.inGame) << "the game goes on";
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(boxesShown.empty());
    }
}

TEST_F(MenuCommandsTest, EnterYourNameAsksThenTakesTheNameEntered) {
    const std::string question =
        "New Name: If you wish to enter or change the player's name click Yes";
    const std::string input = "Player's Name: Please enter player's name.";
    const struct {
        const char* name;
        std::vector<BoxReply> replies;
        std::string playerName;
        QByteArray file;
    } rows[] = {
        {"declined", {{false, {}}}, "Ann", ""},
        {"a new name",
         {{true, {}}, {true, "Zo\u00eb \"Ace\""}},
         "Zo\u00eb Ace",
         "3,2,75,\"Zo\xeb Ace\",1000\r\n"},
        {"the input box cancelled", {{true, {}}, {false, "typed"}}, "", "3,2,75,\"\",1000\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        boxReplies.assign(row.replies.begin(), row.replies.end());
        Trigger("MnuName");
        const std::vector<std::string> boxes =
            row.replies.size() == 1 ? std::vector{question} : std::vector{question, input};
        EXPECT_EQ(boxesShown, boxes);
        EXPECT_EQ(g.PlayerName, row.playerName);
        EXPECT_EQ(SettingsBytes(), row.file);
        for (const Control label : {Control::LblPlayer, Lblpname(0), Lblpname(1)}) {
            EXPECT_EQ(window.scene().control(label)->caption().toStdString(), row.playerName);
        }
        EXPECT_TRUE(shown.empty());
    }
}

TEST_F(MenuCommandsTest, CloseBoxAsksAndASystemCloseDoesNot) {
    const struct {
        const char* name;
        bool closeBox;
        bool inGame;
        std::vector<int> answers;
        std::vector<std::string> titles;
        bool closes;
    } rows[] = {
        {"Carry On", true, false, {1}, {"Really Exit?"}, false},
        {"Yes Exit", true, false, {0}, {"Really Exit?"}, true},
        {"Yes Exit, then No Continue", true, true, {0, 0}, {"Really Exit?", "Really Exit?"}, false},
        {"Yes Exit twice", true, true, {0, 1}, {"Really Exit?", "Really Exit?"}, true},
        {"the system closes", false, true, {}, {}, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        window.show();
        Reset();
        g.GameInProgress = row.inGame;
        answers.assign(row.answers.begin(), row.answers.end());
        if (row.closeBox) {
            qt_test::CloseBox(window);
        } else {
            window.close();
        }
        EXPECT_EQ(Titles(), row.titles);
        if (row.closeBox) {
            EXPECT_EQ(shown[0].Text, " Do you really wish to exit?") << "no name in front";
        }
        EXPECT_EQ(window.isVisible(), !row.closes);
        EXPECT_EQ(SettingsBytes(), row.closes ? "3,2,75,\"Ann\",1000\r\n" : "");
    }
}

TEST_F(MenuCommandsTest, ExitOutsideAGameWritesAndClosesEveryWindowWithoutAQuestion) {
    Reset();
    Trigger("MnuMainHelp");
    Trigger("MnuAbout");
    Trigger("MnuExit");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(SettingsBytes(), "3,2,75,\"Ann\",1000\r\n");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.helpPages().page(1)->isVisible());
    EXPECT_FALSE(window.aboutBox().isVisible());
}

TEST_F(MenuCommandsTest, TheEndOfAGameWritesTheFileAndAnAbandonedOneDoesNot) {
    const struct {
        const char* name;
        GameRunner::Procedure game;
        QByteArray file;
    } rows[] = {
        {"won", [](Game& game) { game.Stats[1] += 1; }, "4,2,75,\"Ann\",1000\r\n"},
        {"lost with a raised target",
         [](Game& game) {
             game.TargetScore = 1250;
             game.Stats[2] += 1;
         },
         "3,3,75,\"Ann\",1250\r\n"},
        {"abandoned", WaitingHand, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        QObject context;
        QTimer::singleShot(30, &context, [this] { window.runner().stop(); });
        window.runner().start(row.game);
        EXPECT_EQ(SettingsBytes(), row.file);
    }
}

TEST_F(MenuCommandsTest, AFailedWriteIsToldOnceAndTheGameGoesOn) {
    FrmMain unsaved(QStringLiteral("/proc/corvane"));
    QObject::connect(&unsaved.table(), &WindowTable::messageShown, &unsaved,
                     [](const MessageRequest&) { qt_test::AnswerDialog(0); });
    for (const char* command : {"Mnu500", "MnuFast", "MnuStats"}) {
        unsaved.findChild<QAction*>(command)->trigger();
    }
    EXPECT_EQ(boxesShown,
              std::vector<std::string>{"Corvane: The settings and statistics could not be saved in "
                                       "/proc/corvane/Cv.dat."});
    EXPECT_EQ(unsaved.game().TargetScore, 500);
    EXPECT_EQ(unsaved.game().Speed, SpeedFast);
}

TEST_F(MenuCommandsTest, HelpAboutAndTheMeldReminderOpenOnceEach) {
    EXPECT_FALSE(IsVisible(g, Control::FramMeldHelp));
    for (int twice = 0; twice < 2; ++twice) {
        for (const char* command : {"MnuMeldHelp", "MnuMainHelp", "MnuAbout"}) Trigger(command);
    }
    EXPECT_TRUE(IsVisible(g, Control::FramMeldHelp));
    EXPECT_TRUE(window.scene().control(Control::FramMeldHelp)->isVisible());
    for (const char* name : {"FrmHelp", "frmAbout"}) {
        const QList<QWidget*> copies = window.findChildren<QWidget*>(name);
        ASSERT_EQ(copies.size(), 1) << name;
        EXPECT_TRUE(copies[0]->isVisible()) << name;
        EXPECT_FALSE(copies[0]->isModal()) << name;
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the main window stays usable";
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(SettingsBytes(), "");
}

TEST_F(MenuCommandsTest, MenuTreeHasItsCaptionsAndShortcuts) {
    const struct {
        const char* control;
        const char* caption;
        const char* menu;
        QKeySequence shortcut;
    } rows[] = {
        {"MnuNew", "New Game", "MnuPlay", Qt::Key_F2},
        {"MnuExit", "Exit", "MnuPlay", Qt::CTRL | Qt::Key_X},
        {"MnuMainHelp", "Main Help", "MnuHelp", Qt::Key_F1},
        {"MnuMeldHelp", "Meld Help", "MnuHelp", Qt::Key_F3},
        {"MnuChnageTarget", "Change Target Points", "MnuOptions", {}},
        {"Mnu500", "Target 500", "MnuChnageTarget", {}},
        {"Mnu1000", "Target 1000", "MnuChnageTarget", {}},
        {"Mnu2000", "Target 2000", "MnuChnageTarget", {}},
        {"MnuName", "Enter Your Name", "MnuOptions", {}},
        {"MnuSlow", "Slow Speed", "MnuOptions", {}},
        {"MnuMedium", "Medium Speed", "MnuOptions", {}},
        {"MnuFast", "Fast Speed", "MnuOptions", {}},
        {"MnuStats", "Show Statistics", "MnuOptions", {}},
        {"MnuDelete", "Delete Statistics", "MnuOptions", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control);
        const QMenu* menu = window.findChild<QMenu*>(row.menu);
        ASSERT_NE(menu, nullptr);
        std::vector<std::string> inMenu;
        for (const QAction* item : menu->actions())
            inMenu.push_back(item->objectName().toStdString());
        EXPECT_NE(std::find(inMenu.begin(), inMenu.end(), row.control), inMenu.end());
        const QAction* item = window.findChild<QAction*>(row.control);
        EXPECT_EQ(item->text().toStdString(), row.caption);
        EXPECT_EQ(item->shortcut(), row.shortcut);
        EXPECT_FALSE(item->isCheckable());
    }
    std::vector<std::string> bar;
    for (const QAction* top : window.menuBar()->actions()) bar.push_back(top->text().toStdString());
    EXPECT_EQ(bar, (std::vector<std::string>{"&Play", "&Help", "&Options", "&About"}));
}

}  // namespace
}  // namespace corvane
