#include <gtest/gtest.h>

#include "display.h"
#include "game_state.h"
#include "headless_table.h"
#include "readouts.h"
#include "test_tables.h"

namespace corvane {
namespace {

struct ReadoutFixture : testing::Test {
    Game g;
    HeadlessTable table;

    void SetUp() override {
        BuildCardTable(g);
        g.AttachTable(&table);
    }
};

struct TrumpCase {
    const char* name;
    int upCard;
    const char* panel;
    int symbol;
    const char* info;
};

class ShowTrumpsTest : public ReadoutFixture, public testing::WithParamInterface<TrumpCase> {};

TEST_P(ShowTrumpsTest, NamesTheSuitWithItsSymbolAndTheUpCard) {
    const TrumpCase& c = GetParam();
    g.UpCard = c.upCard;
    g.TrumpSuit = g.CardTable[c.upCard].Suit;
    ShowTrumps(g);
    EXPECT_EQ(table.Panels[1].Text, c.panel);
    EXPECT_EQ(table.Panels[1].Image, c.symbol);
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, c.info);
    EXPECT_EQ(Caption(g, Control::LblInfo), c.info);
}

INSTANTIATE_TEST_SUITE_P(
    Suits, ShowTrumpsTest,
    testing::Values(
        TrumpCase{"Diamonds", 2, "Diamonds are Trumps", 66, "The UpCard is Seven of Diamonds"},
        TrumpCase{"Clubs", 28, "Clubs are Trumps", 67, "The UpCard is King of Clubs"},
        TrumpCase{"Hearts", 47, "Hearts are Trumps", 68, "The UpCard is Ace of Hearts"},
        TrumpCase{"Spades", 62, "Spades are Trumps", 69, "The UpCard is Ten  of Spades"}),
    [](const auto& info) { return std::string(info.param.name); });

class PostMeldScoreTest : public ReadoutFixture, public testing::WithParamInterface<int> {};

TEST_P(PostMeldScoreTest, BooksThePendingScoreOnceAndThenShowsZero) {
    const int p = GetParam();
    const int other = p == PlayerPerson ? PlayerTarvish : PlayerPerson;
    g.GameTotal = {0, 120, 120};
    g.HandScore = {0, 30, 30};
    g.LastMeldScore = {0, 40, 40};

    PostMeldScore(g, p);
    EXPECT_EQ(g.GameTotal[p], 160);
    EXPECT_EQ(g.HandScore[p], 70);
    EXPECT_EQ(g.LastMeldScore[p], 0);
    EXPECT_EQ(table.ControlOf(LblPLast(p)).Caption, "40");
    EXPECT_EQ(table.ControlOf(LblPTot(p)).Caption, "160");

    PostMeldScore(g, p);
    EXPECT_EQ(g.GameTotal[p], 160);
    EXPECT_EQ(g.HandScore[p], 70);
    EXPECT_EQ(table.ControlOf(LblPLast(p)).Caption, "0");
    EXPECT_EQ(table.ControlOf(LblPTot(p)).Caption, "160");

    // The other player's score stays pending and unshown.
    EXPECT_EQ(g.GameTotal[other], 120);
    EXPECT_EQ(g.HandScore[other], 30);
    EXPECT_EQ(g.LastMeldScore[other], 40);
    EXPECT_EQ(table.ControlOf(LblPLast(other)).Caption, "");
    EXPECT_EQ(table.ControlOf(LblPTot(other)).Caption, "");
}

INSTANTIATE_TEST_SUITE_P(Players, PostMeldScoreTest, testing::Values(PlayerPerson, PlayerTarvish));

TEST_F(ReadoutFixture, TrickCountStaysAtZeroInRoundOne) {
    struct Row {
        int round;
        int round2Tricks;
        const char* trick;
        const char* roundText;
    };
    for (const Row& row : {Row{1, 0, "Trick 0", "Round 1"}, Row{2, 0, "Trick 0", "Round 2"},
                           Row{2, 9, "Trick 9", "Round 2"}}) {
        g.RoundNo = row.round;
        g.Round2Tricks = row.round2Tricks;
        ShowTrickAndRound(g);
        EXPECT_EQ(table.Panels[3].Text, row.trick);
        EXPECT_EQ(table.Panels[4].Text, row.roundText);
    }
}

// The waits: how long each lasts on the table's clock, and whether the window gets to handle the
// person's input meanwhile.
struct PauseCase {
    const char* name;
    int pauseTime;
    bool inProgress;
    bool withSound;
    std::int64_t waited;
    bool handlesInput;
};

class PauseTest : public ReadoutFixture, public testing::WithParamInterface<PauseCase> {};

TEST_P(PauseTest, WaitsPauseTimeOnTheClock) {
    const PauseCase& c = GetParam();
    testing_support::PauseHookTable hooked(table);
    int inputTurns = 0;
    hooked.OnPause = [&] { ++inputTurns; };
    g.AttachTable(&hooked);
    g.GameInProgress = c.inProgress;
    g.PauseTime = c.pauseTime;
    table.Now = 1000;
    if (c.withSound) {
        PlayDealSound(g);
        EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
    } else {
        Pause(g);
        EXPECT_TRUE(table.Sounds.empty());
    }
    EXPECT_EQ(table.Now - 1000, c.waited);
    EXPECT_EQ(inputTurns > 0, c.handlesInput);
    EXPECT_EQ(g.PauseStart, 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Waits, PauseTest,
    testing::Values(PauseCase{"ZeroReturnsAtOnce", 0, true, false, 0, false},
                    PauseCase{"NegativeReturnsAtOnce", -5, true, false, 0, false},
                    PauseCase{"MediumSpeed", 75, true, false, 75, true},
                    PauseCase{"DealStep", 5, true, false, 5, true},
                    PauseCase{"SoundThenTheSameWait", 225, true, true, 225, true},
                    PauseCase{"SoundWithZeroPause", 0, true, true, 0, false},
                    PauseCase{"AbandonedHandDoesNotWait", 75, false, false, 0, false},
                    PauseCase{"AbandonedHandSoundStillPlays", 75, false, true, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace corvane
