#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "game_record.h"

namespace corvane {

// The default place of the journal: journal.sqlite in the user's data folder
// (normally ~/.local/share/Corvane).
QString DefaultJournalFile();

// The game journal: a small SQLite database that keeps the game in progress as its start and
// every action of the person, one short transaction each, written ahead of the action; and every
// finished game's history, with its actions to review it by and the rating its review gave. A file
// that cannot be opened, fails its integrity check or is not a journal at all is renamed aside
// under a dated name (never deleted) and a new one begun; one that another program holds is left
// alone. Without a usable file (a read-only folder) the journal keeps nothing and the game goes on.
class Journal {
public:
    explicit Journal(const QString& file = DefaultJournalFile());
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    bool isOpen() const { return open_; }
    const QString& file() const { return file_; }
    // Where a damaged file was put at opening; empty when none was.
    const QString& setAside() const { return setAside_; }
    // Another program held the file at opening: it was left as it was, and nothing is kept.
    bool busy() const { return busy_; }

    // A new game in progress. Any game still unfinished is given up in its favour.
    qint64 beginGame(const GameStart& start);
    bool recordAction(qint64 game, const JournaledAction& action);
    // The person chose to leave the game ("New Game", "Exit"): it will not be offered again.
    void markLeft(qint64 game);
    // The game was won: its history is kept, and its actions for its review while it is among
    // the last KeptMoves finished games (fewer when set so).
    void finishGame(qint64 game, const FinishedGame& summary);
    static constexpr int KeptMoves = 200;
    void setKeptMoves(int games) { keptMoves_ = games; }

    // The last game, when it was left unfinished by anything but the person's own choice.
    std::optional<GameRecord> unfinishedGame() const;

    // A finished game of the history as it was played, to be played again for its review;
    // nothing for a game whose actions are no longer kept.
    std::optional<GameRecord> finishedGame(qint64 game) const;
    // Keeps the review of finished game `game`: its rating and its decisions' rows, replacing any
    // kept before; false when it cannot be kept.
    bool saveReview(qint64 game, const GameRating& rating, const std::vector<std::string>& rows);
    // The rows of the review kept for `game`, in order; none when it has not been reviewed.
    std::vector<std::string> reviewRows(qint64 game) const;

    // The finished games, oldest first.
    std::vector<FinishedGame> history() const;
    bool clearHistory();

private:
    bool openFile();
    enum class Fitness { Usable, Damaged, Busy };
    Fitness fitness();
    void putAside();
    bool createSchema();
    bool upgradeFromVersionOne();
    std::optional<GameRecord> record(qint64 game) const;
    void close();

    QString file_;
    QString connection_;
    QString setAside_;
    bool open_ = false;
    bool busy_ = false;
    int keptMoves_ = KeptMoves;
};

}  // namespace corvane
