// The review's figures: seeded games to 1000 against Classic Tarvish, the person played by the
// Expert, the plain-sense baseline or a random player, every decision of the person recorded and
// reviewed. Prints the time of a whole game's and a hand's review on two threads, a decision's
// evaluation (the tutor's check) at the median and 99th percentile, the noise of the losses, how
// the grades hold under another sampling seed and against ten times the deals, and each player's
// average loss per decision.
//
//   review_tool [games per player] [first seed] [file for every decision's losses]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "display.h"
#include "expert/expert.h"
#include "expert/strategy_person.h"
#include "expert/view.h"
#include "game_state.h"
#include "hand_flow.h"
#include "review/rating.h"

namespace {

using namespace corvane;
using namespace corvane::review;
using Clock = std::chrono::steady_clock;

std::vector<DecisionPoint>* recorded = nullptr;
CardStrategy inner = nullptr;
int hand = 0;
std::mt19937 randomPlayer(7);
// With a file name given, every decision's losses under both seeds go there, to choose the
// thresholds from.
std::FILE* dump = nullptr;

DecisionPoint PointOf(const Game& g) {
    DecisionPoint p;
    p.View = expert::ViewOf(g, PlayerPerson);
    if (p.View.State.Round == 1 && p.View.State.Tricks == 0) ++hand;
    p.Hand = hand;
    return p;
}

int RecordingStrategy(const Game& g, int player) {
    DecisionPoint p = PointOf(g);
    p.Card = inner(g, player);
    p.ExpertCard = ExpertChooseCard(g, player);
    recorded->push_back(p);
    return p.Card;
}

int BaselineCard(const Game& g, int player) {
    return LevelChooseCard(g, player, OpponentLevel::Baseline);
}

int RandomCard(const Game& g, int player) {
    const expert::Mask legal = expert::LegalPlays(expert::ViewOf(g, player).State, player);
    std::vector<int> cards;
    for (expert::Mask m = legal; m; m &= m - 1) cards.push_back(expert::FirstCard(m));
    return cards[randomPlayer() % cards.size()];
}

// Declarations are the Expert level's for every player here; they are reviewed all the same.
struct RecordingTable final : NullTable {
    StrategyPerson* Person = nullptr;
    Game* G = nullptr;
    bool WaitForPlayer() override {
        if (IsVisible(*G, Control::FramDeclare) && !IsVisible(*G, Control::LblKnock)) {
            DecisionPoint p = PointOf(*G);
            p.Declaration = true;
            const ExpertMeld meld = LevelChooseMeld(*G, PlayerPerson, OpponentLevel::Expert);
            const ExpertMeld best = ExpertChooseMeld(*G, PlayerPerson);
            p.MeldKind = meld.Kind;
            p.MeldSuit = meld.Suit;
            p.ExpertMeldKind = best.Kind;
            p.ExpertMeldSuit = best.Suit;
            recorded->push_back(p);
        }
        Person->Act();
        return true;
    }
};

std::vector<std::vector<DecisionPoint>> PlayGames(CardStrategy strategy, int games, int firstSeed) {
    std::vector<std::vector<DecisionPoint>> all(games);
    inner = strategy;
    Game g;
    BuildCardTable(g);
    StrategyPerson person(g, OpponentLevel::Expert, RecordingStrategy);
    RecordingTable table;
    table.Person = &person;
    table.G = &g;
    g.AttachTable(&table);
    g.Dealer = PlayerTarvish;
    for (int game = 0; game < games; ++game) {
        recorded = &all[game];
        hand = 0;
        g.Random = RandomSource(static_cast<std::uint64_t>(firstSeed + game));
        g.TargetScore = 1000;
        NewGame(g);
    }
    g.AttachTable(nullptr);
    return all;
}

// Reviews the decisions on two threads, as the window does.
std::vector<ReviewedDecision> ReviewAll(const std::vector<DecisionPoint>& points,
                                        const EvaluatorSettings& settings) {
    std::vector<ReviewedDecision> out(points.size());
    auto work = [&](std::size_t from) {
        for (std::size_t i = from; i < points.size(); i += 2) out[i] = Review(points[i], settings);
    };
    std::thread second(work, 1);
    work(0);
    second.join();
    return out;
}

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(p * v.size()))];
}

struct Tally {
    int Decisions = 0, Graded[GradeCount]{}, SameGrade = 0, FineToMistake = 0;
    int Flagged = 0, FlaggedHeld = 0;
    double Loss = 0, ExpertLoss = 0;
    std::vector<double> LossErrors, GameSeconds, HandSeconds;
};

