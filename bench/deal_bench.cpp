// How fast the engine plays: a deal, drawing from the stock, and complete hands with a scripted
// person on a table that records nothing. Also prints the signature of the seeded games.
#include <benchmark/benchmark.h>

#include <climits>
#include <cstdio>

#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "scripted_person.h"
#include "signature.h"

namespace corvane {
namespace {

// Argument 1 deals on a recording table, 0 with no table at all.
void BM_DealAHand(benchmark::State& state) {
    Game g;
    BuildCardTable(g);
    g.Random = RandomSource(1);
    HeadlessTable table;
    if (state.range(0) != 0) g.AttachTable(&table);
    for (auto _ : state) {
        table.Moves.clear();
        table.Sounds.clear();
        ResetHand(g);
        DealCards(g);
        benchmark::DoNotOptimize(g.UpCard);
    }
}
BENCHMARK(BM_DealAHand)->ArgName("recording_table")->Arg(0)->Arg(1);

void BM_PickStockCard(benchmark::State& state) {
    Game g;
    BuildCardTable(g);
    g.Random = RandomSource(1);
    for (auto _ : state) {
        for (int i = 1; i <= CardCount; ++i) g.CardTable[i].Location = LocStock;
        // Drawing the stock down to its last card is the slowest case: ever more rejections.
        for (int n = 0; n < CardCount; ++n) {
            const int card = PickStockCard(g);
            g.CardTable[card].Location = LocTrick;
        }
    }
    state.SetItemsProcessed(state.iterations() * CardCount);
}
BENCHMARK(BM_PickStockCard);

// One complete hand per iteration, from the reset to the result, at a target nobody reaches.
void BM_CompleteHand(benchmark::State& state) {
    Game g;
    BuildCardTable(g);
    g.Random = RandomSource(1);
    ScriptedPerson person(g, 1);
    // A person who plays and declares without stray clicks or refused melds: the game's own work.
    person.StrayPercent = 0;
    person.DeclarationTries = 1;
    ScriptedTable table(person);
    g.AttachTable(&table);
    g.TargetScore = INT_MAX / 2;
    for (auto _ : state) {
        g.GameInProgress = true;
        g.GameTotal = {};
        NewHand(g);
        benchmark::DoNotOptimize(g.HandScore);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["hands_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CompleteHand);

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    std::printf("signature of the seeded games: %llu\n",
                static_cast<unsigned long long>(corvane::PlaySignatureGames()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
