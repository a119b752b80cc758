#include "evaluator.h"

#include <cmath>

#include "expert/playout.h"
#include "expert/solver.h"
#include "expert/split_mix.h"

namespace corvane::review {

using namespace expert;

namespace {

int Result(const HandState& s, int me, int gameWeight) {
    int value = s.HandScore[me] - s.HandScore[Other(me)];
    if (s.GameWinner != 0) value += s.GameWinner == me ? gameWeight : -gameWeight;
    return value;
}

// A declaration's sequel in Round 1: Tarvish's knock, the draws, and after the last trick the
// last cards and Round 2; the meld itself is already laid out. The second declaring turn after
// the last trick comes after its draws, with one card left in the stock.
void AfterDeclaration(HandState& s, int winner, const std::int8_t* stock, int& next) {
    if (winner == 2) {
        CheckTargetAfterTarvishLead(s);
        if (s.GameWinner != 0) return;
    }
    if (s.StockLeft >= 2) {
        TakeCard(s, 1, stock[next]);
        TakeCard(s, 2, stock[next + 1]);
        next += 2;
        if (s.Tricks < RoundOneTricks) return;
        ApplyMeld(s, winner, BestMeld(s, winner));
    }
    if (s.Tricks < RoundOneTricks || s.StockLeft != 1) return;
    TakeCard(s, winner, stock[next++]);
    if (s.UpCard != 0) TakeCard(s, Other(winner), s.UpCard);
    SwitchToRoundTwo(s);
}

// The hand from `s` (a card just played or a meld just laid out) to its end.
int Finish(HandState s, int winner, int leader, bool declared, const std::int8_t* stock, int me,
           int gameWeight) {
    int next = 0;
    if (declared) {
        AfterDeclaration(s, winner, stock, next);
    } else if (winner != 0 && s.Round == 1) {
        AfterRoundOneTrick(s, winner, leader, stock, next, Draws::FixedPerPlayer);
    } else if (winner != 0 && s.Tricks == RoundTwoTricks) {
        EndOfHand(s);
    }
    if (!HandDone(s)) PlayOut(s, stock + next, Draws::FixedPerPlayer);
    return Result(s, me, gameWeight);
}

// Round 2 after the card: the rest solved exactly, then the hand's end.
int SolvedResult(HandState s, int card, int me, int gameWeight) {
    thread_local RoundTwoSolver solver;
    const int winner = PlayCard(s, card);
    if (!(winner != 0 && s.Tricks == RoundTwoTricks)) {
        Mask rest = s.Held[1] | s.Held[2];
        int remaining = s.Led != 0 ? CardPoints(s.Led, s.Trump) : 0;
        for (; rest; rest &= rest - 1) remaining += CardPoints(FirstCard(rest), s.Trump);
        const int mine = solver.Solve(s, me);
        s.TrickTotal[me] += mine;
        s.HandScore[me] += mine;
        s.TrickTotal[Other(me)] += remaining - mine;
        s.HandScore[Other(me)] += remaining - mine;
    }
    EndOfHand(s);
    return Result(s, me, gameWeight);
}

// Two copies of a card with the same marks play alike: the second takes the first's value.
int TwinOf(const HandState& s, Mask legal, int card) {
    if ((card - 1) % 2 == 0 || !(legal & Bit(card - 1))) return 0;
    if ((Bit(card) | Bit(card - 1)) & (JacksOfDiamonds | QueensOfSpades)) return 0;
    const auto same = [card](Mask m) { return ((m >> (card - 1)) & 1) == ((m >> (card - 2)) & 1); };
    if (!same(s.OnTable)) return 0;
    for (const Mask used : s.Used) {
        if (!same(used)) return 0;
    }
    return card - 1;
}

void Conclude(Evaluation& e, const std::vector<std::vector<int>>& results) {
    const int n = static_cast<int>(e.Options.size());
    const double samples = e.Samples;
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        for (int r : results[i]) sum += r;
        e.Options[i].Value = sum / samples;
        if (e.Options[i].Value > e.Options[e.Best].Value) e.Best = i;
    }
    for (int i = 0; i < n; ++i) {
        Option& o = e.Options[i];
        o.Loss = e.Options[e.Best].Value - o.Value;
        if (e.Samples < 2) continue;
        double spread = 0, diffSpread = 0;
        for (int k = 0; k < e.Samples; ++k) {
            const double d = results[i][k] - o.Value;
            const double diff = results[e.Best][k] - results[i][k] - o.Loss;
            spread += d * d;
            diffSpread += diff * diff;
        }
        o.Error = std::sqrt(spread / (samples - 1) / samples);
        o.LossError = std::sqrt(diffSpread / (samples - 1) / samples);
    }
}

// Runs `play(option, dealt, stock)` on every sampled deal of the view.
template <typename Play>
void Sample(const View& view, const EvaluatorSettings& settings, Evaluation& e, Play play) {
    const int me = view.Viewer;
    const int n = static_cast<int>(e.Options.size());
    std::int8_t unseen[64];
    int unseenCount = 0;
    for (Mask m = view.Unseen; m; m &= m - 1)
        unseen[unseenCount++] = static_cast<std::int8_t>(FirstCard(m));
    e.Samples = view.State.Round == 2 ? 1 : settings.Samples;
    std::vector<std::vector<int>> results(n, std::vector<int>(e.Samples));
    SplitMix random(ViewSeed(view) ^ (settings.Salt * 0xD6E8FEB86659FD93ULL));
    HandState dealt = view.State;
    for (int k = 0; k < e.Samples; ++k) {
        for (int i = unseenCount - 1; i > 0; --i) {
            const int j = random.Below(i + 1);
            const std::int8_t t = unseen[i];
            unseen[i] = unseen[j];
            unseen[j] = t;
        }
        dealt.Held[Other(me)] = view.State.Held[Other(me)];
        for (int i = 0; i < view.OpponentUnseen; ++i) dealt.Held[Other(me)] |= Bit(unseen[i]);
        for (int i = 0; i < n; ++i)
            results[i][k] = play(e.Options[i], dealt, unseen + view.OpponentUnseen);
    }
    Conclude(e, results);
}

}  // namespace

