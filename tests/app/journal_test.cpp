#include "journal.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

#include "decision_recorder.h"
#include "game_decisions.h"
#include "game_journal.h"
#include "game_rater.h"
#include "hand_flow.h"
#include "history_csv.h"
#include "review_rows.h"
#include "scripted_person.h"

namespace corvane {
namespace {

QByteArray Contents(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// A file the journal cannot use is put aside whole, once, and a new journal works in its place;
// one that another program holds is left as it is, and used once it is free again.
TEST(Journal, PutsAsideADamagedTruncatedOrForeignFileButNotALockedOne) {
    const QTemporaryDir dir;
    const GameStart start{0xF1E2D3C4B5A69788ULL, 2, 1250, 15, "O\u2019Brien",
                          OpponentLevel::Expert};
    for (const char* row : {"not a database", "truncated", "foreign", "locked"}) {
        SCOPED_TRACE(row);
        const QString file = dir.filePath(QString::fromLatin1(row));
        if (row[0] == 't' || row[0] == 'l') Journal(file).beginGame({});
        if (row[0] == 'n' || row[0] == 't') {
            const QByteArray bytes = row[0] == 'n' ? QByteArray(5000, 'Z') : Contents(file);
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(bytes.left(4096 + 100));
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), row);
            db.setDatabaseName(file);
            QSqlQuery query(db);
            ASSERT_TRUE(row[0] != 'f' || (db.open() && query.exec("CREATE TABLE notes (a)")));
            ASSERT_TRUE(row[0] != 'l' || (db.open() && query.exec("PRAGMA journal_mode=WAL") &&
                                          query.exec("BEGIN IMMEDIATE")));
            const QByteArray before = Contents(file);
            Journal journal(file);
            const bool locked = row[0] == 'l';
            EXPECT_EQ(journal.busy(), locked);
            EXPECT_EQ(journal.setAside().isEmpty(), locked);
            EXPECT_EQ(Contents(locked ? file : journal.setAside()), before);
            EXPECT_EQ(journal.beginGame(start) > 0, !locked);
            db.close();
            if (locked) {
                EXPECT_GT(Journal(file).beginGame(start), 0) << "used once it is free";
            }
        }
        const Journal again(file);
        EXPECT_TRUE(again.setAside().isEmpty()) << "told once";
        const std::optional<GameRecord> unfinished = again.unfinishedGame();
        ASSERT_TRUE(unfinished.has_value());
        EXPECT_EQ(unfinished->Start.Seed, start.Seed) << "all 64 bits of the seed";
        EXPECT_EQ(unfinished->Start.Name, start.Name);
    }
}

// Seeded games played to their end: every game's totals are the sum of its hands' melds and
// tricks, its winner is over the target alone, and the history reads back as it was kept. A
// finished game played again gives the person's decisions as they were made, and keeps the
// rating its review gave.
TEST(Journal, KeepsTheHistoryOfFinishedGames) {
    const QTemporaryDir dir;
    Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    journal.setKeptMoves(3);
    GameJournal keeper(journal);
    Game g;
    BuildCardTable(g);
    ScriptedPerson person(g, 0);
    ScriptedTable table(person);
    g.AttachTable(&table);
    g.Dealer = PlayerTarvish;
    std::vector<FinishedGame> kept;
    DecisionRecorder recorder;
    person.Through = [&](const PersonAction& action) {
        if (kept.size() == 1) recorder.record(g, action);
        keeper.recordAction(g, action);
        Perform(g, action);
    };
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        g.Random = RandomSource(seed);
        person.Reseed(seed);
        g.TargetScore = 500;
        keeper.playNewGame(g);
        const FinishedGame& game = kept.emplace_back(keeper.history().summary(g));
        for (const int p : {PlayerPerson, PlayerTarvish}) {
            int sum = 0;
            for (const HandSummary& hand : game.Hands)
                sum += hand.MeldPoints(p) + hand.TrickPoints[p];
            EXPECT_EQ(sum, game.Totals[p]) << "seed " << seed << " player " << p;
        }
        EXPECT_GE(game.Totals[game.Winner], game.Target);
        EXPECT_LT(game.Totals[3 - game.Winner], game.Target);
    }
    const std::vector<FinishedGame> read = journal.history();
    ASSERT_EQ(read.size(), kept.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(std::tie(read[i].Winner, read[i].Totals, read[i].Target, read[i].Hands),
                  std::tie(kept[i].Winner, kept[i].Totals, kept[i].Target, kept[i].Hands));
    EXPECT_FALSE(journal.unfinishedGame()) << "a game won is not offered again";

    EXPECT_FALSE(journal.finishedGame(read[0].Id)) << "the last three games keep their moves";
    const std::optional<GameRecord> first = journal.finishedGame(read[1].Id);
    ASSERT_TRUE(first.has_value());
    const std::vector<review::DecisionPoint> replayed = DecisionsOf(*first);
    const std::vector<review::DecisionPoint>& played = recorder.game();
    ASSERT_GT(played.size(), 20u);
    ASSERT_EQ(replayed.size(), played.size());
    // The script presses declaring buttons at random: a meld refused is no decision, so a
    // declaring turn gives one decision at most.
    for (std::size_t i = 1; i < played.size(); ++i) {
        EXPECT_FALSE(played[i].Declaration && played[i - 1].Declaration &&
                     played[i].View.State == played[i - 1].View.State)
            << "decision " << i;
    }
    for (std::size_t i = 0; i < played.size(); ++i) {
        const auto fields = [](const review::DecisionPoint& p) {
            return std::tie(p.View.State, p.View.Unseen, p.Hand, p.Declaration, p.Card, p.MeldKind,
                            p.MeldSuit, p.ExpertCard, p.ExpertMeldKind);
        };
        EXPECT_EQ(fields(replayed[i]), fields(played[i])) << "decision " << i;
    }
    // A review kept and read back: its rows give the same decisions on the replayed points, and
    // rows that are not those of the points are refused.
    const std::vector<review::DecisionPoint> few(played.begin(), played.begin() + 3);
    std::vector<review::ReviewedDecision> reviewed;
    for (const review::DecisionPoint& point : few) reviewed.push_back(review::Review(point));
    ASSERT_TRUE(SaveReview(journal, read[1].Id, reviewed));
    EXPECT_FALSE(SaveReview(journal, read.back().Id + 1, reviewed)) << "no such game";
    const auto back = Reviewed(DecisionsOf(*first, nullptr, false), journal.reviewRows(read[1].Id));
    EXPECT_FALSE(back) << "three rows for a whole game";
    const auto three = Reviewed(few, journal.reviewRows(read[1].Id));
    ASSERT_TRUE(three);
    for (std::size_t i = 0; i < few.size(); ++i) {
        const review::ReviewedDecision& a = (*three)[i];
        const review::ReviewedDecision& b = reviewed[i];
        EXPECT_EQ(std::tie(a.Chosen.Card, a.Chosen.Loss, a.Best.Card, a.Best.Value, a.Expert.Card,
                           a.Grading, a.Expected),
                  std::tie(b.Chosen.Card, b.Chosen.Loss, b.Best.Card, b.Best.Value, b.Expert.Card,
                           b.Grading, b.Expected));
    }
    EXPECT_FALSE(Reviewed({few[1], few[0], few[2]}, journal.reviewRows(read[1].Id)));
    const std::vector<FinishedGame> rated = journal.history();
    EXPECT_EQ(rated[1].Rating, RatingOf(reviewed));
    EXPECT_FALSE(rated[0].Rating.has_value());

    // The rater reviews a finished game out of sight and keeps its review.
    GameRater rater(journal);
    qint64 ratedGame = 0;
    QObject::connect(&rater, &GameRater::rated, [&](qint64 game) { ratedGame = game; });
    rater.rate(read[2].Id);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ratedGame != 0; }, 60000));
    EXPECT_EQ(ratedGame, read[2].Id);
    const std::vector<std::string> rows = journal.reviewRows(read[2].Id);
    const std::optional<GameRecord> third = journal.finishedGame(read[2].Id);
    ASSERT_TRUE(third);
    const auto again = Reviewed(DecisionsOf(*third, nullptr, false), rows);
    ASSERT_TRUE(again);
    EXPECT_EQ(journal.history()[2].Rating, RatingOf(*again));

    EXPECT_TRUE(journal.clearHistory());
    EXPECT_TRUE(journal.history().empty());
    EXPECT_FALSE(journal.finishedGame(read[1].Id)) << "its moves are gone with it";
    EXPECT_TRUE(journal.reviewRows(read[2].Id).empty());
}

