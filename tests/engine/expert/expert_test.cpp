#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "expert/expert.h"
#include "expert/solver.h"
#include "expert/strategy_person.h"
#include "hand_flow.h"
#include "random_source.h"

namespace corvane {
namespace {

using expert::Bit;
using expert::HandState;
using expert::Mask;

// Seeded games of the baseline person against Expert Tarvish: every position at which the person
// was to play a card, and the final totals of each game.
struct SeededGames {
    std::vector<Game> Positions;
    std::vector<PerPlayer<int>> Totals;
};

SeededGames PlaySeededGames(int games) {
    SeededGames played;
    Game g;
    BuildCardTable(g);
    g.TarvishLevel = OpponentLevel::Expert;
    StrategyPerson person(g, BaselineChooseCard);
    struct Recorder final : NullTable {
        StrategyPerson* Person = nullptr;
        Game* G = nullptr;
        std::vector<Game>* Positions = nullptr;
        bool WaitForPlayer() override {
            if (WaitsForPersonsCard(*G)) Positions->push_back(*G);
            Person->Act();
            return true;
        }
    } table;
    table.Person = &person;
    table.G = &g;
    table.Positions = &played.Positions;
    g.AttachTable(&table);
    for (int seed = 1; seed <= games; ++seed) {
        g.Random = RandomSource(static_cast<std::uint64_t>(seed));
        g.TargetScore = 500;
        NewGame(g);
        played.Totals.push_back(g.GameTotal);
    }
    for (Game& position : played.Positions) position.AttachTable(nullptr);
    return played;
}

TEST(Expert, ASeedPlaysTheSameGamesEveryTimeAndTheChoicesNeverCheat) {
    const SeededGames first = PlaySeededGames(2);
    EXPECT_EQ(PlaySeededGames(2).Totals, first.Totals);

    // Tarvish's cards that the person has not seen, exchanged with the stock's, change nothing of
    // the person's choice.
    std::minstd_rand random(3);
    int exchanged = 0;
    for (std::size_t k = 0; k < first.Positions.size(); k += 7) {
        const Game& position = first.Positions[k];
        if (!position.Round1) continue;
        Game other = position;
        std::vector<CardRecord*> hidden;
        for (int i = 1; i <= CardCount; ++i) {
            CardRecord& c = other.CardTable[i];
            if ((c.Location == LocTarvishHand && !c.OnTable && i != other.ExchangedUpCard) ||
                c.Location == LocStock) {
                hidden.push_back(&c);
            }
        }
        std::vector<int> locations;
        for (const CardRecord* c : hidden) locations.push_back(c->Location);
        std::shuffle(locations.begin(), locations.end(), random);
        for (std::size_t i = 0; i < hidden.size(); ++i) {
            exchanged += hidden[i]->Location != locations[i];
            hidden[i]->Location = locations[i];
        }
        EXPECT_EQ(ExpertChooseCard(other, PlayerPerson), ExpertChooseCard(position, PlayerPerson))
            << "position " << k;
    }
    EXPECT_GT(exchanged, 100);
}

// The best play by plain minimax over every legal card, no pruning.
int BruteForce(HandState s, int player) {
    if (s.Held[1] == 0 && s.Held[2] == 0 && s.Led == 0) return 0;
    const int toPlay = s.ToPlay();
    int best = toPlay == player ? -1 : 1000;
    for (Mask m = expert::LegalPlays(s, toPlay); m; m &= m - 1) {
        HandState next = s;
        const int before = next.TrickTotal[player];
        expert::PlayCard(next, expert::FirstCard(m));
        const int value = next.TrickTotal[player] - before + BruteForce(next, player);
        best = toPlay == player ? std::max(best, value) : std::min(best, value);
    }
    return best;
}

TEST(RoundTwoSolver, AgreesWithPlainMinimaxOnSmallEndings) {
    RandomSource random(11);
    expert::RoundTwoSolver solver;
    for (int ending = 0; ending < 400; ++ending) {
        // Four or five cards each out of two suits and trumps, so that suits run out and tie.
        int pack[48];
        int n = 0;
        for (int card = 1; card <= CardCount; ++card) {
            if (expert::SuitOf(card) != Spades) pack[n++] = card;
        }
        for (int i = n - 1; i > 0; --i)
            std::swap(pack[i], pack[static_cast<int>(random.Uniform() * (i + 1))]);
        const int each = 4 + ending % 2;
        HandState s;
        s.Round = 2;
        s.Trump = static_cast<std::int8_t>(Diamonds + ending % 3);
        s.Leader = static_cast<std::int8_t>(1 + ending % 2);
        for (int i = 0; i < each; ++i) {
            s.Held[1] |= Bit(pack[i]);
            s.Held[2] |= Bit(pack[each + i]);
        }
        if (ending % 4 >= 2) {
            // The leader has led already: the solver answers as the follower.
            const int led = pack[s.Leader == 1 ? 0 : each];
            s.Held[s.Leader] &= ~Bit(led);
            s.Led = static_cast<std::int8_t>(led);
        }
        const int player = s.ToPlay();
        int best = 0;
        const int solved = solver.Solve(s, player, &best);
        ASSERT_EQ(solved, BruteForce(s, player)) << "ending " << ending;
        // The card it names makes that many points.
        HandState after = s;
        expert::PlayCard(after, best);
        EXPECT_EQ(after.TrickTotal[player] + BruteForce(after, player), solved)
            << "ending " << ending;
    }
}

}  // namespace
}  // namespace corvane
