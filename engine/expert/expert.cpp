#include "expert.h"

#include "declarations.h"
#include "display.h"
#include "policy.h"
#include "search.h"

namespace corvane {

int ExpertChooseCard(const Game& g, int player) {
    return expert::SearchCard(expert::ViewOf(g, player), expert::ExpertSearch);
}

int PlainSearchChooseCard(const Game& g, int player) {
    return expert::SearchCard(expert::ViewOf(g, player), expert::PlainSearch);
}

int BaselineChooseCard(const Game& g, int player) {
    return expert::BaselineCard(expert::ViewOf(g, player).State, player);
}

ExpertMeld ExpertChooseMeld(const Game& g, int player) {
    // The meld worth most first: whatever is held back may never find another trick to follow.
    const expert::MeldOption best = expert::BestMeld(expert::ViewOf(g, player).State, player);
    return {best.Kind, best.Suit};
}

void ExpertTarvishDeclare(Game& g) {
    const ExpertMeld meld = ExpertChooseMeld(g, PlayerTarvish);
    g.MeldMade = false;
    switch (meld.Kind) {
        case MeldDix:
            DeclareDix(g, PlayerTarvish);
            break;
        case MeldRun:
            DeclareRun(g, PlayerTarvish);
            break;
        case MeldMarriage:
            DeclareMarriage(g, PlayerTarvish, meld.Suit);
            break;
        case MeldFourKings:
            DeclareFour(g, PlayerTarvish, King, MeldFourKings);
            break;
        case MeldFourQueens:
            DeclareFour(g, PlayerTarvish, Queen, MeldFourQueens);
            break;
        case MeldFourJacks:
            DeclareFour(g, PlayerTarvish, Jack, MeldFourJacks);
            break;
        case MeldCorvane:
            DeclareCorvane(g, PlayerTarvish);
            break;
        case MeldDoubleCorvane:
            DeclareDoubleCorvane(g, PlayerTarvish);
            break;
        case MeldFourAces:
            DeclareFour(g, PlayerTarvish, Ace, MeldFourAces);
            break;
        default:
            break;
    }
    if (!g.MeldMade) SetCaption(g, Control::LblInfo, "Tarvish not melding");
    g.MeldMade = false;
    g.PauseTime = g.Speed;
}

}  // namespace corvane
