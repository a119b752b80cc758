#pragma once

#include <QString>

#include "review/rating.h"

// The review's words: cards and declarations by name, the hint's reason, the tutor's warning and
// a decision's row read aloud. None of them names a card the person could not see: they speak
// only of the person's own choices.

namespace corvane {

QString CardWords(int card);
// "the Dix", "the marriage in Hearts", "no declaration".
QString MeldWords(int kind, int suit);
QString OptionWords(const review::Option& option, bool declaration);
QString GradeWords(review::Grade grade);

// "Hint: Ace of Hearts, about 30 points better on average than your next best, the Seven of
// Clubs"; `hinted` is the option the hint names.
QString HintText(const review::Evaluation& e, const review::Option& hinted, bool declaration);

// The tutor's question before a choice graded a mistake or worse.
QString TutorText(const review::ReviewedDecision& d);

// A row of the review in words, for Read Aloud.
QString RowWords(const review::ReviewedDecision& d);

// The position as the person saw it at the decision: cards held, the card led, trumps.
QString PositionWords(const review::ReviewedDecision& d);

}  // namespace corvane
