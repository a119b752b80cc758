#include <gtest/gtest.h>

#include "headless_table.h"
#include "opponent.h"
#include "opponent_position.h"

namespace corvane {
namespace {

using namespace testing_positions;

class RoundTwoChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(RoundTwoChoice, PlaysTheCardTheRuleNames) {
    const ChoiceCase& row = GetParam();
    Game g;
    HeadlessTable table;
    g.AttachTable(&table);
    Position position = InShort(row.tarvish, row.trumps, row.upCard, row.led);
    position.person = EveryOtherFirstCopy(position.tarvish);
    Arrange(g, position);
    const int card = TarvishChooseCardRoundTwo(g, LocTarvishHand);
    EXPECT_EQ(card, C(row.expected))
        << Describe(g, card) << " instead of " << Describe(g, C(row.expected));
    EXPECT_TRUE(table.PlainMessages.empty());
}

const ChoiceCase kLeads[] = {
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

INSTANTIATE_TEST_SUITE_P(Leads, RoundTwoChoice, testing::ValuesIn(kLeads), RowName());

const ChoiceCase kFollows[] = {
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

INSTANTIATE_TEST_SUITE_P(Follows, RoundTwoChoice, testing::ValuesIn(kFollows), RowName());

// An empty hand: in play Tarvish is never asked about one.
struct EmptyHandCase {
    const char* name;
    int round;
    bool tarvishLeads;
    const char* notice;  // nullptr: none
};

class EmptyHand : public testing::TestWithParam<EmptyHandCase> {};

TEST_P(EmptyHand, FindsNoCardAndSaysSoWhenItShould) {
    const EmptyHandCase& row = GetParam();
    Game g;
    HeadlessTable table;
    g.AttachTable(&table);
    Position position = InShort("", Hearts, "KH", row.tarvishLeads ? "" : "AC");
    position.person = Cards("7C TH");
    Arrange(g, position);
    const int card =
        row.round == 1 ? TarvishChooseCard(g) : TarvishChooseCardRoundTwo(g, LocTarvishHand);
    EXPECT_EQ(card, NoCard);
    if (row.notice == nullptr) {
        EXPECT_TRUE(table.PlainMessages.empty());
    } else {
        EXPECT_EQ(table.PlainMessages, std::vector<std::string>{row.notice});
    }
    EXPECT_TRUE(table.Messages.empty());
    EXPECT_TRUE(table.Moves.empty());
}

const EmptyHandCase kEmptyHands[] = {
    {"RoundOneLead", 1, true, " If you can read this something wrong, has not found a card"},
    {"RoundOneFollow", 1, false, " If you can read this something wrong, has not found a card"},
    {"RoundTwoLeadIsSilent", 2, true, nullptr},
    {"RoundTwoFollow", 2, false, " Something wrong, no card found"},
};

INSTANTIATE_TEST_SUITE_P(Opponent, EmptyHand, testing::ValuesIn(kEmptyHands), RowName());

}  // namespace
}  // namespace corvane
