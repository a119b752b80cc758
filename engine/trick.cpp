#include "card_layout.h"
#include "display.h"
#include "hand_flow.h"
#include "pacing.h"
#include "readouts.h"
#include "table_geometry.h"

namespace corvane {

void DecideTrick(Game& g) {
    const CardRecord& led = g.CardTable[g.TrickCard[1]];
    const CardRecord& followed = g.CardTable[g.TrickCard[2]];
    bool ledWins = true;
    if (led.Suit == followed.Suit) {
        ledWins = !Outranks(followed.Value, led.Value);
    } else if (led.Suit != g.TrumpSuit && followed.Suit == g.TrumpSuit) {
        ledWins = false;
    }
    const int leader = g.HasLead[PlayerPerson] ? PlayerPerson : PlayerTarvish;
    const int other = leader == PlayerPerson ? PlayerTarvish : PlayerPerson;
    g.TrickWinner = ledWins ? leader : other;
}

int ScoreTrick(const Game& g) {
    int score = 0;
    for (int position : {1, 2}) {
        const int card = g.TrickCard[position];
        const CardRecord& c = g.CardTable[card];
        if (IsBrisque(c.Value)) score += 10;
        if (c.Value == Seven && IsTrump(g, card)) score += 10;
    }
    return score;
}

bool TarvishHasCard(Game& g, int card) {
    if (card >= 1 && card <= CardCount) return true;
    ClearTable(g);
    AbandonGame(g);
    return false;
}

void GatherTrick(Game& g, int player) {
    g.PauseTime = g.Speed + GatherTrickExtra;
    const int led = g.TrickCard[1];
    const int followed = g.TrickCard[2];
    ShowCardBack(g, led);
    ShowCardBack(g, followed);
    // The card played second slides onto the card led, and only the card led goes on the pile.
    const TablePoint ledPlace = g.PicturePlace[led];
    PlaceCard(g, followed, g.PicturePlace[followed].Left, ledPlace.Top);
    Pause(g);
    PlaceCard(g, followed, ledPlace);
    Pause(g);
    SetCardVisible(g, followed, false);
    int& pileTop = player == PlayerTarvish ? g.TarvishPileTop : g.PlayerPileTop;
    PlaceCard(g, led, TrickPileLeft, pileTop);
    pileTop += TrickPileStep;
    if (player == PlayerTarvish) {
        LayOutOpponentHand(g);
    } else {
        RefreshHand(g);
    }
    ShowTrickAndRound(g);
    PlayDealSound(g);
    g.PauseTime = g.Speed;
}

}  // namespace corvane
