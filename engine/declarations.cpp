#include "declarations.h"

#include "display.h"

namespace corvane {

void ReleaseMeldMarks(Game& g, int card) {
    CardRecord& c = g.CardTable[card];
    for (int kind : {MeldMarriage, MeldRun, MeldFourAces, MeldFourKings, MeldFourJacks,
                     MeldFourQueens}) {
        if (c.MeldUsed[kind]) c.MeldColumn[kind] = false;
    }
    c.MeldUsed[MeldDix] = false;
    c.MeldUsed[MeldCorvane] = false;
    c.MeldUsed[MeldDoubleCorvane] = false;
}

// Tarvish declares nothing until the meld rules are in place.
void TarvishDeclare(Game& g) {
    g.MeldMade = false;
    g.PauseTime = g.Speed;
}

void CmdCancel_Click(Game& g) {
    if (!IsVisible(g, Control::FramDeclare)) return;
    SetVisible(g, Control::FramDeclare, false);
    g.WaitingForPlayer = false;
}

}  // namespace corvane
