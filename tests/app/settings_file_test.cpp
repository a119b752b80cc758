#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <random>
#include <string>

#include "game_state.h"

namespace corvane {
namespace {

Settings Make(int won, int lost, int speed, std::string name, int target) {
    Settings settings;
    settings.Stats = {0, won, lost};
    settings.Speed = speed;
    settings.PlayerName = std::move(name);
    settings.TargetScore = target;
    return settings;
}

// Every byte of a literal, zero bytes included.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

TEST(SettingsFile, WritesItsExactBytesAndReadsThemBack) {
    const struct {
        const char* name;
        Settings written;
        QByteArray bytes;
        std::string readBack;  // the name as read
    } rows[] = {
        {"defaults, three games to two", Make(3, 2, 75, "Player", 1000),
         Bytes("3,2,75,\"Player\",1000\r\n"), "Player"},
        {"a comma in the name", Make(0, 0, 200, "Smith, Jo", 2000),
         Bytes("0,0,200,\"Smith, Jo\",2000\r\n"), "Smith, Jo"},
        {"the empty name", Make(12, 0, 15, "", 500), Bytes("12,0,15,\"\",500\r\n"), ""},
        {"a raised target", Make(1, 1, 75, "Ann", 1250), Bytes("1,1,75,\"Ann\",1250\r\n"), "Ann"},
        {"quotes and line breaks are removed", Make(0, 1, 75, "Jo \"Ace\"\r\nSmith\t", 1000),
         Bytes("0,1,75,\"Jo AceSmith\",1000\r\n"), "Jo AceSmith"},
        {"Latin-1 where every character fits", Make(0, 0, 75, "Zo\u00eb M\u00fcller", 1000),
         Bytes("0,0,75,\"Zo\xeb M\xfcller\",1000\r\n"), "Zo\u00eb M\u00fcller"},
        {"UTF-8 where one does not", Make(0, 0, 75, "\u0141ucja \u00e9", 1000),
         Bytes("0,0,75,\"\xc5\x81ucja \xc3\xa9\",1000\r\n"), "\u0141ucja \u00e9"},
        {"UTF-8 where Latin-1 would read back as another name",
         Make(0, 0, 75, "\u00c3\u00a9", 1000), Bytes("0,0,75,\"\xc3\x83\xc2\xa9\",1000\r\n"),
         "\u00c3\u00a9"},
        {"a long name is cut", Make(0, 0, 75, std::string(300, 'x'), 1000),
         "0,0,75,\"" + QByteArray(MaxPlayerNameLength, 'x') + "\",1000\r\n",
         std::string(MaxPlayerNameLength, 'x')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormatSettings(row.written), row.bytes);
        Settings expected = row.written;
        expected.PlayerName = row.readBack;
        EXPECT_EQ(ParseSettings(row.bytes), expected);
    }
}

TEST(SettingsFile, KeepsWhatReadsWellFromADamagedFile) {
    const Settings defaults = Make(0, 0, 75, "Player", 1000);
    const QByteArray hugeName = "3,2,75,\"" + QByteArray(10 << 20, 'A') + "\",500\r\n";
    const QByteArray hugeNumber = QByteArray(10 << 20, '7') + ",2,15,\"Bo\",500";
    const struct {
        const char* name;
        QByteArray bytes;
        Settings read;
    } rows[] = {
        {"empty", "", defaults},
        {"short", "3,2", Make(3, 2, 75, "Player", 1000)},
        {"unterminated quote", "3,2,200,\"Bob,1000\r\n", Make(3, 2, 200, "Player", 1000)},
        {"not numbers", "x,2,fast,\"Bob\",1e3", Make(0, 2, 75, "Bob", 1000)},
        {"negative counts", "-5,-32768,15,\"Bob\",500", Make(0, 0, 15, "Bob", 500)},
        {"over 16 bits", "32768,-32769,75,\"Bob\",65536", Make(0, 0, 75, "Bob", 1000)},
        {"16 bits at the edges", "32767,0,75,\"Bob\",32750", Make(32767, 0, 75, "Bob", 32750)},
        {"a speed the game has not", "1,1,100,\"Bob\",750", Make(1, 1, 75, "Bob", 750)},
        {"target under 500", "1,1,75,\"Bob\",250", Make(1, 1, 75, "Bob", 1000)},
        {"target off the steps of 250", "1,1,75,\"Bob\",1100", Make(1, 1, 75, "Bob", 1000)},
        {"blanks, line ends and no quotes", "  3 ,\t2\r\n\r\n 200 , Bob Smith ,\n1000\n",
         Make(3, 2, 200, "Bob Smith", 1000)},
        {"text after the closing quote", "1,2,75,\"Bob\"junk,500", Make(1, 2, 75, "Bob", 500)},
        {"bytes that are not UTF-8 are Latin-1", "1,2,75,\"Zo\xeb\",500",
         Make(1, 2, 75, "Zo\u00eb", 500)},
        {"control bytes in the name",
         Bytes("1,2,75,\"B\0o\x7f\x1b"
               "b\",500"),
         Make(1, 2, 75, "Bob", 500)},
        {"binary", Bytes("\0\xff\x01\x02,\x80\x81,\xfe"), defaults},
        {"a ten megabyte name", hugeName,
         Make(3, 2, 75, std::string(MaxPlayerNameLength, 'A'), 500)},
        {"a ten megabyte number", hugeNumber, Make(0, 2, 15, "Bo", 500)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseSettings(row.bytes), row.read);
    }
}

// Thousands of randomly damaged files: every one reads into values the game can use, and what it
// reads is written and read back unchanged.
TEST(SettingsFile, ReadsAnyDamagedFileIntoUsableValues) {
    const QByteArray good = FormatSettings(Make(3, 2, 75, "Smith, \u00c5sa", 1250));
    const char pieces[] = {',', '"', '\r', '\n', ' ', '-', '0', '9', '\0', '\xc3', '\xff'};
    std::mt19937 random(20261206);
    const auto below = [&random](qsizetype n) {
        return static_cast<qsizetype>(std::uniform_int_distribution<qsizetype>(0, n - 1)(random));
    };
    for (int trial = 0; trial < 20000; ++trial) {
        QByteArray bytes = good;
        const int damages = 1 + int(below(4));
        for (int d = 0; d < damages; ++d) {
            const qsizetype at = below(bytes.size() + 1);
            switch (below(5)) {
                case 0:
                    if (at < bytes.size()) bytes[at] = char(below(256));
                    break;
                case 1:
                    bytes.insert(at, pieces[below(sizeof pieces)]);
                    break;
                case 2:
                    bytes.remove(at, below(6));
                    break;
                case 3:
                    bytes.insert(at, bytes.mid(below(bytes.size() + 1), below(12)));
                    break;
                default:
                    bytes.truncate(at);
                    break;
            }
        }
        const Settings read = ParseSettings(bytes);
        SCOPED_TRACE(bytes.toHex().toStdString());
        ASSERT_GE(read.Stats[1], 0);
        ASSERT_GE(read.Stats[2], 0);
        ASSERT_TRUE(read.Speed == 15 || read.Speed == 75 || read.Speed == 200) << read.Speed;
        ASSERT_TRUE(read.TargetScore >= 500 && read.TargetScore % 250 == 0) << read.TargetScore;
        ASSERT_EQ(CleanPlayerName(read.PlayerName), read.PlayerName);
        ASSERT_EQ(ParseSettings(FormatSettings(read)), read);
    }
}

class SettingsFolderTest : public testing::Test {
protected:
    QString PathOf(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QByteArray FileBytes() const {
        QFile file(PathOf(SettingsFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    QTemporaryDir folder;
    QTemporaryDir config;
};

TEST_F(SettingsFolderTest, LivesBesideABuiltProgramElseWithTheUser) {
    // An installed copy is recognised by its desktop entry under share/ beside its bin/ folder.
    const QString installedBin = PathOf("usr/bin");
    ASSERT_TRUE(QDir().mkpath(installedBin));
    ASSERT_TRUE(QDir().mkpath(PathOf("usr/share/applications")));
    QFile entry(PathOf("usr/share/applications/org.corvane.Corvane.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    const struct {
        const char* name;
        QString programFolder;
        bool beside;
    } rows[] = {
        {"a build in a writable folder", folder.path(), true},
        {"a folder where no file can be made", "/proc", false},
        {"a folder that is not there", PathOf("gone"), false},
        {"an installed copy", installedBin, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ChooseSettingsDirectory(row.programFolder, config.path()),
                  row.beside ? row.programFolder : config.path());
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{}) << "no probe left behind";
}

TEST_F(SettingsFolderTest, WritesWholeFilesAndAFailedWriteKeepsTheLastGoodOne) {
    Game g;
    g.Stats = {0, 3, 2};
    ASSERT_TRUE(WriteSettingsFile(g, folder.path()));
    EXPECT_EQ(FileBytes(), "3,2,75,\"Player\",1000\r\n");

    // A full disk: no file may grow beyond a few bytes while the game writes.
    g.Stats = {0, 4, 2};
    g.PlayerName = "A name too long for the disk";
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = WriteSettingsFile(g, folder.path());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(FileBytes(), "3,2,75,\"Player\",1000\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{SettingsFileName});

    EXPECT_FALSE(WriteSettingsFile(g, "/proc/corvane")) << "a folder that cannot be made";

    Game read;
    ReadSettingsFile(read, folder.path());
    EXPECT_EQ(SettingsOf(read), Make(3, 2, 75, "Player", 1000));
}

TEST_F(SettingsFolderTest, StartsFromAMissingOrHugeFile) {
    Game g;
    g.Speed = SpeedSlow;
    ReadSettingsFile(g, folder.path());
    EXPECT_EQ(SettingsOf(g), Make(0, 0, 75, "Player", 1000)) << "no file";

    QFile file(PathOf(SettingsFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("7,1,15,\"Eve\",2000\r\n");
    file.write(QByteArray(10 << 20, '\xff'));
    file.close();
    ReadSettingsFile(g, folder.path());
    EXPECT_EQ(SettingsOf(g), Make(7, 1, 15, "Eve", 2000)) << "a good line and ten megabytes after";
}

}  // namespace
}  // namespace corvane
