#include "procedure_runner.h"

#include <utility>

#include "game_state.h"
#include "hand_flow.h"

namespace corvane {

void ProcedureRunner::Start(Procedure procedure) {
    pending_ = std::move(procedure);
    if (running_) {
        AbandonGame(g_);
        return;
    }
    RunFromTop(nullptr);
}

void ProcedureRunner::Act(const Procedure& action) {
    if (!running_) {
        RunFromTop(action);
        return;
    }
    action(g_);
    if (Table* table = g_.AttachedTable()) table->WakeWaits();
}

void ProcedureRunner::Stop() {
    pending_ = nullptr;
    if (running_) AbandonGame(g_);
}

void ProcedureRunner::RunFromTop(const Procedure& first) {
    running_ = true;
    Procedure next = first;
    do {
        if (next) {
            g_.HandOver = false;
            next(g_);
            ++completed_;
        }
        next = std::exchange(pending_, nullptr);
    } while (next);
    // What is left of a hand given up has unwound.
    g_.HandOver = false;
    running_ = false;
    if (OnIdle) OnIdle();
}

}  // namespace corvane
