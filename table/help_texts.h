#pragma once

#include <QString>

// The prose of the three help pages, one entry a line; paragraph lines are indented by five
// blanks, the declaration lines of page 2 by six.
namespace corvane::help_text {

// Page 1 above and below the row of card pictures (Ace, Ten, King, Queen, Jack).
QString Page1Top();
QString Page1Bottom();
// Page 2 above the declaration table.
QString Page2();
// Page 3: a rule of 145 "=" signs, then the play and the options.
QString Page3Rule();
QString Page3();

}  // namespace corvane::help_text
