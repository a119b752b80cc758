#include "policy.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "card_table.h"

namespace corvane::expert {

namespace {

// How much a card is worth keeping: its points, its strength, trumps, and in Round 1 the melds
// it may still serve in.
int KeepOf(int card, int trump, int round) {
    const Mask bit = Bit(card);
    const int rank = RankOf(card);
    int keep = rank;
    if (bit & Brisques) keep += 20;
    if (SuitOf(card) == trump) keep += rank == RankSeven ? 25 : 10;
    if (round == 1) {
        if (bit & (RankCards(RankKing) | RankCards(RankQueen))) keep += 4;
        if (bit & (JacksOfDiamonds | QueensOfSpades)) keep += 6;
    }
    return keep;
}

// The same, looked up: by round, trump suit and card.
struct KeepTable {
    std::uint8_t Value[2][4][65];
    KeepTable() {
        for (int round = 1; round <= 2; ++round) {
            for (int trump = 3; trump <= 6; ++trump) {
                for (int card = 1; card <= 64; ++card) {
                    Value[round - 1][trump - 3][card] =
                        static_cast<std::uint8_t>(KeepOf(card, trump, round));
                }
            }
        }
    }
};
const KeepTable kKeep;

// The cards of a holding that melds in the making want kept, over their keep values: a pair of a
// rank that fours score for, half of a marriage or of the Corvane, three or more of the run in
// trumps, the more so the nearer or richer the meld. Plain sense has none.
struct Hopes {
    Mask Some = 0, More = 0;
};

// Inlined, so that plain sense pays nothing for the hopes it does not have.
[[gnu::always_inline]] inline int LeastKept(const HandState& s, Mask cards,
                                            const Hopes& hopes = {}) {
    const std::uint8_t* keep = kKeep.Value[s.Round - 1][s.Trump - 3];
    // The keep value above the card index: the least, and of equals the lowest card, without a
    // branch to mispredict.
    unsigned best = ~0u;
    for (Mask m = cards; m; m &= m - 1) {
        const int card = FirstCard(m);
        const Mask bit = Bit(card);
        const unsigned value =
            keep[card] + ((hopes.Some & bit) ? 6u : 0u) + ((hopes.More & bit) ? 14u : 0u);
        best = std::min(best, (value << 7) | static_cast<unsigned>(card));
    }
    return cards ? static_cast<int>(best & 127) : 0;
}

// The cards of `cards` that beat the card led.
Mask Beating(const HandState& s, Mask cards) {
    const Mask higher = cards & Above(s.Led);
    if (SuitOf(s.Led) == s.Trump) return higher;
    return higher | (cards & SuitCards(s.Trump));
}

}  // namespace

int BaselineCard(const HandState& s, int player) {
    const Mask legal = LegalPlays(s, player);
    if (s.Led == 0) {
        if (s.Round == 2) {
            const Mask plainAces = legal & RankCards(RankAce) & ~SuitCards(s.Trump);
            if (plainAces) return FirstCard(plainAces);
        }
        return LeastKept(s, legal);
    }
    const Mask winners = Beating(s, legal);
    const bool pointsLed = CardPoints(s.Led, s.Trump) > 0;
    if (winners && (pointsLed || s.Round == 2)) return LeastKept(s, winners);
    return LeastKept(s, legal);
}

namespace {

// The player's melds in the making, from its holding and the meld marks.
Hopes HopesOf(const HandState& s, int player) {
    const Mask held = s.Held[player];
    Hopes hopes;
    constexpr int fours[4][2] = {{RankAce, MeldFourAces},
                                 {RankKing, MeldFourKings},
                                 {RankQueen, MeldFourQueens},
                                 {RankJack, MeldFourJacks}};
    for (const auto& [rank, kind] : fours) {
        const Mask cards = held & RankCards(rank) & ~s.Used[kind];
        const int n = CountCards(cards);
        if (n >= 3) hopes.More |= cards;
        if (n == 2) hopes.Some |= cards;
    }
    const Mask free = held & ~s.Used[MeldMarriage];
    for (int suit = 3; suit <= 6; ++suit) {
        const Mask kings = free & SuitCards(suit) & RankCards(RankKing);
        const Mask queens = free & SuitCards(suit) & RankCards(RankQueen);
        if (kings && queens) (suit == s.Trump ? hopes.More : hopes.Some) |= kings | queens;
    }
    if ((held & JacksOfDiamonds) && (held & QueensOfSpades))
        hopes.More |= held & (JacksOfDiamonds | QueensOfSpades);
    const Mask run = held & SuitCards(s.Trump) & ~s.Used[MeldRun] &
                     (Brisques | RankCards(RankKing) | RankCards(RankQueen) | RankCards(RankJack));
    int ranks = 0;
    for (int rank : {RankJack, RankQueen, RankKing, RankTen, RankAce})
        ranks += (run & RankCards(rank)) != 0;
    if (ranks >= 3) hopes.More |= run;
    return hopes;
}

}  // namespace

int MeldingCard(const HandState& s, int player) {
    if (s.Round == 2) return BaselineCard(s, player);
    const Mask held = s.Held[player];
    const Hopes hopes = HopesOf(s, player);
    if (s.Led == 0) return LeastKept(s, held, hopes);
    const Mask winners = Beating(s, held);
    if (winners && CardPoints(s.Led, s.Trump) > 0) return LeastKept(s, winners, hopes);
    if (!winners || BestMeld(s, player).Kind == 0) return LeastKept(s, held, hopes);
    // A meld to declare: take the trick with the cheapest card that leaves it whole.
    const std::uint8_t* keep = kKeep.Value[0][s.Trump - 3];
    int taker = 0;
    for (Mask m = winners; m; m &= m - 1) {
        const int card = FirstCard(m);
        if (taker != 0 && keep[card] >= keep[taker]) continue;
        HandState after = s;
        after.Held[player] &= ~Bit(card);
        after.OnTable &= ~Bit(card);
        if (BestMeld(after, player).Points > keep[card]) taker = card;
    }
    return taker != 0 ? taker : LeastKept(s, held, hopes);
}

}  // namespace corvane::expert
