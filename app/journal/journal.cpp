#include "journal.h"
#include "expert/levels.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace corvane {

namespace {

// "Cvjn": tells our journal from any other SQLite file.
constexpr int kApplicationId = 0x43766A6E;
constexpr int kSchemaVersion = 2;

enum class GameState { InPlay = 0, Finished = 1, Left = 2 };

constexpr const char* kSchema[] = {
    "CREATE TABLE games (id INTEGER PRIMARY KEY, started TEXT NOT NULL, seed INTEGER NOT NULL, "
    "dealer INTEGER NOT NULL, target INTEGER NOT NULL, speed INTEGER NOT NULL, "
    "name TEXT NOT NULL, level INTEGER NOT NULL, state INTEGER NOT NULL)",
    "CREATE TABLE actions (game INTEGER NOT NULL, seq INTEGER NOT NULL, moment INTEGER NOT NULL, "
    "kind INTEGER NOT NULL, value INTEGER NOT NULL, text TEXT NOT NULL, "
    "PRIMARY KEY (game, seq))",
    "CREATE TABLE history (game INTEGER PRIMARY KEY, ended TEXT NOT NULL, "
    "target INTEGER NOT NULL, level INTEGER NOT NULL, winner INTEGER NOT NULL, "
    "person_total INTEGER NOT NULL, tarvish_total INTEGER NOT NULL)",
    "CREATE TABLE hands (game INTEGER NOT NULL, hand INTEGER NOT NULL, "
    "person_tricks INTEGER NOT NULL, tarvish_tricks INTEGER NOT NULL, knocker INTEGER NOT NULL, "
    "PRIMARY KEY (game, hand))",
    "CREATE TABLE melds (game INTEGER NOT NULL, hand INTEGER NOT NULL, seq INTEGER NOT NULL, "
    "player INTEGER NOT NULL, kind INTEGER NOT NULL, points INTEGER NOT NULL, "
    "PRIMARY KEY (game, hand, seq))",
    "CREATE TABLE reviews (game INTEGER PRIMARY KEY, decisions INTEGER NOT NULL, "
    "average_loss REAL NOT NULL, expert_average_loss REAL NOT NULL, luck REAL NOT NULL, "
    "rating TEXT NOT NULL)",
    "CREATE TABLE review_rows (game INTEGER NOT NULL, seq INTEGER NOT NULL, row TEXT NOT NULL, "
    "PRIMARY KEY (game, seq))",
};

// What a journal of version 1 lacks: the finished games' reviews. Its finished games have lost
// their actions, so they cannot be reviewed; later ones keep them.
constexpr const char* kFromVersionOne[] = {
    "CREATE TABLE IF NOT EXISTS reviews (game INTEGER PRIMARY KEY, decisions INTEGER NOT NULL, "
    "average_loss REAL NOT NULL, expert_average_loss REAL NOT NULL, luck REAL NOT NULL, "
    "rating TEXT NOT NULL)",
    "CREATE TABLE IF NOT EXISTS review_rows (game INTEGER NOT NULL, seq INTEGER NOT NULL, "
    "row TEXT NOT NULL, PRIMARY KEY (game, seq))",
};

QString NewConnectionName() {
    static std::atomic<int> count{0};
    return QStringLiteral("corvane-journal-%1").arg(++count);
}

bool Exec(QSqlDatabase db, const QString& sql) {
    QSqlQuery query(db);
    return query.exec(sql);
}

// A single value, or an invalid variant when the query fails.
QVariant Value(QSqlDatabase db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql) || !query.next()) return {};
    return query.value(0);
}

}  // namespace

QString DefaultJournalFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("journal.sqlite"));
}

