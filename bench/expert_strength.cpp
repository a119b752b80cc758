// How strong the levels are: whole seeded games to 1000, every match played from both seats on
// the same seeds (each side once as the person and once as Tarvish), with the share of games the
// first side wins, its 95 % interval, and how much the person's seat wins whoever sits in it.
// Classic plays only as Tarvish, so its matches are from that one seat.
//
//   expert_strength [games per seat] [first seed] [match numbers, all when left out]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "expert/levels.h"
#include "expert/strategy_person.h"
#include "game_state.h"
#include "hand_flow.h"

namespace {

using namespace corvane;
using L = OpponentLevel;

struct Match {
    OpponentLevel First, Second;
};

// The ladder: each level against the plain-sense baseline and against the level below it, then
// the top against the plain 40-deal search, and the Expert against the Expert as it was.
constexpr Match kMatches[] = {
    {L::Baseline, L::Classic}, {L::Beginner, L::Baseline},  {L::Casual, L::Baseline},
    {L::Club, L::Baseline},    {L::Seasoned, L::Baseline},  {L::Expert, L::Baseline},
    {L::Master, L::Baseline},  {L::Beginner, L::Classic},   {L::Casual, L::Beginner},
    {L::Club, L::Casual},      {L::Seasoned, L::Club},      {L::Expert, L::Seasoned},
    {L::Master, L::Expert},    {L::Master, L::PlainSearch}, {L::Expert, L::OldExpert},
    {L::Master, L::OldExpert},
};

// Plays `games` seeded games; returns how many the person won.
int PersonWins(OpponentLevel person, OpponentLevel tarvish, int games, int firstSeed) {
    Game g;
    BuildCardTable(g);
    StrategyPerson player(g, person);
    StrategyTable table(player);
    g.AttachTable(&table);
    g.TarvishLevel = tarvish;
    g.Dealer = PlayerTarvish;
    for (int game = 0; game < games; ++game) {
        g.Random = RandomSource(static_cast<std::uint64_t>(firstSeed + game));
        g.TargetScore = 1000;
        NewGame(g);
    }
    return g.Stats[PlayerPerson];
}

// The half-width of the 95 % interval of a share of `n` games, in percent.
double Interval(double share, int n) {
    return 196.0 * std::sqrt(share * (1.0 - share) / n);
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 200;
    const int firstSeed = argc > 2 ? std::atoi(argv[2]) : 1;
    std::set<int> only;
    for (int i = 3; i < argc; ++i) only.insert(std::atoi(argv[i]));
    std::printf("%d seeded games to 1000 per seat, seeds %d to %d\n", games, firstSeed,
                firstSeed + games - 1);
    int number = 0;
    for (const Match& match : kMatches) {
        ++number;
        if (!only.empty() && only.count(number) == 0) continue;
        const auto start = std::chrono::steady_clock::now();
        // The first side as the person, then as Tarvish; Classic has no person's seat.
        const bool bothSeats = match.Second != L::Classic;
        const int asPerson = PersonWins(match.First, match.Second, games, firstSeed);
        const int asTarvish =
            bothSeats ? games - PersonWins(match.Second, match.First, games, firstSeed) : 0;
        const int played = bothSeats ? 2 * games : games;
        const int wins = asPerson + asTarvish;
        const double share = static_cast<double>(wins) / played;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%2d %-12s against %-12s %5.1f %% +- %4.1f (%d of %d)", number,
                    OpponentLevelName(match.First), OpponentLevelName(match.Second), 100.0 * share,
                    Interval(share, played), wins, played);
        if (bothSeats) {
            // The person's seat: the first side's wins as the person, the second's as the person.
            const int personSeat = asPerson + (games - asTarvish);
            std::printf("  person's seat %5.1f %%", 100.0 * personSeat / played);
        } else {
            std::printf("  from Tarvish's seat only");
        }
        std::printf("  %.0f s\n", seconds);
        std::fflush(stdout);
    }
    return 0;
}
