#include <QKeySequence>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "control_items.h"
#include "hand_flow.h"
#include "help_pages.h"
#include "main_window_fixture.h"
#include "settings_file.h"
#include "table_scene.h"

namespace corvane {
namespace {

class MenuCommandsTest : public MainWindowFixture {
protected:
    // Ann has won three games to two at medium speed, target 1000; no game, no settings file.
    void Reset() {
        window.show();
        ApplySettings(g, {{0, 3, 2}, SpeedMedium, "Ann", 1000});
        g.GameInProgress = false;
        for (const Control label : {Control::LblPlayer, Lblpname(0), Lblpname(1)}) {
            SetCaption(g, label, g.PlayerName);
        }
        // The window takes these counts as the file's: a procedure ends, they are written.
        window.runner().start([](Game&) {});
        QFile::remove(settingsFolder.filePath(SettingsFileName));
        shown.clear();
        boxesShown.clear();
    }
    // What the person saw of the game's dialogs, one a line: "title|text|button1|button2|icon",
    // with a third button's caption, were there one, just before the icon; then the system's
    // boxes, "title: text".
    std::string Seen() const {
        std::string seen;
        for (const MessageRequest& m : shown) {
            seen += (seen.empty() ? "" : "\n") + m.Title + "|" + m.Text + "|" + m.Button1 + "|" +
                    m.Button2 + "|" + m.Button3 + std::to_string(m.IconIndex);
        }
        for (const std::string& box : boxesShown) seen += (seen.empty() ? "" : "\n") + box;
        return seen;
    }
};

TEST_F(MenuCommandsTest, EachCommandAsksShowsAndWritesAsItShould) {
    const std::string to = "You will now play to a Target score of ";
    const std::string saved = "This will be saved for each game until you change.|Right||3";
    const std::string erase =
        "Really Erase?|Ann This will erase all statistice of games won and lost. Erase them?|Yes "
        "|No|2";
    const std::string reallyExit = "Really Exit?| Do you really wish to exit?|Yes Exit|Carry On|2";
    const std::string exitInGame =
        "Really Exit?|Ann You are in the middle of a game. Do you really wish to Exit the game "
        "with no Save?|No Continue|Yes Exit|2";
    const QByteArray same = "3,2,75,\"Ann\",1000\r\n";
    const std::string name =
        "New Name: If you wish to enter or change the player's name click Yes\nPlayer's Name: "
        "Please enter player's name.";
    const struct {
        const char* command;  // a menu item, "close box" or "system close"
        bool inGame;
        const char* answers;  // the buttons clicked, one digit each; Y or N in a system box
        std::string seen;
        QByteArray file;      // empty: none written
        std::string caption;  // of the main window afterwards; empty: unchanged
        QString typed = {};   // into the name's entry field
    } rows[] = {
        {"Mnu500", false, "0", "Target of 500|" + to + "500 only. " + saved,
         "3,2,75,\"Ann\",500\r\n", "Corvane - Target 500"},
        {"Mnu1000", true, "0", "Target of 1000|" + to + "1000 only." + saved, same,
         "Corvane - Target 1000"},
        {"Mnu2000", false, "0", "Target of 2000|" + to + "2000 only." + saved,
         "3,2,75,\"Ann\",2000\r\n", "Corvane - Target 2000"},
        {"MnuSlow", false, "0", "Slow Cards|The cards will now play slowly.|Right||3",
         "3,2,200,\"Ann\",1000\r\n", ""},
        {"MnuMedium", false, "0",
         "Medium Speed Cards|The cards will now play at a medium rate.|Right||3", same, ""},
        {"MnuFast", true, "0", "Fast Cards|The cards will now play at a fast Speed.|Right||3",
         "3,2,15,\"Ann\",1000\r\n", ""},
        {"MnuStats", false, "0",
         "Current Statistics|Ann you have played a total of 5 games, and won 3 against Tarvish "
         "winning 2 games|Right||3",
         same, ""},
        {"MnuDelete", false, "0", erase, "0,0,75,\"Ann\",1000\r\n", ""},
        {"MnuDelete", false, "1", erase, "", ""},
        {"MnuNew", true, "0",
         "Leave this game?|You are in the middle of a game. Really start a new one?|No "
         "Continue|Yes New Game|2",
         "", ""},
        {"MnuExit", true, "0", exitInGame, "", ""},
        {"MnuExit", true, "1", exitInGame, same, ""},
        {"MnuExit", false, "", "", same, ""},
        {"close box", false, "1", reallyExit, "", ""},
        {"close box", false, "0", reallyExit, same, ""},
        {"close box", true, "00", reallyExit + "\n" + exitInGame, "", ""},
        {"close box", true, "01", reallyExit + "\n" + exitInGame, same, ""},
        {"system close", true, "", "", same, ""},
        {"MnuName", false, "N", name.substr(0, name.find('\n')), "", ""},
        {"MnuName", false, "YY", name, "3,2,75,\"Zo\xeb Ace\",1000\r\n", "", "Zo\u00eb \"Ace\""},
        {"MnuName", false, "YN", name, "3,2,75,\"\",1000\r\n", "", "typed"},
    };
    for (const auto& row : rows) {
        const std::string command = row.command;
        SCOPED_TRACE(command + (row.inGame ? " in a game" : "") + ", answered " + row.answers);
        Reset();
        window.helpPages().showPage(1);
        g.GameInProgress = row.inGame;
        answers.clear();
        boxReplies.clear();
        for (const char answer : std::string_view(row.answers)) {
            if (std::isdigit(answer)) answers.push_back(answer - '0');
            if (!std::isdigit(answer)) boxReplies.push_back({answer == 'Y', row.typed});
        }
        const std::string caption = window.windowTitle().toStdString();
        if (command == "close box") {
            qt_test::CloseBox(window);
        } else if (command == "system close") {
            window.close();
        } else {
            Trigger(row.command);
        }
        EXPECT_EQ(Seen(), row.seen);
        EXPECT_EQ(SettingsBytes(), row.file);
        EXPECT_EQ(window.windowTitle().toStdString(), row.caption.empty() ? caption : row.caption);
        EXPECT_EQ(g.GameInProgress, row.inGame) << "the game goes on";
        // Leaving writes the file first; every window of the program closes.
        const bool leaves = !command.starts_with("Mnu") || command == "MnuExit";
        EXPECT_EQ(window.isVisible(), !leaves || row.file.isEmpty());
        EXPECT_EQ(window.helpPages().page(1)->isVisible(), window.isVisible());
        for (const Control label : {Control::LblPlayer, Lblpname(0), Lblpname(1)}) {
            EXPECT_EQ(window.scene().control(label)->caption().toStdString(), g.PlayerName);
        }
    }
}

TEST_F(MenuCommandsTest, TheEndOfAGameWritesTheFileAndAnAbandonedOneDoesNot) {
    const std::pair<GameRunner::Procedure, QByteArray> rows[] = {
        {PlayerWinsGame, "4,2,75,\"Ann\",1000\r\n"},
        {TarvishWinsGame, "3,3,75,\"Ann\",1000\r\n"},
        {WaitingHand, ""},
    };
    for (const auto& [game, file] : rows) {
        Reset();
        QObject context;
        QTimer::singleShot(30, &context, [this] { window.runner().stop(); });
        window.runner().start([&game](Game& played) {
            played.GameInProgress = true;
            game(played);
        });
        EXPECT_EQ(SettingsBytes(), file);
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

TEST_F(MenuCommandsTest, ShortcutsOpenTheirWindowsOnceAndModeless) {
    std::vector<std::string> keys, bar;
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->shortcut().isEmpty()) continue;
        keys.push_back(action->objectName().toStdString() + " " +
                       QKeySequence::listToString(action->shortcuts()).toStdString());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "MnuNew F2", "MnuExit Ctrl+X", "MnuMainHelp F1", "MnuMeldHelp F3",
                        "MnuFullScreen F11", "MnuRepeatLast F5", "MnuReadHand F6",
                        "MnuReadTrick F7", "MnuReadScores F8", "MnuHint H; Ctrl+H"}));
    for (const QAction* menu : window.menuBar()->actions())
        bar.push_back(menu->text().toStdString());
    EXPECT_EQ(bar, (std::vector<std::string>{"&Play", "&Help", "&Options", "&About"}));
    for (int twice = 0; twice < 2; ++twice) {
        for (const char* command : {"MnuMeldHelp", "MnuMainHelp", "MnuAbout"}) Trigger(command);
    }
    EXPECT_TRUE(window.scene().control(Control::FramMeldHelp)->isVisible());
    for (const char* name : {"FrmHelp", "frmAbout"}) {
        const QList<QWidget*> copies = window.findChildren<QWidget*>(name);
        ASSERT_EQ(copies.size(), 1) << name;
        EXPECT_TRUE(copies[0]->isVisible() && !copies[0]->isModal()) << name;
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(SettingsBytes(), "");
}

}  // namespace
}  // namespace corvane
