#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "game_observer.h"
#include "game_record.h"

namespace corvane {

class Journal;
class Table;

// Gathers what the history keeps of a game as it is played: each hand's melds, trick points
// and knock.
class HandHistory final : public GameObserver {
public:
    void clear() { hands_.clear(); }
    const std::vector<HandSummary>& hands() const { return hands_; }
    // The game just won, as the history keeps it.
    FinishedGame summary(const Game& g) const;

    void HandBegun(const Game& g) override;
    void MeldBooked(const Game& g, int player, int kind, int points) override;
    void TricksBooked(const Game& g) override;

private:
    std::vector<HandSummary> hands_;
};

// Keeps the game in progress in the journal. A game starts from a seed the journal records with
// every other starting condition; each action of the person is written down before it is carried
// out, with the moment it came at; a game won goes into the history. An unfinished game comes
// back by playing it again from its record.
class GameJournal {
public:
    explicit GameJournal(Journal& journal) : journal_(journal) {}

    // The whole procedure of a new game. A seeded g.Random goes on as it is; one that reseeds
    // from the clock gives way to a seed drawn from the system.
    void playNewGame(Game& g);
    // The whole procedure of a game resumed: `record` played again out of sight, then on `live`
    // from the wait for the person where it stood. `beforeAction` is told of each recorded
    // action as the replay carries it out.
    void playResumed(
        Game& g, const GameRecord& record, Table& live,
        const std::function<void(const Game&, const PersonAction&)>& beforeAction = {});

    // The person's action, written down (while a journaled game is in progress) before the
    // caller carries it out.
    void recordAction(const Game& g, const PersonAction& action);
    // The person chose to leave the game in progress.
    void markLeft();

    qint64 gameId() const { return game_; }
    // The last game won here, 0 before any.
    qint64 lastFinished() const { return finished_; }
    const HandHistory& history() const { return history_; }

private:
    void begin(Game& g, const GameStart& start);
    // Plays the game to its end (NewGame) and keeps a game won in the history.
    void play(Game& g);

    Journal& journal_;
    HandHistory history_;
    qint64 game_ = 0;
    qint64 finished_ = 0;
};

// What a game reads before the person acts, as it stands in `g`.
GameStart StartOf(const Game& g, std::uint64_t seed);
// Sets `g` to begin a game from `start`, as its first deal will read it.
void SetUpGame(Game& g, const GameStart& start);

}  // namespace corvane
