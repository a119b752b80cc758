#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "display.h"
#include "engine_test_support.h"
#include "hand_flow.h"

namespace corvane {
namespace {

using namespace testing_support;

using Deal = TableGame;

// A seed whose deal, after `dealerBefore` dealt last, turns up a Seven or not as asked.
std::uint64_t SeedTurningUp(int dealerBefore, bool seven) {
    for (std::uint64_t seed = 1;; ++seed) {
        Game probe;
        BuildCardTable(probe);
        probe.Random = RandomSource(seed);
        probe.Dealer = dealerBefore;
        NewGame(probe);
        if ((probe.CardTable[probe.UpCard].Value == Seven) == seven) return seed;
    }
}

struct DealRow {
    const char* name;
    int dealerBefore;
    bool seven;
    int speed;
    const char* info;  // LblInfo after the deal; "" for the up card named
};

class FirstDeal : public Deal, public testing::WithParamInterface<DealRow> {};

TEST_P(FirstDeal, DealsEightEachTurnsUpTrumpsScoresASevenAndGivesTheLeadToTheNonDealer) {
    const DealRow& row = GetParam();
    const bool personDeals = row.dealerBefore == PlayerTarvish;
    const int dealer = personDeals ? PlayerPerson : PlayerTarvish;
    const int other = PlayerPerson + PlayerTarvish - dealer;
    PauseHookTable hooked(table);
    std::string cutText;
    bool personsCardShown = false;
    hooked.OnPause = [&] {
        if (cutText.empty()) cutText = table.Panels[2].Text;
        for (int i = 1; i <= CardCount && g.UpCard == -1; ++i) {
            const bool person = g.CardTable[i].Location == LocPlayerHand;
            personsCardShown = personsCardShown || (person && table.Cards[i].Image != ImageBack);
        }
    };
    g.AttachTable(&hooked);
    g.PlayerName = "Ann";
    g.Speed = row.speed;
    g.Random = RandomSource(SeedTurningUp(row.dealerBefore, row.seven));
    g.Dealer = row.dealerBefore;
    NewGame(g);

    // Packets of three, two and three, the non-dealer first, face down.
    ASSERT_EQ(g.Dealer, dealer);
    EXPECT_EQ(cutText, personDeals ? "Ann a cut for dealer made and you will deal."
                                   : "Ann a cut for dealer was made and Tarvish will deal.");
    std::string packets;  // each dealt card's first stop shows whom it goes to
    for (const auto& move : table.Moves) {
        if (move.Left == 1080 && (move.Top == 1320 || move.Top == 2280)) {
            packets += move.Top == 1320 ? 'T' : 'P';
        }
    }
    EXPECT_EQ(packets, personDeals ? "TTTPPPTTPPTTTPPP" : "PPPTTTPPTTPPPTTT");
    EXPECT_FALSE(personsCardShown) << "the person's cards stay face down while dealt";
    EXPECT_EQ(CountAt(LocPlayerHand), 8);
    EXPECT_EQ(CountAt(LocTarvishHand), 8);
    EXPECT_EQ(CountAt(LocStock), 47);
    EXPECT_EQ(g.StockCount, 48);
    EXPECT_EQ(g.CardsUsed, 16);
    EXPECT_EQ(table.ControlOf(Control::LblStock).Caption, "Stock 48");
    EXPECT_TRUE(table.ControlOf(Control::LblStock).Visible);

    // The up card face up under the stock, and trumps.
    ASSERT_EQ(g.CardTable[g.UpCard].Location, LocUpCard);
    const HeadlessTable::CardPicture& up = table.Cards[g.UpCard];
    EXPECT_EQ(std::vector({up.Left, up.Top, up.Image}), std::vector({600, 240, g.UpCard}));
    EXPECT_TRUE(up.Visible);
    int lastOfStock = 0;
    for (int i = 1; i <= CardCount; ++i)
        lastOfStock = g.CardTable[i].Location == LocStock ? i : lastOfStock;
    EXPECT_GT(table.Cards[lastOfStock].Stacking, up.Stacking) << "the stock lies over the up card";
    EXPECT_EQ(g.TrumpSuit, g.CardTable[g.UpCard].Suit);
    EXPECT_EQ(table.Panels[1].Text, SuitName(g.TrumpSuit) + " are Trumps");
    EXPECT_EQ(table.Panels[1].Image, SuitSymbolImage(g.TrumpSuit));

    // A turned-up Seven scores ten for the dealer, posted before the first trick.
    const int points = row.seven ? 10 : 0;
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption,
              *row.info ? row.info : "The UpCard is " + g.CardTable[g.UpCard].Name);
    EXPECT_EQ(g.GameTotal, (PerPlayer<int>{0, dealer == 1 ? points : 0, dealer == 2 ? points : 0}));
    EXPECT_EQ(g.HandScore, g.GameTotal);
    EXPECT_EQ(g.LastMeldScore, (PerPlayer<int>{}));
    EXPECT_EQ(table.ControlOf(LblPLast(dealer)).Caption, row.seven ? "10" : "");
    EXPECT_EQ(table.ControlOf(LblPTot(dealer)).Caption, row.seven ? "10" : "");
    EXPECT_EQ(table.ControlOf(LblPLast(other)).Caption, "");
    EXPECT_EQ(table.ControlOf(LblPTot(other)).Caption, "");
    EXPECT_EQ(g.TrickCard, (PerPlayer<int>{0, -1, -1}));

