#include <gtest/gtest.h>

#include "headless_table.h"
#include "opponent.h"
#include "opponent_position.h"

namespace corvane {
namespace {

using namespace testing_positions;

struct ChoiceCase {
    const char* name;
    Position position;
    int expected;
};

class RoundTwoChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(RoundTwoChoice, PlaysTheCardTheRuleNames) {
    const ChoiceCase& row = GetParam();
    Game g;
    HeadlessTable table;
    g.AttachTable(&table);
    Position position = row.position;
    position.person = EveryOtherFirstCopy(position.tarvish);
    Arrange(g, position);
    const int card = TarvishChooseCardRoundTwo(g, LocTarvishHand);
    EXPECT_EQ(card, row.expected) << Describe(g, card) << " instead of "
                                  << Describe(g, row.expected);
    EXPECT_TRUE(table.PlainMessages.empty());
}

const ChoiceCase kLeads[] = {
    {"AnAceOutsideSpadesFirst",
     {.tarvish = {Card(Ace, Spades), Card(Ace, Clubs), Card(Seven, Hearts)}, .trumps = Diamonds},
     Card(Ace, Clubs)},
    {"AnAceOfSpadesWaits",
     {.tarvish = {Card(Ace, Spades), Card(Seven, Hearts)}, .trumps = Diamonds},
     Card(Seven, Hearts)},
    {"AnAceOfTrumpsIsLed",
     {.tarvish = {Card(Seven, Diamonds), Card(Ace, Clubs, 2)}, .trumps = Clubs},
     Card(Ace, Clubs, 2)},
    {"TheWeakestValueOutsideSpadesClubsBeforeHearts",
     {.tarvish = {Card(Seven, Hearts), Card(Seven, Clubs), Card(Eight, Diamonds)},
      .trumps = Spades},
     Card(Seven, Clubs)},
    {"JackBeforeQueenKingAndTen",
     {.tarvish = {Card(Ten, Diamonds), Card(King, Clubs), Card(Queen, Hearts), Card(Jack, Hearts)},
      .trumps = Spades},
     Card(Jack, Hearts)},
    {"KingBeforeTen",
     {.tarvish = {Card(Ten, Diamonds), Card(King, Hearts)}, .trumps = Spades},
     Card(King, Hearts)},
    {"ATenBeforeASpadeSeven",
     {.tarvish = {Card(Ten, Hearts), Card(Seven, Spades)}, .trumps = Clubs},
     Card(Ten, Hearts)},
    {"OnlySpadesLeadTheStrongest",
     {.tarvish = {Card(Seven, Spades), Card(Ace, Spades, 2), Card(King, Spades)}, .trumps = Clubs},
     Card(Ace, Spades, 2)},
};

INSTANTIATE_TEST_SUITE_P(Leads, RoundTwoChoice, testing::ValuesIn(kLeads),
                         [](const testing::TestParamInfo<ChoiceCase>& info) {
                             return info.param.name;
                         });

const ChoiceCase kFollows[] = {
    // Holding the suit led: a card that wins, in the order of the table, else the weakest.
    {"AceLedGetsTheWeakestOfTheSuit",
     {.tarvish = {Card(Ace, Clubs, 2), Card(Ten, Clubs), Card(Nine, Clubs)},
      .trumps = Hearts,
      .led = Card(Ace, Clubs)},
     Card(Nine, Clubs)},
    {"TenLedGetsTheAce",
     {.tarvish = {Card(Ace, Hearts, 2), Card(Seven, Hearts)},
      .trumps = Clubs,
      .led = Card(Ten, Hearts)},
     Card(Ace, Hearts, 2)},
    {"TenLedWithoutAnAceGetsTheWeakestNotTheKing",
     {.tarvish = {Card(King, Hearts), Card(Seven, Hearts)},
      .trumps = Clubs,
      .led = Card(Ten, Hearts)},
     Card(Seven, Hearts)},
    {"KingLedGetsTheTenBeforeTheAce",
     {.tarvish = {Card(Ace, Hearts), Card(Ten, Hearts)},
      .trumps = Clubs,
      .led = Card(King, Hearts)},
     Card(Ten, Hearts)},
    {"KingLedTakesTheFirstCopy",
     {.tarvish = {Card(Ten, Hearts, 2), Card(Ten, Hearts)},
      .trumps = Clubs,
      .led = Card(King, Hearts)},
     Card(Ten, Hearts)},
    {"QueenLedGetsTheKingFirst",
     {.tarvish = {Card(Ace, Hearts), Card(Ten, Hearts), Card(King, Hearts)},
      .trumps = Clubs,
      .led = Card(Queen, Hearts)},
     Card(King, Hearts)},
    {"JackLedGetsTheQueenFirst",
     {.tarvish = {Card(King, Diamonds), Card(Queen, Diamonds)},
      .trumps = Clubs,
      .led = Card(Jack, Diamonds)},
     Card(Queen, Diamonds)},
    {"NineLedGetsTheJackFirst",
     {.tarvish = {Card(Ace, Spades), Card(Jack, Spades)},
      .trumps = Clubs,
      .led = Card(Nine, Spades)},
     Card(Jack, Spades)},
    {"EightLedGetsAJackBeforeTheNine",
     {.tarvish = {Card(Nine, Clubs), Card(Jack, Clubs)},
      .trumps = Hearts,
      .led = Card(Eight, Clubs)},
     Card(Jack, Clubs)},
    {"EightLedGetsTheNineLast",
     {.tarvish = {Card(Nine, Clubs), Card(Seven, Clubs)},
      .trumps = Hearts,
      .led = Card(Eight, Clubs)},
     Card(Nine, Clubs)},
    {"SevenLedGetsTheNineBeforeTheEight",
     {.tarvish = {Card(Eight, Clubs), Card(Nine, Clubs)},
      .trumps = Hearts,
      .led = Card(Seven, Clubs)},
     Card(Nine, Clubs)},
    {"SevenLedGetsTheEightWithoutANine",
     {.tarvish = {Card(Eight, Clubs), Card(Ace, Clubs)},
      .trumps = Hearts,
      .led = Card(Seven, Clubs)},
     Card(Eight, Clubs)},
    {"SevenLedWithoutEightOrNineGetsTheOtherSeven",
     {.tarvish = {Card(Ace, Clubs), Card(Seven, Clubs, 2)},
      .trumps = Hearts,
      .led = Card(Seven, Clubs)},
     Card(Seven, Clubs, 2)},
    {"TheWeakestOfTheSuitIsTheLaterCopy",
     {.tarvish = {Card(Seven, Hearts), Card(Seven, Hearts, 2), Card(Ace, Diamonds)},
      .trumps = Diamonds,
      .led = Card(Ace, Hearts)},
     Card(Seven, Hearts, 2)},
    {"TrumpLedAndHeldIsFollowedLikeAnySuit",
     {.tarvish = {Card(King, Hearts), Card(Ace, Spades)},
      .trumps = Hearts,
      .led = Card(Queen, Hearts)},
     Card(King, Hearts)},

    // Without the suit led: the weakest trump, else anything.
    {"VoidInAPlainSuitPlaysTheWeakestTrump",
     {.tarvish = {Card(King, Spades), Card(Eight, Spades), Card(Ace, Hearts)},
      .trumps = Spades,
      .led = Card(King, Clubs)},
     Card(Eight, Spades)},
    {"VoidWithoutTrumpsPlaysTheLastCard",
     {.tarvish = {Card(Seven, Diamonds), Card(Ace, Spades, 2), Card(Nine, Spades)},
      .trumps = Hearts,
      .led = Card(King, Clubs)},
     Card(Ace, Spades, 2)},
    {"TrumpLedAndNoTrumpDiscardsTheWeakestOfTheLongest",
     {.tarvish = {Card(King, Clubs), Card(Queen, Clubs), Card(Ace, Spades)},
      .trumps = Hearts,
      .led = Card(Seven, Hearts)},
     Card(Queen, Clubs)},
    {"TrumpLedAndNoTrumpTieGoesToDiamonds",
     {.tarvish = {Card(Ace, Spades), Card(Ace, Diamonds)},
      .trumps = Clubs,
      .led = Card(Seven, Clubs)},
     Card(Ace, Diamonds)},
};

INSTANTIATE_TEST_SUITE_P(Follows, RoundTwoChoice, testing::ValuesIn(kFollows),
                         [](const testing::TestParamInfo<ChoiceCase>& info) {
                             return info.param.name;
                         });

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
    Arrange(g, {.tarvish = {},
                .trumps = Hearts,
                .upCard = Card(King, Hearts),
                .led = row.tarvishLeads ? TarvishLeads : Card(Ace, Clubs),
                .person = {Card(Seven, Clubs), Card(Ten, Hearts)}});
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

INSTANTIATE_TEST_SUITE_P(Opponent, EmptyHand, testing::ValuesIn(kEmptyHands),
                         [](const testing::TestParamInfo<EmptyHandCase>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace corvane
