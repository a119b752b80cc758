#include <gtest/gtest.h>

#include "headless_table.h"
#include "opponent.h"
#include "opponent_position.h"

namespace corvane {
namespace {

using namespace testing_positions;

class RoundOneChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(RoundOneChoice, PlaysTheCardTheRuleNames) {
    const ChoiceCase& row = GetParam();
    Game g;
    HeadlessTable table;
    g.AttachTable(&table);
    Position position = InShort(row.tarvish, row.trumps, row.upCard, row.led);
    position.person = EveryOtherFirstCopy(position.tarvish);
    Arrange(g, position);
    const int card = TarvishChooseCard(g);
    EXPECT_EQ(card, C(row.expected))
        << Describe(g, card) << " instead of " << Describe(g, C(row.expected));
    EXPECT_TRUE(table.PlainMessages.empty());
}

// Tarvish leads. Unless a row is about it, the up card is a Nine, which leaves out the Ten step.
const ChoiceCase kLeads[] = {
    // name, Tarvish's holding, trumps, up card, card led, card expected
    {"AceRuleLeadsTheFirstAceBelowSpades", "AH AS 7C", Clubs, "9C", "", "AH"},
    {"AceRuleNeverLeadsAnAceOfSpades", "AS 9H", Clubs, "9C", "", "9H"},
    {"ThreeAcesAreKept", "AD AC AH 9H", Spades, "9S", "", "9H"},
    {"FourAcesAreKept", "AD AC AH AS 8C", Hearts, "9H", "", "8C"},
    {"FiveAcesLeadTheFirstBelowSpades", "AS2 AS AH2 AH AC2", Diamonds, "9D", "", "AC2"},
    {"TwoAcesLeadTheFirst", "AH2 AC TC", Diamonds, "9D", "", "AC"},
    {"AnAceOfTrumpsIsLed", "AH 7C", Hearts, "9H", "", "AH"},

    // The Ten step: a high up card and the Seven of trumps in hand.
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

INSTANTIATE_TEST_SUITE_P(Leads, RoundOneChoice, testing::ValuesIn(kLeads), RowName());

// The person has led.
const ChoiceCase kFollows[] = {
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

INSTANTIATE_TEST_SUITE_P(Follows, RoundOneChoice, testing::ValuesIn(kFollows), RowName());

}  // namespace
}  // namespace corvane
