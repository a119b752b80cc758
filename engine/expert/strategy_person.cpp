#include "strategy_person.h"

#include "declarations.h"
#include "display.h"
#include "expert.h"
#include "hand_flow.h"
#include "person_action.h"

namespace corvane {

void StrategyPerson::Act() {
    // A knock wins at once.
    if (IsVisible(g_, Control::LblKnock)) {
        LblKnock_Click(g_);
        if (!g_.GameInProgress) return;
    }
    if (IsVisible(g_, Control::FramDeclare)) {
        Declare();
        return;
    }
    PicCard_Click(g_, cards_ != nullptr ? cards_(g_, PlayerPerson)
                                        : LevelChooseCard(g_, PlayerPerson, level_));
}

void StrategyPerson::Declare() {
    const ExpertMeld meld = LevelChooseMeld(g_, PlayerPerson, level_);
    // The buttons the window would press; a marriage opens its panel first.
    const bool marriage = meld.Kind == MeldMarriage;
    if (marriage) Perform(g_, {PersonAction::Kind::Control, 0, DeclaringButton(meld, false)});
    Perform(g_, {PersonAction::Kind::Control, 0, DeclaringButton(meld, marriage)});
    if (g_.WaitingForPlayer && g_.GameInProgress) CmdCancel_Click(g_);
}

}  // namespace corvane
