#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "expert/expert.h"
#include "expert/strategy_person.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "random_source.h"
#include "review/rating.h"

namespace corvane {
namespace {

using expert::Bit, expert::HandState, expert::Mask;
using review::Grade;

int CardOf(int value, int suit, int copy = 0) {
    for (int i = 1; i <= CardCount; ++i) {
        Game g;
        BuildCardTable(g);
        const CardRecord& c = g.CardTable[i];
        if (c.Value == value && c.Suit == suit) return i + copy;
    }
    return 0;
}

TEST(Evaluator, HiddenCardsExchangedChangeNoValue) {
    Game g;
    BuildCardTable(g);
    StrategyPerson person(g, OpponentLevel::Baseline);
    HeadlessTable table;
    std::vector<Game> positions;
    table.OnWaitForPlayer = [&] {
        if (WaitsForPersonsCard(g) && g.Round1) positions.push_back(g);
        person.Act();
    };
    g.AttachTable(&table);
    g.Random = RandomSource(5);
    g.TargetScore = 500;
    NewGame(g);
    std::minstd_rand random(9);
    const review::EvaluatorSettings few{40, 1, 400};
    for (std::size_t k = 0; k < positions.size(); k += 9) {
        Game other = positions[k];
        std::vector<CardRecord*> hidden;
        for (CardRecord& c : other.CardTable) {
            const bool unseen = c.Location == LocTarvishHand && !c.OnTable &&
                                &c != &other.CardTable[other.ExchangedUpCard];
            if (unseen || c.Location == LocStock) hidden.push_back(&c);
        }
        std::vector<int> locations;
        for (const CardRecord* c : hidden) locations.push_back(c->Location);
        std::shuffle(locations.begin(), locations.end(), random);
        for (std::size_t i = 0; i < hidden.size(); ++i) hidden[i]->Location = locations[i];
        const review::Evaluation a =
            review::EvaluateCards(expert::ViewOf(positions[k], PlayerPerson), few);
        const review::Evaluation b =
            review::EvaluateCards(expert::ViewOf(other, PlayerPerson), few);
        ASSERT_EQ(a.Options.size(), b.Options.size());
        for (std::size_t i = 0; i < a.Options.size(); ++i) {
            EXPECT_EQ(a.Options[i].Card, b.Options[i].Card);
            EXPECT_DOUBLE_EQ(a.Options[i].Value, b.Options[i].Value);
        }
        EXPECT_GT(a.Options[a.Best].Error, 0);
    }
    EXPECT_GT(positions.size(), 20u);
}

// The trick points `player` makes from here by plain minimax over every legal card.
int BruteForce(HandState s, int player) {
    if (s.Held[1] == 0 && s.Held[2] == 0 && s.Led == 0) return 0;
    const int toPlay = s.ToPlay();
    int best = toPlay == player ? -1 : 1000;
    for (Mask m = expert::LegalPlays(s, toPlay); m; m &= m - 1) {
        HandState next = s;
        expert::PlayCard(next, expert::FirstCard(m));
        const int value = next.TrickTotal[player] - s.TrickTotal[player] + BruteForce(next, player);
        best = toPlay == player ? std::max(best, value) : std::min(best, value);
    }
    return best;
}

TEST(Evaluator, RoundTwoValuesAreThoseOfPlainMinimax) {
    std::minstd_rand random(4);
    std::vector<int> pack;
    for (int card = 1; card <= CardCount; ++card) pack.push_back(card);
    for (int ending = 0; ending < 120; ++ending) {
        std::shuffle(pack.begin(), pack.end(), random);
        const int each = 2 + ending % 3;
        HandState s;
        s.Round = 2;
        s.Tricks = static_cast<std::int8_t>(expert::RoundTwoTricks - each);
        s.Trump = static_cast<std::int8_t>(Diamonds + ending % 4);
        s.Leader = static_cast<std::int8_t>(1 + ending % 2);
        for (int i = 0; i < 2 * each; ++i) s.Held[1 + i / each] |= Bit(pack[i]);
        if (s.Leader == 2) {
            s.Led = static_cast<std::int8_t>(pack[each]);
            s.Held[2] &= ~Bit(s.Led);
        }
        int total = s.Led != 0 ? expert::CardPoints(s.Led, s.Trump) : 0;
        for (Mask m = s.Held[1] | s.Held[2]; m; m &= m - 1)
            total += expert::CardPoints(expert::FirstCard(m), s.Trump);
        const review::Evaluation e = review::EvaluateCards({s, 1, 0, 0});
        for (const review::Option& o : e.Options) {
            HandState after = s;
            expert::PlayCard(after, o.Card);
            const int mine = after.TrickTotal[1] + BruteForce(after, 1);
            EXPECT_EQ(o.Value, 2 * mine - total) << "ending " << ending << " card " << o.Card;
            EXPECT_EQ(o.LossError, 0);
        }
    }
}

TEST(Rating, APlantedBlunderIsGradedSoAndTheBestCardFine) {
    // Two tricks left, Hearts trumps, 20 short of the target: Tarvish leads the Seven of Spades
    // and keeps the Ten. The Eight wins, and the Ace then takes the Ten and the game; the Ace
    // first gives the Ten the last trick and the game stays unwon.
    HandState s;
    s.Round = 2;
    s.Tricks = 7;
    s.Trump = Hearts;
    s.Leader = 2;
    s.Led = static_cast<std::int8_t>(CardOf(Seven, Spades));
    s.Held[1] = Bit(CardOf(Ace, Spades)) | Bit(CardOf(Eight, Spades));
    s.Held[2] = Bit(CardOf(Ten, Spades));
    s.GameTotal[1] = 980;
    review::DecisionPoint point;
    point.View = {s, 1, 0, 0};
    point.Card = CardOf(Ace, Spades);
    point.ExpertCard = CardOf(Eight, Spades);
    const review::ReviewedDecision r = review::Review(point);
    EXPECT_EQ(r.Grading, Grade::Blunder);
    EXPECT_EQ(r.Best.Card, CardOf(Eight, Spades));
    EXPECT_EQ(r.Chosen.Loss, 420);
    point.Card = point.ExpertCard;
    EXPECT_EQ(review::Review(point).Grading, Grade::Fine);
}

TEST(Rating, GradesByThresholdOnlyPastTheNoise) {
    const struct {
        double Loss, Error;
        Grade Expected;
    } cases[] = {{0, 0, Grade::Fine},   {9.9, 0, Grade::Fine},    {10, 0, Grade::Inaccuracy},
                 {30, 16, Grade::Fine}, {30, 14, Grade::Mistake}, {60, 3, Grade::Blunder}};
    for (const auto& c : cases)
        EXPECT_EQ(review::GradeOf(c.Loss, c.Error), c.Expected) << c.Loss << " " << c.Error;
}

}  // namespace
}  // namespace corvane
