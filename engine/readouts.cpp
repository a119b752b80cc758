#include "readouts.h"

#include <string>

#include "display.h"
#include "hand_flow.h"

namespace corvane {

void ShowTrumps(Game& g) {
    SetStatusPanel(g, 1, SuitName(g.TrumpSuit) + " are Trumps", SuitSymbolImage(g.TrumpSuit));
    SetCaption(g, Control::LblInfo, "The UpCard is " + g.CardTable[g.UpCard].Name);
}

void PostMeldScore(Game& g, int player) {
    if (g.Observer != nullptr)
        g.Observer->MeldBooked(g, player, g.LastMeldKind, g.LastMeldScore[player]);
    g.LastMeldKind = 0;
    g.GameTotal[player] += g.LastMeldScore[player];
    SetCaption(g, LblPLast(player), std::to_string(g.LastMeldScore[player]));
    g.HandScore[player] += g.LastMeldScore[player];
    g.LastMeldScore[player] = 0;
    SetCaption(g, LblPTot(player), std::to_string(g.GameTotal[player]));
}

std::string PostTrickScore(Game& g, int player) {
    const bool person = player == PlayerPerson;
    g.LastTrickScore[player] = ScoreTrick(g);
    g.TrickTotal[player] += g.LastTrickScore[player];
    const std::string points = std::to_string(g.LastTrickScore[player]);
    SetCaption(g, person ? Control::LblLastTrickP : Control::LblLastTrickC, points);
    SetCaption(g, person ? Control::LblTotTricksP : Control::LblTotTrickC,
               std::to_string(g.TrickTotal[player]));
    g.HandScore[player] += g.LastTrickScore[player];
    g.LastTrickScore[player] = 0;
    return points;
}

void ShowTrickAndRound(Game& g) {
    SetStatusPanel(g, 3, "Trick " + std::to_string(g.Round2Tricks));
    SetStatusPanel(g, 4, "Round " + std::to_string(g.RoundNo));
}

}  // namespace corvane
