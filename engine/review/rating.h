#pragma once

#include <optional>
#include <string>
#include <vector>

#include "evaluator.h"

// The grades of the person's decisions, and the summaries of a hand and of a game built from
// them. A loss is what the choice cost against the best choice, in points of the expected hand
// result; a loss the samples cannot tell from nothing is not held against the player.

namespace corvane::review {

enum class Grade { Fine, Inaccuracy, Mistake, Blunder };
inline constexpr int GradeCount = 4;

// The losses, in points, from which a decision is graded worse than fine.
struct Thresholds {
    double Inaccuracy = 10;
    double Mistake = 25;
    double Blunder = 60;
};
inline constexpr Thresholds Graded{};

// A loss within two standard errors is noise; past that the thresholds decide.
Grade GradeOf(double loss, double lossError, const Thresholds& t = Graded);
const char* GradeName(Grade grade);

// One decision of a player as it stood: what the player saw, and what it chose. The Expert's
// choice from the same view is kept beside it, to measure the Expert on the same decisions.
struct DecisionPoint {
    expert::View View;
    int Hand = 1;
    bool Declaration = false;
    int Card = 0;  // the card played, or for a declaration the meld's kind and suit below
    int MeldKind = 0;
    int MeldSuit = 0;
    int ExpertCard = 0;
    int ExpertMeldKind = 0;
    int ExpertMeldSuit = 0;

    int Round() const { return View.State.Round; }
    int Trick() const { return View.State.Tricks + 1; }
};

struct ReviewedDecision {
    DecisionPoint Point;
    Option Chosen;
    Option Best;
    Option Expert;
    Grade Grading = Grade::Fine;
    double Expected = 0;  // the expected hand result at the decision, played best
};

// Evaluates the decision and grades the choice; Expert is the Expert's choice's option.
ReviewedDecision Review(const DecisionPoint& point, const EvaluatorSettings& settings = {});
// The tutor's check: nothing when the first evaluation puts the choice clearly below a mistake,
// else the whole review. Most choices are settled at once, without the closer look.
std::optional<ReviewedDecision> ReviewIfCostly(const DecisionPoint& point,
                                               const EvaluatorSettings& settings = {});

struct HandSummary {
    int Hand = 0;
    int Decisions = 0;
    double TotalLoss = 0;
    double AverageLoss = 0;
    int Counts[GradeCount]{};
    // How much better the hand went than expected at the first decision, the player's own losses
    // put back: the cards drawn and the opponent's play, which the player did not choose.
    double Luck = 0;
};
// The decisions of one hand, in order.
HandSummary SummariseHand(const std::vector<ReviewedDecision>& hand);

struct GameSummary {
    int Decisions = 0;
    double AverageLoss = 0;
    double ExpertAverageLoss = 0;  // the Expert's choices at the same decisions
    double Luck = 0;
    int Counts[GradeCount]{};
    std::string Rating;
};
GameSummary SummariseGame(const std::vector<ReviewedDecision>& decisions);

// The rating in words from an average loss per decision, "beginner" to "expert".
std::string RatingWords(double averageLoss);

}  // namespace corvane::review
