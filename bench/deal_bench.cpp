// How fast the engine deals: a whole new game's deal on a recording table and without one.
#include <benchmark/benchmark.h>

#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"

namespace corvane {
namespace {

// Argument 1 deals on a recording table, 0 with no table at all.
void BM_NewGameDeal(benchmark::State& state) {
    Game g;
    BuildCardTable(g);
    g.Random = RandomSource(1);
    HeadlessTable table;
    if (state.range(0) != 0) g.AttachTable(&table);
    for (auto _ : state) {
        table.Moves.clear();
        table.Sounds.clear();
        NewGame(g);
        benchmark::DoNotOptimize(g.UpCard);
    }
}
BENCHMARK(BM_NewGameDeal)->ArgName("recording_table")->Arg(0)->Arg(1);

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

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
