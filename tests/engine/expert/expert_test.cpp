#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "display.h"
#include "expert/expert.h"
#include "expert/levels.h"
#include "expert/policy.h"
#include "expert/solver.h"
#include "expert/strategy_person.h"
#include "expert/view.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "random_source.h"

namespace corvane {
namespace {

using expert::Bit, expert::HandState;

// Seeded games of the baseline person against Expert Tarvish: the final totals, every position
// at which the person was to play a card, and every declaring turn of the person.
std::vector<PerPlayer<int>> PlaySeededGames(int games, std::vector<Game>* positions,
                                            std::vector<Game>* declaring = nullptr) {
    Game g;
    BuildCardTable(g);
    g.TarvishLevel = OpponentLevel::Expert;
    StrategyPerson person(g, OpponentLevel::Baseline);
    HeadlessTable table;
    table.OnWaitForPlayer = [&] {
        if (WaitsForPersonsCard(g)) positions->push_back(g);
        if (declaring && IsVisible(g, Control::FramDeclare)) declaring->push_back(g);
        person.Act();
    };
    g.AttachTable(&table);
    std::vector<PerPlayer<int>> totals;
    for (int seed = 1; seed <= games; ++seed) {
        g.Random = RandomSource(static_cast<std::uint64_t>(seed));
        g.TargetScore = 500;
        NewGame(g);
        totals.push_back(g.GameTotal);
    }
    for (Game& position : *positions) position.AttachTable(nullptr);
    if (declaring) {
        for (Game& position : *declaring) position.AttachTable(nullptr);
    }
    return totals;
}

// The game with Tarvish's unseen cards and the stock's shuffled among themselves; adds to
// `exchanged` how many cards moved.
Game Exchanged(const Game& position, std::minstd_rand& random, int& exchanged) {
    Game other = position;
    std::vector<CardRecord*> hidden;
    for (CardRecord& c : other.CardTable) {
        const bool unseen = c.Location == LocTarvishHand && !c.OnTable &&
                            &c != &other.CardTable[other.ExchangedUpCard];
        if (other.Round1 && (unseen || c.Location == LocStock)) hidden.push_back(&c);
    }
    std::vector<int> locations;
    for (const CardRecord* c : hidden) locations.push_back(c->Location);
    std::shuffle(locations.begin(), locations.end(), random);
    for (std::size_t i = 0; i < hidden.size(); ++i)
        exchanged += std::exchange(hidden[i]->Location, locations[i]) != locations[i];
    return other;
}

// Every level's cards and the searched declarations are a function of the player's view alone,
// and a declaration chosen is one the rules make.
TEST(Expert, ASeedPlaysTheSameGamesEveryTimeAndTheChoicesNeverCheat) {
    std::vector<Game> positions, again, declaring, declaringAgain;
    EXPECT_EQ(PlaySeededGames(2, &again, &declaringAgain),
              PlaySeededGames(2, &positions, &declaring));

    std::minstd_rand random(3);
    int exchanged = 0;
    for (const OpponentLevel level : OfferedLevels) {
        if (level == OpponentLevel::Classic) continue;
        for (std::size_t k = 0; k < positions.size(); k += 7) {
            EXPECT_EQ(
                LevelChooseCard(Exchanged(positions[k], random, exchanged), PlayerPerson, level),
                LevelChooseCard(positions[k], PlayerPerson, level));
        }
    }
    EXPECT_GT(exchanged, 500);
    int made = 0;
    ASSERT_GT(declaring.size(), 3u);
    for (const Game& position : declaring) {
        const ExpertMeld meld = ExpertChooseMeld(position, PlayerPerson);
        const ExpertMeld blind =
            ExpertChooseMeld(Exchanged(position, random, exchanged), PlayerPerson);
        EXPECT_EQ(std::pair(meld.Kind, meld.Suit), std::pair(blind.Kind, blind.Suit));
        Game copy = position;
        MakeDeclaration(copy, PlayerPerson, meld);
        EXPECT_EQ(copy.MeldMade, meld.Kind != 0);
        made += copy.MeldMade;
    }
    EXPECT_GT(made, 0);
}

// The search plays out only a hand whose counts are those of the game at that turn: every turn of
// a real game, and no table set up by hand, whose play-outs would run out of cards.
TEST(Expert, SearchesEveryTurnOfAGameButNoTableSetUpByHand) {
    std::vector<Game> positions, declaring;
    PlaySeededGames(1, &positions, &declaring);
    ASSERT_FALSE(declaring.empty());
    const auto inPlay = [](const Game& g, expert::Turn turn) {
        return expert::HandInPlay(expert::ViewOf(g, PlayerPerson), turn);
    };
    for (const Game& g : positions) EXPECT_TRUE(inPlay(g, expert::Turn::Card));
    for (const Game& g : declaring) EXPECT_TRUE(inPlay(g, expert::Turn::Declaring));
    // A declaring panel opened over the first card's wait; a card taken out of the hand.
    EXPECT_FALSE(inPlay(positions.front(), expert::Turn::Declaring));
    for (Game g : {positions.back(), declaring.back()}) {
        for (CardRecord& c : g.CardTable) {
            if (c.Location == LocPlayerHand && !c.OnTable) {
                c.Location = LocTrick;
                break;
            }
        }
        EXPECT_FALSE(inPlay(g, expert::Turn::Card));
        EXPECT_FALSE(inPlay(g, expert::Turn::Declaring));
    }
}

// A few seeded games from both seats: the stronger level wins more of them.
TEST(Levels, SeasonedBeatsBeginnerFromBothSeats) {
    int strongerWins = 0;
    for (const bool strongerIsPerson : {true, false}) {
        Game g;
        BuildCardTable(g);
        const OpponentLevel stronger = OpponentLevel::Seasoned, weaker = OpponentLevel::Beginner;
        StrategyPerson person(g, strongerIsPerson ? stronger : weaker);
        StrategyTable table(person);
        g.AttachTable(&table);
        g.TarvishLevel = strongerIsPerson ? weaker : stronger;
        for (int seed = 1; seed <= 6; ++seed) {
            g.Random = RandomSource(static_cast<std::uint64_t>(seed));
            g.TargetScore = 1000;
            NewGame(g);
        }
        strongerWins += g.Stats[strongerIsPerson ? PlayerPerson : PlayerTarvish];
    }
    EXPECT_GE(strongerWins, 9);
}

// Every level by its name and its journal number; older journals know only 0 and 1.
TEST(Levels, NamesAndNumbersFindTheirLevel) {
    for (int number = 0; number <= static_cast<int>(OpponentLevel::OldExpert); ++number) {
        const OpponentLevel level = LevelNumbered(number);
        EXPECT_EQ(static_cast<int>(level), number);
        EXPECT_EQ(LevelNamed(OpponentLevelName(level)), level);
    }
    EXPECT_EQ(LevelNumbered(1), OpponentLevel::Expert);
    EXPECT_EQ(LevelNumbered(99), OpponentLevel::Classic);
    EXPECT_EQ(LevelNamed("Grandmaster"), OpponentLevel::Classic);
}

// A card of the kernel: the suit, the rank from 0 for a Seven, and which of the two copies.
int KernelCard(int suit, int rank, int copy = 0) {
    return (suit - Diamonds) * 16 + rank * 2 + copy + 1;
}

// The play-outs of the stronger levels fight for a declaration and keep the makings of a meld,
// where plain sense hands the trick over and throws them.
TEST(Rollout, TheMeldingPlayFightsForDeclarationsAndKeepsMelds) {
    using expert::RankJack, expert::RankKing, expert::RankQueen, expert::RankSeven;
    struct Case {
        const char* What;
        std::vector<int> Held;
        int Led;
        int Melding, Baseline;
    };
    const int trumpJack = KernelCard(Hearts, RankJack);
    const Case cases[] = {
        {"a marriage to declare: the Jack of trumps takes the Seven",
         {KernelCard(Clubs, RankKing), KernelCard(Clubs, RankQueen), trumpJack,
          KernelCard(Diamonds, 1), KernelCard(Spades, 2)},
         KernelCard(Clubs, RankSeven),
         trumpJack,
         KernelCard(Diamonds, 1)},
        {"three Jacks: the lone King is led instead",
         {KernelCard(Diamonds, RankJack), KernelCard(Clubs, RankJack), KernelCard(Spades, RankJack),
          KernelCard(Clubs, RankKing)},
         0,
         KernelCard(Clubs, RankKing),
         KernelCard(Clubs, RankJack)},
    };
    for (const Case& c : cases) {
        HandState s;
        s.Trump = Hearts;
        s.Leader = static_cast<std::int8_t>(c.Led != 0 ? 2 : 1);
        s.Led = static_cast<std::int8_t>(c.Led);
        for (const int card : c.Held) s.Held[1] |= Bit(card);
        EXPECT_EQ(expert::MeldingCard(s, 1), c.Melding) << c.What;
        EXPECT_EQ(expert::BaselineCard(s, 1), c.Baseline) << c.What;
    }
}

// The best play by plain minimax over every legal card, no pruning.
int BruteForce(HandState s, int player) {
    if (s.Held[1] == 0 && s.Held[2] == 0 && s.Led == 0) return 0;
    const int toPlay = s.ToPlay();
    int best = toPlay == player ? -1 : 1000;
    for (expert::Mask m = expert::LegalPlays(s, toPlay); m; m &= m - 1) {
        HandState next = s;
        expert::PlayCard(next, expert::FirstCard(m));
        const int value = next.TrickTotal[player] - s.TrickTotal[player] + BruteForce(next, player);
        best = toPlay == player ? std::max(best, value) : std::min(best, value);
    }
    return best;
}

TEST(RoundTwoSolver, AgreesWithPlainMinimaxOnSmallEndings) {
    std::minstd_rand random(11);
    expert::RoundTwoSolver solver;
    // Four or five cards each out of two suits and trumps, so that suits run out and tie.
    std::vector<int> pack;
    for (int card = 1; card <= CardCount; ++card)
        if (expert::SuitOf(card) != Spades) pack.push_back(card);
    for (int ending = 0; ending < 400; ++ending) {
        std::shuffle(pack.begin(), pack.end(), random);
        const int each = 4 + ending % 2;
        HandState s;
        s.Round = 2;
        s.Trump = static_cast<std::int8_t>(Diamonds + ending % 3);
        s.Leader = static_cast<std::int8_t>(1 + ending % 2);
        for (int i = 0; i < 2 * each; ++i) s.Held[1 + i / each] |= Bit(pack[i]);
        if (ending % 4 >= 2) {  // the leader has led already: the solver answers
            s.Led = static_cast<std::int8_t>(pack[s.Leader == 1 ? 0 : each]);
            s.Held[s.Leader] &= ~Bit(s.Led);
        }
        const int player = s.ToPlay();
        int best = 0;
        const int solved = solver.Solve(s, player, &best);
        ASSERT_EQ(solved, BruteForce(s, player)) << "ending " << ending;
        HandState after = s;  // the card it names makes that many points
        expert::PlayCard(after, best);
        EXPECT_EQ(after.TrickTotal[player] + BruteForce(after, player), solved) << ending;
    }
}

}  // namespace
}  // namespace corvane
