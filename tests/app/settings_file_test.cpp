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
    return {{0, won, lost}, speed, std::move(name), target};
}

TEST(SettingsFile, WritesItsExactBytesAndReadsThemBack) {
    const std::string cut(MaxPlayerNameLength, 'x');
    const struct {
        Settings written;
        QByteArray bytes;
        std::string nameRead;
    } rows[] = {
        {Make(3, 2, 75, "Player", 1000), "3,2,75,\"Player\",1000\r\n", "Player"},
        {Make(0, 0, 200, "Smith, Jo", 2000), "0,0,200,\"Smith, Jo\",2000\r\n", "Smith, Jo"},
        {Make(12, 0, 15, "", 1250), "12,0,15,\"\",1250\r\n", ""},
        {Make(0, 1, 75, "Jo \"Ace\"\r\nSmith\t", 500), "0,1,75,\"Jo AceSmith\",500\r\n",
         "Jo AceSmith"},
        // One byte a character when every character fits; else UTF-8, also where the one-byte
        // form would read back as another name.
        {Make(0, 0, 75, "Zo\u00eb", 500), "0,0,75,\"Zo\xeb\",500\r\n", "Zo\u00eb"},
        {Make(0, 0, 75, "\u0141ucja", 500), "0,0,75,\"\xc5\x81ucja\",500\r\n", "\u0141ucja"},
        {Make(0, 0, 75, "O\u2019Brien \u20ac", 500),
         "0,0,75,\"O\x92"
         "Brien \x80\",500\r\n",
         "O\u2019Brien \u20ac"},
        {Make(0, 0, 75, "\u00c3\u00a9", 500), "0,0,75,\"\xc3\x83\xc2\xa9\",500\r\n",
         "\u00c3\u00a9"},
        {Make(0, 0, 75, std::string(300, 'x'), 500),
         "0,0,75,\"" + QByteArray::fromStdString(cut) + "\",500\r\n", cut},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.written.PlayerName);
        EXPECT_EQ(FormatSettings(row.written), row.bytes);
        Settings read = row.written;
        read.PlayerName = row.nameRead;
        EXPECT_EQ(ParseSettings(row.bytes), read);
    }
}

TEST(SettingsFile, KeepsWhatReadsWellFromADamagedFile) {
    const Settings defaults = Make(0, 0, 75, "Player", 1000);
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
        {"unknown speed, target raised", "1,1,100,\"Bob\",750", Make(1, 1, 75, "Bob", 750)},
        {"target under 500", "1,1,75,\"Bob\",250", Make(1, 1, 75, "Bob", 1000)},
        {"target off the steps", "1,1,75,\"Bob\",1100", Make(1, 1, 75, "Bob", 1000)},
        {"blanks, line ends, no quotes", "  3 ,\t2\r\n\r\n 200 , Bo Li ,\n1000\n",
         Make(3, 2, 200, "Bo Li", 1000)},
        {"text after the quote", "1,2,75,\"Bob\"junk,500", Make(1, 2, 75, "Bob", 500)},
        {"not UTF-8, so Windows-1252", "1,2,75,\"Zo\xeb \x93\x9f\x81\",500",
         Make(1, 2, 75, "Zo\u00eb \u201c\u0178", 500)},
        {"a UTF-8 byte-order mark",
         "\xef\xbb\xbf"
         "7,2,75,\"\xc3\x85sa\",500",
         Make(7, 2, 75, "\u00c5sa", 500)},
        {"control bytes",
         QByteArrayLiteral("1,2,75,\"B\0o\x7f\x1b"
                           "b\",500"),
         Make(1, 2, 75, "Bob", 500)},
        {"binary", QByteArrayLiteral("\0\xff\x01\x02,\x80\x81,\xfe"), defaults},
        {"a 10 MB name", "3,2,75,\"" + QByteArray(10 << 20, 'A') + "\",500",
         Make(3, 2, 75, std::string(MaxPlayerNameLength, 'A'), 500)},
        {"a 10 MB number", QByteArray(10 << 20, '7') + ",2,15,\"Bo\",500",
         Make(0, 2, 15, "Bo", 500)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseSettings(row.bytes), row.read);
    }
}

