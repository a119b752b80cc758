// What the window costs: the processor time of a pause, of a pause in which cards glide and of a
// wait for the person (all sleep in the event loop between pictures), the time from start-up to
// the first painted table, the memory in use once a hand is dealt, and the longest the window
// goes unanswered while a whole game is reviewed. Runs on Qt's offscreen
// platform unless told otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "card_table.h"
#include "decision_recorder.h"
#include "display.h"
#include "first_paint.h"
#include "frm_main.h"
#include "game_runner.h"
#include "hand_flow.h"
#include "review_window.h"
#include "scripted_person.h"
#include "table_view.h"
#include "window_table.h"

namespace corvane {
namespace {

constexpr int kTwoSeconds = 2000;

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs `step` once per iteration and reports the processor time it used as a share of one core.
template <typename Step>
void MeasureProcessorShare(benchmark::State& state, Step step) {
    double processor = 0;
    double wall = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const double before = ProcessorSeconds();
        step();
        processor += ProcessorSeconds() - before;
        wall += clock.nsecsElapsed() / 1e9;
    }
    state.counters["core_percent"] = 100.0 * processor / wall;
}

void BM_PauseOfTwoSeconds(benchmark::State& state) {
    FrmMain window;
    window.show();
    Game& g = window.game();
    g.GameInProgress = true;
    g.PauseTime = kTwoSeconds;
    MeasureProcessorShare(state, [&] { Pause(g); });
}
BENCHMARK(BM_PauseOfTwoSeconds)->Iterations(2)->Unit(benchmark::kMillisecond);

// The same pause while one card (a play) or a whole hand (the hand laid out again) glides across
// the table, back and forth, over the pause's whole length.
void BM_PauseOfTwoSecondsWithGlidingCards(benchmark::State& state) {
    FrmMain window;
    window.show();
    Game& g = window.game();
    WindowTable& table = window.table();
    g.GameInProgress = true;
    g.PauseTime = kTwoSeconds;
    const int cards = static_cast<int>(state.range(0));
    for (int card = 1; card <= cards; ++card) table.SetCardVisible(card, true);
    bool inTheHand = false;
    MeasureProcessorShare(state, [&] {
        inTheHand = !inTheHand;
        for (int card = 1; card <= cards; ++card) {
            const int left = 2500 + 500 * (card - 1);
            table.MoveCard(card, inTheHand ? left : left - 1420, inTheHand ? 8160 : 4800);
        }
        Pause(g);
    });
}
BENCHMARK(BM_PauseOfTwoSecondsWithGlidingCards)
    ->Arg(1)
    ->Arg(8)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

void BM_WaitForPersonOfTwoSeconds(benchmark::State& state) {
    FrmMain window;
    window.show();
    Game& g = window.game();
    g.GameInProgress = true;
    MeasureProcessorShare(state, [&] {
        g.WaitingForPlayer = true;
        QTimer::singleShot(kTwoSeconds, &window, [&] {
            g.WaitingForPlayer = false;
            window.table().WakeWaits();
        });
        WaitForPlayer(g);
    });
}
BENCHMARK(BM_WaitForPersonOfTwoSeconds)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstPaintedTable(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<FrmMain>();
        ShowUntilPainted(*window, *window->view().viewport());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstPaintedTable)->Unit(benchmark::kMillisecond);

void BM_PeakMemoryAfterADealtHand(benchmark::State& state) {
    for (auto _ : state) {
        FrmMain window;
        window.show();
        window.game().Speed = 0;
        // The hand is dealt when the game first waits for the person.
        QObject::connect(
            &window.table(), &WindowTable::waitStarted, &window,
            [&window] { window.runner().stop(); }, Qt::QueuedConnection);
        window.runner().start(NewGame);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_resident_MiB"] = usage.ru_maxrss / 1024.0;
}
BENCHMARK(BM_PeakMemoryAfterADealtHand)->Iterations(1)->Unit(benchmark::kMillisecond);

// The person's decisions of a seeded game to 1000 played by the script against Classic Tarvish.
std::vector<review::DecisionPoint> SeededGameDecisions(std::uint64_t seed) {
    Game g;
    BuildCardTable(g);
    ScriptedPerson person(g, seed);
    ScriptedTable table(person);
    DecisionRecorder recorder;
    person.Through = [&](const PersonAction& action) {
        recorder.record(g, action);
        Perform(g, action);
    };
    g.AttachTable(&table);
    g.Random = RandomSource(seed);
    g.Dealer = PlayerTarvish;
    NewGame(g);
    g.AttachTable(nullptr);
    return recorder.game();
}

// A timer that should tick every 16 ms, as the gliding cards do: the longest gap between its
// ticks while the review works on the worker threads is the longest frame the window would show.
void BM_LongestFrameWhileAGameIsReviewed(benchmark::State& state) {
    const std::vector<review::DecisionPoint> points = SeededGameDecisions(3);
    double longest = 0, analysis = 0;
    for (auto _ : state) {
        FrmMain window;
        window.show();
        ReviewWindow review(&window);
        review.show();
        QElapsedTimer clock, sinceTick;
        QTimer frames;
        QObject::connect(&frames, &QTimer::timeout, &window, [&] {
            longest = std::max(longest, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        QEventLoop loop;
        QObject::connect(&review, &ReviewWindow::finished, &loop, &QEventLoop::quit);
        clock.start();
        sinceTick.start();
        frames.start(16);
        review.review(points, QStringLiteral("Review"));
        loop.exec();
        analysis += clock.nsecsElapsed() / 1e9;
    }
    state.counters["decisions"] = double(points.size());
    state.counters["longest_frame_ms"] = longest;
    state.counters["review_s"] = analysis / double(state.iterations());
}
BENCHMARK(BM_LongestFrameWhileAGameIsReviewed)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
