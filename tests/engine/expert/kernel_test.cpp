#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

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

using expert::Bit;
using expert::HandState;
using expert::Mask;
using expert::MeldOption;

Mask MaskOf(const MeldCards& cards) {
    Mask m = 0;
    for (int card : cards) m |= Bit(card);
    return m;
}

// The declarations the engine's searches find, in the order the kernel lists them.
std::vector<MeldOption> EngineMelds(const Game& g, int p) {
    std::vector<MeldOption> melds;
    const auto add = [&](int kind, int suit, const MeldCards& cards) {
        if (!cards.empty())
            melds.push_back({kind, suit, MaskOf(cards), MeldPoints(g, kind, cards, p)});
    };
    if (const int seven = FindDixSeven(g, p)) add(MeldDix, 0, {seven});
    if (HasDoubleCorvane(g, p)) {
        add(MeldDoubleCorvane, 0, MeldCards(DoubleCorvaneCards.begin(), DoubleCorvaneCards.end()));
    }
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

class KernelTable final : public NullTable {
public:
    std::function<void()> OnWait;
    bool WaitForPlayer() override {
        OnWait();
        return true;
    }
};

TEST(Kernel, AgreesWithTheEngineTrickByTrickOverManySeededGames) {
    Game g;
    BuildCardTable(g);
    KernelTable table;
    g.AttachTable(&table);
    RandomSource choices(7);
    const auto below = [&](int n) { return static_cast<int>(choices.Uniform() * n); };

    // The person's last play, to be held against the trick the engine completes.
    HandState before;
    int played = 0;
    bool pending = false;
    int tricksCompared = 0, declarationsCompared = 0;

    table.OnWait = [&] {
        if (testing::Test::HasFailure()) return AbandonGame(g);
        const bool declaring = IsVisible(g, Control::FramDeclare);
        const bool follows = !declaring && !g.HasLead[PlayerPerson];
        const int led = follows ? g.TrickCard[1] : 0;
        const HandState now = expert::StateOf(g, led);
        if (pending && (before.Played & ~now.Played) == 0 && now.Round == before.Round) {
            HandState expected = before;
            expert::PlayCard(expected, played);
            if (expected.Led != 0) {
                // The person led: Tarvish's answer is the other new card in the tricks.
                const Mask answer = now.Played & ~expected.Played & ~(led ? Bit(led) : 0);
                EXPECT_EQ(expert::CountCards(answer), 1);
                expert::PlayCard(expected, expert::FirstCard(answer));
            }
            EXPECT_EQ(expected.Leader, declaring ? PlayerPerson : now.Leader);
            EXPECT_EQ(expected.TrickTotal[1], now.TrickTotal[1]);
            EXPECT_EQ(expected.TrickTotal[2], now.TrickTotal[2]);
            ++tricksCompared;
        }
        pending = false;
        for (int p : {PlayerPerson, PlayerTarvish}) {
            MeldOption options[expert::MaxMeldOptions];
            const int n = g.Round1 ? expert::MeldOptions(now, p, options) : 0;
            EXPECT_EQ(std::vector<MeldOption>(options, options + n),
                      g.Round1 ? EngineMelds(g, p) : std::vector<MeldOption>{});
            if (g.Round1) {
                EXPECT_EQ(expert::BestMeld(now, p).Kind != 0, n > 0);
            }
            for (int i = 0; i < n; ++i) {
                Game copy = g;
                MakeDeclaration(copy, p, {options[i].Kind, options[i].Suit});
                HandState expected = now;
                expert::ApplyMeld(expected, p, options[i]);
                EXPECT_EQ(expert::StateOf(copy, led), expected) << "kind " << options[i].Kind;
                ++declarationsCompared;
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
        for (Mask m = now.Held[PlayerPerson]; m; m &= m - 1) {
            Game copy = g;
            PicCard_Click(copy, expert::FirstCard(m));
            EXPECT_EQ(!copy.WaitingForPlayer, (legal & (m & ~(m - 1))) != 0);
        }
        std::vector<int> cards;
        for (Mask m = legal; m; m &= m - 1) cards.push_back(expert::FirstCard(m));
        played = cards[below(static_cast<int>(cards.size()))];
        before = now;
        pending = true;
        PicCard_Click(g, played);
    };

    const char* env = std::getenv("CORVANE_KERNEL_GAMES");
    const int games = env != nullptr ? std::atoi(env) : 300;
    for (int game = 1; game <= games && !testing::Test::HasFailure(); ++game) {
        g.Random = RandomSource(static_cast<std::uint64_t>(game));
        g.TargetScore = 1000;
        pending = false;
        NewGame(g);
    }
    EXPECT_GT(tricksCompared, games * 60);
    EXPECT_GT(declarationsCompared, games * 5);
}

}  // namespace
}  // namespace corvane
