#include "window_preferences.h"

#include <QAction>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "frm_main.h"
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

TEST(WindowPreferences, TheSoundSwitchAndThePlaceSurviveARestartButFullScreenDoesNot) {
    const QRect place(40, 50, 600, 450);
    const struct {
        const char* name;
        bool soundsOff, maximised, fullScreen, byExit;  // else closed by the system
    } rows[] = {
        {"sounds off, by the Exit command", true, false, false, true},
        {"maximised, closed by the system", false, true, false, false},
        {"full screen from a normal window", true, false, true, true},
        {"full screen from a maximised window", false, true, true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Folder folder;
        {
            const std::unique_ptr<FrmMain> window = folder.Open();
            window->setGeometry(place);
            if (row.soundsOff) window->findChild<QAction*>("MnuSounds")->trigger();
            EXPECT_FALSE(QFile::exists(folder.dir.filePath(SettingsFileName)))
                << "the sound switch stays out of the settings file";
            if (row.maximised) window->showMaximized();
            if (row.fullScreen) {
                window->activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
                QTest::keyClick(window.get(), Qt::Key_F11);
            }
            ASSERT_EQ(window->isFullScreen(), row.fullScreen);
            EXPECT_EQ(window->findChild<QAction*>("MnuFullScreen")->isChecked(), row.fullScreen);
            const bool moves = row.maximised || row.fullScreen;
            ASSERT_TRUE(QTest::qWaitFor([&] { return (window->geometry() != place) == moves; }));
            row.byExit ? window->findChild<QAction*>("MnuExit")->trigger() : void(window->close());
            ASSERT_FALSE(window->isVisible());
        }
        const std::unique_ptr<FrmMain> again = folder.Open();
        EXPECT_EQ(again->findChild<QAction*>("MnuSounds")->isChecked(), !row.soundsOff);
        QSignalSpy allowed(&again->table().sounds(), &SoundPlayer::soundAllowed);
        again->table().sounds().play(Sound::Knock);
        EXPECT_EQ(allowed.size(), row.soundsOff ? 0 : 1) << "a sound switched off stays silent";
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

}  // namespace
}  // namespace corvane
