#include "decision_recorder.h"

#include "display.h"
#include "expert/expert.h"
#include "expert/view.h"
#include "hand_flow.h"

namespace corvane {

namespace {

// The declaration a declaring panel's button makes, found by the map the hint uses the other way.
bool MeldOfButton(const std::string& button, bool marriagePanel, ExpertMeld& meld) {
    for (int kind = 0; kind <= MeldKindCount; ++kind) {
        for (int suit = Diamonds; suit <= (kind == MeldMarriage ? Spades : Diamonds); ++suit) {
            const ExpertMeld candidate{kind, kind == MeldMarriage ? suit : 0};
            if (DeclaringButton(candidate, marriagePanel) == button) {
                meld = candidate;
                return true;
            }
        }
    }
    return false;
}

bool CanDeclare(const expert::View& view, const ExpertMeld& meld) {
    expert::MeldOption options[expert::MaxMeldOptions];
    const int count = expert::MeldOptions(view.State, view.Viewer, options);
    for (int i = 0; i < count; ++i) {
        if (options[i].Kind == meld.Kind &&
            (meld.Kind != MeldMarriage || options[i].Suit == meld.Suit))
            return true;
    }
    return false;
}

}  // namespace

review::DecisionPoint CardDecision(const Game& g, int card) {
    review::DecisionPoint p;
    p.View = expert::ViewOf(g, PlayerPerson);
    p.Card = card;
    return p;
}

std::optional<review::DecisionPoint> DeclarationDecision(const Game& g, const std::string& button) {
    const bool marriagePanel = IsVisible(g, Control::FramMarriage);
    if (!marriagePanel && !IsVisible(g, Control::FramDeclare)) return std::nullopt;
    // Opening the marriage panel decides nothing yet, nor does a Cancel within it.
    if (button == "CmdMakeMarriage" || (marriagePanel && button == "CmdCancel"))
        return std::nullopt;
    ExpertMeld meld;
    if (!MeldOfButton(button, marriagePanel, meld)) return std::nullopt;
    review::DecisionPoint p;
    p.View = expert::ViewOf(g, PlayerPerson);
    if (!expert::HandInPlay(p.View, expert::Turn::Declaring)) return std::nullopt;
    // A meld the person cannot make is refused and the person chooses again: no decision.
    if (meld.Kind != 0 && !CanDeclare(p.View, meld)) return std::nullopt;
    p.Declaration = true;
    p.MeldKind = meld.Kind;
    p.MeldSuit = meld.Suit;
    return p;
}

void DecisionRecorder::record(const Game& g, const PersonAction& action) {
    if (!g.GameInProgress || !g.WaitingForPlayer) return;
    review::DecisionPoint p;
    if (action.What == PersonAction::Kind::Card && WaitsForPersonsCard(g)) {
        if (g.CardTable[action.Value].Location != LocPlayerHand) return;
        p = CardDecision(g, action.Value);
        // Only a hand in play can be played out for the review; a table set up by hand is not.
        if (!expert::HandInPlay(p.View, expert::Turn::Card)) return;
        if (askExpert_) p.ExpertCard = ExpertChooseCard(g, PlayerPerson);
    } else if (action.What == PersonAction::Kind::Control) {
        const std::optional<review::DecisionPoint> declaration =
            DeclarationDecision(g, action.Text);
        if (!declaration) return;
        p = *declaration;
        if (askExpert_) {
            const ExpertMeld best = ExpertChooseMeld(g, PlayerPerson);
            p.ExpertMeldKind = best.Kind;
            p.ExpertMeldSuit = best.Suit;
        }
    } else {
        return;
    }
    const expert::HandState& s = p.View.State;
    // A hand starts with its first trick; a game, too, with both totals at most the Seven turned
    // up, which no later hand begins with.
    if (s.Round == 1 && s.Tricks == 0 && !p.Declaration) {
        if (s.GameTotal[1] + s.GameTotal[2] <= 10) clear();
        ++hand_;
    }
    if (hand_ == 0) hand_ = 1;
    p.Hand = hand_;
    game_.push_back(p);
}

void DecisionRecorder::clear() {
    game_.clear();
    hand_ = 0;
}

std::vector<review::DecisionPoint> DecisionRecorder::lastHand() const {
    std::vector<review::DecisionPoint> hand;
    if (game_.empty()) return hand;
    for (const review::DecisionPoint& p : game_) {
        if (p.Hand == game_.back().Hand) hand.push_back(p);
    }
    return hand;
}

}  // namespace corvane
