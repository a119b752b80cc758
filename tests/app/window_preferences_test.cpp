#include "window_preferences.h"

#include <QAction>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include "display.h"
#include "frm_main.h"
#include "main_window_fixture.h"
#include "sound_player.h"
#include "window_table.h"

namespace corvane {
namespace {

TEST(FitOntoScreens, KeepsAWindowOnItsScreenAndBringsBackOneWhoseScreenIsGone) {
    const QRect primary(0, 0, 1920, 1040);
    const QRect second(1920, 0, 1280, 1024);
    const struct {
        const char* name;
        QRect saved;
        QList<QRect> screens;
        QRect placed;
    } rows[] = {
        {"on the primary screen", {100, 100, 800, 600}, {primary, second}, {100, 100, 800, 600}},
        {"on the second screen", {2000, 100, 800, 600}, {primary, second}, {2000, 100, 800, 600}},
        {"the second screen gone", {2000, 100, 800, 600}, {primary}, {560, 232, 800, 600}},
        {"past the right edge", {1500, 100, 800, 600}, {primary}, {1112, 100, 800, 600}},
        {"the title bar above the screen", {300, -20, 800, 600}, {primary}, {300, 32, 800, 600}},
        {"larger than the screen", {0, 0, 2500, 1200}, {primary}, {8, 32, 1904, 1000}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FitOntoScreens(row.saved, row.screens), row.placed) << row.name;
    }
}

// Everything a window's preferences touch: its own folder for the settings file and for them.
struct Folder {
    QTemporaryDir dir;
    QString preferences() const { return dir.filePath("preferences.ini"); }
    std::unique_ptr<FrmMain> Open() const {
        auto window = std::make_unique<FrmMain>(dir.path(), preferences());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
};

void PressFullScreenKey(FrmMain& window) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F11);
}

TEST(WindowPreferences, TheSoundSwitchAndThePlaceSurviveARestartButFullScreenDoesNot) {
    enum Close { ExitCommand, SystemClose };
    const QRect place(40, 50, 600, 450);
    const struct {
        const char* name;
        bool soundsOff;
        bool maximised;
        bool fullScreen;
        Close how;
    } rows[] = {
        {"sounds off, by the Exit command", true, false, false, ExitCommand},
        {"maximised, closed by the system", false, true, false, SystemClose},
        {"full screen from a normal window", true, false, true, ExitCommand},
        {"full screen from a maximised window", false, true, true, SystemClose},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Folder folder;
        {
            const std::unique_ptr<FrmMain> window = folder.Open();
            window->setGeometry(place);
            if (row.soundsOff) window->findChild<QAction*>("MnuSounds")->trigger();
            if (row.maximised) window->showMaximized();
            if (row.fullScreen) PressFullScreenKey(*window);
            ASSERT_EQ(window->isFullScreen(), row.fullScreen);
            EXPECT_EQ(window->findChild<QAction*>("MnuFullScreen")->isChecked(), row.fullScreen);
            const bool moves = row.maximised || row.fullScreen;
            ASSERT_TRUE(QTest::qWaitFor([&] { return (window->geometry() != place) == moves; }));
            if (row.how == ExitCommand) window->findChild<QAction*>("MnuExit")->trigger();
            if (row.how == SystemClose) window->close();
            ASSERT_FALSE(window->isVisible());
        }
        const std::unique_ptr<FrmMain> again = folder.Open();
        EXPECT_EQ(again->findChild<QAction*>("MnuSounds")->isChecked(), !row.soundsOff);
        EXPECT_EQ(again->table().sounds().enabled(), !row.soundsOff);
        EXPECT_FALSE(again->isFullScreen());
        EXPECT_EQ(again->isMaximized(), row.maximised);
        EXPECT_EQ(again->normalGeometry(), place);
    }
}

TEST(WindowPreferences, AWindowWhoseScreenIsGoneComesBackOnARealOne) {
    const Folder folder;
    QSettings(folder.preferences(), QSettings::IniFormat)
        .setValue("Window/Geometry", QRect(5000, 4000, 500, 400));
    const std::unique_ptr<FrmMain> window = folder.Open();
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->geometry()));
    EXPECT_EQ(window->size(), QSize(500, 400));
}

class WindowSwitchesTest : public MainWindowFixture {};

TEST_F(WindowSwitchesTest, WithSoundsOffNoSoundStarts) {
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "sounds on" : "sounds off");
        QAction* item = window.findChild<QAction*>("MnuSounds");
        if (item->isChecked() != on) item->trigger();
        SoundPlayer& sounds = window.table().sounds();
        QSignalSpy requested(&sounds, &SoundPlayer::playRequested);
        QSignalSpy allowed(&sounds, &SoundPlayer::soundAllowed);
        // A knock from the game, then a message with its ring-out.
        PlaySound(g, Sound::Knock);
        ShowMessage(g, "Heard?", "Right", "", "", 3, "Sounds");
        EXPECT_EQ(requested.size(), 2);
        EXPECT_EQ(allowed.size(), on ? 2 : 0);
        EXPECT_EQ(SettingsBytes(), "") << "the switch stays out of the settings file";
    }
}

}  // namespace
}  // namespace corvane