// A journal written before the reviews were kept is taken up as it is, its history whole; its
// finished games, whose moves it did not keep, cannot be played again but can be rated.
TEST(Journal, TakesUpAJournalOfTheFirstVersion) {
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("journal.sqlite"));
    const FinishedGame game{0,
                            QDateTime::currentDateTimeUtc(),
                            500,
                            OpponentLevel::Classic,
                            PlayerPerson,
                            {0, 510, 300},
                            {}};
    qint64 id = 0;
    {
        Journal journal(file);
        id = journal.beginGame({});
        journal.finishGame(id, game);
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "first");
        db.setDatabaseName(file);
        QSqlQuery query(db);
        ASSERT_TRUE(db.open() && query.exec("DROP TABLE reviews") &&
                    query.exec("DROP TABLE review_rows") && query.exec("DELETE FROM actions") &&
                    query.exec("PRAGMA user_version=1"));
        db.close();
    }
    QSqlDatabase::removeDatabase("first");
    Journal journal(file);
    EXPECT_TRUE(journal.isOpen());
    EXPECT_TRUE(journal.setAside().isEmpty());
    ASSERT_EQ(journal.history().size(), 1u);
    EXPECT_EQ(journal.history()[0].Totals, game.Totals);
    EXPECT_FALSE(journal.finishedGame(id));
    EXPECT_TRUE(journal.saveReview(id, {1, 2, 3, 4, "fair"}, {}));
    EXPECT_TRUE(Journal(file).history()[0].Rating.has_value()) << "upgraded for good";
}

