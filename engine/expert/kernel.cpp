#include "kernel.h"

#include <initializer_list>

#include "card_table.h"

namespace corvane::expert {

namespace {

// The later copy of a card of this rank and suit in `m`, 0 when there is none.
int LastOf(Mask m, int suit, int rank) {
    const Mask pair = m & SuitCards(suit) & RankCards(rank);
    return pair ? LastCard(pair) : 0;
}

// The Corvane pairs in the order they are looked at: the first held pair decides alone.
constexpr int kCorvanePairs[4][2] = {{7, 57}, {7, 58}, {8, 57}, {8, 58}};

bool FindCorvane(const HandState& s, int player, MeldOption& meld) {
    const Mask held = s.Held[player];
    for (const auto& pair : kCorvanePairs) {
        const Mask cards = Bit(pair[0]) | Bit(pair[1]);
        if ((held & cards) != cards) continue;
        if (s.Used[MeldCorvane] & cards) return false;
        meld = {MeldCorvane, 0, cards, 40};
        return true;
    }
    return false;
}

bool FindRun(const HandState& s, int player, MeldOption& meld) {
    const Mask free = s.Held[player] & ~s.Used[MeldRun];
    Mask cards = 0;
    for (int rank : {RankAce, RankTen, RankKing, RankQueen, RankJack}) {
        const int card = LastOf(free, s.Trump, rank);
        if (card == 0) return false;
        cards |= Bit(card);
    }
    // Not from the table alone: Jack, Queen and King lying there need both Ten and Ace from the
    // hand.
    const Mask court = cards & (RankCards(RankJack) | RankCards(RankQueen) | RankCards(RankKing));
    if ((court & s.OnTable) == court && (cards & ~court & s.OnTable) != 0) return false;
    const Mask royal = cards & (RankCards(RankKing) | RankCards(RankQueen));
    meld = {MeldRun, 0, cards, (royal & s.Used[MeldMarriage]) ? 110 : 150};
    return true;
}

bool FindFour(const HandState& s, int player, int rank, int kind, int points, MeldOption& meld) {
    Mask free = s.Held[player] & RankCards(rank) & ~s.Used[kind];
    if (!AtLeastFour(free)) return false;
    Mask cards = 0;
    for (int n = 0; n < 4; ++n) {
        const Mask lowest = free & (~free + 1);
        cards |= lowest;
        free ^= lowest;
    }
    meld = {kind, 0, cards, points};
    return true;
}

bool FindMarriage(const HandState& s, int player, int suit, MeldOption& meld) {
    const Mask free = s.Held[player] & ~s.Used[MeldMarriage];
    const int queen = LastOf(free, suit, RankQueen);
    const int king = LastOf(free, suit, RankKing);
    if (queen == 0 || king == 0) return false;
    meld = {MeldMarriage, suit, Bit(king) | Bit(queen), suit == s.Trump ? 40 : 20};
    return true;
}

}  // namespace

Mask LegalPlays(const HandState& s, int player) {
    const Mask held = s.Held[player];
    if (s.Round == 1 || s.Led == 0) return held;
    if (const Mask follow = held & SuitCards(SuitOf(s.Led))) return follow;
    if (const Mask trumps = held & SuitCards(s.Trump)) return trumps;
    return held;
}

int MeldOptions(const HandState& s, int player, MeldOption out[MaxMeldOptions]) {
    int n = 0;
    const Mask held = s.Held[player];
    // The Dix: a Seven of trumps not on the table, the later copy of two.
    if (const int seven = LastOf(held & ~s.OnTable, s.Trump, RankSeven)) {
        out[n++] = {MeldDix, 0, Bit(seven), 10};
    }
    const Mask corvaneCards = JacksOfDiamonds | QueensOfSpades;
    if ((held & corvaneCards) == corvaneCards && !(s.Used[MeldDoubleCorvane] & corvaneCards)) {
        out[n++] = {MeldDoubleCorvane, 0, corvaneCards, s.CorvaneMade[player] ? 460 : 500};
    }
    if (FindCorvane(s, player, out[n])) ++n;
    if (FindRun(s, player, out[n])) ++n;
    if (FindFour(s, player, RankAce, MeldFourAces, 100, out[n])) ++n;
    if (FindFour(s, player, RankKing, MeldFourKings, 80, out[n])) ++n;
    if (FindFour(s, player, RankQueen, MeldFourQueens, 60, out[n])) ++n;
    if (FindFour(s, player, RankJack, MeldFourJacks, 40, out[n])) ++n;
    for (int suit : {6, 3, 5, 4}) {
        if (FindMarriage(s, player, suit, out[n])) ++n;
    }
    return n;
}

namespace {

// A quick look for what every meld needs: a free Seven of trumps, a King and Queen of one suit
// (a run has them too), four of a rank, or the Corvane cards. Most holdings have none.
bool MayMeld(const HandState& s, int player) {
    const Mask held = s.Held[player];
    if (held & SuitCards(s.Trump) & RankCards(RankSeven) & ~s.OnTable) return true;
    const Mask kings = held & RankCards(RankKing), queens = held & RankCards(RankQueen);
    // Each suit's kings shifted onto its queens' places.
    if (((kings | (kings >> 1)) >> 2) & (queens | (queens >> 1)) & Mask{0x0100010001000100}) {
        return true;
    }
    for (int rank : {RankAce, RankKing, RankQueen, RankJack}) {
        if (AtLeastFour(held & RankCards(rank))) return true;
    }
    return (held & JacksOfDiamonds) && (held & QueensOfSpades);
}

}  // namespace

MeldOption BestMeld(const HandState& s, int player) {
    if (!MayMeld(s, player)) return {};
    MeldOption options[MaxMeldOptions];
    const int n = MeldOptions(s, player, options);
    MeldOption best;
    for (int i = 0; i < n; ++i) {
        if (options[i].Points > best.Points) best = options[i];
    }
    return best;
}

void ApplyMeld(HandState& s, int player, const MeldOption& meld) {
    if (meld.Kind == 0) return;
    if (meld.Kind == MeldDix) {
        // The first Dix of a hand is exchanged for the up card; the person lays it down instead
        // when the up card is itself a Seven.
        const bool exchange = !s.DixExchanged && (player == 2 || RankOf(s.UpCard) != RankSeven);
        s.OnTable |= meld.Cards;
        if (exchange) {
            s.Held[player] = (s.Held[player] & ~meld.Cards) | Bit(s.UpCard);
            s.UpCard = static_cast<std::int8_t>(FirstCard(meld.Cards));
            s.DixExchanged = true;
        } else {
            s.Used[MeldDix] |= meld.Cards;
        }
    } else {
        s.OnTable |= meld.Cards;
        s.Used[meld.Kind] |= meld.Cards;
        if (meld.Kind == MeldCorvane) s.CorvaneMade[player] = true;
    }
    s.HandScore[player] += meld.Points;
    s.GameTotal[player] += meld.Points;
}

int PlayCard(HandState& s, int card) {
    const int player = s.ToPlay();
    const Mask bit = Bit(card);
    s.Held[player] &= ~bit;
    s.Played |= bit;
    // A declared card leaves the table and stops counting as a Dix or a Corvane.
    s.OnTable &= ~bit;
    s.Used[MeldDix] &= ~bit;
    s.Used[MeldCorvane] &= ~bit;
    s.Used[MeldDoubleCorvane] &= ~bit;
    if (s.Led == 0) {
        s.Led = static_cast<std::int8_t>(card);
        return 0;
    }
    const int winner = LedWins(s.Led, card, s.Trump) ? s.Leader : Other(s.Leader);
    const int points = CardPoints(s.Led, s.Trump) + CardPoints(card, s.Trump);
    s.TrickTotal[winner] += points;
    s.HandScore[winner] += points;
    s.Leader = static_cast<std::int8_t>(winner);
    s.Led = 0;
    ++s.Tricks;
    return winner;
}

void CheckTargetAfterTarvishLead(HandState& s) {
    const bool person = s.GameTotal[1] >= s.Target, tarvish = s.GameTotal[2] >= s.Target;
    if (person != tarvish) s.GameWinner = person ? 1 : 2;
}

void TakeCard(HandState& s, int player, int card) {
    if (card == s.UpCard) {
        s.UpCard = 0;
    } else {
        --s.StockLeft;
    }
    s.Held[player] |= Bit(card);
}

void SwitchToRoundTwo(HandState& s) {
    s.OnTable = 0;
    for (Mask& used : s.Used) used = 0;
    s.Round = 2;
    s.Tricks = 0;
}

void EndOfHand(HandState& s) {
    for (int p : {1, 2}) {
        s.GameTotal[p] += s.TrickTotal[p];
        s.TrickTotal[p] = 0;
    }
    if (s.GameTotal[1] >= s.Target && s.GameTotal[2] >= s.Target) s.Target += 250;
    const bool person = s.GameTotal[1] >= s.Target, tarvish = s.GameTotal[2] >= s.Target;
    if (person != tarvish) s.GameWinner = person ? 1 : 2;
}

}  // namespace corvane::expert
