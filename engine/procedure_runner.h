#pragma once

#include <functional>

namespace corvane {

struct Game;

// Runs the game's procedures (a new game, the person's actions) one at a time from the top, never
// one inside another. A hand waits for the person and pauses while the person may start a new
// game or leave: the running hand is then given up, left to unwind completely, and only then does
// the next procedure start. So the stack does not grow from game to game, and no hand ever
// resumes on the state of a later one.
class ProcedureRunner {
public:
    using Procedure = std::function<void(Game&)>;

    explicit ProcedureRunner(Game& g) : g_(g) {}

    // Runs `procedure` now, or, while a procedure runs, gives that one up and runs this one as
    // soon as it has returned.
    void Start(Procedure procedure);
    // Carries out one of the person's actions (a click function of the game) inside the running
    // procedure's wait or pause, and lets the game look at its flags again. With nothing running
    // the action runs as a procedure of its own.
    void Act(const Procedure& action);
    // Gives up the running procedure, if any, and starts nothing after it.
    void Stop();

    bool Running() const { return running_; }
    // How many procedures have run to their end.
    int Completed() const { return completed_; }

    // Called each time the last procedure has returned and nothing of the game runs.
    std::function<void()> OnIdle;

private:
    void RunFromTop(const Procedure& first);

    Game& g_;
    Procedure pending_;
    bool running_ = false;
    int completed_ = 0;
};

}  // namespace corvane
