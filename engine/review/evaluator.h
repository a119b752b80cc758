#pragma once

#include <cstdint>
#include <vector>

#include "expert/kernel.h"
#include "expert/view.h"

// What each choice open to a player is worth, from that player's view: the cards it cannot see
// are dealt many ways consistent with what it has seen, every choice is played out on the same
// deals with each player's future draws fixed per deal, and the hand's result is averaged. The
// result counts the hand's points and, heavier, a game won or lost in the hand. Round 2, where
// every card is known, is solved exactly.

namespace corvane::review {

struct Option {
    int Card = 0;               // a card decision's card
    expert::MeldOption Meld{};  // a declaration's meld; Kind 0 for none
    double Value = 0;           // expected hand result for the player, in points
    double Error = 0;           // standard error of Value
    double Loss = 0;            // the best option's Value less this one's
    double LossError = 0;       // standard error of Loss, measured on the common deals
};

struct Evaluation {
    std::vector<Option> Options;
    int Best = 0;  // index into Options
    int Samples = 0;

    const Option* FindCard(int card) const;
    const Option* FindMeld(int kind, int suit) const;
    // The best option other than the best, or nullptr when there is only one.
    const Option* RunnerUp() const;
};

struct EvaluatorSettings {
    int Samples = 400;
    // Mixed into the view's own seed, so that the deals differ from those the Expert chose on;
    // another salt measures how the grades hold under other deals.
    std::uint64_t Salt = 1;
    int GameWeight = 400;
};

// Every card the viewer, who is to play, may play.
Evaluation EvaluateCards(const expert::View& view, const EvaluatorSettings& settings = {});
// Every declaration the viewer, who has just won a Round 1 trick, may make, and none.
Evaluation EvaluateMelds(const expert::View& view, const EvaluatorSettings& settings = {});

}  // namespace corvane::review