// Twenty thousand randomly damaged files: each reads into values the game can use, and what it
// reads is written and read back unchanged.
TEST(SettingsFile, ReadsAnyDamagedFileIntoUsableValues) {
    const QByteArray good = FormatSettings(Make(3, 2, 75, "Smith, \u00c5sa", 1250));
    const char pieces[] = {',', '"', '\r', '\n', ' ', '-', '0', '9', '\0', '\xc3', '\xff'};
    std::mt19937 random(20261206);
    const auto below = [&random](qsizetype n) {
        return std::uniform_int_distribution<qsizetype>(0, n - 1)(random);
    };
    for (int trial = 0; trial < 20000; ++trial) {
        QByteArray bytes = good;
        for (int damage = int(below(4)); damage >= 0; --damage) {
            const qsizetype at = below(bytes.size() + 1);
            const int kind = int(below(5));
            if (kind == 0 && at < bytes.size()) bytes[at] = char(below(256));
            if (kind == 1) bytes.insert(at, pieces[below(sizeof pieces)]);
            if (kind == 2) bytes.remove(at, below(6));
            if (kind == 3) bytes.insert(at, bytes.mid(below(bytes.size() + 1), below(12)));
            if (kind == 4) bytes.truncate(at);
        }
        SCOPED_TRACE(bytes.toHex().toStdString());
        const Settings read = ParseSettings(bytes);
        ASSERT_TRUE(read.Stats[1] >= 0 && read.Stats[2] >= 0);
        ASSERT_TRUE(read.Speed == 15 || read.Speed == 75 || read.Speed == 200) << read.Speed;
        ASSERT_TRUE(read.TargetScore >= 500 && read.TargetScore % 250 == 0) << read.TargetScore;
        ASSERT_EQ(CleanPlayerName(read.PlayerName), read.PlayerName);
        ASSERT_EQ(ParseSettings(FormatSettings(read)), read);
    }
}

TEST(SettingsFile, LivesBesideABuiltProgramElseWithTheUser) {
    QTemporaryDir folder, config;
    // An installed copy is told by its desktop entry under share/ beside its bin/ folder.
    const QString installed = folder.filePath("usr/bin");
    ASSERT_TRUE(QDir().mkpath(installed) &&
                QDir().mkpath(folder.filePath("usr/share/applications")));
    QFile entry(folder.filePath("usr/share/applications/org.corvane.Corvane.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    const struct {
        QString program;
        bool beside;
    } rows[] = {{folder.path(), true},
                {"/proc", false},
                {folder.filePath("gone"), false},
                {installed, false}};
    for (const auto& row : rows) {
        EXPECT_EQ(ChooseSettingsDirectory(row.program, config.path()),
                  row.beside ? row.program : config.path())
            << row.program.toStdString();
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{}) << "no probe left behind";
}

TEST(SettingsFile, AFailedWriteKeepsTheLastGoodFile) {
    QTemporaryDir folder;
    QFile file(folder.filePath(SettingsFileName));
    Game g;
    g.Stats = {0, 3, 2};
    ASSERT_TRUE(WriteSettingsFile(g, folder.path()));
    // A full disk: no file may grow beyond eight bytes while the game writes.
    g.Stats = {0, 4, 2};
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = WriteSettingsFile(g, folder.path());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(written);
    EXPECT_FALSE(WriteSettingsFile(g, "/proc/corvane")) << "a folder that cannot be made";
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_EQ(file.readAll(), "3,2,75,\"Player\",1000\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{SettingsFileName});

    // Ten megabytes after a good line, and no file at all.
    file.write(QByteArray(10 << 20, '\xff'));
    file.close();
    ReadSettingsFile(g, folder.path());
    EXPECT_EQ(SettingsOf(g), Make(3, 2, 75, "Player", 1000));
    ReadSettingsFile(g, folder.filePath("gone"));
    EXPECT_EQ(SettingsOf(g), Make(0, 0, 75, "Player", 1000));
}

// Two copies that both read the file at start and each count a game: the file keeps both wins,
// and an erase by one of them is kept as it is.
TEST(SettingsFile, TwoWritersLoseNoCount) {
    QTemporaryDir folder;
    Game first, second, read;
    first.Stats = second.Stats = {0, 5, 1};
    PerPlayer<int> countedFirst = first.Stats, countedSecond = first.Stats;
    ASSERT_TRUE(WriteSettingsFile(first, folder.path()));
    ++first.Stats[1];
    ++second.Stats[2];
    ASSERT_TRUE(AddToSettingsFile(first, folder.path(), countedFirst));
    ASSERT_TRUE(AddToSettingsFile(second, folder.path(), countedSecond));
    ReadSettingsFile(read, folder.path());
    EXPECT_EQ(read.Stats, (PerPlayer<int>{0, 6, 2}));
    EXPECT_EQ(second.Stats, read.Stats) << "the writer now shows what the file holds";
    first.Stats = {};
    ASSERT_TRUE(AddToSettingsFile(first, folder.path(), countedFirst));
    ReadSettingsFile(read, folder.path());
    EXPECT_EQ(read.Stats, (PerPlayer<int>{}));
}

}  // namespace
}  // namespace corvane
