#pragma once

#include <QFutureWatcher>
#include <QObject>

#include <atomic>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "game_record.h"
#include "review/rating.h"

namespace corvane {

class Journal;

// Reviews finished games out of sight, one at a time on a worker thread at the lowest priority,
// and keeps each game's review in the journal, its rating for the history. Closing the window gives
// up a review under way; the game is simply left unrated.
class GameRater : public QObject {
    Q_OBJECT

public:
    explicit GameRater(Journal& journal, QObject* parent = nullptr);
    ~GameRater() override;

    // Rates finished game `game` after those already waiting.
    void rate(qint64 game);

signals:
    // The review of `game` is in the journal.
    void rated(qint64 game);

private:
    void startNext();
    void finishCurrent();

    Journal& journal_;
    std::deque<qint64> waiting_;
    qint64 current_ = 0;
    std::shared_ptr<std::atomic<bool>> stop_;
    QFutureWatcher<std::optional<std::vector<review::ReviewedDecision>>> watcher_;
};

}  // namespace corvane
