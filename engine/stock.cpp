#include <string>

#include "card_layout.h"
#include "display.h"
#include "hand_flow.h"
#include "pacing.h"
#include "table_geometry.h"

// Cards leaving the stock during play: the draws after each trick and the last two cards.

namespace corvane {

void DrawFromStock(Game& g, int player) {
    g.PauseTime = g.Speed + DrawExtra;
    const int card = PickStockCard(g);
    if (card == NoCard) return;  // never asked in play: the draws stop with the stock
    --g.StockCount;
    SetCaption(g, Control::LblStock, "Stock " + std::to_string(g.StockCount));
    ++g.CardsUsed;
    g.CardTable[card].Location = player;
    if (player == PlayerTarvish) {
        TakeCard(g, PlayerTarvish, card);
        LayOutOpponentHand(g);
    } else {
        SetVisible(g, Control::FramDeclare, false);
        TakeCard(g, PlayerPerson, card);
        RefreshHand(g);
    }
    g.PauseTime = g.Speed;
}

void TakeCard(Game& g, int player, int card) {
    g.PauseTime = g.Speed + TakeCardExtra;
    g.CardTable[card].Location = player;
    // The person sees the card on its way; Tarvish's keeps its picture until its row hides it.
    if (player == PlayerPerson) ShowCardFace(g, card);
    CarryIntoHand(g, player, card);
    g.PauseTime = g.Speed;
}

void CarryIntoHand(Game& g, int player, int card) {
    if (player == PlayerPerson) {
        for (TablePoint via : StockToPlayerPath) {
            PlaceCard(g, card, via);
            Pause(g);
        }
        PlayDealSound(g);
        LayOutPlayerHand(g);
    } else {
        PlaceCard(g, card, StockToTarvishPath[0]);
        Pause(g);
        PlaceCard(g, card, StockToTarvishPath[1]);
        PlayDealSound(g);
        LayOutOpponentHand(g);
    }
}

}  // namespace corvane
