#include "search.h"

#include <cmath>
#include <cstdint>

#include "policy.h"
#include "solver.h"
#include "split_mix.h"

namespace corvane::expert {

namespace {

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

// The rest of Round 1 played out, then Round 2 with every card known solved exactly: both
// players' best, which the plain-sense play out of a Round 2 is far from.
void SolveEnding(HandState& s, const std::int8_t* stock, const SearchSettings& settings) {
    if (s.Round == 1) PlayOutRoundOne(s, stock, settings.Draw, settings.Policy);
    if (s.GameWinner != 0 || s.Round != 2 || s.Led != 0) return;
    thread_local RoundTwoSolver solver;
    const int first = s.Leader;
    const int all = 10 * CountCards((s.Held[1] | s.Held[2]) & PointCards(s.Trump));
    const int made = solver.Solve(s, first);
    s.TrickTotal[first] += made;
    s.HandScore[first] += made;
    s.TrickTotal[Other(first)] += all - made;
    s.HandScore[Other(first)] += all - made;
    s.Held[1] = s.Held[2] = 0;
    s.Tricks = RoundTwoTricks;
    EndOfHand(s);
}

// Plays the candidate, finishes the trick it is in, then the rest of the hand.
int PlayCandidate(HandState s, int card, const std::int8_t* stock, const SearchSettings& settings,
                  int me, bool solveEnding) {
    const int leader = s.Leader;
    const int winner = PlayCard(s, card);
    int next = 0;
    if (winner != 0 && s.Round == 1)
        AfterRoundOneTrick(s, winner, leader, stock, next, settings.Draw);
    if (winner != 0 && s.Round == 2 && s.Tricks == RoundTwoTricks) EndOfHand(s);
    if (HandDone(s)) return Value(s, me, settings.GameWeight);
    if (solveEnding) {
        SolveEnding(s, stock + next, settings);
    } else {
        PlayOut(s, stock + next, settings.Draw, settings.Policy);
    }
    return Value(s, me, settings.GameWeight);
}

// Deals the cards the viewer cannot see, the same way for every candidate: the first of the
// shuffled unseen cards go to the opponent, the rest are the stock in order.
class Deals {
public:
    explicit Deals(const View& view) : view_(view), random_(ViewSeed(view)), dealt_(view.State) {
        for (Mask m = view.Unseen; m; m &= m - 1)
            unseen_[count_++] = static_cast<std::int8_t>(FirstCard(m));
    }
    const HandState& Next() {
        for (int i = count_ - 1; i > 0; --i) {
            const int j = random_.Below(i + 1);
            const std::int8_t t = unseen_[i];
            unseen_[i] = unseen_[j];
            unseen_[j] = t;
        }
        const int opponent = Other(view_.Viewer);
        dealt_.Held[opponent] = view_.State.Held[opponent];
        for (int i = 0; i < view_.OpponentUnseen; ++i) dealt_.Held[opponent] |= Bit(unseen_[i]);
        return dealt_;
    }
    const std::int8_t* Stock() const { return unseen_ + view_.OpponentUnseen; }

private:
    const View& view_;
    SplitMix random_;
    HandState dealt_;
    std::int8_t unseen_[64];
    int count_ = 0;
};

// Lays the declaration out, then the draws and the rest of the hand, as the game goes on after a
// declaring turn.
int PlayDeclaration(HandState s, const MeldOption& meld, const std::int8_t* stock,
                    const SearchSettings& settings, int me) {
    if (meld.Kind != 0) ApplyMeld(s, me, meld);
    int next = 0;
    if (s.StockLeft >= 2) {
        const int first = settings.Draw == Draws::FixedPerPlayer ? 1 : me;
        TakeCard(s, first, stock[next++]);
        TakeCard(s, Other(first), stock[next++]);
        if (s.Tricks >= RoundOneTricks) ApplyMeld(s, me, BestMeld(s, me));
    }
    if (s.Tricks >= RoundOneTricks && s.StockLeft == 1) {
        TakeCard(s, me, stock[next++]);
        if (s.UpCard != 0) TakeCard(s, Other(me), s.UpCard);
        SwitchToRoundTwo(s);
    }
    if (!HandDone(s)) PlayOut(s, stock + next, settings.Draw, settings.Policy);
    return Value(s, me, settings.GameWeight);
}

// A candidate drawn by weight, the best weighing 1 and each other less by e for every `scale`
// points of total it is behind, with a draw made of the view alone.
int DrawByWeight(const View& view, const std::int64_t total[], int n, int best, int scale) {
    double weight[16];
    double sum = 0;
    for (int c = 0; c < n; ++c) {
        weight[c] = std::exp(static_cast<double>(total[c] - total[best]) / scale);
        sum += weight[c];
    }
    SplitMix random(ViewSeed(view) ^ 0x5350524541440000ULL);
    double draw = sum * static_cast<double>(random.Next() >> 11) * 0x1p-53;
    for (int c = 0; c < n; ++c) {
        if ((draw -= weight[c]) < 0) return c;
    }
    return best;
}

}  // namespace

int SearchCard(const View& view, const SearchSettings& settings) {
    const HandState& base = view.State;
    const int me = view.Viewer;
    int candidates[16];
    const int n = Candidates(base, me, candidates);
    if (n <= 1) return n == 1 ? candidates[0] : 0;
    // A hand set up by hand with cards missing would run its deals and play-outs out of cards.
    const bool inPlay = HandInPlay(view, Turn::Card);
    if (base.Round == 2 && settings.SolveRoundTwo && inPlay) {
        thread_local RoundTwoSolver solver;
        int best = 0;
        solver.Solve(base, me, &best);
        return best;
    }
    if (settings.Samples == 0 || !inPlay) return BaselineCard(base, me);

    Deals deals(view);
    const bool ending = base.Round == 1 && base.StockLeft <= settings.EndingStock;
    const int samples = base.Round == 2 ? 1 : ending ? settings.EndingSamples : settings.Samples;
    std::int64_t total[16] = {};
    for (int sample = 0; sample < samples; ++sample) {
        const HandState& dealt = deals.Next();
        for (int c = 0; c < n; ++c)
            total[c] += PlayCandidate(dealt, candidates[c], deals.Stock(), settings, me, ending);
    }
    int best = 0;
    for (int c = 1; c < n; ++c) {
        if (total[c] > total[best]) best = c;
    }
    if (settings.Spread > 0) best = DrawByWeight(view, total, n, best, samples * settings.Spread);
    return candidates[best];
}

MeldOption SearchMeld(const View& view, const SearchSettings& settings) {
    const int me = view.Viewer;
    MeldOption options[MaxMeldOptions + 1];
    // None comes last, so that of equal totals a meld is made rather than held back.
    const int n = MeldOptions(view.State, me, options) + 1;
    options[n - 1] = {};
    if (n == 1 || settings.Samples == 0 || !HandInPlay(view, Turn::Declaring))
        return BestMeld(view.State, me);
    Deals deals(view);
    std::int64_t total[MaxMeldOptions + 1] = {};
    for (int sample = 0; sample < settings.Samples; ++sample) {
        const HandState& dealt = deals.Next();
        for (int o = 0; o < n; ++o)
            total[o] += PlayDeclaration(dealt, options[o], deals.Stock(), settings, me);
    }
    int best = 0;
    for (int o = 1; o < n; ++o) {
        if (total[o] > total[best]) best = o;
    }
    return options[best];
}

}  // namespace corvane::expert
