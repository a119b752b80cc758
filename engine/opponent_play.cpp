#include "card_layout.h"
#include "declarations.h"
#include "display.h"
#include "opponent.h"
#include "pacing.h"
#include "table_geometry.h"

namespace corvane {

void TarvishPlayCard(Game& g, int card) {
    // A choice that found nothing must not put a card on the table.
    if (card < 1 || card > CardCount) return;

    g.PauseTime = g.Speed + PlayCardExtra;
    Pause(g);
    CardRecord& played = g.CardTable[card];
    played.Location = LocTrick;
    if (played.OnTable) {
        // It lay face up among Tarvish's melds.
        ReleaseMeldMarks(g, card);
        played.OnTable = false;
    }
    ShowCardFace(g, card);
    PlaceCard(g, card, TarvishPlayVia);
    Pause(g);
    PlaceCard(g, card, TarvishTrickPlace);
    PlayDealSound(g);
    LayOutOpponentHand(g);
    SetCaption(g, Control::LblInfo, "Tarvish has played " + played.Name);
    g.PauseTime = g.Speed;
}

}  // namespace corvane
