#include <span>

#include "display.h"
#include "expert/expert.h"
#include "hand_flow.h"
#include "opponent.h"
#include "opponent_candidates.h"

// Tarvish's card in Round 2, when a follower must follow suit, else trump. Leading, it keeps its
// Spades to the end; following, it tries to win the trick with a card of the suit led and
// otherwise plays as little as the rule allows.

namespace corvane {

namespace {

using opponent::FirstFound;
using opponent::LedCard;

// The cards of the led suit with which Tarvish tries to win, in the order tried, by the value led.
// Against a Seven the Nine comes before the Eight; against an Eight the court cards come first.
std::span<const int> WinningTries(int ledValue) {
    static constexpr int againstTen[] = {Ace};
    static constexpr int againstKing[] = {Ten, Ace};
    static constexpr int againstQueen[] = {King, Ten, Ace};
    static constexpr int againstJack[] = {Queen, King, Ten, Ace};
    static constexpr int againstNine[] = {Jack, Queen, King, Ten, Ace};
    static constexpr int againstEight[] = {Jack, Queen, King, Ten, Ace, Nine};
    static constexpr int againstSeven[] = {Nine, Eight};
    switch (ledValue) {
        case Ten:
            return againstTen;
        case King:
            return againstKing;
        case Queen:
            return againstQueen;
        case Jack:
            return againstJack;
        case Nine:
            return againstNine;
        case Eight:
            return againstEight;
        case Seven:
            return againstSeven;
    }
    return {};  // nothing beats an Ace
}

int ChooseLead(const Game& g) {
    if (const int ace = FindHeldNonSpade(g, Ace)) return ace;
    if (const int card =
            FirstFound(g, FindHeldNonSpade, {Seven, Eight, Nine, Jack, Queen, King, Ten})) {
        return card;
    }
    // Only Spades are left: the strongest of them.
    return LastHeldCard(g);
}

int ChooseFollow(const Game& g, int location) {
    const CardRecord& led = LedCard(g);
    if (HoldsLedSuit(g, location)) {
        for (int value : WinningTries(led.Value)) {
            if (const int card = FindCard(g, location, value, led.Suit)) return card;
        }
        return LowestHeldOfSuit(g, led.Suit);
    }
    // Without the suit led: the weakest trump, or anything when there is no trump.
    int card = NoCard;
    if (led.Suit != g.TrumpSuit) card = LowestHeldOfSuit(g, g.TrumpSuit);
    if (card == NoCard) card = LowestHeldOfSuit(g, LongestPlainSuit(g));
    if (card == NoCard) card = LastHeldCard(g);
    return card;
}

}  // namespace

int TarvishChooseCardRoundTwo(Game& g, int location) {
    if (g.TarvishLevel != OpponentLevel::Classic) return ExpertTarvishCard(g);
    if (g.HasLead[PlayerTarvish]) return ChooseLead(g);
    const int card = ChooseFollow(g, location);
    if (card == NoCard) ShowPlainMessage(g, " Something wrong, no card found");
    return card;
}

}  // namespace corvane
