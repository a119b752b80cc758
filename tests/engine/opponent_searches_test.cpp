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

struct SearchCase {
    const char* name;
    const char* tarvish;
    int trumps;
    std::function<int(const Game&)> search;
    int expected;
};

class SearchTest : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchTest, FindsTheCardTheRuleNames) {
    const SearchCase& row = GetParam();
    Game g;
    const std::vector<int> tarvish = Cards(row.tarvish);
    Arrange(g, {tarvish, row.trumps, NoUpCard, TarvishLeads, EveryOtherFirstCopy(tarvish)});
    EXPECT_EQ(row.search(g), row.expected)
        << Describe(g, row.search(g)) << " instead of " << Describe(g, row.expected);
}

int Holds(bool held) {
    return held ? 1 : 0;
}

const SearchCase kSearchCases[] = {
    // TarvishHolds and CountHeldOfValue
    {"HoldsSecondCopyOnly", "KH2", Clubs,
     [](const Game& g) { return Holds(TarvishHolds(g, King, Hearts)); }, 1},
    {"HoldsNotThePersonsCard", "KH2", Clubs,
     [](const Game& g) { return Holds(TarvishHolds(g, Queen, Hearts)); }, 0},
    {"HoldsNotAnotherSuit", "KH2", Clubs,
     [](const Game& g) { return Holds(TarvishHolds(g, King, Spades)); }, 0},
    {"CountsBothCopiesAndAllSuits", "AD AD2 AS2 TS", Clubs,
     [](const Game& g) { return CountHeldOfValue(g, Ace); }, 3},
    {"CountsNothingOfAValueNotHeld", "AD", Clubs,
     [](const Game& g) { return CountHeldOfValue(g, King); }, 0},

    // FindHeldNonSpade
    {"NonSpadeTakesTheFirstIndex", "AH2 AC2 AS", Clubs,
     [](const Game& g) { return FindHeldNonSpade(g, Ace); }, C("AC2")},
    {"NonSpadeIncludesTrumps", "TH TS", Hearts,
     [](const Game& g) { return FindHeldNonSpade(g, Ten); }, C("TH")},
    {"NonSpadeNeverFindsASpade", "AS AS2", Clubs,
     [](const Game& g) { return FindHeldNonSpade(g, Ace); }, NoCard},
    {"NonSpadeNeverFindsASpadeTrump", "TS", Spades,
     [](const Game& g) { return FindHeldNonSpade(g, Ten); }, NoCard},

    // FindHeldPlain and FindHeldTrump
    {"PlainSkipsTrumps", "9D 9S2", Diamonds, [](const Game& g) { return FindHeldPlain(g, Nine); },
     C("9S2")},
    {"PlainTakesTheFirstIndex", "9H2 9H", Diamonds,
     [](const Game& g) { return FindHeldPlain(g, Nine); }, C("9H")},
    {"PlainFindsNothingInATrumpsOnlyHand", "9C", Clubs,
     [](const Game& g) { return FindHeldPlain(g, Nine); }, NoCard},
    {"TrumpTakesTheFirstIndex", "8S2 8S 8C", Spades,
     [](const Game& g) { return FindHeldTrump(g, Eight); }, C("8S")},
    {"TrumpSkipsPlainCards", "8C", Spades, [](const Game& g) { return FindHeldTrump(g, Eight); },
     NoCard},

    // LowestHeldOfSuit
    {"LowestIsTheSeven", "AC 7C 8C", Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Clubs); }, C("7C")},
    {"LowestTakesTheLaterCopy", "JC JC2 QC", Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Clubs); }, C("JC2")},
    {"LowestRanksTheKingBelowTheTen", "TC KC", Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Clubs); }, C("KC")},
    {"LowestRanksTheAceHighest", "AC TC2", Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Clubs); }, C("TC2")},
    {"LowestOfASuitNotHeldIsTheLastHeldCard", "7D 9S AC", Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Hearts); }, C("9S")},
    {"LowestOfAnEmptyHandIsNothing", "", Hearts,
     [](const Game& g) { return LowestHeldOfSuit(g, Hearts); }, NoCard},

    // LongestPlainSuit
    {"LongestCountsNoTrumps", "7H 8H 9H 7C", Hearts,
     [](const Game& g) { return LongestPlainSuit(g); }, Clubs},
    {"LongestTieGoesToDiamonds", "7S 7D", Hearts, [](const Game& g) { return LongestPlainSuit(g); },
     Diamonds},
    {"LongestTieGoesToClubsBeforeHearts", "7H 7C", Spades,
     [](const Game& g) { return LongestPlainSuit(g); }, Clubs},
    {"LongestTieGoesToHeartsBeforeSpades", "7S 7H", Clubs,
     [](const Game& g) { return LongestPlainSuit(g); }, Hearts},
    {"LongestMayBeSpades", "7S AS 7H", Clubs, [](const Game& g) { return LongestPlainSuit(g); },
     Spades},
    {"LongestOfTrumpsOnlyIsDiamonds", "7S AS", Spades,
     [](const Game& g) { return LongestPlainSuit(g); }, Diamonds},
    {"LongestOfTrumpsOnlyIsDiamondsEvenWhenTrumps", "7D", Diamonds,
     [](const Game& g) { return LongestPlainSuit(g); }, Diamonds},

    // LastHeldCard and FindCard
    {"LastHeldIsTheHighestIndex", "AS 7D", Clubs, [](const Game& g) { return LastHeldCard(g); },
     C("AS")},
    {"FindCardTakesTheFirstCopy", "TH2 TH", Clubs,
     [](const Game& g) { return FindCard(g, LocTarvishHand, Ten, Hearts); }, C("TH")},
    {"FindCardKeepsToItsLocation", "TH2", Clubs,
     [](const Game& g) { return FindCard(g, LocPlayerHand, Ten, Hearts); }, C("TH")},
    {"FindCardFindsNothingMissing", "TH2", Clubs,
     [](const Game& g) { return FindCard(g, LocTarvishHand, Ten, Clubs); }, NoCard},
};

INSTANTIATE_TEST_SUITE_P(Opponent, SearchTest, testing::ValuesIn(kSearchCases), RowName());

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
