#pragma once

#include <QObject>

#include <functional>

namespace corvane {

struct Game;
class WindowTable;

// Runs the game's procedures (a new game, the person's clicks) from the top of the event loop,
// one at a time. A hand waits for the person and pauses inside nested event loops, where the
// person may choose a new game or leave: the running hand is then abandoned, left to unwind
// completely, and only then does the next procedure start. So no hand ever resumes on the
// state of a later one.
class GameRunner : public QObject {
    Q_OBJECT

public:
    using Procedure = std::function<void(Game&)>;

    GameRunner(Game& game, WindowTable& table, QObject* parent = nullptr);

    // Runs `procedure` now, or, when a procedure is running, abandons it and runs this one as
    // soon as it has returned.
    void start(Procedure procedure);
    // Carries out one of the person's actions (a click function of the game) and wakes the
    // waits for the person. Outside a running procedure the action runs as one of its own.
    void act(const Procedure& action);
    // Abandons the running procedure, if any, and starts nothing after it.
    void stop();

    bool running() const { return running_; }

    void clickCard(int card);
    // A button or a clickable label of the table, by its design name.
    void clickControl(const QString& name);

signals:
    // The last procedure has returned; nothing of the game is running.
    void idle();

private:
    void runFromTop(const Procedure& first);
    void abandonRunning();

    Game& game_;
    WindowTable& table_;
    Procedure pending_;
    bool running_ = false;
};

}  // namespace corvane
