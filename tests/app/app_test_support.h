#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <cstdint>
#include <vector>

#include "card_table.h"
#include "control_items.h"
#include "frm_main.h"
#include "game_runner.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "table_geometry.h"
#include "table_scene.h"
#include "table_view.h"
#include "window_table.h"

namespace corvane::testing_support {

// The same seeded game played on a recording table: what the window ought to show.
struct HeadlessGame {
    Game g;
    HeadlessTable table;

    HeadlessGame() {
        BuildCardTable(g);
        g.AttachTable(&table);
        StartUp(g);
    }
};

// Seeds a game and fixes who dealt last, so that a deal can be played again elsewhere.
inline void Prepare(Game& g, std::uint64_t seed, int dealtLast) {
    g.Random = RandomSource(seed);
    g.Dealer = dealtLast;
    g.Speed = SpeedFast;
    g.PauseTime = g.Speed;
}

// Counts the messages the window shows and answers each with its first button, after
// `answerAfter` milliseconds.
class MessageCounter {
public:
    explicit MessageCounter(WindowTable& table) {
        QObject::connect(&table, &WindowTable::messageShown, &table, [this] {
            ++count;
            QTimer::singleShot(answerAfter, [] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    dialog->done(0);
                }
            });
        });
    }
    int count = 0;
    int answerAfter = 0;
};

inline int CountAt(const Game& g, int location) {
    int n = 0;
    for (int i = 1; i <= CardCount; ++i) n += g.CardTable[i].Location == location;
    return n;
}

// Lets every posted click and timer of the moment run.
inline void Settle() {
    QCoreApplication::processEvents();
    QTest::qWait(20);
}

}  // namespace corvane::testing_support
