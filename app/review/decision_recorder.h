#pragma once

#include <optional>
#include <string>
#include <vector>

#include "person_action.h"
#include "review/rating.h"

namespace corvane {

struct Game;

// The person's decisions of the game on the table, as the person saw them, written down just
// before each is carried out: every card played and every declaration made or declined. The
// Expert's choice at the same moment is kept beside each, to measure it on the same decisions.
class DecisionRecorder {
public:
    void record(const Game& g, const PersonAction& action);
    // Off, the Expert's choices are not worked out (a replay whose review is kept already).
    void setAskExpert(bool ask) { askExpert_ = ask; }
    void clear();

    const std::vector<review::DecisionPoint>& game() const { return game_; }
    // The decisions of the last hand that has any.
    std::vector<review::DecisionPoint> lastHand() const;

private:
    std::vector<review::DecisionPoint> game_;
    int hand_ = 0;
    bool askExpert_ = true;
};

// The person's decision to play `card` now, as the person sees it; no Expert choice filled in.
review::DecisionPoint CardDecision(const Game& g, int card);
// The declaration (or none) that pressing declaring panel button `button` makes now, as the
// person sees it; nothing when the button decides nothing (no panel open, the marriage panel
// opened, a Cancel within it) or the hand is not one in play.
std::optional<review::DecisionPoint> DeclarationDecision(const Game& g, const std::string& button);

}  // namespace corvane