TEST(Journal, ExportsTheHistoryAsCsv) {
    const HandSummary first{
        {{PlayerTarvish, 0, 10}, {PlayerPerson, MeldMarriage, 40}, {PlayerPerson, MeldDix, 10}},
        {0, 130, 90}};
    const HandSummary last{{{PlayerPerson, MeldDoubleCorvane, 500}}, {}, PlayerPerson};
    const QDateTime ended(QDate(2026, 12, 7), QTime(8, 5, 9), Qt::UTC);
    FinishedGame game{
        3, ended, 1250, OpponentLevel::Expert, PlayerPerson, {0, 1260, 980}, {first, last}};
    game.Rating = GameRating{40, 3.456, 0.5, -20.04, "good"};
    EXPECT_EQ(
        HistoryCsv({game}),
        QByteArray("Game,Ended (UTC),Target,Tarvish plays,Winner,Your total,Tarvish total,"
                   "Hand,Your melds,Your meld points,Your trick points,Tarvish melds,"
                   "Tarvish meld points,Tarvish trick points,Knock,Rating,Average loss,Luck\r\n"
                   "3,2026-12-07 08:05:09,1250,Expert,You,1260,980,1,Marriage 40; Dix 10,50,"
                   "130,Seven turned up 10,10,90,,good,3.46,-20.0\r\n"
                   "3,2026-12-07 08:05:09,1250,Expert,You,1260,980,2,Double Corvane 500,500,"
                   "0,,0,0,You,good,3.46,-20.0\r\n"));
}

}  // namespace
}  // namespace corvane
