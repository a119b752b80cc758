#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "declarations.h"
#include "display.h"
#include "engine_test_support.h"
#include "hand_flow.h"

namespace corvane {
namespace {

using namespace testing_support;
using HandEnd = TableGame;

// The titles of the messages shown, in order: "first|second".
std::string TitlesOf(const HeadlessTable& table) {
    std::string titles;
    for (const MessageRequest& m : table.Messages) titles += (titles.empty() ? "" : "|") + m.Title;
    return titles;
}

TEST_F(HandEnd, TrickPointsReachTheTotalsThenTheTargetDecidesOrTheHandResultIsShown) {
    const auto won = [](int person, int tarvish) {
        return " Well done, you won that game with points " + std::to_string(person) + " against " +
               std::to_string(tarvish) + " for Tarvish. See Statistics menu. ";
    };
    const std::string draw90 =
        " Game not over and that hand was a draw with you scoring 90 against 90 for Tarvish.";
    const struct {
        const char* name;
        int total1, total2, tricks1, tricks2, melds1;  // melds count in the hand, not again
        std::string titles, lastText;                  // the text after the name
        int targetAfter;
    } rows[] = {
        {"the person wins the hand", 300, 200, 100, 80, 20, "You win Hand",
         " Game not over, but you won that hand with points 120 against 80 for Tarvish.", 1000},
        {"a drawn hand", 300, 200, 90, 90, 0, "Hand is a draw.", draw90, 1000},
        {"Tarvish wins the hand", 300, 200, 60, 120, 0, "Tarvish wins Hand",
         " Game not over, but unfortunately you lost that hand with points 60 against 120 for "
         "Tarvish.",
         1000},
        {"exactly the target wins", 960, 0, 40, 140, 0, "You win game", won(1000, 140), 1000},
        {"Tarvish alone over the target wins", 500, 900, 40, 140, 0, "Tarvish wins game",
         " Oh Dear, you lost that game with points 540 against 1040 for Tarvish. See Statistics "
         "menu. Go to Game menu for another game or exit",
         1000},
        {"both over: the target rises once and the game goes on", 1200, 1200, 90, 90, 0,
         "Both over Target Score|Hand is a draw.", draw90, 1250},
        {"over and exactly at: alone over the raised target wins", 1200, 950, 100, 50, 0,
         "Both over Target Score|You win game", won(1300, 1000), 1250},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        table.Messages.clear();
        g.PlayerName = "Ann";
        g.GameInProgress = g.Round2 = true;
        g.HandOver = g.Round1 = false;
        g.TargetScore = 1000;
        g.GameTotal = {0, row.total1, row.total2};
        g.TrickTotal = {0, row.tricks1, row.tricks2};
        g.HandScore = {0, row.tricks1 + row.melds1, row.tricks2};
        g.Stats = {0, 3, 4};
        g.WinsGame = {};
        g.TrumpSuit = Spades;
        EndOfHand(g);
        EXPECT_EQ(TitlesOf(table), row.titles);
        ASSERT_FALSE(table.Messages.empty());
        EXPECT_EQ(table.Messages.back().Text, "Ann" + row.lastText);
        const int after1 = row.total1 + row.tricks1, after2 = row.total2 + row.tricks2;
        EXPECT_EQ(g.GameTotal, (PerPlayer<int>{0, after1, after2}));
        EXPECT_EQ(g.TrickTotal, (PerPlayer<int>{}));
        EXPECT_EQ(g.TargetScore, row.targetAfter);
        const bool personWins = row.titles.ends_with("You win game");
        const bool over = personWins || row.titles.ends_with("Tarvish wins game");
        EXPECT_EQ(g.GameInProgress, !over);
        EXPECT_EQ(g.Stats,
                  (PerPlayer<int>{0, 3 + (over && personWins), 4 + (over && !personWins)}));
        EXPECT_EQ(Shown(LblPTot(1)), std::to_string(after1));
        EXPECT_TRUE(row.targetAfter == 1000 || table.WindowCaption == "Target Score:- 1250");
        EXPECT_EQ(Shown(Control::LblInfo), over ? "Press F2 for new game, or Ctrl X to Exit" : "");
        // A game over empties the status texts; the trump symbol stays.
        if (over) {
            EXPECT_EQ(table.Panels[1], (HeadlessTable::PanelRecord{"", SuitSymbolImage(Spades)}));
        }
    }
}

// The last trick of Round 1 with three face-down cards and the up card left: its winner declares
// twice and draws twice, the loser takes the up card, and the winner leads Round 2.
TEST_F(HandEnd, TheWinnerOfTheLastStockTrickDeclaresTwiceAndTheLoserTakesTheUpCard) {
    for (const int winner : {PlayerPerson, PlayerTarvish}) {
        SCOPED_TRACE(winner == PlayerPerson ? "the person wins" : "Tarvish wins");
        table = HeadlessTable();
        // Hearts are trumps; the person leads the Ace of trumps, or follows in Clubs or Diamonds
        // to whatever Tarvish leads, which cannot lose.
        Hold(g, Cards("AH 7C 8C 9C 7D 8D 9D JD"), Cards("7S 8S 9S JS QS KS TS AS"));
        for (CardRecord& card : g.CardTable) {
            if (card.Location == LocStock) card.Location = LocTrick;  // played in earlier tricks
        }
        for (int card : Cards("QC KC TC")) g.CardTable[card].Location = LocStock;
        g.UpCard = C("KH");
        g.CardTable[g.UpCard].Location = LocUpCard;
        g.TrumpSuit = Hearts;
        g.CardsUsed = 60;
        g.StockCount = 4;
        g.GameInProgress = g.Round1 = true;
        g.Round2 = false;
        g.HandOver = false;
        g.HasLead = {false, winner == PlayerPerson, winner == PlayerTarvish};
        g.TrickCard = {0, -1, -1};
        g.PlayerPileTop = PlayerPileTopAtDeal;
        g.TarvishPileTop = TarvishPileTopAtDeal;
        SetCaption(g, Control::CmdSort, "Sort Suits");
        int declaringTurns = 0;
        table.OnWaitForPlayer = [&] {
            if (IsVisible(g, Control::FramDeclare)) {
                ++declaringTurns;
                CmdCancel_Click(g);
            } else if (g.HasLead[PlayerPerson]) {
                PicCard_Click(g, C("AH"));
            } else {
                const bool clubsLed = g.CardTable[g.TrickCard[1]].Suit == Clubs;
                PicCard_Click(g, C(clubsLed ? "7D" : "7C"));
            }
        };
        table.OnMessage = [&](const std::string& title, auto&&...) {
            if (title == "Second Round") AbandonGame(g);  // enough: Round 2 is not played here
            return 0;
        };
        PlayRound1(g);

        EXPECT_EQ(g.TrickWinner, winner);
        EXPECT_EQ(declaringTurns, winner == PlayerPerson ? 2 : 0);
        EXPECT_EQ(TitlesOf(table),
                  winner == PlayerTarvish ? "Tarvish Melding?|Second Round" : "Second Round");
        // Who received each card, in order: the first stop of a card on its way to a hand.
        std::string receivers;
        for (const auto& m : table.Moves) {
            if (m.Left == 1080 && m.Top == 2280) receivers += 'P';
            if (m.Left == 1080 && m.Top == 1320) receivers += 'T';
        }
        EXPECT_EQ(receivers, winner == PlayerPerson ? "PTPT" : "TPTP");
        const int loser = 3 - winner;
        EXPECT_EQ(g.CardTable[C("KH")].Location, loser);
        EXPECT_EQ(table.Cards[C("KH")].Image, loser == PlayerTarvish ? ImageBack : C("KH"));
        EXPECT_EQ(g.HasLead, (PerPlayer<bool>{false, winner == 1, winner == 2}));
        EXPECT_EQ(g.RoundNo, 2);
    }
}

// Tarvish with no card at all, which play never brings about: its notice, if any, and no trick.
TEST_F(HandEnd, WhenTarvishFindsNoCardNoTrickIsDecidedAndTheHandEnds) {
    const std::string one = " If you can read this something wrong, has not found a card";
    const std::string two = " Something wrong, no card found";
    for (const auto& [round, tarvishLeads, notices] : {std::tuple{1, true, std::vector{one}},
                                                       {1, false, {one}},
                                                       {2, true, {}},
                                                       {2, false, {two}}}) {
        SCOPED_TRACE("round " + std::to_string(round) + (tarvishLeads ? ", Tarvish leads" : ""));
        table = HeadlessTable();
        Hold(g, Cards("AH 7C 8C"), {});
        g.TrumpSuit = Hearts;
        g.GameInProgress = true;
        g.HandOver = false;
        g.Round1 = round == 1;
        g.Round2 = round == 2;
        g.CardsUsed = 16;
        g.TrickWinner = 0;
        g.TrickTotal = {};
        g.HasLead = {false, !tarvishLeads, tarvishLeads};
        g.WaitingForPlayer = !tarvishLeads;
        g.TrickCard = {0, -1, -1};
        table.OnWaitForPlayer = [&] { PicCard_Click(g, C("AH")); };
        if (round == 1) PlayRound1(g);
        if (round == 2) PlayRound2(g);
        EXPECT_EQ(table.PlainMessages, notices);
        EXPECT_EQ(g.TrickWinner, 0);
        EXPECT_EQ(g.TrickTotal, (PerPlayer<int>{}));
        EXPECT_FALSE(g.GameInProgress);
        EXPECT_EQ(Shown(Control::LblInfo), "Press F2 for new game, or Ctrl X to Exit");
    }
}

// A hand nobody can act in is given up where it waits: no card goes anywhere after.
TEST_F(HandEnd, AHandNobodyCanActInIsGivenUpWhereItWaits) {
    std::vector<int> places;
    table.OnWaitForPlayer = [&] {
        for (const CardRecord& card : g.CardTable) places.push_back(card.Location);
    };
    NewGame(g);
    ASSERT_FALSE(places.empty()) << "the game came to a wait";
    EXPECT_FALSE(g.GameInProgress);
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(g.CardTable[i % g.CardTable.size()].Location, places[i]) << i;
    }
}

// The knock is offered while the person alone is at the target, and taken back once Tarvish is
// there too, whether the target is looked at again or a trick of Tarvish's takes it back.
TEST_F(HandEnd, TheKnockIsOfferedOnlyWhileThePersonAloneIsAtTheTargetAndWinsOnce) {
    g.GameInProgress = g.Round1 = true;
    g.TargetScore = 1000;
    const struct {
        int Person, Tarvish;
        void (*Look)(Game&);
        bool Offered;
    } rows[] = {{1000, 500, CheckTarget, true},
                {1000, 1000, CheckTarget, false},
                {1010, 600, CheckTarget, true},
                {1010, 1020, WithdrawLostKnock, false}};
    for (const auto& row : rows) {
        g.GameTotal = {0, row.Person, row.Tarvish};
        row.Look(g);
        EXPECT_EQ(IsVisible(g, Control::LblKnock), row.Offered) << row.Person << ":" << row.Tarvish;
        EXPECT_TRUE(g.GameInProgress);
    }
    // Taken, it wins once: a second click during its pauses knocks no second time.
    g.GameTotal = {0, 1000, 500};
    CheckTarget(g);
    int clicks = 0;
    hook.OnPause = [&] {
        if (clicks++ == 0) LblKnock_Click(g);
    };
    LblKnock_Click(g);
    EXPECT_EQ(std::count(table.Sounds.begin(), table.Sounds.end(), Sound::Knock), 1);
    EXPECT_EQ(TitlesOf(table), "You win game");
}

}  // namespace
}  // namespace corvane
