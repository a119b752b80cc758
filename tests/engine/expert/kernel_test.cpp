#include <gtest/gtest.h>

#include <vector>

#include "../engine_test_support.h"
#include "declarations.h"
#include "display.h"
#include "expert/expert.h"
#include "expert/view.h"
#include "hand_flow.h"
#include "meld_rules.h"
#include "random_source.h"

// The kernel against the engine over many seeded games: at every wait of the person the same
// melds with the same cards and points for both players, each declaration leaving the same
// state, the same cards allowed to the person, and every trick won by the same player for the
// same points.

namespace corvane {
namespace {

using expert::Bit, expert::HandState, expert::Mask, expert::MeldOption;

// The declarations the engine's searches find, in the order the kernel lists them.
std::vector<MeldOption> EngineMelds(const Game& g, int p) {
    std::vector<MeldOption> melds;
    const auto add = [&](int kind, int suit, const MeldCards& cards) {
        Mask m = 0;
        for (int card : cards) m |= Bit(card);
        if (m != 0) melds.push_back({kind, suit, m, MeldPoints(g, kind, cards, p)});
    };
    if (const int seven = FindDixSeven(g, p)) add(MeldDix, 0, {seven});
    if (HasDoubleCorvane(g, p))
        add(MeldDoubleCorvane, 0, {DoubleCorvaneCards.begin(), DoubleCorvaneCards.end()});
    add(MeldCorvane, 0, FindCorvane(g, p));
    add(MeldRun, 0, FindRun(g, p));
    add(MeldFourAces, 0, FindFour(g, p, Ace, MeldFourAces));
    add(MeldFourKings, 0, FindFour(g, p, King, MeldFourKings));
    add(MeldFourQueens, 0, FindFour(g, p, Queen, MeldFourQueens));
    add(MeldFourJacks, 0, FindFour(g, p, Jack, MeldFourJacks));
    for (int suit : {Spades, Diamonds, Hearts, Clubs})
        add(MeldMarriage, suit, FindMarriage(g, p, suit));
    return melds;
}

using Kernel = testing_support::TableGame;

TEST_F(Kernel, AgreesWithTheEngineTrickByTrickOverManySeededGames) {
    RandomSource choices(7);
    const auto below = [&](int n) { return static_cast<int>(choices.Uniform() * n); };

    HandState before;  // before the person's last card, to hold against the completed trick
    int played = 0, tricksCompared = 0;  // played: 0 once the trick is compared

    table.OnWaitForPlayer = [&] {
        if (testing::Test::HasFailure()) return AbandonGame(g);
        const bool declaring = IsVisible(g, Control::FramDeclare);
        const int led = declaring || g.HasLead[PlayerPerson] ? 0 : g.TrickCard[1];
        const HandState now = expert::StateOf(g, led);
        if (played != 0 && (before.Played & ~now.Played) == 0 && now.Round == before.Round) {
            HandState expected = before;
            expert::PlayCard(expected, played);
            if (expected.Led != 0) {  // the person led: Tarvish's answer is the other new card
                const Mask answer = now.Played & ~expected.Played & ~(led ? Bit(led) : 0);
                EXPECT_EQ(expert::CountCards(answer), 1);
                expert::PlayCard(expected, expert::FirstCard(answer));
            }
            EXPECT_EQ(expected.Leader, declaring ? PlayerPerson : now.Leader);
            EXPECT_EQ(expected.TrickTotal[1], now.TrickTotal[1]);
            EXPECT_EQ(expected.TrickTotal[2], now.TrickTotal[2]);
            ++tricksCompared;
        }
        played = 0;
        for (int p : {PlayerPerson, PlayerTarvish}) {
            MeldOption options[expert::MaxMeldOptions];
            const int n = g.Round1 ? expert::MeldOptions(now, p, options) : 0;
            EXPECT_EQ(std::vector<MeldOption>(options, options + n),
                      g.Round1 ? EngineMelds(g, p) : std::vector<MeldOption>{});
            for (int i = 0; i < n; ++i) {
                Game copy = g;
                MakeDeclaration(copy, p, {options[i].Kind, options[i].Suit});
                HandState expected = now;
                expert::ApplyMeld(expected, p, options[i]);
                EXPECT_EQ(expert::StateOf(copy, led), expected) << "kind " << options[i].Kind;
            }
            if (declaring && p == PlayerPerson) {
                const int choice = below(n + 1);
                if (choice < n) MakeDeclaration(g, p, {options[choice].Kind, options[choice].Suit});
                if (g.WaitingForPlayer) CmdCancel_Click(g);
                return;
            }
        }
        // The cards the person may play are the ones the engine accepts.
        const Mask legal = expert::LegalPlays(now, PlayerPerson);
        std::vector<int> cards;
        for (Mask m = now.Held[PlayerPerson]; m; m &= m - 1) {
            Game copy = g;
            const int card = expert::FirstCard(m);
            PicCard_Click(copy, card);
            EXPECT_EQ(!copy.WaitingForPlayer, (legal & Bit(card)) != 0) << card;
            if (legal & Bit(card)) cards.push_back(card);
        }
        played = cards[below(static_cast<int>(cards.size()))];
        before = now;
        PicCard_Click(g, played);
    };

    const int games = 300;
    for (int game = 1; game <= games && !testing::Test::HasFailure(); ++game) {
        g.Random = RandomSource(static_cast<std::uint64_t>(game));
        g.TargetScore = 1000;
        played = 0;
        NewGame(g);
    }
    EXPECT_GT(tricksCompared, games * 60);
}

}  // namespace
}  // namespace corvane
