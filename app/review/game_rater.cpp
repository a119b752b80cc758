#include "game_rater.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

#include "analysis_pool.h"
#include "game_decisions.h"
#include "journal.h"

namespace corvane {

GameRater::GameRater(Journal& journal, QObject* parent) : QObject(parent), journal_(journal) {
    connect(&watcher_, &QFutureWatcherBase::finished, this, &GameRater::finishCurrent);
}

GameRater::~GameRater() {
    if (stop_) stop_->store(true);
    watcher_.waitForFinished();
}

void GameRater::rate(qint64 game) {
    if (game == 0 || game == current_ || std::ranges::count(waiting_, game) != 0) return;
    waiting_.push_back(game);
    if (current_ == 0) startNext();
}

void GameRater::startNext() {
    while (current_ == 0 && !waiting_.empty()) {
        const qint64 game = waiting_.front();
        waiting_.pop_front();
        // The journal is read here, on its own thread; the worker gets the record alone.
        std::optional<GameRecord> record = journal_.finishedGame(game);
        if (!record) continue;
        current_ = game;
        stop_ = std::make_shared<std::atomic<bool>>(false);
        watcher_.setFuture(
            QtConcurrent::run(&AnalysisPool(), [record = std::move(*record), stop = stop_] {
                QThread::currentThread()->setPriority(QThread::LowestPriority);
                auto reviewed = ReviewGame(record, stop.get());
                QThread::currentThread()->setPriority(QThread::InheritPriority);
                return reviewed;
            }));
    }
}

void GameRater::finishCurrent() {
    const qint64 game = std::exchange(current_, 0);
    const auto reviewed = watcher_.future().result();
    if (reviewed && SaveReview(journal_, game, *reviewed)) emit rated(game);
    startNext();
}

}  // namespace corvane