    // Ready for the first trick, led by the non-dealer.
    EXPECT_EQ(table.ControlOf(Control::CmdSort).Caption, "Sort Suits");
    EXPECT_TRUE(table.ControlOf(Control::CmdSort).Visible);
    EXPECT_EQ(table.Panels[3].Text, "Trick 0");
    EXPECT_EQ(table.Panels[4].Text, "Round 1");
    EXPECT_TRUE(g.Round1 && !g.Round2 && g.RoundNo == 1 && g.GameInProgress);
    EXPECT_EQ(g.HasLead, (PerPlayer<bool>{false, !personDeals, personDeals}));
    EXPECT_EQ(g.WaitingForPlayer, !personDeals);
    EXPECT_EQ(table.Panels[2].Text, personDeals ? "Ann Tarvish to lead a card."
                                                : "Ann please Left or Right click to play card.");
    EXPECT_EQ(table.WindowCaption, "Target Score:- 1000");

    // Every dealing move and deal sound waits 5 ms whatever the speed; the pauses between the
    // packets and before a Seven is posted wait the speed.
    EXPECT_EQ(table.Now, 8 * 2 * 5 + 8 * 4 * 5 + (5 + (row.seven ? 1 : 0)) * row.speed);
    EXPECT_EQ(g.PauseTime, row.speed);
}

const DealRow kDeals[] = {
    {"PersonDealsFast", PlayerTarvish, false, SpeedFast, ""},
    {"TarvishDealsSlow", PlayerPerson, false, SpeedSlow, ""},
    {"PersonTurnsUpASeven", PlayerTarvish, true, SpeedMedium, "Ann turns up a 7 - Score- 10"},
    {"TarvishTurnsUpASeven", PlayerPerson, true, SpeedFast, " Tarvish turns up a 7 - Score- 10"},
};

INSTANTIATE_TEST_SUITE_P(Rows, FirstDeal, testing::ValuesIn(kDeals), RowName());

TEST_F(Deal, ANewHandResetsEveryPerHandFieldAndKeepsTheGameTotals) {
    for (int i = 1; i <= CardCount; ++i) {
        CardRecord& c = g.CardTable[i];
        c.Location = LocTrick;
        c.OnTable = true;
        c.MeldUsed.fill(true);
        c.MeldColumn.fill(true);
    }
    g.GameTotal = {0, 310, 270};
    g.TrickCard = {0, 12, 30};
    g.CorvaneMade = g.WinsGame = g.HasLead = {false, true, true};
    g.HandScore = g.LastTrickScore = g.TrickTotal = g.LastMeldScore = {0, 40, 40};
    g.DixExchanged = g.MeldMade = g.Knocked = g.WaitingForPlayer = g.Round2 = true;
    g.Round1 = false;
    g.RoundNo = 2;
    g.Round2Tricks = 7;
    g.TarvishPileTop = 3310;
    g.PlayerPileTop = 5950;
    const Control labels[] = {Control::LblLastTrickP,
                              Control::LblLastTrickC,
                              LblPLast(1),
                              LblPLast(2),
                              LblPTot(1),
                              LblPTot(2)};
    for (Control label : labels) SetCaption(g, label, "30");
    g.Random = RandomSource(SeedTurningUp(PlayerTarvish, false));
    g.Dealer = PlayerTarvish;  // the person deals: nobody waits
    NewHand(g);

    EXPECT_EQ(g.GameTotal, (PerPlayer<int>{0, 310, 270}));
    EXPECT_EQ(CountAt(LocStock), 47);
    for (int i = 1; i <= CardCount; ++i) {
        EXPECT_FALSE(g.CardTable[i].OnTable) << i;
        EXPECT_EQ(g.CardTable[i].MeldUsed, decltype(CardRecord::MeldUsed){}) << i;
        EXPECT_EQ(g.CardTable[i].MeldColumn, decltype(CardRecord::MeldColumn){}) << i;
    }
    EXPECT_EQ(g.TrickCard, (PerPlayer<int>{0, -1, -1}));
    EXPECT_EQ(g.CorvaneMade, (PerPlayer<bool>{}));
    EXPECT_EQ(g.WinsGame, (PerPlayer<bool>{}));
    EXPECT_EQ(g.HasLead, (PerPlayer<bool>{false, false, true}));
    for (const PerPlayer<int>* score :
         {&g.HandScore, &g.LastTrickScore, &g.TrickTotal, &g.LastMeldScore}) {
        EXPECT_EQ(*score, (PerPlayer<int>{}));
    }
    EXPECT_FALSE(g.DixExchanged);
    EXPECT_FALSE(g.MeldMade);
    EXPECT_FALSE(g.Knocked);
    EXPECT_FALSE(g.WaitingForPlayer);
    EXPECT_FALSE(g.Round2);
    EXPECT_TRUE(g.Round1);
    EXPECT_EQ(g.RoundNo, 1);
    EXPECT_EQ(g.Round2Tricks, 0);
    EXPECT_EQ(g.TarvishPileTop, 2160);
    EXPECT_EQ(g.PlayerPileTop, 4800);
    for (Control label : labels) {
        const bool total = label == LblPTot(1) || label == LblPTot(2);
        EXPECT_EQ(table.ControlOf(label).Caption, total ? "30" : "") << static_cast<int>(label);
    }
}

TEST(Dealer, IsDrawnAtStartUpThenAlternatesFromHandToHandAndAcrossNewGames) {
    std::set<int> drawnAtStartUp;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        Game g;
        BuildCardTable(g);
        g.Random = RandomSource(seed);
        RandomSource peek = g.Random;
        const double r = peek.Uniform();
        StartUp(g);
        // The first number plus one, rounded: below a half gives the person.
        ASSERT_EQ(g.Dealer, r < 0.5 ? PlayerPerson : PlayerTarvish) << "seed " << seed;
        const int drawn = g.Dealer;
        drawnAtStartUp.insert(drawn);
        if (seed > 10) continue;
        std::vector<int> dealers;
        for (auto start : {NewGame, NewHand, NewHand, NewGame, NewHand}) {
            g.GameTotal = {0, 400, 350};
            start(g);
            dealers.push_back(g.Dealer);
            PerPlayer<int> want = start == NewGame ? PerPlayer<int>{} : PerPlayer<int>{0, 400, 350};
            if (g.CardTable[g.UpCard].Value == Seven) want[g.Dealer] += 10;
            EXPECT_EQ(g.GameTotal, want) << "a new game clears the totals, a new hand keeps them";
        }
        const int other = PlayerPerson + PlayerTarvish - drawn;
        EXPECT_EQ(dealers, (std::vector<int>{other, drawn, other, drawn, other})) << seed;
    }
    EXPECT_EQ(drawnAtStartUp.size(), 2u);
}

