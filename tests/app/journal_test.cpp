#include "journal.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include "game_journal.h"
#include "hand_flow.h"
#include "history_csv.h"
#include "scripted_person.h"

namespace corvane {
namespace {

QByteArray Contents(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void WriteFile(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

// A file the journal cannot use is put aside whole, once, and a new journal works in its place.
const GameStart kStart{0xF1E2D3C4B5A69788ULL, 2, 1250, 15, "O\u2019Brien", OpponentLevel::Expert};

TEST(Journal, PutsAsideADamagedTruncatedForeignOrLockedFileAndStartsAnew) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("journal.sqlite"));
    const auto aJournal = [&] {
        Journal journal(file);
        journal.beginGame({7, 1, 1000, 75, "Ann", OpponentLevel::Classic});
    };
    const auto sqlite = [&](const char* statement) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QString::fromLatin1(statement))) << statement;
    };
    const struct {
        const char* name;
        std::function<void()> make;
    } rows[] = {
        {"not a database", [&] { WriteFile(file, QByteArray(5000, '\x5a')); }},
        {"truncated",
         [&] {
             aJournal();
             WriteFile(file, Contents(file).left(4096 + 100));
         }},
        {"another program's database", [&] { sqlite("CREATE TABLE notes (text TEXT)"); }},
        {"locked by another program",
         [&] {
             aJournal();
             sqlite("PRAGMA journal_mode=WAL");
             sqlite("BEGIN IMMEDIATE");
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (const QString& f : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(f));
        row.make();
        const QByteArray before = Contents(file);
        {
            Journal journal(file);
            ASSERT_TRUE(journal.isOpen());
            ASSERT_FALSE(journal.setAside().isEmpty());
            EXPECT_TRUE(journal.setAside().startsWith(file + ".damaged-"));
            EXPECT_EQ(Contents(journal.setAside()), before);
            EXPECT_GT(journal.beginGame(kStart), 0);
        }
        {
            QSqlDatabase::database("other").close();
            QSqlDatabase::removeDatabase("other");
        }
        const Journal again(file);
        EXPECT_TRUE(again.setAside().isEmpty()) << "told once";
        const std::optional<GameRecord> unfinished = again.unfinishedGame();
        ASSERT_TRUE(unfinished.has_value());
        EXPECT_EQ(unfinished->Start.Seed, kStart.Seed) << "all 64 bits of the seed";
        EXPECT_EQ(unfinished->Start.Name, kStart.Name);
    }
}

// Seeded games played to their end: every game's totals are the sum of its hands' melds and
// tricks, its winner is over the target alone, and the history reads back as it was kept.
TEST(Journal, KeepsTheHistoryOfFinishedGames) {
    const QTemporaryDir dir;
    Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    GameJournal keeper(journal);
    Game g;
    BuildCardTable(g);
    ScriptedPerson person(g, 0);
    ScriptedTable table(person);
    g.AttachTable(&table);
    g.Dealer = PlayerTarvish;
    std::vector<FinishedGame> kept;
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        g.Random = RandomSource(seed);
        person.Reseed(seed);
        g.TargetScore = 500;
        keeper.playNewGame(g);
        kept.push_back(keeper.history().summary(g));
        const FinishedGame& game = kept.back();
        ASSERT_FALSE(game.Hands.empty());
        for (const int p : {PlayerPerson, PlayerTarvish}) {
            int sum = 0;
            for (const HandSummary& hand : game.Hands)
                sum += hand.MeldPoints(p) + hand.TrickPoints[p];
            EXPECT_EQ(sum, game.Totals[p]) << "seed " << seed << " player " << p;
        }
        const int loser = 3 - game.Winner;
        EXPECT_GE(game.Totals[game.Winner], game.Target);
        EXPECT_LT(game.Totals[loser], game.Target);
        EXPECT_EQ(game.Winner == PlayerPerson ? g.WinsGame[1] : g.WinsGame[2], true);
    }
    const std::vector<FinishedGame> read = journal.history();
    ASSERT_EQ(read.size(), kept.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].Winner, kept[i].Winner);
        EXPECT_EQ(read[i].Totals, kept[i].Totals);
        EXPECT_EQ(read[i].Target, kept[i].Target);
        EXPECT_EQ(read[i].Hands, kept[i].Hands);
    }
    EXPECT_FALSE(journal.unfinishedGame()) << "a game won is not offered again";
    EXPECT_TRUE(journal.clearHistory());
    EXPECT_TRUE(journal.history().empty());
}

TEST(Journal, ExportsTheHistoryAsCsv) {
    FinishedGame game;
    game.Id = 3;
    game.Ended = QDateTime(QDate(2026, 12, 7), QTime(8, 5, 9), Qt::UTC);
    game.Target = 1250;
    game.Level = OpponentLevel::Expert;
    game.Winner = PlayerPerson;
    game.Totals = {0, 1260, 980};
    HandSummary first;
    first.Melds = {
        {PlayerTarvish, 0, 10}, {PlayerPerson, MeldMarriage, 40}, {PlayerPerson, MeldDix, 10}};
    first.TrickPoints = {0, 130, 90};
    HandSummary last;
    last.Melds = {{PlayerPerson, MeldDoubleCorvane, 500}};
    last.Knocker = PlayerPerson;
    game.Hands = {first, last};
    EXPECT_EQ(HistoryCsv({game}),
              QByteArray("Game,Ended (UTC),Target,Tarvish plays,Winner,Your total,Tarvish total,"
                         "Hand,Your melds,Your meld points,Your trick points,Tarvish melds,"
                         "Tarvish meld points,Tarvish trick points,Knock\r\n"
                         "3,2026-12-07 08:05:09,1250,Expert,You,1260,980,1,Marriage 40; Dix 10,50,"
                         "130,Seven turned up 10,10,90,\r\n"
                         "3,2026-12-07 08:05:09,1250,Expert,You,1260,980,2,Double Corvane 500,500,"
                         "0,,0,0,You\r\n"));
}

}  // namespace
}  // namespace corvane
