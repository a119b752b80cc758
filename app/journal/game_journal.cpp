#include "game_journal.h"

#include <random>
#include <utility>

#include "game_state.h"
#include "hand_flow.h"
#include "journal.h"
#include "replay_table.h"

namespace corvane {

void HandHistory::HandBegun(const Game&) {
    hands_.emplace_back();
}

void HandHistory::MeldBooked(const Game&, int player, int kind, int points) {
    // A Double Corvane asked for and not there is booked all the same, at no points.
    if (points != 0 && !hands_.empty()) hands_.back().Melds.push_back({player, kind, points});
}

void HandHistory::TricksBooked(const Game& g) {
    if (!hands_.empty()) hands_.back().TrickPoints = g.TrickTotal;
}

FinishedGame HandHistory::summary(const Game& g) const {
    FinishedGame game;
    game.Ended = QDateTime::currentDateTimeUtc();
    game.Target = g.TargetScore;
    game.Level = g.TarvishLevel;
    game.Winner = g.WinsGame[PlayerPerson] ? PlayerPerson : PlayerTarvish;
    game.Totals = g.GameTotal;
    game.Hands = hands_;
    // A game won in Round 1 was won by a knock: the person's at the label, Tarvish's by itself.
    if (!game.Hands.empty() && !g.Round2) game.Hands.back().Knocker = game.Winner;
    return game;
}

GameStart StartOf(const Game& g, std::uint64_t seed) {
    return {seed, g.Dealer, g.TargetScore, g.Speed, g.PlayerName, g.TarvishLevel};
}

void SetUpGame(Game& g, const GameStart& start) {
    g.Random = RandomSource(start.Seed);
    g.Dealer = start.Dealer;
    g.TargetScore = start.Target;
    g.Speed = start.Speed;
    g.PlayerName = start.Name;
    g.TarvishLevel = start.Level;
    g.InputMoments = 0;
}

void GameJournal::begin(Game& g, const GameStart& start) {
    SetUpGame(g, start);
    history_.clear();
    g.Observer = &history_;
}

void GameJournal::playNewGame(Game& g) {
    std::random_device system;
    const std::uint64_t seed = g.Random.Seeded()
                                   ? g.Random.State()
                                   : (std::uint64_t{system()} << 32) ^ std::uint64_t{system()};
    const GameStart start = StartOf(g, seed);
    begin(g, start);
    game_ = journal_.beginGame(start);
    play(g);
}

void GameJournal::playResumed(
    Game& g, const GameRecord& record, Table& live,
    const std::function<void(const Game&, const PersonAction&)>& beforeAction) {
    begin(g, record.Start);
    game_ = record.Id;
    ReplayTable replay(g, record.Actions, live);
    replay.beforeAction = beforeAction;
    g.AttachTable(&replay);
    play(g);
    replay.handOver();
    g.AttachTable(&live);
}

void GameJournal::play(Game& g) {
    NewGame(g);
    g.Observer = nullptr;
    if (g.WinsGame[PlayerPerson] || g.WinsGame[PlayerTarvish]) {
        journal_.finishGame(game_, history_.summary(g));
        finished_ = std::exchange(game_, 0);
    }
}

void GameJournal::recordAction(const Game& g, const PersonAction& action) {
    if (game_ != 0 && g.GameInProgress) journal_.recordAction(game_, {g.InputMoments, action});
}

void GameJournal::markLeft() {
    journal_.markLeft(game_);
    game_ = 0;
}

}  // namespace corvane
