#include <gtest/gtest.h>

#include <functional>

#include "opponent.h"
#include "opponent_position.h"

namespace corvane {
namespace {

using namespace testing_positions;

static_assert(Card(Seven, Diamonds) == 1);
static_assert(Card(Jack, Diamonds, 2) == 8);
static_assert(Card(Queen, Spades) == 57);
static_assert(Card(Ace, Spades, 2) == 64);

TEST(OpponentPositions, CardHelperNamesTheRightCards) {
    Game g;
    BuildCardTable(g);
    for (int suit : SuitOrder) {
        for (int value : RankOrder) {
            for (int copy : {1, 2}) {
                const CardRecord& c = g.CardTable[Card(value, suit, copy)];
                EXPECT_EQ(c.Value, value);
                EXPECT_EQ(c.Suit, suit);
            }
        }
    }
}

struct SearchCase {
    const char* name;
    std::vector<int> tarvish;
    int trumps;
    std::function<int(const Game&)> search;
    int expected;
};

class SearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FindsTheCardTheRuleNames) {
    const SearchCase& row = GetParam();
    Game g;
    Arrange(g, {row.tarvish, row.trumps, NoUpCard, TarvishLeads, EveryOtherFirstCopy(row.tarvish)});
    EXPECT_EQ(row.search(g), row.expected)
        << Describe(g, row.search(g)) << " instead of " << Describe(g, row.expected);
}

int Holds(bool held) {
    return held ? 1 : 0;
}

const SearchCase kSearchCases[] = {
    // TarvishHolds and CountHeldOfValue
    {"HoldsSecondCopyOnly",
     {Card(King, Hearts, 2)},
     Clubs,
     [](const Game& g) { return Holds(TarvishHolds(g, King, Hearts)); },
     1},
    {"HoldsNotThePersonsCard",
     {Card(King, Hearts, 2)},
     Clubs,
     [](const Game& g) { return Holds(TarvishHolds(g, Queen, Hearts)); },
     0},
    {"HoldsNotAnotherSuit",
     {Card(King, Hearts, 2)},
     Clubs,
     [](const Game& g) { return Holds(TarvishHolds(g, King, Spades)); },
     0},
    {"CountsBothCopiesAndAllSuits",
     {Card(Ace, Diamonds), Card(Ace, Diamonds, 2), Card(Ace, Spades, 2), Card(Ten, Spades)},
     Clubs,
     [](const Game& g) { return CountHeldOfValue(g, Ace); },
     3},
    {"CountsNothingOfAValueNotHeld",
     {Card(Ace, Diamonds)},
     Clubs,
     [](const Game& g) { return CountHeldOfValue(g, King); },
     0},

    // FindHeldNonSpade
    {"NonSpadeTakesTheFirstIndex",
     {Card(Ace, Hearts, 2), Card(Ace, Clubs, 2), Card(Ace, Spades)},
     Clubs,
     [](const Game& g) { return FindHeldNonSpade(g, Ace); },
     Card(Ace, Clubs, 2)},
    {"NonSpadeIncludesTrumps",
     {Card(Ten, Hearts), Card(Ten, Spades)},
     Hearts,
     [](const Game& g) { return FindHeldNonSpade(g, Ten); },
     Card(Ten, Hearts)},
    {"NonSpadeNeverFindsASpade",
     {Card(Ace, Spades), Card(Ace, Spades, 2)},
     Clubs,
     [](const Game& g) { return FindHeldNonSpade(g, Ace); },
     NoCard},
    {"NonSpadeNeverFindsASpadeTrump",
     {Card(Ten, Spades)},
     Spades,
     [](const Game& g) { return FindHeldNonSpade(g, Ten); },
     NoCard},

    // FindHeldPlain and FindHeldTrump
    {"PlainSkipsTrumps",
     {Card(Nine, Diamonds), Card(Nine, Spades, 2)},
     Diamonds,
     [](const Game& g) { return FindHeldPlain(g, Nine); },
     Card(Nine, Spades, 2)},
    {"PlainTakesTheFirstIndex",
     {Card(Nine, Hearts, 2), Card(Nine, Hearts)},
     Diamonds,
     [](const Game& g) { return FindHeldPlain(g, Nine); },
     Card(Nine, Hearts)},
    {"PlainFindsNothingInATrumpsOnlyHand",
     {Card(Nine, Clubs)},
     Clubs,
     [](const Game& g) { return FindHeldPlain(g, Nine); },
     NoCard},
    {"TrumpTakesTheFirstIndex",
     {Card(Eight, Spades, 2), Card(Eight, Spades), Card(Eight, Clubs)},
     Spades,
     [](const Game& g) { return FindHeldTrump(g, Eight); },
     Card(Eight, Spades)},
    {"TrumpSkipsPlainCards",
     {Card(Eight, Clubs)},
     Spades,
     [](const Game& g) { return FindHeldTrump(g, Eight); },
     NoCard},

    // LowestHeldOfSuit
    {"LowestIsTheSeven",
     {Card(Ace, Clubs), Card(Seven, Clubs), Card(Eight, Clubs)},
     Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Clubs); },
     Card(Seven, Clubs)},
    {"LowestTakesTheLaterCopy",
     {Card(Jack, Clubs), Card(Jack, Clubs, 2), Card(Queen, Clubs)},
     Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Clubs); },
     Card(Jack, Clubs, 2)},
    {"LowestRanksTheKingBelowTheTen",
     {Card(Ten, Clubs), Card(King, Clubs)},
     Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Clubs); },
     Card(King, Clubs)},
    {"LowestRanksTheAceHighest",
     {Card(Ace, Clubs), Card(Ten, Clubs, 2)},
     Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Clubs); },
     Card(Ten, Clubs, 2)},
    {"LowestOfASuitNotHeldIsTheLastHeldCard",
     {Card(Seven, Diamonds), Card(Nine, Spades), Card(Ace, Clubs)},
     Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Hearts); },
     Card(Nine, Spades)},
    {"LowestOfAnEmptyHandIsNothing",
     {},
     Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Hearts); },
     NoCard},

    // LongestPlainSuit
    {"LongestCountsNoTrumps",
     {Card(Seven, Hearts), Card(Eight, Hearts), Card(Nine, Hearts), Card(Seven, Clubs)},
     Hearts,
     [](const Game& g) { return LongestPlainSuit(g); },
     Clubs},
    {"LongestTieGoesToDiamonds",
     {Card(Seven, Spades), Card(Seven, Diamonds)},
     Hearts,
     [](const Game& g) { return LongestPlainSuit(g); },
     Diamonds},
    {"LongestTieGoesToClubsBeforeHearts",
     {Card(Seven, Hearts), Card(Seven, Clubs)},
     Spades,
     [](const Game& g) { return LongestPlainSuit(g); },
     Clubs},
    {"LongestTieGoesToHeartsBeforeSpades",
     {Card(Seven, Spades), Card(Seven, Hearts)},
     Clubs,
     [](const Game& g) { return LongestPlainSuit(g); },
     Hearts},
    {"LongestMayBeSpades",
     {Card(Seven, Spades), Card(Ace, Spades), Card(Seven, Hearts)},
     Clubs,
     [](const Game& g) { return LongestPlainSuit(g); },
     Spades},
    {"LongestOfTrumpsOnlyIsDiamonds",
     {Card(Seven, Spades), Card(Ace, Spades)},
     Spades,
     [](const Game& g) { return LongestPlainSuit(g); },
     Diamonds},
    {"LongestOfTrumpsOnlyIsDiamondsEvenWhenTrumps",
     {Card(Seven, Diamonds)},
     Diamonds,
     [](const Game& g) { return LongestPlainSuit(g); },
     Diamonds},

    // LastHeldCard and FindCard
    {"LastHeldIsTheHighestIndex",
     {Card(Ace, Spades), Card(Seven, Diamonds)},
     Clubs,
     [](const Game& g) { return LastHeldCard(g); },
     Card(Ace, Spades)},
    {"FindCardTakesTheFirstCopy",
     {Card(Ten, Hearts, 2), Card(Ten, Hearts)},
     Clubs,
     [](const Game& g) { return FindCard(g, LocTarvishHand, Ten, Hearts); },
     Card(Ten, Hearts)},
    {"FindCardKeepsToItsLocation",
     {Card(Ten, Hearts, 2)},
     Clubs,
     [](const Game& g) { return FindCard(g, LocPlayerHand, Ten, Hearts); },
     Card(Ten, Hearts)},
    {"FindCardFindsNothingMissing",
     {Card(Ten, Hearts, 2)},
     Clubs,
     [](const Game& g) { return FindCard(g, LocTarvishHand, Ten, Clubs); },
     NoCard},
};

INSTANTIATE_TEST_SUITE_P(Opponent, SearchTest, testing::ValuesIn(kSearchCases),
                         [](const testing::TestParamInfo<SearchCase>& info) {
                             return info.param.name;
                         });

TEST(OpponentSearches, MeldsOnTheTableStillCount) {
    Game g;
    Arrange(g, {{Card(Queen, Spades), Card(Jack, Diamonds)}, Hearts});
    g.CardTable[Card(Queen, Spades)].OnTable = true;
    EXPECT_TRUE(TarvishHolds(g, Queen, Spades));
    EXPECT_EQ(FindHeldPlain(g, Queen), Card(Queen, Spades));
    EXPECT_EQ(LongestPlainSuit(g), Diamonds);
    EXPECT_EQ(LastHeldCard(g), Card(Queen, Spades));
}

}  // namespace
}  // namespace corvane
