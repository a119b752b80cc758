#include "declarations.h"

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

}  // namespace corvane
