#pragma once

#include <vector>

#include "game_record.h"

class QChart;

namespace corvane {

// The charts of the history window, each a new chart of the games given (oldest first).

// The person's share of the games won, in per cent, after each game.
QChart* WinShareChart(const std::vector<FinishedGame>& games);
// Points per hand, averaged over each game: from melds and from tricks, for both sides.
QChart* HandPointsChart(const std::vector<FinishedGame>& games);
// The person's average loss a decision in each reviewed game, and the Expert's at the same
// decisions beside it: the lower, the better the play.
QChart* RatingChart(const std::vector<FinishedGame>& games);
// How many melds of each kind each side has made.
QChart* MeldKindsChart(const std::vector<FinishedGame>& games);

}  // namespace corvane