TEST_F(Deal, StartUpWritesTheFirstTextsAndStartsNoGame) {
    g.PlayerName = "Ann";
    g.TargetScore = 2000;
    g.Speed = SpeedSlow;
    StartUp(g);
    EXPECT_EQ(table.WindowCaption, " Target Score 2000");
    for (Control label : {Control::LblPlayer, Lblpname(0), Lblpname(1)}) {
        EXPECT_EQ(table.ControlOf(label).Caption, "Ann");
    }
    EXPECT_EQ(table.Panels[2].Text, "Ann press F2 for new game,F3 for saved game or use Menu.");
    EXPECT_EQ(g.PauseTime, SpeedSlow);
    EXPECT_FALSE(g.GameInProgress);
    EXPECT_TRUE(table.Moves.empty());
}

// Thousands of seeded deals at one table: every card in exactly one place and shown there, and
// every card dealt to each hand and turned up sooner or later.
TEST_F(Deal, SoakEveryCardIsAccountedForDealAfterDeal) {
    std::array<std::set<int>, LocUpCard + 1> reached;
    for (int deal = 1; deal <= 2000 && !HasFailure(); ++deal) {
        SCOPED_TRACE("deal " + std::to_string(deal));
        g.Random = RandomSource(static_cast<std::uint64_t>(deal));
        const int dealerBefore = g.Dealer;
        NewGame(g);
        ASSERT_NE(g.Dealer, dealerBefore);
        std::array<std::vector<int>, LocUpCard + 1> at;
        for (int i = 1; i <= CardCount; ++i) {
            const int location = g.CardTable[i].Location;
            ASSERT_TRUE(location == LocPlayerHand || location == LocTarvishHand ||
                        location == LocStock || location == LocUpCard)
                << "card " << i << " is nowhere";
            at[location].push_back(i);
            reached[location].insert(i);
        }
        ASSERT_EQ(at[LocUpCard], std::vector<int>{g.UpCard});
        ASSERT_EQ(at[LocStock].size(), 47u);
        // The person's row by value (index order within a value), Tarvish's by index.
        std::stable_sort(at[LocPlayerHand].begin(), at[LocPlayerHand].end(),
                         [](int a, int b) { return (a - 1) % 16 / 2 < (b - 1) % 16 / 2; });
        ExpectRow(at[LocPlayerHand], PlayerSortedRowOrigin, 500, true);
        ExpectRow(at[LocTarvishHand], TarvishHandOrigin, 350, false);
        for (std::size_t k = 0; k < at[LocStock].size(); ++k) {
            const HeadlessTable::CardPicture& pic = table.Cards[at[LocStock][k]];
            const int step = static_cast<int>(k);
            ASSERT_TRUE(pic.Left == 3 * step && pic.Top == 4 * step && pic.Image == ImageBack &&
                        pic.Visible)
                << "stock card " << at[LocStock][k];
        }
    }
    for (int location : {LocPlayerHand, LocTarvishHand, LocUpCard}) {
        EXPECT_EQ(reached[location].size(), 64u) << "some card never reaches " << location;
    }
}

}  // namespace
}  // namespace corvane
