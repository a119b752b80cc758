// What the installed card decks cost: switching to each with a hand dealt (the SVG parsed and
// the visible table drawn again), a frame just after the window grows (the old pictures scaled
// while the new ones are drawn on worker threads), and the time to the first painted table with
// the game's own deck and with a chosen one. Runs on Qt's offscreen platform unless told
// otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

#include "deck_art.h"
#include "first_paint.h"
#include "frm_main.h"
#include "game_runner.h"
#include "hand_flow.h"
#include "table_view.h"
#include "window_preferences.h"
#include "window_table.h"

namespace corvane {
namespace {

// A window of its own folder with the first hand dealt and waiting for the person.
struct DealtTable {
    QTemporaryDir folder;
    std::unique_ptr<FrmMain> window;
    DealtTable() {
        window = std::make_unique<FrmMain>(folder.path(), folder.filePath("preferences.ini"));
        window->resize(860, 700);
        window->show();
        window->game().Speed = 0;
        QObject::connect(
            &window->table(), &WindowTable::waitStarted, window.get(),
            [this] { window->runner().stop(); }, Qt::QueuedConnection);
        window->runner().start(NewGame);
    }
    // Paints the table now, as the next frame would.
    void frame() { window->view().viewport()->grab(); }
};

void BM_SwitchToDeck(benchmark::State& state, const DeckIndex& deck) {
    DealtTable table;
    for (auto _ : state) {
        state.PauseTiming();
        DeckArt::instance().select(std::nullopt);
        table.frame();
        state.ResumeTiming();
        DeckArt::instance().select(deck);
        table.frame();
    }
    DeckArt::instance().select(std::nullopt);
}

// The frame after the window grows, and how long until the new pictures have all arrived.
void BM_FrameAfterAResize(benchmark::State& state, const DeckIndex& deck) {
    DealtTable table;
    DeckArt::instance().select(deck);
    table.frame();
    double arrival = 0;
    int step = 0;
    for (auto _ : state) {
        // A size not seen before each time, so that every picture is wanted anew.
        ++step;
        table.window->resize(QSize(860, 700) + QSize(90, 70) * step);
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        table.frame();
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        QSignalSpy arrived(&DeckArt::instance(), &DeckArt::picturesChanged);
        while (DeckArt::instance().picturesUnderWay() > 0 && clock.elapsed() < 10000) {
            arrived.wait(100);
        }
        arrival += clock.nsecsElapsed() / 1e6;
        table.frame();
    }
    state.counters["pictures_arrive_ms"] = arrival / state.iterations();
    DeckArt::instance().select(std::nullopt);
}

void BM_StartUpToFirstPaintedTable(benchmark::State& state, const QString& deckId) {
    QTemporaryDir folder;
    const QString preferences = folder.filePath("preferences.ini");
    WindowPreferences(preferences).setCardDeck(deckId);
    for (auto _ : state) {
        state.PauseTiming();
        DeckArt::instance().select(std::nullopt);
        state.ResumeTiming();
        auto window = std::make_unique<FrmMain>(folder.path(), preferences);
        ShowUntilPainted(*window, *window->view().viewport());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    DeckArt::instance().select(std::nullopt);
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    using namespace corvane;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QList<DeckIndex> decks = FindInstalledDecks();
    for (const DeckIndex& deck : decks) {
        const std::string id = deck.id.toStdString();
        benchmark::RegisterBenchmark(("BM_SwitchToDeck/" + id).c_str(), BM_SwitchToDeck, deck)
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_FrameAfterAResize/" + id).c_str(), BM_FrameAfterAResize,
                                     deck)
            ->Iterations(4)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_StartUpToFirstPaintedTable/own", BM_StartUpToFirstPaintedTable,
                                 QString())
        ->Unit(benchmark::kMillisecond);
    if (!decks.isEmpty()) {
        benchmark::RegisterBenchmark(
            ("BM_StartUpToFirstPaintedTable/" + decks[0].id.toStdString()).c_str(),
            BM_StartUpToFirstPaintedTable, decks[0].id)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
