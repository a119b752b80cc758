#pragma once

#include <optional>
#include <string>
#include <vector>

#include "review/rating.h"

// A game's reviewed decisions as the journal keeps them: one line of text each, everything but
// the view, which playing the game again gives back at no cost.

namespace corvane {

std::string ReviewRow(const review::ReviewedDecision& d);

// The decisions with their rows put back, in order; nothing when the rows are not those of
// these decisions (a row damaged, or written for another game).
std::optional<std::vector<review::ReviewedDecision>> Reviewed(
    const std::vector<review::DecisionPoint>& points, const std::vector<std::string>& rows);

}  // namespace corvane
