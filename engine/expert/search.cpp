#include "search.h"

#include <cstdint>

#include "solver.h"

namespace corvane::expert {

namespace {

// A small fast generator for the deals, seeded from the view.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int n) {
        return static_cast<int>((Next() >> 32) * static_cast<std::uint64_t>(n) >> 32);
    }

private:
    std::uint64_t state_;
};

// The candidates: every legal card, but of two copies with the same marks only one.
int Candidates(const HandState& s, int player, int out[16]) {
    int n = 0;
    const Mask legal = LegalPlays(s, player);
    for (Mask m = legal; m; m &= m - 1) {
        const int card = FirstCard(m);
        const bool secondCopy = (card - 1) % 2 == 1 && (legal & Bit(card - 1));
        if (secondCopy) {
            bool sameMarks = ((s.OnTable >> (card - 1)) & 1) == ((s.OnTable >> (card - 2)) & 1);
            for (const Mask used : s.Used) {
                sameMarks = sameMarks && ((used >> (card - 1)) & 1) == ((used >> (card - 2)) & 1);
            }
            // The Corvane cards are looked at copy by copy.
            const bool corvane = (Bit(card) & (JacksOfDiamonds | QueensOfSpades)) != 0;
            if (sameMarks && !corvane) continue;
        }
        out[n++] = card;
    }
    return n;
}

int Value(const HandState& s, int me, int gameWeight) {
    int value = s.HandScore[me] - s.HandScore[Other(me)];
    if (s.GameWinner != 0) value += s.GameWinner == me ? gameWeight : -gameWeight;
    return value;
}

// Plays the candidate, finishes the trick it is in, then the rest of the hand.
int PlayCandidate(HandState s, int card, const std::int8_t* stock, const SearchSettings& settings,
                  int me) {
    const int leader = s.Leader;
    const int winner = PlayCard(s, card);
    int next = 0;
    if (winner != 0 && s.Round == 1)
        AfterRoundOneTrick(s, winner, leader, stock, next, settings.Draw);
    if (winner != 0 && s.Round == 2 && s.Tricks == RoundTwoTricks) EndOfHand(s);
    if (!HandDone(s)) PlayOut(s, stock + next, settings.Draw);
    return Value(s, me, settings.GameWeight);
}

}  // namespace

int SearchCard(const View& view, const SearchSettings& settings) {
    const HandState& base = view.State;
    const int me = view.Viewer;
    int candidates[16];
    const int n = Candidates(base, me, candidates);
    if (n <= 1) return n == 1 ? candidates[0] : 0;
    if (base.Round == 2 && settings.SolveRoundTwo) {
        thread_local RoundTwoSolver solver;
        int best = 0;
        solver.Solve(base, me, &best);
        return best;
    }

    Random random(ViewSeed(view));
    std::int8_t unseen[64];
    int unseenCount = 0;
    for (Mask m = view.Unseen; m; m &= m - 1)
        unseen[unseenCount++] = static_cast<std::int8_t>(FirstCard(m));
    const int samples = base.Round == 2 ? 1 : settings.Samples;
    std::int64_t total[16] = {};
    HandState dealt = base;
    for (int sample = 0; sample < samples; ++sample) {
        // Shuffle the unseen cards: the first go to the opponent, the rest are the stock in order.
        for (int i = unseenCount - 1; i > 0; --i) {
            const int j = random.Below(i + 1);
            const std::int8_t t = unseen[i];
            unseen[i] = unseen[j];
            unseen[j] = t;
        }
        dealt.Held[Other(me)] = base.Held[Other(me)];
        for (int i = 0; i < view.OpponentUnseen; ++i) dealt.Held[Other(me)] |= Bit(unseen[i]);
        const std::int8_t* stock = unseen + view.OpponentUnseen;
        for (int c = 0; c < n; ++c)
            total[c] += PlayCandidate(dealt, candidates[c], stock, settings, me);
    }
    int best = 0;
    for (int c = 1; c < n; ++c) {
        if (total[c] > total[best]) best = c;
    }
    return candidates[best];
}

}  // namespace corvane::expert