void Measure(const char* title, CardStrategy strategy, int games, int firstSeed, bool deep) {
    const auto all = PlayGames(strategy, games, firstSeed);
    Tally t;
    for (const auto& points : all) {
        const auto start = Clock::now();
        const auto reviewed = ReviewAll(points, {});
        t.GameSeconds.push_back(Seconds(start));
        const auto other = ReviewAll(points, {400, 2, 400});
        for (std::size_t i = 0; i < reviewed.size(); ++i) {
            const ReviewedDecision& r = reviewed[i];
            ++t.Decisions;
            ++t.Graded[static_cast<int>(r.Grading)];
            t.Loss += r.Chosen.Loss;
            t.ExpertLoss += r.Expert.Loss;
            if (r.Point.Round() == 1 && r.Best.Card != r.Chosen.Card)
                t.LossErrors.push_back(r.Chosen.LossError);
            t.SameGrade += other[i].Grading == r.Grading;
            if (dump != nullptr)
                std::fprintf(dump, "%d,%.2f,%.2f,%.2f,%.2f\n", r.Point.Round(), r.Chosen.Loss,
                             r.Chosen.LossError, other[i].Chosen.Loss, other[i].Chosen.LossError);
            const bool low = r.Grading == Grade::Fine || other[i].Grading == Grade::Fine;
            const bool high = r.Grading >= Grade::Mistake || other[i].Grading >= Grade::Mistake;
            t.FineToMistake += low && high;
            if (deep && r.Grading >= Grade::Mistake) {
                ++t.Flagged;
                const ReviewedDecision tenfold = Review(r.Point, {4000, 3, 400});
                t.FlaggedHeld += tenfold.Chosen.Loss > Graded.Mistake;
            }
        }
        // A hand's review: the decisions of the game's first hand.
        std::vector<DecisionPoint> first;
        for (const DecisionPoint& p : points) {
            if (p.Hand == 1) first.push_back(p);
        }
        const auto handStart = Clock::now();
        ReviewAll(first, {});
        t.HandSeconds.push_back(Seconds(handStart));
    }
    std::printf("%s: %d games, %d decisions\n", title, games, t.Decisions);
    std::printf("  average loss per decision %.2f (the Expert's choice at the same: %.2f), %s\n",
                t.Loss / t.Decisions, t.ExpertLoss / t.Decisions,
                RatingWords(t.Loss / t.Decisions).c_str());
    std::printf("  grades: fine %d, inaccuracy %d, mistake %d, blunder %d\n", t.Graded[0],
                t.Graded[1], t.Graded[2], t.Graded[3]);
    std::printf("  standard error of a Round 1 loss: median %.1f, 90th percentile %.1f\n",
                Percentile(t.LossErrors, 0.5), Percentile(t.LossErrors, 0.9));
    std::printf("  another sampling seed: same grade %.1f %%, fine<->mistake or worse %d\n",
                100.0 * t.SameGrade / t.Decisions, t.FineToMistake);
    if (deep && t.Flagged > 0)
        std::printf(
            "  ten times the deals: %d of %d mistakes and blunders keep a loss over %.0f "
            "(%.1f %%)\n",
            t.FlaggedHeld, t.Flagged, Graded.Mistake, 100.0 * t.FlaggedHeld / t.Flagged);
    std::printf(
        "  a game's review on 2 threads: median %.2f s, longest %.2f s; first hand: "
        "median %.3f s, longest %.3f s\n",
        Percentile(t.GameSeconds, 0.5), Percentile(t.GameSeconds, 1),
        Percentile(t.HandSeconds, 0.5), Percentile(t.HandSeconds, 1));
    std::fflush(stdout);
}

void MeasureTutorCheck(int games, int firstSeed) {
    const auto all = PlayGames(BaselineCard, games, firstSeed);
    std::vector<double> ms;
    for (const auto& points : all) {
        for (const DecisionPoint& p : points) {
            const auto start = Clock::now();
            ReviewIfCostly(p, {});
            ms.push_back(1000 * Seconds(start));
        }
    }
    std::printf(
        "a decision's evaluation (the tutor's check), %zu decisions on one thread: "
        "median %.2f ms, 99th percentile %.2f ms, longest %.2f ms\n",
        ms.size(), Percentile(ms, 0.5), Percentile(ms, 0.99), Percentile(ms, 1));
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 10;
    const int firstSeed = argc > 2 ? std::atoi(argv[2]) : 1;
    if (argc > 3) dump = std::fopen(argv[3], "w");
    std::printf("%d seeded games to 1000 per player against Classic Tarvish, seeds %d to %d\n",
                games, firstSeed, firstSeed + games - 1);
    MeasureTutorCheck(games, firstSeed);
    Measure("the Expert as the person", ExpertChooseCard, games, firstSeed, false);
    Measure("the baseline person", BaselineCard, games, firstSeed, true);
    Measure("a random person", RandomCard, games, firstSeed, false);
    return 0;
}
