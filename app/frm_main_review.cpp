// The review of the person's decisions, the tutor and the hint's reason.
#include <QAction>
#include <QFutureWatcher>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

#include "analysis_pool.h"
#include "display.h"
#include "expert/view.h"
#include "frm_main.h"
#include "game_decisions.h"
#include "game_journal.h"
#include "game_rater.h"
#include "game_runner.h"
#include "hand_flow.h"
#include "history_window.h"
#include "journal.h"
#include "review/evaluator.h"
#include "review_texts.h"
#include "review_window.h"
#include "status_panels.h"
#include "table_announcer.h"
#include "window_table.h"

namespace corvane {

void FrmMain::buildReviewMenus(QMenu* play, QMenu* options) {
    if (play != nullptr) {
        QAction* before = play->findChild<QAction*>(QStringLiteral("MnuExit"));
        auto* hand = new QAction(QStringLiteral("Review Hand"), this);
        hand->setObjectName(QStringLiteral("MnuReviewHand"));
        auto* game = new QAction(QStringLiteral("Review Game"), this);
        game->setObjectName(QStringLiteral("MnuReviewGame"));
        play->insertAction(before, hand);
        play->insertAction(before, game);
        connect(hand, &QAction::triggered, this, &FrmMain::reviewHand);
        connect(game, &QAction::triggered, this, &FrmMain::reviewGame);
    }
    connect(runner_, &GameRunner::idle, this, &FrmMain::rateFinishedGame);
    if (options != nullptr) {
        auto* item = new QAction(QStringLiteral("Tutor"), this);
        item->setObjectName(QStringLiteral("MnuTutor"));
        item->setCheckable(true);
        item->setChecked(preferences_.tutorOn());
        item->setToolTip(QStringLiteral(
            "Warns before a card or a declaration that would be a mistake or worse"));
        options->addAction(item);
        tutor_.setOn(preferences_.tutorOn());
        connect(item, &QAction::toggled, this, [this](bool on) {
            preferences_.setTutorOn(on);
            tutor_.setOn(on);
        });
    }
}

ReviewWindow& FrmMain::reviewWindow() {
    if (review_ == nullptr) {
        review_ = new ReviewWindow(this);
        review_->speak = [this](const QString& text) { announcer_->announce(text); };
        connect(review_, &ReviewWindow::finished, this, &FrmMain::keepRatingOfReview);
    }
    return *review_;
}

GameRater& FrmMain::rater() {
    if (rater_ == nullptr) {
        rater_ = new GameRater(journal(), this);
        connect(rater_, &GameRater::rated, this, [this] {
            if (history_ != nullptr && history_->isVisible()) history_->reload();
        });
    }
    return *rater_;
}

void FrmMain::reviewHand() {
    reviewing_ = 0;
    ReviewWindow& window = reviewWindow();
    window.review(recorder_.lastHand(), QStringLiteral("Review of the Hand"));
    window.show();
    window.raise();
}

void FrmMain::reviewGame() {
    reviewing_ = 0;
    ReviewWindow& window = reviewWindow();
    window.review(recorder_.game(), QStringLiteral("Review of the Game"));
    window.show();
    window.raise();
}

void FrmMain::reviewFinishedGame(qint64 game) {
    std::optional<GameRecord> record = journal().finishedGame(game);
    if (!record) {
        QMessageBox::information(
            history_ != nullptr ? static_cast<QWidget*>(history_) : this,
            QStringLiteral("Review Game"),
            QStringLiteral("The moves of this game are no longer kept (the journal keeps those "
                           "of the last %1 games), so it cannot be played again for a review.")
                .arg(Journal::KeptMoves));
        return;
    }
    statusBar()->showMessage(QStringLiteral("Playing the game again for its review..."));
    // The replay may ask the Expert at every decision: on a worker thread, the window goes on.
    auto* replay = new QFutureWatcher<GameForReview>(this);
    connect(replay, &QFutureWatcherBase::finished, this, [this, replay, game] {
        replay->deleteLater();
        statusBar()->clearMessage();
        const GameForReview found = replay->result();
        reviewing_ = found.Reviewed ? 0 : game;
        ReviewWindow& window = reviewWindow();
        const QString title = QStringLiteral("Review of a Game from the History");
        if (found.Reviewed) {
            window.showReviewed(*found.Reviewed, title);
        } else {
            window.review(found.Points, title);
        }
        window.show();
        window.raise();
    });
    replay->setFuture(QtConcurrent::run(
        &AnalysisPool(), [record = std::move(*record), rows = journal().reviewRows(game)] {
            return ReplayForReview(record, rows);
        }));
}

void FrmMain::rateFinishedGame() {
    // No game is won before the journal is opened.
    if (gameJournal_ == nullptr) return;
    const qint64 finished = gameJournal_->lastFinished();
    if (finished == 0 || finished == rated_) return;
    rated_ = finished;
    rater().rate(finished);
}

// A whole finished game reviewed in the window keeps its review as the rater would have kept it.
void FrmMain::keepRatingOfReview() {
    if (reviewing_ == 0 || review_->reviewed().empty()) return;
    if (SaveReview(journal(), std::exchange(reviewing_, 0), review_->reviewed()) &&
        history_ != nullptr && history_->isVisible()) {
        history_->reload();
    }
}

void FrmMain::playCard(int card) {
    if (const std::optional<QString> question = tutor_.question(game_, card)) {
        // The game's own message dialog; the game itself is not told, so choosing again leaves
        // everything as it was.
        const int choice = table_->ShowMessage(
            {question->toStdString(), "Play Anyway", "Choose Again", "", 2, "Tutor"});
        if (choice != 0) return;
    }
    runner_->clickCard(card);
}

void FrmMain::pressControl(const QString& name) {
    if (const std::optional<QString> question = tutor_.question(game_, name)) {
        const int choice = table_->ShowMessage(
            {question->toStdString(), "Go Ahead", "Choose Again", "", 2, "Tutor"});
        if (choice != 0) return;
    }
    runner_->clickControl(name);
}

void FrmMain::explainHint(int card) {
    const expert::View view = expert::ViewOf(game_, PlayerPerson);
    if (!expert::HandInPlay(view, expert::Turn::Card)) return;
    const review::Evaluation e = review::EvaluateCards(view);
    const review::Option* hinted = e.FindCard(card);
    if (hinted == nullptr) return;
    showHintReason(HintText(e, *hinted, false));
}

void FrmMain::explainHint(int kind, int suit) {
    const expert::View view = expert::ViewOf(game_, PlayerPerson);
    if (!expert::HandInPlay(view, expert::Turn::Declaring)) return;
    const review::Evaluation e = review::EvaluateMelds(view);
    const review::Option* hinted = e.FindMeld(kind, suit);
    if (hinted == nullptr) return;
    showHintReason(HintText(e, *hinted, true));
}

// In the prompt's panel, which the game's next prompt takes back.
void FrmMain::showHintReason(const QString& text) {
    StatusPanel* prompt = panels_->panel(2);
    prompt->set(text, prompt->image());
    prompt->setToolTip(text);
    announcer_->announce(text);
}

}  // namespace corvane
