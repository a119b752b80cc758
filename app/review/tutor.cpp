#include "tutor.h"

#include "decision_recorder.h"
#include "expert/view.h"
#include "game_state.h"
#include "hand_flow.h"
#include "review_texts.h"

namespace corvane {

std::optional<QString> Tutor::question(const Game& g, int card) {
    if (!on_ || !g.GameInProgress || !WaitsForPersonsCard(g)) return std::nullopt;
    if (card < 1 || card > CardCount || g.CardTable[card].Location != LocPlayerHand)
        return std::nullopt;
    const review::DecisionPoint point = CardDecision(g, card);
    if (!expert::HandInPlay(point.View, expert::Turn::Card)) return std::nullopt;
    return ask(point);
}

std::optional<QString> Tutor::question(const Game& g, const QString& button) {
    if (!on_ || !g.GameInProgress || !g.WaitingForPlayer) return std::nullopt;
    const std::optional<review::DecisionPoint> point = DeclarationDecision(g, button.toStdString());
    if (!point) return std::nullopt;
    return ask(*point);
}

std::optional<QString> Tutor::ask(const review::DecisionPoint& point) {
    const std::uint64_t seen = expert::ViewSeed(point.View);
    if (seen == asked_) return std::nullopt;
    const std::optional<review::ReviewedDecision> d = review::ReviewIfCostly(point);
    if (!d || d->Grading < review::Grade::Mistake) return std::nullopt;
    asked_ = seen;
    return TutorText(*d);
}

}  // namespace corvane
