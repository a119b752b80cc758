#include "rating.h"

#include <utility>

namespace corvane::review {

Grade GradeOf(double loss, double lossError, const Thresholds& t) {
    if (loss <= 2 * lossError || loss < t.Inaccuracy) return Grade::Fine;
    if (loss < t.Mistake) return Grade::Inaccuracy;
    if (loss < t.Blunder) return Grade::Mistake;
    return Grade::Blunder;
}

const char* GradeName(Grade grade) {
    switch (grade) {
        case Grade::Fine:
            return "fine";
        case Grade::Inaccuracy:
            return "inaccuracy";
        case Grade::Mistake:
            return "mistake";
        case Grade::Blunder:
            return "blunder";
    }
    return "";
}

namespace {

Evaluation Evaluate(const DecisionPoint& point, const EvaluatorSettings& settings) {
    return point.Declaration ? EvaluateMelds(point.View, settings)
                             : EvaluateCards(point.View, settings);
}

// Whether the grade of a loss could change within two standard errors either way.
bool Uncertain(const Option& o) {
    return o.LossError > 0 &&
           GradeOf(o.Loss - 2 * o.LossError, 0) != GradeOf(o.Loss + 2 * o.LossError, 0);
}

}  // namespace

namespace {

const Option* ChosenOption(const DecisionPoint& point, const Evaluation& e) {
    return point.Declaration ? e.FindMeld(point.MeldKind, point.MeldSuit) : e.FindCard(point.Card);
}

// The review of `point` from its first evaluation `e`.
ReviewedDecision ReviewFrom(const DecisionPoint& point, const EvaluatorSettings& settings,
                            Evaluation e) {
    // Where the deals cannot tell the grade, four times as many usually can; the rest is noise
    // and stays fine.
    const Option* chosen = ChosenOption(point, e);
    if (chosen != nullptr && Uncertain(*chosen)) {
        EvaluatorSettings more = settings;
        more.Samples *= 4;
        e = Evaluate(point, more);
    }
    const auto find = [&](int card, int kind, int suit) {
        const Option* o = point.Declaration ? e.FindMeld(kind, suit) : e.FindCard(card);
        return o != nullptr ? *o : e.Options[e.Best];
    };
    ReviewedDecision r;
    r.Point = point;
    r.Best = e.Options[e.Best];
    r.Chosen = find(point.Card, point.MeldKind, point.MeldSuit);
    r.Expert = find(point.ExpertCard, point.ExpertMeldKind, point.ExpertMeldSuit);
    r.Grading = GradeOf(r.Chosen.Loss, r.Chosen.LossError);
    r.Expected = r.Best.Value;
    return r;
}

}  // namespace

ReviewedDecision Review(const DecisionPoint& point, const EvaluatorSettings& settings) {
    return ReviewFrom(point, settings, Evaluate(point, settings));
}

std::optional<ReviewedDecision> ReviewIfCostly(const DecisionPoint& point,
                                               const EvaluatorSettings& settings) {
    Evaluation e = Evaluate(point, settings);
    const Option* chosen = ChosenOption(point, e);
    if (chosen == nullptr || chosen->Loss + 2 * chosen->LossError < Graded.Mistake)
        return std::nullopt;
    return ReviewFrom(point, settings, std::move(e));
}

HandSummary SummariseHand(const std::vector<ReviewedDecision>& hand) {
    HandSummary s;
    if (hand.empty()) return s;
    s.Hand = hand.front().Point.Hand;
    s.Decisions = static_cast<int>(hand.size());
    for (const ReviewedDecision& d : hand) {
        s.TotalLoss += d.Chosen.Loss;
        ++s.Counts[static_cast<int>(d.Grading)];
    }
    s.AverageLoss = s.TotalLoss / s.Decisions;
    // The last decision comes in Round 2 when the hand is played out, where the value of the
    // choice is exact: the drift from the first expectation, less the player's own losses.
    s.Luck = hand.back().Chosen.Value - hand.front().Expected + s.TotalLoss;
    return s;
}

GameSummary SummariseGame(const std::vector<ReviewedDecision>& decisions) {
    GameSummary g;
    g.Decisions = static_cast<int>(decisions.size());
    double loss = 0, expertLoss = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < decisions.size(); ++i) {
        loss += decisions[i].Chosen.Loss;
        expertLoss += decisions[i].Expert.Loss;
        ++g.Counts[static_cast<int>(decisions[i].Grading)];
        const bool handEnds =
            i + 1 == decisions.size() || decisions[i + 1].Point.Hand != decisions[i].Point.Hand;
        if (!handEnds) continue;
        g.Luck += SummariseHand({decisions.begin() + start, decisions.begin() + i + 1}).Luck;
        start = i + 1;
    }
    if (g.Decisions > 0) {
        g.AverageLoss = loss / g.Decisions;
        g.ExpertAverageLoss = expertLoss / g.Decisions;
    }
    g.Rating = RatingWords(g.AverageLoss);
    return g;
}

std::string RatingWords(double averageLoss) {
    if (averageLoss <= 1) return "expert";
    if (averageLoss <= 2.5) return "strong";
    if (averageLoss <= 5) return "good";
    if (averageLoss <= 10) return "fair";
    return "beginner";
}

}  // namespace corvane::review