Journal::Journal(const QString& file) : file_(file), connection_(NewConnectionName()) {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    if (QFileInfo::exists(file_)) {
        const Fitness fitness = openFile() ? this->fitness() : Fitness::Damaged;
        open_ = fitness == Fitness::Usable;
        busy_ = fitness == Fitness::Busy;
        if (fitness != Fitness::Damaged) {
            if (busy_) close();
            return;
        }
        close();
        putAside();
    }
    open_ = openFile() && createSchema();
    if (!open_) close();
}

Journal::~Journal() {
    close();
}

bool Journal::openFile() {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(file_);
    // A file locked by another program counts as unusable after a short wait, not a hang.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=300"));
    return db.open();
}

namespace {

// SQLITE_BUSY or SQLITE_LOCKED, with any extended code: another connection holds the file.
bool IsBusy(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == 5 || code == 6;
}

}  // namespace

// Ours, whole, and at our version. A new, empty file is none of these yet. A file that another
// program holds is not judged at all: what cannot be read now may be whole.
Journal::Fitness Journal::fitness() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    bool busy = false;
    const auto value = [&](const QString& sql) {
        QSqlQuery query(db);
        if (query.exec(sql) && query.next()) return query.value(0);
        busy = busy || IsBusy(query.lastError());
        return QVariant();
    };
    const auto exec = [&](const QString& sql) {
        QSqlQuery query(db);
        if (query.exec(sql)) return true;
        busy = busy || IsBusy(query.lastError());
        return false;
    };
    // Each action is on the disk before the game goes on; and another program that holds the
    // file locked would leave the game no room to write.
    const int version = value(QStringLiteral("PRAGMA user_version")).toInt();
    const bool usable =
        value(QStringLiteral("PRAGMA integrity_check")).toString() == QLatin1String("ok") &&
        value(QStringLiteral("PRAGMA application_id")).toInt() == kApplicationId &&
        (version == 1 || version == kSchemaVersion) &&
        value(QStringLiteral("PRAGMA journal_mode=WAL")).toString() == QLatin1String("wal") &&
        exec(QStringLiteral("PRAGMA synchronous=FULL")) &&
        exec(QStringLiteral("BEGIN IMMEDIATE")) && exec(QStringLiteral("ROLLBACK"));
    if (usable && version == kSchemaVersion) return Fitness::Usable;
    if (usable && upgradeFromVersionOne()) return Fitness::Usable;
    return busy ? Fitness::Busy : Fitness::Damaged;
}

bool Journal::upgradeFromVersionOne() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) return false;
    bool ok = true;
    for (const char* statement : kFromVersionOne)
        ok = ok && Exec(db, QString::fromLatin1(statement));
    ok = ok && Exec(db, QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

bool Journal::createSchema() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    // Only an empty file becomes a journal; anything else was set aside already or is not ours.
    if (Value(db, QStringLiteral("SELECT count(*) FROM sqlite_master")).toInt() != 0) return false;
    if (!db.transaction()) return false;
    bool ok = true;
    for (const char* statement : kSchema) ok = ok && Exec(db, QString::fromLatin1(statement));
    ok = ok && Exec(db, QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId)) &&
         Exec(db, QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    return fitness() == Fitness::Usable;
}

// The damaged file and its write-ahead log go aside together under one dated name.
void Journal::putAside() {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = file_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = file_ + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    }
    if (!QFile::rename(file_, aside)) return;
    setAside_ = aside;
    for (const char* suffix : {"-wal", "-shm"}) {
        if (QFileInfo::exists(file_ + QLatin1String(suffix))) {
            QFile::rename(file_ + QLatin1String(suffix), aside + QLatin1String(suffix));
        }
    }
}

