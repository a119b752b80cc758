#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_test_support.h"
#include "opponent.h"

namespace corvane {
namespace {

using namespace testing_support;

// One of Tarvish's choices: its holding, trumps, the up card, the card the person led ("" when
// Tarvish leads) and the card it must choose.
struct ChoiceCase {
    const char* name;
    const char* tarvish;
    int trumps;
    const char* upCard;
    const char* led;
    const char* expected;
};

void ExpectChoice(const ChoiceCase& row, int round) {
    Game g;
    HeadlessTable table;
    g.AttachTable(&table);
    Arrange(g, row.tarvish, row.trumps, row.upCard, row.led);
    const int card =
        round == 1 ? TarvishChooseCard(g) : TarvishChooseCardRoundTwo(g, LocTarvishHand);
    EXPECT_EQ(card, C(row.expected))
        << Describe(g, card) << " instead of " << Describe(g, C(row.expected));
    EXPECT_TRUE(table.PlainMessages.empty());
}

const ChoiceCase kRoundOneLeads[] = {
    // name, Tarvish's holding, trumps, up card, card led, card expected
    {"AceRuleLeadsTheFirstAceBelowSpades", "AH AS 7C", Clubs, "9C", "", "AH"},
    {"AceRuleNeverLeadsAnAceOfSpades", "AS 9H", Clubs, "9C", "", "9H"},
    {"ThreeAcesAreKept", "AD AC AH 9H", Spades, "9S", "", "9H"},
    {"FourAcesAreKept", "AD AC AH AS 8C", Hearts, "9H", "", "8C"},
    {"FiveAcesLeadTheFirstBelowSpades", "AS2 AS AH2 AH AC2", Diamonds, "9D", "", "AC2"},
    {"TwoAcesLeadTheFirst", "AH2 AC TC", Diamonds, "9D", "", "AC"},
    {"AnAceOfTrumpsIsLed", "AH 7C", Hearts, "9H", "", "AH"},

    // The Ten step: a high up card and the Seven of trumps in hand; the Ace rule comes first.
    {"AceRuleComesBeforeTheTenStep", "7H TH AC", Hearts, "KH", "", "AC"},
    {"UpKingAndDixLeadATrumpTenBeforeAPlainNine", "7H TH 9C", Hearts, "KH", "", "TH"},
    {"UpAceTakesTheTenStep", "7H TH 9C", Hearts, "AH", "", "TH"},
    {"UpTenTakesTheTenStep", "7H TH 9C", Hearts, "TH2", "", "TH"},
    {"UpQueenTakesTheTenStep", "7H TH 9C", Hearts, "QH", "", "TH"},
    {"UpJackTakesTheTenStep", "7H TH 9C", Hearts, "JH", "", "TH"},
    {"UpNineSkipsTheTenStep", "7H TH 9C", Hearts, "9H", "", "9C"},
    {"UpEightSkipsTheTenStep", "7H TH 9C", Hearts, "8H", "", "9C"},
    {"UpSevenSkipsTheTenStep", "7H TH 9C", Hearts, "7H2", "", "9C"},
    {"NoUpCardSkipsTheTenStep", "7H TH 9C", Hearts, "", "", "9C"},
    {"WithoutTheDixNoTenStep", "TH 9C", Hearts, "KH", "", "9C"},
    {"TenStepNeverLeadsASpadeTen", "7S TS 9C", Spades, "AS", "", "9C"},
    {"TenStepTakesTheFirstTenTrumpOrNot", "7D TD TC", Diamonds, "QD", "", "TD"},
    {"WithoutTheDixThePlainTenComesFirst", "TD TC", Diamonds, "QD", "", "TC"},

    // Small plain cards: a Ten, then a Nine, an Eight, a Seven.
    {"PlainTenBeforePlainSeven", "7H TS", Clubs, "9C", "", "TS"},
    {"PlainNineBeforeEightAndSeven", "7D 8C 9S", Hearts, "9H", "", "9S"},
    {"PlainEightBeforeSeven", "7D 8S", Hearts, "9H", "", "8S"},
    {"PlainStepSkipsATrumpTen", "TD 7C", Diamonds, "9D", "", "7C"},

    // Then a Ten, Nine or Eight of trumps outside Spades.
    {"TrumpNineWhenNoSmallPlainCard", "9C KH QS", Clubs, "8C", "", "9C"},
    {"TrumpTenBeforeTrumpNine", "9C TC KH", Clubs, "8C", "", "TC"},
    {"SpadeTrumpsAreNotLedByTheTrumpStep", "TS KH QH", Spades, "8S", "", "QH"},

    // Last, the weakest card of the longest plain suit.
    {"CourtCardsComeFromTheLongestSuitLaterCopy", "JC JC2 KC QH", Diamonds, "9D", "", "JC2"},
    {"LongestSuitTieLeadsDiamonds", "KD QC", Hearts, "9H", "", "KD"},
    {"TrumpsOnlyLeadTheLastCard", "KH QH JH", Hearts, "9H", "", "KH"},
    {"DiamondTrumpsOnlyLeadTheLaterSevenOfTrumps", "7D 7D2 KD", Diamonds, "AD", "", "7D2"},
};

const ChoiceCase kRoundOneFollows[] = {
    // Stage A: an Ace or a Ten led.
    {"PlainAceTrumpedWithTheEightBeforeTheTen", "TS 8S 7H", Spades, "", "AH", "8S"},
    {"PlainTenTrumpedWithTheNineBeforeTheTen", "TS 9S", Spades, "", "TC", "9S"},
    {"PlainTenGetsASmallPlainCardBeforeTheLongestSuit", "7D KH QH", Spades, "", "TC", "7D"},
    {"PlainAceNeverTrumpedWithOtherTrumps", "7S KS AS 8C", Spades, "", "AH", "8C"},
    {"TrumpAceGetsASmallPlainCardNotATrump", "8S 7H", Spades, "", "AS", "7H"},
    {"SmallPlainCardsEightBeforeNineAndJack", "JC 9D 8H", Spades, "", "AC", "8H"},
    {"SmallPlainJackWhenNothingLower", "JC KH", Spades, "", "AD", "JC"},
    {"JackOfDiamondsDroppedAndJackOfClubsNotTried", "JD JC KH KH2 QH", Spades, "", "AH", "QH"},
    {"ProtectedWeakestOfLongestGivesWayToHearts", "JD JD2 KD KH", Spades, "", "AC", "KH"},
    {"QueenOfSpadesKeptForTheLastCard", "QS KS AD", Hearts, "", "AC", "KS"},
    {"TrumpAceTakesAQueenOfSpadesAtLast", "QS JD", Hearts, "", "AH", "QS"},
    {"PlainAceTakesAQueenOfSpadesAtLast", "QS JD", Hearts, "", "AC", "QS"},

    // Stage B: any other trump led is never fought for.
    {"TrumpSevenGetsEvenAQueenOfSpades", "QS KS 8H", Hearts, "", "7H", "QS"},
    {"TrumpKingIsNeverTrumped", "8H 9C", Hearts, "", "KH", "9C"},
    {"TrumpTenGetsASmallPlainCard", "9C 7H KD QD", Clubs, "", "TC", "7H"},

    // Stage C: any other plain card led.
    {"PlainSevenTrumpedWithTheNine", "9D 7H", Diamonds, "", "7C", "9D"},
    {"PlainKingTrumpedWithTheEightFirst", "TD 8D", Diamonds, "", "KC", "8D"},
    {"PlainKingWithoutSmallTrumpsGetsTheWeakestOfTheLongest", "AD 7H 8H 9S", Diamonds, "", "KC",
     "7H"},
    {"PlainLeadKeepsTheJackOfDiamonds", "JD KD 9S", Clubs, "", "KH", "9S"},
    {"PlainLeadKeepsTheSecondQueenOfSpades", "QS2 KS KH", Diamonds, "", "KC", "KH"},
    {"PlainLeadTriesHeartsBeforeClubs", "JD KD 7C 9H", Spades, "", "KC", "9H"},
    {"PlainLeadGivesAQueenOfSpadesWhenAllAreProtected", "QS QS2", Clubs, "", "KH", "QS2"},
    {"PlainLeadWithTrumpsOnlyPlaysTheLastCard", "JH AH 7H", Hearts, "", "KC", "AH"},
    {"PlainLeadWithDiamondTrumpsOnlyPlaysTheWeakestDiamond", "JD AD 7D", Diamonds, "", "KC", "7D"},
    {"PlainLeadWithDiamondTrumpsOnlyKeepsTheJack", "JD AD", Diamonds, "", "KC", "AD"},
};

const ChoiceCase kRoundTwoLeads[] = {
    // name, Tarvish's holding, trumps, up card, card led, card expected
    {"AnAceOutsideSpadesFirst", "AS AC 7H", Diamonds, "", "", "AC"},
    {"AnAceOfSpadesWaits", "AS 7H", Diamonds, "", "", "7H"},
    {"AnAceOfTrumpsIsLed", "7D AC2", Clubs, "", "", "AC2"},
    {"TheWeakestValueOutsideSpadesClubsBeforeHearts", "7H 7C 8D", Spades, "", "", "7C"},
    {"JackBeforeQueenKingAndTen", "TD KC QH JH", Spades, "", "", "JH"},
    {"KingBeforeTen", "TD KH", Spades, "", "", "KH"},
    {"ATenBeforeASpadeSeven", "TH 7S", Clubs, "", "", "TH"},
    {"OnlySpadesLeadTheStrongest", "7S AS2 KS", Clubs, "", "", "AS2"},
};

const ChoiceCase kRoundTwoFollows[] = {
    // Holding the suit led: a card that wins, in the order of the table, else the weakest.
    {"AceLedGetsTheWeakestOfTheSuit", "AC2 TC 9C", Hearts, "", "AC", "9C"},
    {"TenLedGetsTheAce", "AH2 7H", Clubs, "", "TH", "AH2"},
    {"TenLedWithoutAnAceGetsTheWeakestNotTheKing", "KH 7H", Clubs, "", "TH", "7H"},
    {"KingLedGetsTheTenBeforeTheAce", "AH TH", Clubs, "", "KH", "TH"},
    {"KingLedTakesTheFirstCopy", "TH2 TH", Clubs, "", "KH", "TH"},
    {"QueenLedGetsTheKingFirst", "AH TH KH", Clubs, "", "QH", "KH"},
    {"JackLedGetsTheQueenFirst", "KD QD", Clubs, "", "JD", "QD"},
    {"NineLedGetsTheJackFirst", "AS JS", Clubs, "", "9S", "JS"},
    {"EightLedGetsAJackBeforeTheNine", "9C JC", Hearts, "", "8C", "JC"},
    {"EightLedGetsTheNineLast", "9C 7C", Hearts, "", "8C", "9C"},
    {"SevenLedGetsTheNineBeforeTheEight", "8C 9C", Hearts, "", "7C", "9C"},
    {"SevenLedGetsTheEightWithoutANine", "8C AC", Hearts, "", "7C", "8C"},
    {"SevenLedWithoutEightOrNineGetsTheOtherSeven", "AC 7C2", Hearts, "", "7C", "7C2"},
    {"TheWeakestOfTheSuitIsTheLaterCopy", "7H 7H2 AD", Diamonds, "", "AH", "7H2"},
    {"TrumpLedAndHeldIsFollowedLikeAnySuit", "KH AS", Hearts, "", "QH", "KH"},

    // Without the suit led: the weakest trump, else anything.
    {"VoidInAPlainSuitPlaysTheWeakestTrump", "KS 8S AH", Spades, "", "KC", "8S"},
    {"VoidWithoutTrumpsPlaysTheLastCard", "7D AS2 9S", Hearts, "", "KC", "AS2"},
    {"TrumpLedAndNoTrumpDiscardsTheWeakestOfTheLongest", "KC QC AS", Hearts, "", "7H", "QC"},
    {"TrumpLedAndNoTrumpTieGoesToDiamonds", "AS AD", Clubs, "", "7C", "AD"},
};

class RoundOne : public testing::TestWithParam<ChoiceCase> {};
TEST_P(RoundOne, ChoosesTheCardTheRuleNames) {
    ExpectChoice(GetParam(), 1);
}
INSTANTIATE_TEST_SUITE_P(Leads, RoundOne, testing::ValuesIn(kRoundOneLeads), RowName());
INSTANTIATE_TEST_SUITE_P(Follows, RoundOne, testing::ValuesIn(kRoundOneFollows), RowName());

class RoundTwo : public testing::TestWithParam<ChoiceCase> {};
TEST_P(RoundTwo, ChoosesTheCardTheRuleNames) {
    ExpectChoice(GetParam(), 2);
}
INSTANTIATE_TEST_SUITE_P(Leads, RoundTwo, testing::ValuesIn(kRoundTwoLeads), RowName());
INSTANTIATE_TEST_SUITE_P(Follows, RoundTwo, testing::ValuesIn(kRoundTwoFollows), RowName());

TEST(Tarvish, WithAnEmptyHandFindsNoCardAndSaysSoWhereItShould) {
    struct Row {
        const char* name;
        int round;
        const char* led;
        std::vector<std::string> notices;
    };
    const std::string roundOne = " If you can read this something wrong, has not found a card";
    const Row rows[] = {{"RoundOneLead", 1, "", {roundOne}},
                        {"RoundOneFollow", 1, "AC", {roundOne}},
                        {"RoundTwoLeadIsSilent", 2, "", {}},
                        {"RoundTwoFollow", 2, "AC", {" Something wrong, no card found"}}};
    for (const Row& row : rows) {
        Game g;
        HeadlessTable table;
        g.AttachTable(&table);
        Arrange(g, "", Hearts, "KH", row.led);
        const int card =
            row.round == 1 ? TarvishChooseCard(g) : TarvishChooseCardRoundTwo(g, LocTarvishHand);
        EXPECT_EQ(card, NoCard) << row.name;
        EXPECT_EQ(table.PlainMessages, row.notices) << row.name;
        EXPECT_TRUE(table.Messages.empty() && table.Moves.empty()) << row.name;
    }
}

// The searches, each with one argument: a value, a suit or a location.
using Search = int (*)(const Game&, int);
const Search kHoldsKingOf = [](const Game& g, int suit) {
    return int{TarvishHolds(g, King, suit)};
};
const Search kLongest = [](const Game& g, int) { return LongestPlainSuit(g); };
const Search kLast = [](const Game& g, int) { return LastHeldCard(g); };
const Search kFindTenOfHeartsAt = [](const Game& g, int at) {
    return FindCard(g, at, Ten, Hearts);
};

struct SearchCase {
    const char* name;
    const char* tarvish;
    int trumps;
    Search search;
    int argument;
    int expected;
};

class Searches : public testing::TestWithParam<SearchCase> {};

TEST_P(Searches, FindTheCardTheRuleNames) {
    const SearchCase& row = GetParam();
    Game g;
    Arrange(g, row.tarvish, row.trumps);
    const int found = row.search(g, row.argument);
    EXPECT_EQ(found, row.expected)
        << Describe(g, found) << " instead of " << Describe(g, row.expected);
}

const SearchCase kSearches[] = {
    {"HoldsTheSecondCopy", "KH2", Clubs, kHoldsKingOf, Hearts, 1},
    {"HoldsNotThePersonsCard", "KH2 7D", Clubs, kHoldsKingOf, Diamonds, 0},
    {"CountsBothCopiesAndAllSuits", "AD AD2 AS2 TS", Clubs, CountHeldOfValue, Ace, 3},
    {"CountsNotThePersonsCards", "AD", Clubs, CountHeldOfValue, King, 0},
    {"NonSpadeTakesTheFirstIndex", "AH2 AC2 AS", Clubs, FindHeldNonSpade, Ace, C("AC2")},
    {"NonSpadeIncludesTrumps", "TH TS", Hearts, FindHeldNonSpade, Ten, C("TH")},
    {"NonSpadeNeverFindsASpade", "AS AS2", Clubs, FindHeldNonSpade, Ace, NoCard},
    {"NonSpadeNeverFindsASpadeTrump", "TS", Spades, FindHeldNonSpade, Ten, NoCard},
    {"PlainSkipsTrumps", "9D 9S2", Diamonds, FindHeldPlain, Nine, C("9S2")},
    {"PlainTakesTheFirstIndex", "9H2 9H", Diamonds, FindHeldPlain, Nine, C("9H")},
    {"TrumpTakesTheFirstIndex", "8S2 8S 8C", Spades, FindHeldTrump, Eight, C("8S")},
    {"TrumpSkipsPlainCards", "8C", Spades, FindHeldTrump, Eight, NoCard},
    {"LowestIsTheSeven", "AC 7C 8C", Hearts, LowestHeldOfSuit, Clubs, C("7C")},
    {"LowestTakesTheLaterCopy", "JC JC2 QC", Hearts, LowestHeldOfSuit, Clubs, C("JC2")},
    {"LowestRanksTheKingBelowTheTen", "TC KC", Hearts, LowestHeldOfSuit, Clubs, C("KC")},
    {"LowestRanksTheAceHighest", "AC TC2", Hearts, LowestHeldOfSuit, Clubs, C("TC2")},
    {"LowestOfASuitNotHeldIsTheLastCard", "7D 9S AC", Hearts, LowestHeldOfSuit, Hearts, C("9S")},
    {"LowestOfAnEmptyHandIsNothing", "", Hearts, LowestHeldOfSuit, Hearts, NoCard},
    {"LongestCountsNoTrumps", "7H 8H 9H 7C", Hearts, kLongest, 0, Clubs},
    {"LongestTieGoesToDiamonds", "7S 7D", Hearts, kLongest, 0, Diamonds},
    {"LongestTieGoesToClubsBeforeHearts", "7H 7C", Spades, kLongest, 0, Clubs},
    {"LongestTieGoesToHeartsBeforeSpades", "7S 7H", Clubs, kLongest, 0, Hearts},
    {"LongestMayBeSpades", "7S AS 7H", Clubs, kLongest, 0, Spades},
    {"LongestOfTrumpsOnlyIsDiamondsEvenWhenTrumps", "7D", Diamonds, kLongest, 0, Diamonds},
    {"LastHeldIsTheHighestIndex", "AS 7D", Clubs, kLast, 0, C("AS")},
    {"FindCardTakesTheFirstCopy", "TH2 TH", Clubs, kFindTenOfHeartsAt, LocTarvishHand, C("TH")},
    {"FindCardKeepsToItsLocation", "TH2", Clubs, kFindTenOfHeartsAt, LocPlayerHand, C("TH")},
    {"FindCardFindsNothingMissing", "TH2", Clubs, kFindTenOfHeartsAt, LocStock, NoCard},
};

INSTANTIATE_TEST_SUITE_P(Rows, Searches, testing::ValuesIn(kSearches), RowName());

TEST(Tarvish, ItsMeldsOnTheTableAreStillHeld) {
    Game g;
    Arrange(g, "QS JD", Hearts);
    g.CardTable[C("QS")].OnTable = true;
    EXPECT_TRUE(TarvishHolds(g, Queen, Spades));
    EXPECT_EQ(FindHeldPlain(g, Queen), C("QS"));
    EXPECT_EQ(LastHeldCard(g), C("QS"));
}

// Tarvish holds four cards and a Queen of Spades lying face up in a Corvane and four Queens.
struct TarvishPlays : TableGame {
    TarvishPlays() {
        Arrange(g, "7D 9C KH AS QS", Clubs, "", "TH");
        CardRecord& queen = g.CardTable[C("QS")];
        queen.OnTable = true;
        queen.MeldUsed[MeldCorvane] = queen.MeldUsed[MeldFourQueens] = true;
        queen.MeldColumn[MeldFourQueens] = true;
        g.GameInProgress = true;
        g.Speed = g.PauseTime = SpeedSlow;
    }
};

TEST_F(TarvishPlays, TheCardGoesFaceUpThroughItsWayPointIntoTheTrickAndTheRowClosesUp) {
    TarvishPlayCard(g, C("9C"));
    EXPECT_EQ(g.CardTable[C("9C")].Location, LocTrick);
    EXPECT_EQ(table.Cards[C("9C")].Image, C("9C"));
    EXPECT_EQ(PlacesOf(C("9C")), (std::vector<std::pair<int, int>>{{3120, 2400}, {1200, 2520}}));
    EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, "Tarvish has played Nine of Clubs");
    ExpectRow(Cards("7D KH AS"), TarvishHandOrigin, 350, false);
    EXPECT_TRUE(PlacesOf(C("QS")).empty()) << "the meld stays where it lies";
    // Two pauses and the sound, each Speed + 150.
    EXPECT_EQ(table.Now, 3 * (SpeedSlow + 150));
    EXPECT_EQ(g.PauseTime, SpeedSlow);
}

TEST_F(TarvishPlays, AMeldCardLeavesTheTableAndItsMelds) {
    TarvishPlayCard(g, C("QS"));
    const CardRecord& queen = g.CardTable[C("QS")];
    EXPECT_EQ(queen.Location, LocTrick);
    EXPECT_FALSE(queen.OnTable || queen.MeldUsed[MeldCorvane] || queen.MeldColumn[MeldFourQueens]);
    EXPECT_EQ(PlacesOf(C("QS")).back(), std::make_pair(1200, 2520));
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, "Tarvish has played Queen of Spades");
}

TEST_F(TarvishPlays, NoCardPutsNothingOnTheTableAndAnAbandonedHandDoesNotWait) {
    for (int card : {NoCard, -1, CardCount + 1}) TarvishPlayCard(g, card);
    EXPECT_TRUE(table.Moves.empty() && table.Sounds.empty());
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, "");
    EXPECT_EQ(CountAt(LocTarvishHand), 5);
    g.GameInProgress = false;
    TarvishPlayCard(g, C("7D"));
    EXPECT_EQ(table.Now, 0);
}

}  // namespace
}  // namespace corvane
