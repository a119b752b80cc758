#include <gtest/gtest.h>

#include <map>
#include <set>

#include "card_layout.h"
#include "display.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"

namespace corvane {
namespace {

// A game on a recording table with a repeatable deal.
struct DealFixture : testing::Test {
    Game g;
    HeadlessTable table;

    void SetUp() override {
        BuildCardTable(g);
        g.AttachTable(&table);
        g.Random = RandomSource(20261206);
    }

    int CountAt(int location) const {
        int n = 0;
        for (int i = 1; i <= CardCount; ++i) n += g.CardTable[i].Location == location;
        return n;
    }
};

TEST_F(DealFixture, DealsEightEachAndTurnsUpTrumps) {
    g.Dealer = PlayerTarvish;  // so the person deals this hand
    NewGame(g);
    EXPECT_EQ(g.Dealer, PlayerPerson);
    EXPECT_EQ(CountAt(LocPlayerHand), 8);
    EXPECT_EQ(CountAt(LocTarvishHand), 8);
    EXPECT_EQ(CountAt(LocStock), 47);
    EXPECT_EQ(CountAt(LocUpCard), 1);
    EXPECT_EQ(g.StockCount, 48);
    EXPECT_EQ(g.CardsUsed, 16);
    ASSERT_GE(g.UpCard, 1);
    EXPECT_EQ(g.CardTable[g.UpCard].Location, LocUpCard);
    EXPECT_EQ(g.TrumpSuit, g.CardTable[g.UpCard].Suit);
    EXPECT_EQ(g.RoundNo, 1);
    EXPECT_TRUE(g.Round1);
    EXPECT_FALSE(g.Round2);
    EXPECT_TRUE(g.GameInProgress);
    EXPECT_EQ(table.ControlOf(Control::LblStock).Caption, "Stock 48");
    EXPECT_TRUE(table.ControlOf(Control::LblStock).Visible);
    EXPECT_EQ(table.ControlOf(Control::CmdSort).Caption, "Sort Suits");
    EXPECT_TRUE(table.ControlOf(Control::CmdSort).Visible);
    EXPECT_EQ(table.Panels[1].Text, SuitName(g.TrumpSuit) + " are Trumps");
    EXPECT_EQ(table.Panels[1].Image, g.TrumpSuit + 63);
    EXPECT_EQ(table.Panels[3].Text, "Trick 0");
    EXPECT_EQ(table.Panels[4].Text, "Round 1");
    EXPECT_EQ(table.WindowCaption, "Target Score:- 1000");
}

TEST_F(DealFixture, UpCardLiesFaceUpUnderTheStock) {
    NewGame(g);
    const HeadlessTable::CardPicture& up = table.Cards[g.UpCard];
    EXPECT_EQ(up.Left, 600);
    EXPECT_EQ(up.Top, 240);
    EXPECT_EQ(up.Image, g.UpCard);
    EXPECT_TRUE(up.Visible);
    // The stock is laid after the up card, so its last card lies in front of it.
    int lastStock = 0;
    for (int i = 1; i <= CardCount; ++i) {
        if (g.CardTable[i].Location == LocStock) lastStock = i;
    }
    EXPECT_GT(table.Cards[lastStock].Stacking, up.Stacking);
}

struct LeadCase {
    const char* name;
    int dealerBefore;
    int dealer;
    const char* cutText;
    const char* leadText;
    bool personLeads;
};

class FirstLeadTest : public DealFixture, public testing::WithParamInterface<LeadCase> {};

TEST_P(FirstLeadTest, NonDealerLeadsTheFirstTrick) {
    const LeadCase& c = GetParam();
    g.Dealer = c.dealerBefore;
    std::vector<std::string> statusLines;
    NewGame(g);
    EXPECT_EQ(g.Dealer, c.dealer);
    EXPECT_EQ(g.HasLead[PlayerPerson], c.personLeads);
    EXPECT_EQ(g.HasLead[PlayerTarvish], !c.personLeads);
    EXPECT_EQ(g.WaitingForPlayer, c.personLeads);
    EXPECT_EQ(table.Panels[2].Text, std::string("Player") + c.leadText);
}

INSTANTIATE_TEST_SUITE_P(
    Dealers, FirstLeadTest,
    testing::Values(LeadCase{"PersonDeals", PlayerTarvish, PlayerPerson,
                             " a cut for dealer made and you will deal.",
                             " Tarvish to lead a card.", false},
                    LeadCase{"TarvishDeals", PlayerPerson, PlayerTarvish,
                             " a cut for dealer was made and Tarvish will deal.",
                             " please Left or Right click to play card.", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DealFixture, PacketsOfThreeTwoThreeNonDealerFirst) {
    // Each dealt card's first move shows whom it goes to.
    const std::map<std::pair<int, int>, char> firstStop{{{1080, 2280}, 'P'}, {{1080, 1320}, 'T'}};
    for (const auto& [dealerBefore, expected] :
         {std::pair{PlayerTarvish, "TTTPPPTTPPTTTPPP"}, std::pair{PlayerPerson, "PPPTTTPPTTPPPTTT"}}) {
        table.Moves.clear();
        g.Dealer = dealerBefore;
        NewGame(g);
        std::string recipients;
        for (const auto& move : table.Moves) {
            const auto stop = firstStop.find({move.Left, move.Top});
            if (stop != firstStop.end()) recipients += stop->second;
        }
        EXPECT_EQ(recipients, expected) << "dealer before: " << dealerBefore;
    }
}

}  // namespace
}  // namespace corvane