void Journal::close() {
    open_ = false;
    if (!QSqlDatabase::contains(connection_)) return;
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

qint64 Journal::beginGame(const GameStart& start) {
    if (!open_) return 0;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction()) return 0;
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE games SET state = :left WHERE state = :inplay"));
    query.bindValue(QStringLiteral(":left"), int(GameState::Left));
    query.bindValue(QStringLiteral(":inplay"), int(GameState::InPlay));
    bool ok = query.exec();
    // A finished game keeps its actions for its review; a game left needs them no more.
    query.prepare(QStringLiteral(
        "DELETE FROM actions WHERE game IN (SELECT id FROM games WHERE state = :left)"));
    query.bindValue(QStringLiteral(":left"), int(GameState::Left));
    ok = ok && query.exec();
    query.prepare(QStringLiteral(
        "INSERT INTO games (started, seed, dealer, target, speed, name, level, state) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, 0)"));
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    // All 64 bits, as SQLite's signed integer.
    query.addBindValue(static_cast<qint64>(start.Seed));
    query.addBindValue(start.Dealer);
    query.addBindValue(start.Target);
    query.addBindValue(start.Speed);
    query.addBindValue(QString::fromStdString(start.Name));
    query.addBindValue(static_cast<int>(start.Level));
    ok = ok && query.exec();
    const qint64 id = query.lastInsertId().toLongLong();
    if (!ok || !db.commit()) {
        db.rollback();
        return 0;
    }
    return id;
}

bool Journal::recordAction(qint64 game, const JournaledAction& action) {
    if (!open_ || game == 0) return false;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    // One statement is one transaction of its own.
    query.prepare(QStringLiteral(
        "INSERT INTO actions (game, seq, moment, kind, value, text) VALUES (?, "
        "(SELECT coalesce(max(seq), 0) + 1 FROM actions WHERE game = ?), ?, ?, ?, ?)"));
    query.addBindValue(game);
    query.addBindValue(game);
    query.addBindValue(qint64(action.Moment));
    query.addBindValue(int(action.Action.What));
    query.addBindValue(action.Action.Value);
    query.addBindValue(QString::fromStdString(action.Action.Text));
    return query.exec();
}

void Journal::markLeft(qint64 game) {
    if (!open_ || game == 0) return;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("UPDATE games SET state = ? WHERE id = ? AND state = 0"));
    query.addBindValue(int(GameState::Left));
    query.addBindValue(game);
    query.exec();
}

std::optional<GameRecord> Journal::unfinishedGame() const {
    if (!open_) return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QStringLiteral("SELECT id, state FROM games ORDER BY id DESC LIMIT 1")) ||
        !query.next() || query.value(1).toInt() != int(GameState::InPlay)) {
        return std::nullopt;
    }
    return record(query.value(0).toLongLong());
}

std::optional<GameRecord> Journal::finishedGame(qint64 game) const {
    if (!open_) return std::nullopt;
    std::optional<GameRecord> found = record(game);
    // One finished before finished games kept their actions cannot be played again.
    if (found && found->Actions.empty()) return std::nullopt;
    return found;
}

std::optional<GameRecord> Journal::record(qint64 game) const {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT id, seed, dealer, target, speed, name, level FROM games WHERE id = ?"));
    query.addBindValue(game);
    if (!query.exec() || !query.next()) return std::nullopt;
    GameRecord record;
    record.Id = query.value(0).toLongLong();
    record.Start.Seed = static_cast<std::uint64_t>(query.value(1).toLongLong());
    record.Start.Dealer = query.value(2).toInt();
    record.Start.Target = query.value(3).toInt();
    record.Start.Speed = query.value(4).toInt();
    record.Start.Name = query.value(5).toString().toStdString();
    record.Start.Level = LevelNumbered(query.value(6).toInt());
    QSqlQuery actions(db);
    actions.prepare(QStringLiteral(
        "SELECT moment, kind, value, text FROM actions WHERE game = ? ORDER BY seq"));
    actions.addBindValue(record.Id);
    if (!actions.exec()) return std::nullopt;
    while (actions.next()) {
        record.Actions.push_back(
            {actions.value(0).toLongLong(),
             {static_cast<PersonAction::Kind>(actions.value(1).toInt()), actions.value(2).toInt(),
              actions.value(3).toString().toStdString()}});
    }
    return record;
}

}  // namespace corvane
