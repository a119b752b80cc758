#include "policy.h"

#include <algorithm>
#include <cstdint>

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

int LeastKept(const HandState& s, Mask cards) {
    const std::uint8_t* keep = kKeep.Value[s.Round - 1][s.Trump - 3];
    // The keep value above the card index: the least, and of equals the lowest card, without a
    // branch to mispredict.
    unsigned best = ~0u;
    for (Mask m = cards; m; m &= m - 1) {
        const int card = FirstCard(m);
        best =
            std::min(best, (static_cast<unsigned>(keep[card]) << 7) | static_cast<unsigned>(card));
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

}  // namespace corvane::expert
