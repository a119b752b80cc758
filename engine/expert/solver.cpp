#include "solver.h"

#include <algorithm>

namespace corvane::expert {

namespace {

constexpr int kTableBits = 16;
constexpr int kInfinity = 1000;

std::size_t Slot(Mask held1, Mask held2, int leader) {
    std::uint64_t h = held1 * 0x9E3779B97F4A7C15ULL ^ held2 * 0xC2B2AE3D27D4EB4FULL ^
                      static_cast<std::uint64_t>(leader);
    return static_cast<std::size_t>(h >> (64 - kTableBits));
}

// Up to nine cards in the order worth trying first: for the leader the strongest, for the
// follower the cards that win, cheapest first, then the rest from the weakest.
int OrderMoves(Mask moves, int led, int trump, int out[16]) {
    int n = 0;
    if (led == 0) {
        for (Mask m = moves; m; m &= ~Bit(LastCard(m))) out[n++] = LastCard(m);
        std::stable_sort(out, out + n, [](int a, int b) { return RankOf(a) > RankOf(b); });
        return n;
    }
    Mask winners = moves & Above(led);
    if (SuitOf(led) != trump) winners |= moves & SuitCards(trump);
    for (Mask m = winners; m; m &= m - 1) out[n++] = FirstCard(m);
    const int firstLoser = n;
    for (Mask m = moves & ~winners; m; m &= m - 1) out[n++] = FirstCard(m);
    std::stable_sort(out + firstLoser, out + n, [](int a, int b) { return RankOf(a) < RankOf(b); });
    return n;
}

}  // namespace

Mask DistinctPlays(Mask mine, Mask theirs, int trump) {
    Mask result = 0;
    const Mask points = PointCards(trump);
    for (int suit = 3; suit <= 6; ++suit) {
        const Mask own = mine & SuitCards(suit);
        if (!own) continue;
        const Mask opposed = theirs & SuitCards(suit);
        bool open = false;
        bool openPoints = false;
        for (int rank = 0; rank < 8; ++rank) {
            const Mask slot = own & RankCards(rank);
            // A rank the opponent holds separates; a card tied with it stands alone.
            if (opposed & RankCards(rank)) {
                open = false;
                if (slot) result |= slot & (~slot + 1);
                continue;
            }
            if (!slot) continue;
            const bool hasPoints = (slot & points) != 0;
            if (open && hasPoints == openPoints) continue;
            result |= slot & (~slot + 1);
            open = true;
            openPoints = hasPoints;
        }
    }
    return result;
}

RoundTwoSolver::RoundTwoSolver() : table_(std::size_t{1} << kTableBits) {}

int RoundTwoSolver::Solve(const HandState& s, int player, int* best) {
    ++generation_;
    nodes_ = 0;
    trump_ = s.Trump;
    const int toPlay = s.ToPlay();
    const Mask theirs = s.Held[Other(toPlay)];
    // The card led separates too: a copy of it loses where a higher card wins.
    const Mask opposed = theirs | (s.Led != 0 ? Bit(s.Led) : 0);
    const Mask moves = DistinctPlays(LegalPlays(s, toPlay), opposed, trump_);
    int order[16];
    const int n = OrderMoves(moves, s.Led, trump_, order);
    // Values are person's points; the person maximises them.
    int bestValue = toPlay == 1 ? -kInfinity : kInfinity;
    int bestCard = 0;
    for (int i = 0; i < n; ++i) {
        const int card = order[i];
        Mask h1 = s.Held[1], h2 = s.Held[2];
        (toPlay == 1 ? h1 : h2) &= ~Bit(card);
        int value;
        if (s.Led == 0) {
            value = Search(h1, h2, s.Leader, card, -kInfinity, kInfinity);
        } else {
            const int winner = LedWins(s.Led, card, trump_) ? s.Leader : Other(s.Leader);
            const int points = CardPoints(s.Led, trump_) + CardPoints(card, trump_);
            value = (winner == 1 ? points : 0) + Search(h1, h2, winner, 0, -kInfinity, kInfinity);
        }
        const bool better = toPlay == 1 ? value > bestValue : value < bestValue;
        if (better || (value == bestValue && card < bestCard)) {
            bestValue = value;
            bestCard = card;
        }
    }
    if (best != nullptr) *best = bestCard;
    int remaining = 0;
    for (Mask m = s.Held[1] | s.Held[2]; m; m &= m - 1)
        remaining += CardPoints(FirstCard(m), trump_);
    if (s.Led != 0) remaining += CardPoints(s.Led, trump_);
    return player == 1 ? bestValue : remaining - bestValue;
}

int RoundTwoSolver::Search(Mask held1, Mask held2, int leader, int led, int alpha, int beta) {
    ++nodes_;
    if ((held1 | held2) == 0) return 0;
    Entry* entry = nullptr;
    if (led == 0) {
        entry = &table_[Slot(held1, held2, leader)];
        if (entry->Generation == generation_ && entry->Held1 == held1 && entry->Held2 == held2 &&
            entry->Leader == leader) {
            if (entry->Lower >= beta) return entry->Lower;
            if (entry->Upper <= alpha) return entry->Upper;
            alpha = std::max<int>(alpha, entry->Lower);
            beta = std::min<int>(beta, entry->Upper);
            if (alpha >= beta) return alpha;
        }
    }
    const int alphaIn = alpha, betaIn = beta;
    const int toPlay = led == 0 ? leader : Other(leader);
    const Mask mine = toPlay == 1 ? held1 : held2;
    const Mask theirs = toPlay == 1 ? held2 : held1;
    Mask legal = mine;
    if (led != 0) {
        if (const Mask follow = mine & SuitCards(SuitOf(led))) {
            legal = follow;
        } else if (const Mask trumps = mine & SuitCards(trump_)) {
            legal = trumps;
        }
    }
    int order[16];
    const Mask opposed = theirs | (led != 0 ? Bit(led) : 0);
    const int n = OrderMoves(DistinctPlays(legal, opposed, trump_), led, trump_, order);
    const bool maximising = toPlay == 1;
    int best = maximising ? -kInfinity : kInfinity;
    for (int i = 0; i < n; ++i) {
        const int card = order[i];
        const Mask h1 = toPlay == 1 ? held1 & ~Bit(card) : held1;
        const Mask h2 = toPlay == 2 ? held2 & ~Bit(card) : held2;
        int value;
        if (led == 0) {
            value = Search(h1, h2, leader, card, alpha, beta);
        } else {
            const int winner = LedWins(led, card, trump_) ? leader : Other(leader);
            const int points = CardPoints(led, trump_) + CardPoints(card, trump_);
            const int gained = winner == 1 ? points : 0;
            value = gained + Search(h1, h2, winner, 0, alpha - gained, beta - gained);
        }
        if (maximising) {
            best = std::max(best, value);
            alpha = std::max(alpha, value);
        } else {
            best = std::min(best, value);
            beta = std::min(beta, value);
        }
        if (alpha >= beta) break;
    }
    if (entry != nullptr) {
        if (entry->Generation != generation_ || entry->Held1 != held1 || entry->Held2 != held2 ||
            entry->Leader != leader) {
            *entry = Entry{held1,
                           held2,
                           generation_,
                           static_cast<std::int8_t>(leader),
                           static_cast<std::int16_t>(-kInfinity),
                           static_cast<std::int16_t>(kInfinity)};
        }
        if (best <= alphaIn) {
            entry->Upper = static_cast<std::int16_t>(std::min<int>(entry->Upper, best));
        } else if (best >= betaIn) {
            entry->Lower = static_cast<std::int16_t>(std::max<int>(entry->Lower, best));
        } else {
            entry->Lower = entry->Upper = static_cast<std::int16_t>(best);
        }
    }
    return best;
}

}  // namespace corvane::expert
