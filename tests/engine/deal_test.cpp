#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "card_layout.h"
#include "display.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "test_tables.h"

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

// The first seed whose deal, with the given dealer before it, turns up a card that `wanted`
// accepts; 0 when none of the first thousand does.
std::uint64_t FindSeed(int dealerBefore, const std::function<bool(const CardRecord&)>& wanted) {
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        Game probe;
        BuildCardTable(probe);
        probe.Random = RandomSource(seed);
        probe.Dealer = dealerBefore;
        NewGame(probe);
        if (probe.UpCard >= 1 && wanted(probe.CardTable[probe.UpCard])) return seed;
    }
    return 0;
}

bool IsSeven(const CardRecord& card) {
    return card.Value == Seven;
}
bool IsNotSeven(const CardRecord& card) {
    return card.Value != Seven;
}

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
    testing_support::PauseHookTable hooked(table);
    std::string statusWhileDealing;
    hooked.OnPause = [&] {
        if (statusWhileDealing.empty()) statusWhileDealing = table.Panels[2].Text;
    };
    g.AttachTable(&hooked);
    g.Dealer = c.dealerBefore;
    NewGame(g);
    EXPECT_EQ(statusWhileDealing, std::string("Player") + c.cutText);
    EXPECT_EQ(g.Dealer, c.dealer);
    EXPECT_EQ(g.HasLead[PlayerPerson], c.personLeads);
    EXPECT_EQ(g.HasLead[PlayerTarvish], !c.personLeads);
    EXPECT_EQ(g.WaitingForPlayer, c.personLeads);
    EXPECT_EQ(table.Panels[2].Text, std::string("Player") + c.leadText);
}

