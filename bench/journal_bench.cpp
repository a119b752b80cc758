// The journal's costs: one action of the person written to the database (its own transaction,
// on the disk before the game goes on), and the resume of a game of ten hands (played again out
// of sight up to the person's wait, the table then handed over).
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "game_journal.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "journal.h"
#include "scripted_person.h"

namespace corvane {
namespace {

void BM_RecordAction(benchmark::State& state) {
    QTemporaryDir dir;
    Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    const qint64 game = journal.beginGame({});
    std::vector<double> micros;
    std::int64_t moment = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        journal.recordAction(game, {++moment, {PersonAction::Kind::Card, 17, {}}});
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}
BENCHMARK(BM_RecordAction)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Counts the hands as they begin.
class HandCounter final : public GameObserver {
public:
    int Hands = 0;
    void HandBegun(const Game&) override { ++Hands; }
    void MeldBooked(const Game&, int, int, int) override {}
    void TricksBooked(const Game&) override {}
};

// The actions of a seeded game through its first ten hands.
GameRecord TenHands() {
    Game g;
    BuildCardTable(g);
    GameRecord record;
    record.Start = {2026, PlayerTarvish, 100000, SpeedMedium, "Player", OpponentLevel::Classic};
    g.Random = RandomSource(record.Start.Seed);
    g.Dealer = record.Start.Dealer;
    g.TargetScore = record.Start.Target;
    HandCounter counter;
    g.Observer = &counter;
    ScriptedPerson person(g, 7);
    person.Through = [&](const PersonAction& action) {
        if (counter.Hands <= 10) record.Actions.push_back({g.InputMoments, action});
        Perform(g, action);
    };
    HeadlessTable table;
    table.OnWaitForPlayer = [&] {
        if (counter.Hands > 10) {
            g.GameInProgress = false;
            return;
        }
        person.Act();
    };
    g.AttachTable(&table);
    NewGame(g);
    return record;
}

void BM_ResumeTenHands(benchmark::State& state) {
    QTemporaryDir dir;
    Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    GameJournal keeper(journal);
    const GameRecord record = TenHands();
    for (auto _ : state) {
        Game g;
        BuildCardTable(g);
        HeadlessTable live;  // nobody acts on it: the game stops at the wait it comes back to
        keeper.playResumed(g, record, live);
        benchmark::DoNotOptimize(g.GameTotal);
    }
    state.counters["actions"] = double(record.Actions.size());
}
BENCHMARK(BM_ResumeTenHands)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
