#include "hand_flow.h"

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

}  // namespace corvane
