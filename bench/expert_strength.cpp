// How strong the Expert is: whole seeded games to 1000 between the Expert, Classic Tarvish, the
// plain-sense baseline and the plain 40-deal search, with the share of games each side wins.
//
//   expert_strength [games per match] [first seed] [match number 1-5, all when left out]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "expert/expert.h"
#include "expert/strategy_person.h"
#include "game_state.h"
#include "hand_flow.h"

namespace {

using namespace corvane;

struct Match {
    const char* Title;
    CardStrategy Person;
    OpponentLevel Tarvish;
    bool ReportTarvish;  // the share printed is Tarvish's
};

// Plays `games` seeded games; returns how many the person won.
int PersonWins(const Match& match, int games, int firstSeed) {
    Game g;
    BuildCardTable(g);
    StrategyPerson person(g, match.Person);
    StrategyTable table(person);
    g.AttachTable(&table);
    g.TarvishLevel = match.Tarvish;
    g.Dealer = PlayerTarvish;
    for (int game = 0; game < games; ++game) {
        g.Random = RandomSource(static_cast<std::uint64_t>(firstSeed + game));
        g.TargetScore = 1000;
        NewGame(g);
    }
    return g.Stats[PlayerPerson];
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 200;
    const int firstSeed = argc > 2 ? std::atoi(argv[2]) : 1;
    const int only = argc > 3 ? std::atoi(argv[3]) : 0;
    const Match matches[] = {
        {"Expert (person) against Classic Tarvish", ExpertChooseCard, OpponentLevel::Classic,
         false},
        {"Expert Tarvish against the baseline", BaselineChooseCard, OpponentLevel::Expert, true},
        {"Classic Tarvish against the baseline", BaselineChooseCard, OpponentLevel::Classic, true},
        {"Expert Tarvish against the plain 40-deal search", PlainSearchChooseCard,
         OpponentLevel::Expert, true},
        {"Expert (person) against Expert Tarvish", ExpertChooseCard, OpponentLevel::Expert, false},
    };
    std::printf("%d seeded games to 1000 per match, seeds %d to %d\n", games, firstSeed,
                firstSeed + games - 1);
    int number = 0;
    for (const Match& match : matches) {
        if (++number != only && only != 0) continue;
        const auto start = std::chrono::steady_clock::now();
        const int personWins = PersonWins(match, games, firstSeed);
        const int wins = match.ReportTarvish ? games - personWins : personWins;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-50s %5.1f %% (%d of %d)  %.0f s\n", match.Title, 100.0 * wins / games, wins,
                    games, seconds);
        std::fflush(stdout);
    }
    return 0;
}
