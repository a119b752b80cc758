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

int PlayOutRoundOne(HandState& s, const std::int8_t* stock, Draws draws, Rollout rollout) {
    int next = 0;
    while (s.Round == 1 && s.GameWinner == 0) {
        const int leader = s.Leader;
        const int winner = PlayCard(s, RolloutCard(s, s.ToPlay(), rollout));
        if (winner != 0) AfterRoundOneTrick(s, winner, leader, stock, next, draws);
    }
    return next;
}

void PlayOut(HandState& s, const std::int8_t* stock, Draws draws, Rollout rollout) {
    int next = 0;
    while (!HandDone(s)) {
        const int leader = s.Leader;
        const int winner = PlayCard(s, RolloutCard(s, s.ToPlay(), rollout));
        if (winner == 0) continue;
        if (s.Round == 1) {
            AfterRoundOneTrick(s, winner, leader, stock, next, draws);
        } else if (s.Tricks == RoundTwoTricks) {
            EndOfHand(s);
        }
    }
}

}  // namespace corvane::expert
