#include "expert.h"

#include <string>

#include "declarations.h"
#include "display.h"
#include "levels.h"
#include "search.h"

namespace corvane {

int LevelChooseCard(const Game& g, int player, OpponentLevel level) {
    return expert::SearchCard(expert::ViewOf(g, player), SettingsOf(level).Search);
}

ExpertMeld LevelChooseMeld(const Game& g, int player, OpponentLevel level) {
    const LevelSettings& settings = SettingsOf(level);
    const expert::View view = expert::ViewOf(g, player);
    // Without the search, the meld worth most first: whatever is held back may never find
    // another trick to follow.
    const expert::MeldOption meld = settings.SearchDeclaring
                                        ? expert::SearchMeld(view, settings.Search)
                                        : expert::BestMeld(view.State, player);
    return {meld.Kind, meld.Suit};
}

int ExpertChooseCard(const Game& g, int player) {
    return LevelChooseCard(g, player, StrongestLevel);
}

int ExpertTarvishCard(Game& g) {
    const std::int64_t start = g.Display().TickCount();
    const int card = LevelChooseCard(g, PlayerTarvish, g.TarvishLevel);
    g.ThinkingTime = g.Display().TickCount() - start;
    return card;
}

ExpertMeld ExpertChooseMeld(const Game& g, int player) {
    return LevelChooseMeld(g, player, StrongestLevel);
}

void MakeDeclaration(Game& g, int player, ExpertMeld meld) {
    g.MeldMade = false;
    switch (meld.Kind) {
        case MeldDix:
            DeclareDix(g, player);
            break;
        case MeldRun:
            DeclareRun(g, player);
            break;
        case MeldMarriage:
            DeclareMarriage(g, player, meld.Suit);
            break;
        case MeldFourKings:
            DeclareFour(g, player, King, MeldFourKings);
            break;
        case MeldFourQueens:
            DeclareFour(g, player, Queen, MeldFourQueens);
            break;
        case MeldFourJacks:
            DeclareFour(g, player, Jack, MeldFourJacks);
            break;
        case MeldCorvane:
            DeclareCorvane(g, player);
            break;
        case MeldDoubleCorvane:
            DeclareDoubleCorvane(g, player);
            break;
        case MeldFourAces:
            DeclareFour(g, player, Ace, MeldFourAces);
            break;
        default:
            break;
    }
}

void ExpertTarvishDeclare(Game& g) {
    MakeDeclaration(g, PlayerTarvish, LevelChooseMeld(g, PlayerTarvish, g.TarvishLevel));
    if (!g.MeldMade) SetCaption(g, Control::LblInfo, "Tarvish not melding");
    g.MeldMade = false;
    g.PauseTime = g.Speed;
}

// The declaring panel's button that makes `meld`; Cancel for none.
std::string DeclaringButton(const ExpertMeld& meld, bool marriagePanelShown) {
    switch (meld.Kind) {
        case MeldDix:
            return "cmdDec7Trumps";
        case MeldRun:
            return "CmdSequence";
        case MeldMarriage:
            return marriagePanelShown ? "CmdMarriage(" + std::to_string(meld.Suit - 2) + ")"
                                      : "CmdMakeMarriage";
        case MeldFourKings:
            return "CmdFours(0)";
        case MeldFourQueens:
            return "CmdFours(1)";
        case MeldFourJacks:
            return "CmdFours(2)";
        case MeldFourAces:
            return "CmdFours(3)";
        case MeldCorvane:
            return "CmdCorvane";
        case MeldDoubleCorvane:
            return "CmdDCorvane";
        default:
            return "CmdCancel";
    }
}

}  // namespace corvane
