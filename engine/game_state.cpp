#include "game_state.h"

namespace corvane {

ControlState DesignState(Control control) {
    switch (control) {
        case Control::LblStock:
            return {"Stock", false};
        case Control::LblName:
            return {"Tarvish", true};
        case Control::LblPlayer:
            return {"Player", true};
        case Control::LblKnock:
            return {"Knock?", false};
        case Control::CmdSort:
            return {"&Sort Suits", false};
        case Control::Lblpname0:
        case Control::Lblpname1:
            return {"Player", true};
        case Control::FramDeclare:
            return {"Select a Declaration or click on Stock for card", false};
        case Control::FramMarriage:
            return {"Select Marriage to Make", false};
        case Control::FramMeldHelp:
            return {"Meld Quick Reminder", false};
        default:
            return {"", true};
    }
}

Game::Game() {
    for (int i = 0; i < ControlCount; ++i) Controls[i] = DesignState(static_cast<Control>(i));
}

bool IsTrump(const Game& g, int card) {
    return g.CardTable[card].Suit == g.TrumpSuit;
}

}  // namespace corvane
