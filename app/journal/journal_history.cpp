// The finished games: written when a game is won, rated by their review, read for the history
// window, cleared on demand.
#include <QSqlQuery>
#include <QVariant>

#include <map>

#include "expert/levels.h"
#include "journal.h"

namespace corvane {

namespace {

bool Run(QSqlQuery& query) {
    return query.exec();
}

}  // namespace

void Journal::finishGame(qint64 game, const FinishedGame& summary) {
    if (!open_ || game == 0) return;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) return;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE games SET state = 1 WHERE id = ?"));
    query.addBindValue(game);
    bool ok = Run(query);
    query.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO history (game, ended, target, level, winner, person_total, "
        "tarvish_total) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(game);
    query.addBindValue(summary.Ended.toUTC().toString(Qt::ISODate));
    query.addBindValue(summary.Target);
    query.addBindValue(static_cast<int>(summary.Level));
    query.addBindValue(summary.Winner);
    query.addBindValue(summary.Totals[PlayerPerson]);
    query.addBindValue(summary.Totals[PlayerTarvish]);
    ok = ok && Run(query);
    // The moves and review rows of the last games only, so that the file stays small enough to
    // be checked whole at every start; older games keep their history and their rating.
    for (const char* table : {"actions", "review_rows"}) {
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE game IN (SELECT game FROM history "
                                     "ORDER BY game DESC LIMIT -1 OFFSET ?)")
                          .arg(QLatin1String(table)));
        query.addBindValue(keptMoves_);
        ok = ok && Run(query);
    }
    for (std::size_t h = 0; ok && h < summary.Hands.size(); ++h) {
        const HandSummary& hand = summary.Hands[h];
        query.prepare(
            QStringLiteral("INSERT OR REPLACE INTO hands (game, hand, person_tricks, "
                           "tarvish_tricks, knocker) VALUES (?, ?, ?, ?, ?)"));
        query.addBindValue(game);
        query.addBindValue(int(h + 1));
        query.addBindValue(hand.TrickPoints[PlayerPerson]);
        query.addBindValue(hand.TrickPoints[PlayerTarvish]);
        query.addBindValue(hand.Knocker);
        ok = Run(query);
        for (std::size_t m = 0; ok && m < hand.Melds.size(); ++m) {
            query.prepare(
                QStringLiteral("INSERT OR REPLACE INTO melds (game, hand, seq, player, "
                               "kind, points) VALUES (?, ?, ?, ?, ?, ?)"));
            query.addBindValue(game);
            query.addBindValue(int(h + 1));
            query.addBindValue(int(m + 1));
            query.addBindValue(hand.Melds[m].Player);
            query.addBindValue(hand.Melds[m].Kind);
            query.addBindValue(hand.Melds[m].Points);
            ok = Run(query);
        }
    }
    if (!ok || !db.commit()) db.rollback();
}

bool Journal::saveReview(qint64 game, const GameRating& rating,
                         const std::vector<std::string>& rows) {
    if (!open_ || game == 0) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) return false;
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO reviews (game, decisions, average_loss, expert_average_loss, "
        "luck, rating) SELECT ?, ?, ?, ?, ?, ? WHERE EXISTS (SELECT 1 FROM history WHERE game = "
        "?)"));
    for (const QVariant& value :
         {QVariant(game), QVariant(rating.Decisions), QVariant(rating.AverageLoss),
          QVariant(rating.ExpertAverageLoss), QVariant(rating.Luck),
          QVariant(QString::fromStdString(rating.Words)), QVariant(game)}) {
        query.addBindValue(value);
    }
    bool ok = Run(query) && query.numRowsAffected() == 1;
    query.prepare(QStringLiteral("DELETE FROM review_rows WHERE game = ?"));
    query.addBindValue(game);
    ok = ok && Run(query);
    for (std::size_t i = 0; ok && i < rows.size(); ++i) {
        query.prepare(QStringLiteral("INSERT INTO review_rows (game, seq, row) VALUES (?, ?, ?)"));
        query.addBindValue(game);
        query.addBindValue(int(i + 1));
        query.addBindValue(QString::fromStdString(rows[i]));
        ok = Run(query);
    }
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

std::vector<std::string> Journal::reviewRows(qint64 game) const {
    std::vector<std::string> rows;
    if (!open_) return rows;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT row FROM review_rows WHERE game = ? ORDER BY seq"));
    query.addBindValue(game);
    if (!query.exec()) return rows;
    while (query.next()) rows.push_back(query.value(0).toString().toStdString());
    return rows;
}

std::vector<FinishedGame> Journal::history() const {
    std::vector<FinishedGame> games;
    if (!open_) return games;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    std::map<qint64, std::size_t> index;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT game, ended, target, level, winner, person_total, "
                                   "tarvish_total FROM history ORDER BY game"))) {
        return games;
    }
    while (query.next()) {
        FinishedGame game;
        game.Id = query.value(0).toLongLong();
        game.Ended = QDateTime::fromString(query.value(1).toString(), Qt::ISODate);
        game.Target = query.value(2).toInt();
        game.Level = LevelNumbered(query.value(3).toInt());
        game.Winner = query.value(4).toInt();
        game.Totals[PlayerPerson] = query.value(5).toInt();
        game.Totals[PlayerTarvish] = query.value(6).toInt();
        index[game.Id] = games.size();
        games.push_back(std::move(game));
    }
    if (query.exec(QStringLiteral("SELECT game, person_tricks, tarvish_tricks, knocker FROM hands "
                                  "ORDER BY game, hand"))) {
        while (query.next()) {
            const auto found = index.find(query.value(0).toLongLong());
            if (found == index.end()) continue;
            HandSummary hand;
            hand.TrickPoints[PlayerPerson] = query.value(1).toInt();
            hand.TrickPoints[PlayerTarvish] = query.value(2).toInt();
            hand.Knocker = query.value(3).toInt();
            games[found->second].Hands.push_back(hand);
        }
    }
    if (query.exec(QStringLiteral("SELECT game, decisions, average_loss, expert_average_loss, "
                                  "luck, rating FROM reviews"))) {
        while (query.next()) {
            const auto found = index.find(query.value(0).toLongLong());
            if (found == index.end()) continue;
            games[found->second].Rating = GameRating{
                query.value(1).toInt(), query.value(2).toDouble(), query.value(3).toDouble(),
                query.value(4).toDouble(), query.value(5).toString().toStdString()};
        }
    }
    if (query.exec(QStringLiteral(
            "SELECT game, hand, player, kind, points FROM melds ORDER BY game, hand, seq"))) {
        while (query.next()) {
            const auto found = index.find(query.value(0).toLongLong());
            if (found == index.end()) continue;
            std::vector<HandSummary>& hands = games[found->second].Hands;
            const int hand = query.value(1).toInt();
            if (hand < 1 || hand > static_cast<int>(hands.size())) continue;
            hands[hand - 1].Melds.push_back(
                {query.value(2).toInt(), query.value(3).toInt(), query.value(4).toInt()});
        }
    }
    return games;
}

bool Journal::clearHistory() {
    if (!open_) return false;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) return false;
    QSqlQuery query(db);
    bool ok = true;
    for (const char* statement :
         {"DELETE FROM melds", "DELETE FROM hands", "DELETE FROM review_rows",
          "DELETE FROM reviews", "DELETE FROM history",
          "DELETE FROM actions WHERE game IN (SELECT id FROM games WHERE state = 1)",
          "DELETE FROM games WHERE state = 1"}) {
        ok = ok && query.exec(QString::fromLatin1(statement));
    }
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

}  // namespace corvane
