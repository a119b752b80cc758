// The Expert's speed on one core: the kernel's complete simulated hands, the time of an Expert
// decision over positions from seeded games (median and 99th percentile), and the exact Round 2
// solve.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "expert/expert.h"
#include "expert/playout.h"
#include "expert/solver.h"
#include "expert/strategy_person.h"
#include "expert/view.h"
#include "game_state.h"
#include "hand_flow.h"

namespace {

using namespace corvane;

// Every position at which the person was to play a card or to declare, over seeded games of the
// baseline person against Classic Tarvish.
const std::vector<Game>& Positions() {
    static const std::vector<Game> positions = [] {
        std::vector<Game> found;
        Game g;
        BuildCardTable(g);
        StrategyPerson person(g, OpponentLevel::Baseline);
        struct Recorder final : NullTable {
            StrategyPerson* Person;
            std::vector<Game>* Found;
            Game* G;
            bool WaitForPlayer() override {
                Found->push_back(*G);
                Person->Act();
                return true;
            }
        } table;
        table.Person = &person;
        table.Found = &found;
        table.G = &g;
        g.AttachTable(&table);
        for (int seed = 1; found.size() < 1200; ++seed) {
            g.Random = RandomSource(static_cast<std::uint64_t>(seed));
            NewGame(g);
        }
        for (Game& position : found) position.AttachTable(nullptr);
        return found;
    }();
    return positions;
}

// Processor time of this thread in milliseconds: the machine may be busy with other work.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void ReportPercentiles(benchmark::State& state, std::vector<double>& ms) {
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
    state.counters["max_ms"] = ms.back();
    state.counters["decisions"] = static_cast<double>(ms.size());
}

// Complete hands from the deal, both players by the baseline's rules.
void BM_KernelHands(benchmark::State& state) {
    std::uint64_t seed = 1;
    const auto next = [&seed] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return seed >> 32;
    };
    std::int8_t pack[64];
    for (int i = 0; i < 64; ++i) pack[i] = static_cast<std::int8_t>(i + 1);
    for (auto _ : state) {
        for (int i = 63; i > 0; --i) {
            std::swap(pack[i], pack[(next() * static_cast<std::uint64_t>(i + 1)) >> 32]);
        }
        expert::HandState s;
        for (int i = 0; i < 8; ++i) {
            s.Held[1] |= expert::Bit(pack[i]);
            s.Held[2] |= expert::Bit(pack[8 + i]);
        }
        s.UpCard = pack[16];
        s.Trump = static_cast<std::int8_t>(expert::SuitOf(pack[16]));
        s.StockLeft = 47;
        expert::PlayOut(s, pack + 17, expert::Draws::FixedPerPlayer);
        benchmark::DoNotOptimize(s);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KernelHands);

// One decision of the strongest level at each of 1,200 positions: a card, or in a declaring
// turn the declaration.
void BM_ExpertDecision(benchmark::State& state) {
    const std::vector<Game>& positions = Positions();
    std::vector<double> ms;
    for (auto _ : state) {
        ms.clear();
        for (const Game& g : positions) {
            const bool declaring = g.Controls[static_cast<int>(Control::FramDeclare)].Visible;
            const double start = ThreadMilliseconds();
            if (declaring) {
                benchmark::DoNotOptimize(ExpertChooseMeld(g, PlayerPerson));
            } else {
                benchmark::DoNotOptimize(ExpertChooseCard(g, PlayerPerson));
            }
            ms.push_back(ThreadMilliseconds() - start);
        }
    }
    ReportPercentiles(state, ms);
}
BENCHMARK(BM_ExpertDecision)->Iterations(1)->Unit(benchmark::kMillisecond);

// The exact solve of every Round 2 position among them.
void BM_RoundTwoSolve(benchmark::State& state) {
    std::vector<expert::HandState> solves;
    for (const Game& g : Positions()) {
        if (g.Round2) solves.push_back(expert::ViewOf(g, PlayerPerson).State);
    }
    expert::RoundTwoSolver solver;
    std::vector<double> ms;
    for (auto _ : state) {
        ms.clear();
        for (const expert::HandState& s : solves) {
            const double start = ThreadMilliseconds();
            benchmark::DoNotOptimize(solver.Solve(s, PlayerPerson));
            ms.push_back(ThreadMilliseconds() - start);
        }
    }
    ReportPercentiles(state, ms);
}
BENCHMARK(BM_RoundTwoSolve)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
