#include "declarations.h"
#include "display.h"
#include "expert/expert.h"

namespace corvane {

void TarvishDeclare(Game& g) {
    if (g.TarvishLevel != OpponentLevel::Classic) {
        ExpertTarvishDeclare(g);
        return;
    }
    // Tarvish weighs nothing: it makes the first declaration its holding allows, in this order.
    using Try = void (*)(Game&);
    constexpr Try kTries[] = {
        [](Game& game) { DeclareDix(game, PlayerTarvish); },
        [](Game& game) { DeclareDoubleCorvane(game, PlayerTarvish); },
        [](Game& game) { DeclareCorvane(game, PlayerTarvish); },
        [](Game& game) { DeclareRun(game, PlayerTarvish); },
        [](Game& game) { DeclareFour(game, PlayerTarvish, Ace, MeldFourAces); },
        [](Game& game) { DeclareFour(game, PlayerTarvish, King, MeldFourKings); },
        [](Game& game) { DeclareFour(game, PlayerTarvish, Queen, MeldFourQueens); },
        [](Game& game) { DeclareFour(game, PlayerTarvish, Jack, MeldFourJacks); },
        [](Game& game) { DeclareMarriage(game, PlayerTarvish, Spades); },
        [](Game& game) { DeclareMarriage(game, PlayerTarvish, Diamonds); },
        [](Game& game) { DeclareMarriage(game, PlayerTarvish, Hearts); },
        [](Game& game) { DeclareMarriage(game, PlayerTarvish, Clubs); },
    };
    for (Try declare : kTries) {
        declare(g);
        if (g.MeldMade) break;
    }
    if (!g.MeldMade) SetCaption(g, Control::LblInfo, "Tarvish not melding");
    g.MeldMade = false;
    g.PauseTime = g.Speed;
}

}  // namespace corvane