INSTANTIATE_TEST_SUITE_P(Dealers, FirstLeadTest,
                         testing::Values(LeadCase{"PersonDeals", PlayerTarvish, PlayerPerson,
                                                  " a cut for dealer made and you will deal.",
                                                  " Tarvish to lead a card.", false},
                                         LeadCase{
                                             "TarvishDeals", PlayerPerson, PlayerTarvish,
                                             " a cut for dealer was made and Tarvish will deal.",
                                             " please Left or Right click to play card.", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DealFixture, PacketsOfThreeTwoThreeNonDealerFirst) {
    // Each dealt card's first move shows whom it goes to.
    const std::map<std::pair<int, int>, char> firstStop{{{1080, 2280}, 'P'}, {{1080, 1320}, 'T'}};
    for (const auto& [dealerBefore, expected] : {std::pair{PlayerTarvish, "TTTPPPTTPPTTTPPP"},
                                                 std::pair{PlayerPerson, "PPPTTTPPTTPPPTTT"}}) {
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

// The per-hand reset: every field it owns is dirtied, then a new hand is dealt. Fields that the
// deal sets again are checked for the deal's values.
struct FieldCheck {
    const char* name;
    std::function<void(Game&)> dirty;
    std::function<bool(const Game&)> isReset;
};

class NewHandResetTest : public DealFixture, public testing::WithParamInterface<FieldCheck> {};

TEST_P(NewHandResetTest, ClearsTheFieldAndKeepsTheGameTotals) {
    // The person deals a hand without a Seven turned up: no points, and nobody waits for the
    // person.
    const std::uint64_t seed = FindSeed(PlayerTarvish, IsNotSeven);
    ASSERT_NE(seed, 0u);
    g.Random = RandomSource(seed);
    g.Dealer = PlayerTarvish;
    g.GameInProgress = true;
    g.GameTotal = {0, 310, 270};
    GetParam().dirty(g);
    NewHand(g);
    EXPECT_TRUE(GetParam().isReset(g));
    EXPECT_EQ(g.GameTotal[PlayerPerson], 310);
    EXPECT_EQ(g.GameTotal[PlayerTarvish], 270);
}

bool AllCards(const Game& g, const std::function<bool(const CardRecord&)>& check) {
    for (int i = 1; i <= CardCount; ++i) {
        if (!check(g.CardTable[i])) return false;
    }
    return true;
}

bool NoMark(const std::array<bool, MeldKindCount + 1>& marks) {
    return std::none_of(marks.begin(), marks.end(), [](bool mark) { return mark; });
}

template <typename T>
std::function<void(Game&)> SetBoth(PerPlayer<T> Game::*field, T value) {
    return [field, value](Game& g) { (g.*field)[1] = (g.*field)[2] = value; };
}

template <typename T>
std::function<bool(const Game&)> BothAre(PerPlayer<T> Game::*field, T value) {
    return
        [field, value](const Game& g) { return (g.*field)[1] == value && (g.*field)[2] == value; };
}

std::function<void(Game&)> SetCaptions(std::vector<Control> labels, std::string text) {
    return [labels, text](Game& g) {
        for (Control label : labels) SetCaption(g, label, text);
    };
}

std::function<bool(const Game&)> CaptionsAre(std::vector<Control> labels, std::string text) {
    return [labels, text](const Game& g) {
        return std::all_of(labels.begin(), labels.end(),
                           [&](Control label) { return Caption(g, label) == text; });
    };
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NewHandResetTest,
    testing::Values(
        FieldCheck{"OnTable",
                   [](Game& g) {
                       for (int i = 1; i <= CardCount; ++i) g.CardTable[i].OnTable = true;
                   },
                   [](const Game& g) {
                       return AllCards(g, [](const CardRecord& c) { return !c.OnTable; });
                   }},
        FieldCheck{"MeldUsed",
                   [](Game& g) {
                       for (int i = 1; i <= CardCount; ++i) g.CardTable[i].MeldUsed.fill(true);
                   },
                   [](const Game& g) {
                       return AllCards(g, [](const CardRecord& c) { return NoMark(c.MeldUsed); });
                   }},
        FieldCheck{"MeldColumn",
                   [](Game& g) {
                       for (int i = 1; i <= CardCount; ++i) g.CardTable[i].MeldColumn.fill(true);
                   },
                   [](const Game& g) {
                       return AllCards(g, [](const CardRecord& c) { return NoMark(c.MeldColumn); });
                   }},
        FieldCheck{"LocationBackToTheStockBeforeTheDeal",
                   [](Game& g) {
                       for (int i = 1; i <= CardCount; ++i) g.CardTable[i].Location = LocTrick;
                   },
                   [](const Game& g) {
                       std::map<int, int> count;
                       for (int i = 1; i <= CardCount; ++i) ++count[g.CardTable[i].Location];
                       return count == std::map<int, int>{{LocPlayerHand, 8},
                                                          {LocTarvishHand, 8},
                                                          {LocStock, 47},
                                                          {LocUpCard, 1}};
                   }},
        FieldCheck{"TrickCard",
                   [](Game& g) {
                       g.TrickCard = {0, 12, 30};
                   },
                   BothAre(&Game::TrickCard, -1)},
        FieldCheck{"CorvaneMade", SetBoth(&Game::CorvaneMade, true),
                   BothAre(&Game::CorvaneMade, false)},
        FieldCheck{"WinsGame", SetBoth(&Game::WinsGame, true), BothAre(&Game::WinsGame, false)},
        FieldCheck{"HasLeadOnlyTheNonDealer", SetBoth(&Game::HasLead, true),
                   [](const Game& g) { return !g.HasLead[1] && g.HasLead[2]; }},
        FieldCheck{"HandScore", SetBoth(&Game::HandScore, 55), BothAre(&Game::HandScore, 0)},
        FieldCheck{"LastTrickScore", SetBoth(&Game::LastTrickScore, 20),
                   BothAre(&Game::LastTrickScore, 0)},
        FieldCheck{"TrickTotal", SetBoth(&Game::TrickTotal, 140), BothAre(&Game::TrickTotal, 0)},
        FieldCheck{"LastMeldScore", SetBoth(&Game::LastMeldScore, 40),
                   BothAre(&Game::LastMeldScore, 0)},
        FieldCheck{"DixExchanged", [](Game& g) { g.DixExchanged = true; },
                   [](const Game& g) { return !g.DixExchanged; }},
        FieldCheck{"MeldMade", [](Game& g) { g.MeldMade = true; },
                   [](const Game& g) { return !g.MeldMade; }},
        FieldCheck{"Knocked", [](Game& g) { g.Knocked = true; },
                   [](const Game& g) { return !g.Knocked; }},
        FieldCheck{"WaitingForPlayerWhenTarvishLeads", [](Game& g) { g.WaitingForPlayer = true; },
                   [](const Game& g) { return !g.WaitingForPlayer; }},
        FieldCheck{"RoundFlags",
                   [](Game& g) {
                       g.Round1 = false;
                       g.Round2 = true;
                   },
                   [](const Game& g) { return g.Round1 && !g.Round2; }},
        FieldCheck{"RoundNoAtOneAfterTheDeal", [](Game& g) { g.RoundNo = 2; },
                   [](const Game& g) { return g.RoundNo == 1; }},
        FieldCheck{"Round2Tricks", [](Game& g) { g.Round2Tricks = 7; },
                   [](const Game& g) { return g.Round2Tricks == 0; }},
        FieldCheck{"CardsUsedAndStockCountFromTheDeal",
                   [](Game& g) {
                       g.CardsUsed = 62;
                       g.StockCount = 2;
                   },
                   [](const Game& g) { return g.CardsUsed == 16 && g.StockCount == 48; }},
        FieldCheck{"UpCardAndTrumpsFromTheNewUpCard",
                   [](Game& g) {
                       g.UpCard = 5;
                       g.TrumpSuit = Diamonds;
                       g.CardTable[5].Location = LocUpCard;
                   },
                   [](const Game& g) {
                       return g.UpCard >= 1 && g.CardTable[g.UpCard].Location == LocUpCard &&
                              g.TrumpSuit == g.CardTable[g.UpCard].Suit;
                   }},
        FieldCheck{
            "PileTops",
            [](Game& g) {
                g.TarvishPileTop = 3310;
                g.PlayerPileTop = 5950;
            },
            [](const Game& g) { return g.TarvishPileTop == 2160 && g.PlayerPileTop == 4800; }},
        FieldCheck{
            "ScoreLabelsOfTheLastHandEmptied",
            SetCaptions({Control::LblLastTrickP, Control::LblLastTrickC, LblPLast(1), LblPLast(2)},
                        "30"),
            CaptionsAre({Control::LblLastTrickP, Control::LblLastTrickC, LblPLast(1), LblPLast(2)},
                        "")},
        FieldCheck{"GameTotalLabelsKept", SetCaptions({LblPTot(1), LblPTot(2)}, "300"),
                   CaptionsAre({LblPTot(1), LblPTot(2)}, "300")}),
    [](const auto& info) { return std::string(info.param.name); });

// How long the deal takes on the table's clock: every dealing move and deal sound waits 5
// milliseconds whatever the speed, the pause after each packet but the last and the pause before
// a turned-up Seven is booked wait the chosen speed.
struct DealPacing {
    const char* name;
    int speed;
    bool seven;
};

class DealPacingTest : public DealFixture, public testing::WithParamInterface<DealPacing> {};

TEST_P(DealPacingTest, DealingStepsTakeFiveMillisecondsWhateverTheSpeed) {
    const DealPacing& c = GetParam();
    const std::uint64_t seed = FindSeed(PlayerTarvish, c.seven ? IsSeven : IsNotSeven);
    ASSERT_NE(seed, 0u);
    g.Random = RandomSource(seed);
    g.Dealer = PlayerTarvish;
    g.Speed = c.speed;

    testing_support::PauseHookTable hooked(table);
    std::map<int, int> pausesOfLength;
    bool personsCardShownBeforeTheUpCard = false;
    hooked.OnPause = [&] {
        ++pausesOfLength[g.PauseTime];
        if (g.UpCard != -1) return;
        for (int i = 1; i <= CardCount; ++i) {
            if (g.CardTable[i].Location == LocPlayerHand && table.Cards[i].Image != ImageBack) {
                personsCardShownBeforeTheUpCard = true;
            }
        }
    };
    g.AttachTable(&hooked);
    table.Now = 0;
    NewGame(g);

    // Per card: Tarvish's one move and sound, the person's three moves and sound.
    EXPECT_EQ(pausesOfLength[5], 8 * 2 + 8 * 4);
    EXPECT_EQ(pausesOfLength[c.speed], 5 + (c.seven ? 1 : 0));
    EXPECT_EQ(table.Now, 8 * 10 + 8 * 20 + c.speed * (5 + (c.seven ? 1 : 0)));
    EXPECT_EQ(g.PauseTime, c.speed);
    EXPECT_FALSE(personsCardShownBeforeTheUpCard) << "the person's cards stay face down while "
                                                     "they are dealt";
}

INSTANTIATE_TEST_SUITE_P(Speeds, DealPacingTest,
                         testing::Values(DealPacing{"Fast", SpeedFast, false},
                                         DealPacing{"Medium", SpeedMedium, false},
                                         DealPacing{"Slow", SpeedSlow, false},
                                         DealPacing{"FastWithASeven", SpeedFast, true},
                                         DealPacing{"SlowWithASeven", SpeedSlow, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SevenCase {
    const char* name;
    int dealerBefore;
    int dealer;
    bool seven;
    const char* info;  // the commentary after the deal; empty: the up card named
};

class TurnedUpSevenTest : public DealFixture, public testing::WithParamInterface<SevenCase> {};

TEST_P(TurnedUpSevenTest, ScoresTenForTheDealerBeforeTheFirstTrick) {
    const SevenCase& c = GetParam();
    const std::uint64_t seed = FindSeed(c.dealerBefore, c.seven ? IsSeven : IsNotSeven);
    ASSERT_NE(seed, 0u);
    g.Random = RandomSource(seed);
    g.Dealer = c.dealerBefore;
    g.PlayerName = "Ann";
    NewGame(g);

    ASSERT_EQ(g.Dealer, c.dealer);
    const int other = c.dealer == PlayerPerson ? PlayerTarvish : PlayerPerson;
    const int points = c.seven ? 10 : 0;
    EXPECT_EQ(g.GameTotal[c.dealer], points);
    EXPECT_EQ(g.HandScore[c.dealer], points);
    EXPECT_EQ(g.GameTotal[other], 0);
    EXPECT_EQ(g.HandScore[other], 0);
    EXPECT_EQ(g.LastMeldScore[PlayerPerson], 0);
    EXPECT_EQ(g.LastMeldScore[PlayerTarvish], 0);
    EXPECT_EQ(g.TrickCard[1], -1) << "booked before any card is played";

    const std::string info =
        *c.info != '\0' ? std::string(c.info) : "The UpCard is " + g.CardTable[g.UpCard].Name;
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, info);
    EXPECT_EQ(table.ControlOf(LblPLast(c.dealer)).Caption, c.seven ? "10" : "");
    EXPECT_EQ(table.ControlOf(LblPTot(c.dealer)).Caption, c.seven ? "10" : "");
    EXPECT_EQ(table.ControlOf(LblPLast(other)).Caption, "");
    EXPECT_EQ(table.ControlOf(LblPTot(other)).Caption, "");
}

INSTANTIATE_TEST_SUITE_P(
    Deals, TurnedUpSevenTest,
    testing::Values(SevenCase{"TarvishDealsASeven", PlayerPerson, PlayerTarvish, true,
                              " Tarvish turns up a 7 - Score- 10"},
                    SevenCase{"PersonDealsASeven", PlayerTarvish, PlayerPerson, true,
                              "Ann turns up a 7 - Score- 10"},
                    SevenCase{"TarvishDealsAnotherCard", PlayerPerson, PlayerTarvish, false, ""},
                    SevenCase{"PersonDealsAnotherCard", PlayerTarvish, PlayerPerson, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DealerTest, AlternatesFromHandToHandAndAcrossNewGames) {
    std::set<int> drawnAtStartUp;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        Game g;
        BuildCardTable(g);
        g.Random = RandomSource(seed);
        StartUp(g);
        const int drawn = g.Dealer;
        const int other = drawn == PlayerPerson ? PlayerTarvish : PlayerPerson;
        drawnAtStartUp.insert(drawn);

        // The totals of a game add up over its hands; only a new game clears them.
        auto sevenPoints = [&g](int player) {
            return g.Dealer == player && g.CardTable[g.UpCard].Value == Seven ? 10 : 0;
        };
        std::vector<int> dealers;
        NewGame(g);
        dealers.push_back(g.Dealer);
        g.GameTotal = {0, 400, 350};
        NewHand(g);
        dealers.push_back(g.Dealer);
        EXPECT_EQ(g.GameTotal[1], 400 + sevenPoints(1));
        EXPECT_EQ(g.GameTotal[2], 350 + sevenPoints(2));
        NewHand(g);
        dealers.push_back(g.Dealer);
        NewGame(g);
        dealers.push_back(g.Dealer);
        EXPECT_EQ(g.GameTotal[1], sevenPoints(1));
        EXPECT_EQ(g.GameTotal[2], sevenPoints(2));
        NewHand(g);
        dealers.push_back(g.Dealer);
        EXPECT_EQ(dealers, (std::vector<int>{other, drawn, other, drawn, other}))
            << "seed " << seed;
    }
    EXPECT_EQ(drawnAtStartUp, (std::set<int>{PlayerPerson, PlayerTarvish}));
}

TEST_F(DealFixture, StartUpWritesTheFirstTextsAndStartsNoGame) {
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
    EXPECT_TRUE(table.Sounds.empty());
}

}  // namespace
}  // namespace corvane
