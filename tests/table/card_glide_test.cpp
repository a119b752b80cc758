// A card glides to the place the game names during the pause after the move, jumps when the
// pause is too short or nobody can see the table, and is never left halfway.
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "card_item.h"
#include "glide_timing.h"
#include "status_panels.h"
#include "table_scene.h"
#include "table_view.h"
#include "window_table.h"

namespace corvane {
namespace {

constexpr int kCard = 17;
const QPointF kFrom(2500, 8160), kAside(5000, 3000), kTarget(1080, 4800);

struct ShownTable {
    ShownTable() {
        window.setCentralWidget(view);
        window.show();
    }
    QMainWindow window;
    TableScene* scene = new TableScene(&window);
    TableView* view = new TableView(scene, &window);
    StatusPanels panels{window.statusBar()};
    WindowTable* table = new WindowTable(scene, &panels, &window);
};

// How far along the straight way from kFrom to kTarget `at` lies, 0 to 1; -1 when off the way.
double Along(QPointF at) {
    const QPointF way = kTarget - kFrom, done = at - kFrom;
    const double length = std::hypot(way.x(), way.y());
    if (std::abs(way.x() * done.y() - way.y() * done.x()) / length > 1) return -1;
    return QPointF::dotProduct(done, way) / (length * length);
}

TEST(CardGlideTest, EndsExactlyAtTheLastPlaceNamedAndIsOnItsWayMeanwhile) {
    using Step = std::function<void(ShownTable&)>;
    const Step abandon = [](ShownTable& t) {
        t.table->EndAllWaits();
        EXPECT_EQ(t.scene->card(kCard)->pos(), kTarget) << "at its place at once";
    };
    const Step resize = [](ShownTable& t) { t.window.resize(900, 400); };
    const Step showMoves = [](ShownTable&) { QCoreApplication::processEvents(); };
    const Step hide = [](ShownTable& t) { t.window.hide(); };
    const Step minimise = [](ShownTable& t) { t.window.showMinimized(); };
    const struct {
        const char* name;
        int pauseMs;
        Step beforePause, during;  // during: a third into the pause
        bool glides;
    } rows[] = {
        {"a card play's pause", 300, {}, {}, true},
        {"the hand abandoned mid-glide", 300, {}, abandon, true},
        {"the window resized mid-glide", 300, {}, resize, true},
        {"a pause too short to show", ShortestGlideMs / 4, {}, {}, false},
        {"no pause after the moves, the event loop shows them", 300, showMoves, {}, false},
        {"a hidden window", 300, hide, {}, false},
        {"a minimised window", 300, minimise, {}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ShownTable t;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&t.window));
        t.table->SetCardVisible(kCard, true);
        t.table->MoveCard(kCard, kFrom.x(), kFrom.y());
        QCoreApplication::processEvents();
        t.table->MoveCard(kCard, kAside.x(), kAside.y());  // overridden before the pause
        t.table->MoveCard(kCard, kTarget.x(), kTarget.y());
        if (row.beforePause) row.beforePause(t);

        std::vector<double> seen;  // where the card was every few milliseconds
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout,
                         [&] { seen.push_back(Along(t.scene->card(kCard)->pos())); });
        sampler.start(5);
        QTimer::singleShot(0, &sampler,
                           [&] { seen.push_back(Along(t.scene->card(kCard)->pos())); });
        if (row.during) QTimer::singleShot(row.pauseMs / 3, &sampler, [&] { row.during(t); });
        t.table->ProcessEventsUntil(t.table->TickCount() + row.pauseMs);
        sampler.stop();

        EXPECT_EQ(t.scene->card(kCard)->pos(), kTarget);
        EXPECT_FALSE(t.table->gliding());
        ASSERT_FALSE(seen.empty());
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](double s) {
            return s >= 0 && s <= 1;
        })) << "off the straight way";
        EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end())) << "went back";
        EXPECT_EQ(std::any_of(seen.begin(), seen.end(), [](double s) { return s > 0 && s < 1; }),
                  row.glides)
            << "seen between its places";
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1.0) == std::ssize(seen), !row.glides)
            << "at its place all the pause";
    }
}

}  // namespace
}  // namespace corvane
