#include "display.h"
#include "expert/expert.h"
#include "opponent.h"
#include "opponent_candidates.h"

// Tarvish's card in Round 1, when nothing has to follow suit. Leading, it gets rid of Aces it
// cannot meld and of small plain cards; following, it trumps a plain lead cheaply when it can and
// otherwise throws its weakest card, keeping the Jacks of Diamonds and Queens of Spades for a
// Corvane as long as the rule allows.

namespace corvane {

namespace {

using opponent::FirstFound;
using opponent::LedCard;

bool IsJackOfDiamonds(int card) {
    return card == 7 || card == 8;
}
bool IsQueenOfSpades(int card) {
    return card == 57 || card == 58;
}
bool IsProtected(int card) {
    return IsJackOfDiamonds(card) || IsQueenOfSpades(card);
}

// The Ten lead that goes with holding the Dix depends on the up card being a court card or better.
bool UpCardIsHigh(const Game& g) {
    if (g.UpCard < 1 || g.UpCard > CardCount) return false;
    const int value = g.CardTable[g.UpCard].Value;
    return value == Ace || value == Ten || value == King || value == Queen || value == Jack;
}

int WeakestOfLongestPlainSuit(const Game& g) {
    return LowestHeldOfSuit(g, LongestPlainSuit(g));
}

int WeakestOfHeartsClubsSpadesDiamonds(const Game& g) {
    return FirstFound(g, LowestHeldOfSuit, {Hearts, Clubs, Spades, Diamonds});
}

int ChooseLead(const Game& g) {
    // Three or four Aces are kept for the meld of four.
    const int aces = CountHeldOfValue(g, Ace);
    if (aces != 3 && aces != 4) {
        if (const int card = FindHeldNonSpade(g, Ace)) return card;
    }
    if (UpCardIsHigh(g) && TarvishHolds(g, Seven, g.TrumpSuit)) {
        if (const int card = FindHeldNonSpade(g, Ten)) return card;
    }
    if (const int card = FirstFound(g, FindHeldPlain, {Ten, Nine, Eight, Seven})) return card;
    if (const int card = FirstFound(g, FindHeldNonSpade, {Ten, Nine, Eight})) return card;
    return WeakestOfLongestPlainSuit(g);
}

// Stage A, against a led Ace or Ten. It always finds a card when Tarvish holds one.
int AnswerToBrisque(const Game& g, const CardRecord& led) {
    if (led.Suit != g.TrumpSuit) {
        if (const int card = FirstFound(g, FindHeldTrump, {Eight, Nine, Ten})) return card;
    }
    // A Jack of Diamonds found here is dropped, and the later Jacks are not tried.
    const int small = FirstFound(g, FindHeldPlain, {Seven, Eight, Nine, Ten, Jack});
    if (small != NoCard && !IsJackOfDiamonds(small)) return small;
    const int weakest = WeakestOfLongestPlainSuit(g);
    if (weakest != NoCard && !IsProtected(weakest)) return weakest;
    return WeakestOfHeartsClubsSpadesDiamonds(g);
}

int ChooseFollow(const Game& g) {
    const CardRecord& led = LedCard(g);
    int card = NoCard;
    if (IsBrisque(led.Value)) card = AnswerToBrisque(g, led);

    // Stage B: a trump lead is never fought for.
    if (led.Suit == g.TrumpSuit) return card != NoCard ? card : WeakestOfLongestPlainSuit(g);

    // Stage C: a plain lead.
    if (card == NoCard) {
        card = FirstFound(g, FindHeldTrump, {Eight, Nine, Ten});
        if (card == NoCard) card = WeakestOfLongestPlainSuit(g);
    }
    if (IsProtected(card)) card = NoCard;
    if (card != NoCard) return card;
    // Here even a protected card is given up.
    if (const int weakest = WeakestOfHeartsClubsSpadesDiamonds(g)) return weakest;
    return WeakestOfLongestPlainSuit(g);
}

}  // namespace

int TarvishChooseCard(Game& g) {
    if (g.TarvishLevel != OpponentLevel::Classic) return ExpertTarvishCard(g);
    const int card = g.HasLead[PlayerTarvish] ? ChooseLead(g) : ChooseFollow(g);
    if (card == NoCard) {
        ShowPlainMessage(g, " If you can read this something wrong, has not found a card");
    }
    return card;
}

}  // namespace corvane
