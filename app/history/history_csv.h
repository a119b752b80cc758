#pragma once

#include <QByteArray>

#include <vector>

#include "game_record.h"

namespace corvane {

// The history as CSV in UTF-8, lines ending in CR LF: a heading line, then one line per hand of
// every game, the game's own columns repeated on each of its hands.
QByteArray HistoryCsv(const std::vector<FinishedGame>& games);

// The melds of one side in a hand as the history writes them: "Marriage 20; Dix 10".
QString MeldList(const HandSummary& hand, int player);

}  // namespace corvane
