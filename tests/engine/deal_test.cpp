#include <array>
#include <tuple>

#include "display.h"
#include "engine_test_support.h"
#include "hand_flow.h"

namespace corvane {
namespace {

using namespace testing_support;
using Deal = TableGame;
using Texts = std::vector<std::string>;

// What a long hand leaves behind: every card served in every meld and lies on the table, a trick
// is on the table, both had the lead and scored, and the readouts show 30.
void LeaveAHandBehind(Game& g) {
    std::array<bool, MeldKindCount + 1> every;
    every.fill(true);
    for (CardRecord& c : g.CardTable) c = {c.Name, c.Value, c.Suit, LocTrick, true, every, every};
    g.TrickCard = {0, 12, 30};
    g.HasLead = {false, true, true};
    g.HandScore = {0, 40, 40};
    for (Control c : {Control::LblLastTrickP, Control::LblLastTrickC, LblPLast(1), LblPLast(2),
                      LblPTot(1), LblPTot(2)}) {
        SetCaption(g, c, "30");
    }
}

TEST_F(Deal, ANewHandResetsTheHandDealsEightEachScoresASevenAndTheNonDealerLeads) {
    // name, who dealt before, a Seven turned up, speed, LblInfo after the deal ("" for the up card)
    const std::tuple<const char*, int, bool, int, const char*> rows[] = {
        {"PersonDealsFast", PlayerTarvish, false, SpeedFast, ""},
        {"TarvishDealsSlow", PlayerPerson, false, SpeedSlow, ""},
        {"PersonTurnsUpASeven", PlayerTarvish, true, SpeedMedium, "Ann turns up a 7 - Score- 10"},
        {"TarvishTurnsUpASeven", PlayerPerson, true, SpeedFast,
         " Tarvish turns up a 7 - Score- 10"}};
    for (const auto& [name, dealerBefore, seven, speed, info] : rows) {
        SCOPED_TRACE(name);
        const bool personDeals = dealerBefore == PlayerTarvish;
        const int dealer = personDeals ? PlayerPerson : PlayerTarvish;
        std::string cutText;
        bool personsCardShown = false;
        hook.OnPause = [&] {
            if (cutText.empty()) cutText = table.Panels[2].Text;
            for (int i = 1; i <= CardCount && g.UpCard == -1; ++i) {
                personsCardShown |=
                    g.CardTable[i].Location == LocPlayerHand && table.Cards[i].Image != ImageBack;
            }
        };
        LeaveAHandBehind(g);
        g.GameTotal = {0, 310, 270};
        g.PlayerName = "Ann";
        g.Speed = speed;
        g.Random = RandomSource(SeedTurningUp(dealerBefore, seven));
        g.Dealer = dealerBefore;
        table.Moves.clear();
        table.Now = 0;
        ResetHand(g);
        DealCards(g);

        // The per-hand reset.
        PerPlayer<int> points{};
        points[dealer] = seven ? 10 : 0;
        EXPECT_EQ(g.GameTotal, (PerPlayer<int>{0, 310 + points[1], 270 + points[2]}));
        EXPECT_EQ(g.HandScore, points);
        for (int i = 1; i <= CardCount; ++i) {
            const CardRecord& c = g.CardTable[i];
            const std::array<bool, MeldKindCount + 1> none{};
            EXPECT_TRUE(!c.OnTable && c.MeldUsed == none && c.MeldColumn == none)
                << Describe(g, i) << " keeps its marks";
        }
        EXPECT_EQ(Texts({Shown(Control::LblLastTrickP), Shown(Control::LblLastTrickC)}),
                  Texts({"", ""}));

        // Packets of three, two and three, the non-dealer first, face down; the first stop of
        // each dealt card shows whom it goes to.
        ASSERT_EQ(g.Dealer, dealer);
        EXPECT_EQ(cutText, personDeals ? "Ann a cut for dealer made and you will deal."
                                       : "Ann a cut for dealer was made and Tarvish will deal.");
        std::string packets;
        for (const auto& move : table.Moves) {
            if (move.Left == 1080 && move.Top == 1320) packets += 'T';
            if (move.Left == 1080 && move.Top == 2280) packets += 'P';
        }
        EXPECT_EQ(packets, personDeals ? "TTTPPPTTPPTTTPPP" : "PPPTTTPPTTPPPTTT");
        EXPECT_FALSE(personsCardShown) << "the person's cards stay face down while dealt";
        EXPECT_EQ(std::vector({g.StockCount, g.CardsUsed}), std::vector({48, 16}));
        // The person's row by value (index order within a value), Tarvish's by index, face down.
        std::vector<int> held[3];
        for (int i = 1; i <= CardCount; ++i) {
            if (g.CardTable[i].Location <= LocTarvishHand)
                held[g.CardTable[i].Location].push_back(i);
        }
        std::stable_sort(held[1].begin(), held[1].end(),
                         [](int a, int b) { return (a - 1) % 16 / 2 < (b - 1) % 16 / 2; });
        ExpectRow(held[1], PlayerSortedRowOrigin, 500, true);
        ExpectRow(held[2], TarvishHandOrigin, 350, false);
        EXPECT_TRUE(table.Cards[g.UpCard].Left == 600 && table.Cards[g.UpCard].Top == 240);

        // Trumps, and ten points for a Seven, posted before the first trick.
        EXPECT_EQ(g.TrumpSuit, g.CardTable[g.UpCard].Suit);
        EXPECT_EQ(table.Panels[1].Text, SuitName(g.TrumpSuit) + " are Trumps");
        EXPECT_EQ(table.Panels[1].Image, 63 + g.TrumpSuit);
        EXPECT_EQ(Shown(Control::LblInfo),
                  *info ? info : "The UpCard is " + g.CardTable[g.UpCard].Name);
        const std::string ten = seven ? "10" : "";
        EXPECT_EQ(Texts({Shown(LblPLast(dealer)), Shown(LblPTot(dealer)),
                         Shown(LblPLast(3 - dealer)), Shown(LblPTot(3 - dealer))}),
                  Texts({ten, seven ? (dealer == 1 ? "320" : "280") : "30", "", "30"}));
        EXPECT_EQ(g.TrickCard, (PerPlayer<int>{0, -1, -1}));

        // Ready for the first trick, led by the non-dealer.
        EXPECT_EQ(Texts({Shown(Control::LblStock), Shown(Control::CmdSort), table.Panels[3].Text,
                         table.Panels[4].Text}),
                  Texts({"Stock 48", "Sort Suits", "Trick 0", "Round 1"}));
        EXPECT_TRUE(table.ControlOf(Control::LblStock).Visible &&
                    table.ControlOf(Control::CmdSort).Visible);
        EXPECT_EQ(g.HasLead, (PerPlayer<bool>{false, !personDeals, personDeals}));
        EXPECT_EQ(g.WaitingForPlayer, !personDeals);
        EXPECT_EQ(table.Panels[2].Text, personDeals
                                            ? "Ann Tarvish to lead a card."
                                            : "Ann please Left or Right click to play card.");

        // Every dealing move and deal sound waits 5 ms whatever the speed; the pauses between
        // the packets and before a Seven is posted wait the speed.
        EXPECT_EQ(table.Now, 8 * 2 * 5 + 8 * 4 * 5 + (seven ? 6 : 5) * speed);
        EXPECT_EQ(g.PauseTime, speed);
    }
}

TEST_F(Deal, StartUpDrawsWhoDealtLastAndTheDealAlternatesFromHandToHandAndAcrossNewGames) {
    g.PlayerName = "Ann";
    g.TargetScore = 2000;
    g.Speed = SpeedSlow;
    StartUp(g);
    EXPECT_EQ(Texts({table.WindowCaption, Shown(Control::LblPlayer), Shown(Lblpname(0)),
                     Shown(Lblpname(1)), table.Panels[2].Text}),
              Texts({" Target Score 2000", "Ann", "Ann", "Ann",
                     "Ann press F2 for new game,F3 for saved game or use Menu."}));
    EXPECT_EQ(g.PauseTime, SpeedSlow);
    EXPECT_TRUE(!g.GameInProgress && table.Moves.empty());

    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        g.Random = RandomSource(seed);
        RandomSource peek = g.Random;
        const double r = peek.Uniform();
        StartUp(g);
        // The first number plus one, rounded: below a half gives the person.
        ASSERT_EQ(g.Dealer, r < 0.5 ? PlayerPerson : PlayerTarvish) << "seed " << seed;
        const int drawn = g.Dealer, other = PlayerPerson + PlayerTarvish - drawn;
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
        EXPECT_EQ(dealers, (std::vector{other, drawn, other, drawn, other}));
        EXPECT_EQ(table.WindowCaption, "Target Score:- 2000");
    }
}

}  // namespace
}  // namespace corvane
