#pragma once

#include <QObject>

#include <functional>
#include <utility>

#include "card_focus.h"
#include "person_action.h"
#include "procedure_runner.h"

namespace corvane {

struct Game;

// Runs the game's procedures (a new game, the person's clicks) from the top of the event loop,
// one at a time, as the engine's ProcedureRunner does: a new game or leaving during a hand gives
// the hand up and lets it unwind before anything else starts.
class GameRunner : public QObject {
    Q_OBJECT

public:
    using Procedure = ProcedureRunner::Procedure;

    explicit GameRunner(Game& game, QObject* parent = nullptr);

    // Runs `procedure` now, or, when a procedure is running, abandons it and runs this one as
    // soon as it has returned.
    void start(Procedure procedure) { runner_.Start(std::move(procedure)); }
    // Carries out one of the person's actions (a click function of the game) and wakes the
    // waits for the person. Outside a running procedure the action runs as one of its own.
    void act(const Procedure& action) { runner_.Act(action); }
    // Abandons the running procedure, if any, and starts nothing after it.
    void stop() { runner_.Stop(); }

    bool running() const { return runner_.Running(); }

    // One of the person's actions: told to onAction first, then carried out.
    void perform(const PersonAction& action);
    void clickCard(int card);
    // A button or a clickable label of the table, by its design name.
    void clickControl(const QString& name);

    // Told of every action of the person before it is carried out (the journal keeps them).
    std::function<void(const PersonAction&)> onAction;

signals:
    // The last procedure has returned; nothing of the game is running.
    void idle();

private:
    ProcedureRunner runner_;
};

// The person's cards for the keyboard to choose from: the cards a click plays (the person's
// holding) while a game is on, and whether the game waits for one of them now (not for a
// declaration).
PersonsCards CardsToChoose(const Game& g);

}  // namespace corvane