const Option* Evaluation::FindCard(int card) const {
    for (const Option& o : Options) {
        if (o.Card == card) return &o;
    }
    return nullptr;
}

const Option* Evaluation::FindMeld(int kind, int suit) const {
    for (const Option& o : Options) {
        if (o.Card == 0 && o.Meld.Kind == kind && (kind != 3 || o.Meld.Suit == suit)) return &o;
    }
    return nullptr;
}

const Option* Evaluation::RunnerUp() const {
    const Option* second = nullptr;
    for (int i = 0; i < static_cast<int>(Options.size()); ++i) {
        if (i != Best && (second == nullptr || Options[i].Value > second->Value))
            second = &Options[i];
    }
    return second;
}

Evaluation EvaluateCards(const View& view, const EvaluatorSettings& settings) {
    const HandState& s = view.State;
    const int me = view.Viewer;
    const Mask legal = LegalPlays(s, me);
    Evaluation e;
    std::vector<int> twins;
    for (Mask m = legal; m; m &= m - 1) {
        const int card = FirstCard(m);
        if (TwinOf(s, legal, card) != 0) {
            twins.push_back(card);
            continue;
        }
        Option o;
        o.Card = card;
        e.Options.push_back(o);
    }
    if (s.Round == 2) {
        e.Samples = 1;
        std::vector<std::vector<int>> results;
        for (const Option& o : e.Options)
            results.push_back({SolvedResult(s, o.Card, me, settings.GameWeight)});
        Conclude(e, results);
    } else {
        const int leader = s.Leader;
        Sample(view, settings, e,
               [&](const Option& o, const HandState& dealt, const std::int8_t* stock) {
                   HandState after = dealt;
                   const int winner = PlayCard(after, o.Card);
                   return Finish(after, winner, leader, false, stock, me, settings.GameWeight);
               });
    }
    // The second copy of a card plays as the first; it is listed for the player who chose it.
    for (const int card : twins) {
        Option copy = *e.FindCard(card - 1);
        copy.Card = card;
        e.Options.push_back(copy);
    }
    return e;
}

Evaluation EvaluateMelds(const View& view, const EvaluatorSettings& settings) {
    const int me = view.Viewer;
    MeldOption melds[MaxMeldOptions];
    const int count = MeldOptions(view.State, me, melds);
    Evaluation e;
    e.Options.push_back(Option{});
    for (int i = 0; i < count; ++i) {
        Option o;
        o.Meld = melds[i];
        e.Options.push_back(o);
    }
    Sample(view, settings, e,
           [&](const Option& o, const HandState& dealt, const std::int8_t* stock) {
               HandState after = dealt;
               if (o.Meld.Kind != 0) ApplyMeld(after, me, o.Meld);
               return Finish(after, me, 0, true, stock, me, settings.GameWeight);
           });
    return e;
}

}  // namespace corvane::review
