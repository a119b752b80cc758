#include "strategy_person.h"

#include "declarations.h"
#include "display.h"
#include "expert.h"
#include "hand_flow.h"

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
    PicCard_Click(g_, strategy_(g_, PlayerPerson));
}

void StrategyPerson::Declare() {
    const ExpertMeld meld = ExpertChooseMeld(g_, PlayerPerson);
    switch (meld.Kind) {
        case MeldDix:
            cmdDec7Trumps_Click(g_);
            break;
        case MeldRun:
            CmdSequence_Click(g_);
            break;
        case MeldMarriage:
            CmdMakeMarriage_Click(g_);
            CmdMarriage_Click(g_, meld.Suit - Diamonds + 1);
            break;
        case MeldFourKings:
            CmdFours_Click(g_, 0);
            break;
        case MeldFourQueens:
            CmdFours_Click(g_, 1);
            break;
        case MeldFourJacks:
            CmdFours_Click(g_, 2);
            break;
        case MeldFourAces:
            CmdFours_Click(g_, 3);
            break;
        case MeldCorvane:
            CmdCorvane_Click(g_);
            break;
        case MeldDoubleCorvane:
            CmdDCorvane_Click(g_);
            break;
        default:
            break;
    }
    if (g_.WaitingForPlayer && g_.GameInProgress) CmdCancel_Click(g_);
}

}  // namespace corvane
