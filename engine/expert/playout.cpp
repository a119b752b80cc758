#include "playout.h"

namespace corvane::expert {

void AfterRoundOneTrick(HandState& s, int winner, int leader, const std::int8_t* stock, int& next,
                        Draws draws) {
    ApplyMeld(s, winner, BestMeld(s, winner));
    if (leader == 2) {
        CheckTargetAfterTarvishLead(s);
        if (s.GameWinner != 0) return;
    }
    const int first = draws == Draws::FixedPerPlayer ? 1 : winner;
    TakeCard(s, first, stock[next]);
    TakeCard(s, Other(first), stock[next + 1]);
    next += 2;
    if (s.Tricks < RoundOneTricks) return;
    ApplyMeld(s, winner, BestMeld(s, winner));
    TakeCard(s, winner, stock[next++]);
    TakeCard(s, Other(winner), s.UpCard);
    SwitchToRoundTwo(s);
}

namespace {

using CardRule = int (*)(const HandState&, int);

// The loops, once for each play-out so that the choice between them stays out of the loop.
template <CardRule Card>
int RoundOneBy(HandState& s, const std::int8_t* stock, Draws draws) {
    int next = 0;
    while (s.Round == 1 && s.GameWinner == 0) {
        const int leader = s.Leader;
        const int winner = PlayCard(s, Card(s, s.ToPlay()));
        if (winner != 0) AfterRoundOneTrick(s, winner, leader, stock, next, draws);
    }
    return next;
}

template <CardRule Card>
void HandBy(HandState& s, const std::int8_t* stock, Draws draws) {
    int next = 0;
    while (!HandDone(s)) {
        const int leader = s.Leader;
        const int winner = PlayCard(s, Card(s, s.ToPlay()));
        if (winner == 0) continue;
        if (s.Round == 1) {
            AfterRoundOneTrick(s, winner, leader, stock, next, draws);
        } else if (s.Tricks == RoundTwoTricks) {
            EndOfHand(s);
        }
    }
}

}  // namespace

int PlayOutRoundOne(HandState& s, const std::int8_t* stock, Draws draws, Rollout rollout) {
    return rollout == Rollout::Melding ? RoundOneBy<MeldingCard>(s, stock, draws)
                                       : RoundOneBy<BaselineCard>(s, stock, draws);
}

void PlayOut(HandState& s, const std::int8_t* stock, Draws draws, Rollout rollout) {
    if (rollout == Rollout::Melding) {
        HandBy<MeldingCard>(s, stock, draws);
    } else {
        HandBy<BaselineCard>(s, stock, draws);
    }
}

}  // namespace corvane::expert
