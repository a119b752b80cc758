#include "game_runner.h"

#include <QString>

#include <utility>

#include "card_layout.h"
#include "game_state.h"
#include "hand_flow.h"
#include "window_table.h"

namespace corvane {

GameRunner::GameRunner(Game& game, WindowTable& table, QObject* parent)
    : QObject(parent), game_(game), table_(table) {}

void GameRunner::start(Procedure procedure) {
    pending_ = std::move(procedure);
    if (running_) {
        abandonRunning();
        return;
    }
    runFromTop(nullptr);
}

void GameRunner::act(const Procedure& action) {
    if (!running_) {
        runFromTop(action);
        return;
    }
    action(game_);
    table_.wakeWaits();
}

void GameRunner::stop() {
    pending_ = nullptr;
    if (running_) abandonRunning();
}

void GameRunner::runFromTop(const Procedure& first) {
    running_ = true;
    if (first) {
        table_.resume();
        first(game_);
    }
    while (pending_) {
        const Procedure next = std::exchange(pending_, nullptr);
        table_.resume();
        next(game_);
    }
    running_ = false;
    emit idle();
}

void GameRunner::abandonRunning() {
    AbandonGame(game_);
    table_.abandon();
}

void GameRunner::clickCard(int card) {
    act([card](Game& g) { PicCard_Click(g, card); });
}

void GameRunner::clickControl(const QString& name) {
    // The knock label has no handler yet; its click is let pass.
    if (name == QLatin1String("CmdSort")) act(CmdSort_Click);
}

}  // namespace corvane
