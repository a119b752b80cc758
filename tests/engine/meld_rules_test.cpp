#include <string>

#include "declarations.h"
#include "engine_test_support.h"

namespace corvane {
namespace {

using namespace testing_support;

// The cards a search chose, in short and in order; "" for none.
std::string Found(const Game& g, const std::string& search, int player) {
    MeldCards cards;
    if (search == "dix") {
        const int seven = FindDixSeven(g, player);
        if (seven != NoCard) cards.push_back(seven);
    } else if (search == "corvane") {
        cards = FindCorvane(g, player);
    } else if (search == "double") {
        if (HasDoubleCorvane(g, player))
            cards.assign(DoubleCorvaneCards.begin(), DoubleCorvaneCards.end());
    } else if (search == "run") {
        cards = FindRun(g, player);
    } else if (search[0] == 'f') {  // "fourK": the value's letter
        const std::string letters = "AKQJ";
        const int values[] = {Ace, King, Queen, Jack};
        const int kinds[] = {MeldFourAces, MeldFourKings, MeldFourQueens, MeldFourJacks};
        const std::size_t i = letters.find(search[4]);
        cards = FindFour(g, player, values[i], kinds[i]);
    } else {  // "marriageH": the suit's letter
        cards = FindMarriage(g, player,
                             Diamonds + static_cast<int>(std::string("DCHS").find(search[8])));
    }
    std::string names;
    for (int card : cards) names += (names.empty() ? "" : " ") + Short(card);
    return names;
}

TEST(MeldRules, EachSearchChoosesItsCardsFromThePlayersHoldingOnly) {
    struct Row {
        const char *name, *holding;  // marks: "*" on the table, ":k" served in kind k
        int trumps;
        const char *search, *expected;
    };
    const Row rows[] = {
        {"DixTakesTheLaterOfTwoSevens", "7S 7S2", Spades, "dix", "7S2"},
        {"DixSkipsASevenOnTheTable", "7S 7S2*:1", Spades, "dix", "7S"},
        {"DixNotTwiceFromTheTable", "7S*:1", Spades, "dix", ""},
        {"DixIsASevenOfTrumpsOnly", "7H", Spades, "dix", ""},
        {"CorvaneFirstJackFirstQueen", "JD JD2 QS QS2", Hearts, "corvane", "JD QS"},
        {"CorvaneSecondJackFirstQueen", "JD2 QS", Hearts, "corvane", "JD2 QS"},
        {"CorvaneFirstJackSecondQueen", "JD QS2", Hearts, "corvane", "JD QS2"},
        {"CorvaneFirstHeldPairDecidesAlone", "JD:7 QS:7 JD2 QS2", Hearts, "corvane", ""},
        {"CorvaneUsedJackBarsItsPairWithTheOtherQueen", "JD:7 QS2", Hearts, "corvane", ""},
        {"CorvaneFreshFirstPairAfterTheSecondServed", "JD QS JD2:7 QS2:7", Hearts, "corvane",
         "JD QS"},
        {"CorvaneFromAMarriedQueenOnTheTable", "JD QS*:3", Hearts, "corvane", "JD QS"},
        {"DoubleFromFourFreshCards", "JD JD2 QS QS2", Hearts, "double", "JD JD2 QS QS2"},
        {"DoubleAfterSingleCorvanesOnTheTable", "JD*:7 JD2*:7 QS*:7 QS2*:7", Hearts, "double",
         "JD JD2 QS QS2"},
        {"DoubleNotTwice", "JD*:8 JD2*:8 QS*:8 QS2*:8", Hearts, "double", ""},
        {"DoubleNeedsAllFour", "JD JD2 QS", Hearts, "double", ""},
        {"RunTakesTheLaterCopies", "AS AS2 TS KS KS2 QS JS", Spades, "run", "AS2 TS KS2 QS JS"},
        {"RunSkipsACopyThatServedInARun", "AS TS KS QS JS:2 JS2", Spades, "run", "AS TS KS QS JS2"},
        {"RunNeedsAllFiveInTrumps", "AS TS KS QS JH", Spades, "run", ""},
        {"RunFromTheTableOnlyIsRefused", "AS* TS KS* QS* JS*", Spades, "run", ""},
        {"RunWithTheCourtOnTheTableAndTenAndAceFromTheHand", "AS TS KS* QS* JS*", Spades, "run",
         "AS TS KS QS JS"},
        {"RunWithTheKingFromTheHand", "AS* TS* KS QS* JS*", Spades, "run", "AS TS KS QS JS"},
        {"FourAcesFromTwoIdenticalPairs", "AD AD2 AH AH2", Clubs, "fourA", "AD AD2 AH AH2"},
        {"FourAcesTakesTheLowestFourOfFive", "AD AD2 AC AH AH2", Clubs, "fourA", "AD AD2 AC AH"},
        {"FourAcesSkipsAnAceThatServed", "AD:9 AD2 AC AH AH2", Clubs, "fourA", "AD2 AC AH AH2"},
        {"FourKingsNotFromThree", "KD KC KH", Clubs, "fourK", ""},
        {"FourKingsFromMarriedKings", "KD*:3 KC KH KS*:3", Clubs, "fourK", "KD KC KH KS"},
        {"MarriageTakesTheLaterCopies", "KH QH KH2 QH2", Clubs, "marriageH", "KH2 QH2"},
        {"MarriageSkipsAQueenThatServed", "KH QH QH2*:3", Clubs, "marriageH", "KH QH"},
        {"MarriageNeedsBoth", "KH QH*:3", Clubs, "marriageH", ""},
        {"MarriageInTrumps", "KS QS", Spades, "marriageS", "KS QS"},
    };
    for (const Row& row : rows) {
        for (int player : {PlayerPerson, PlayerTarvish}) {
            Game g;
            HoldMarked(g, player, row.holding, row.trumps, "9D2");
            EXPECT_EQ(Found(g, row.search, player), row.expected)
                << row.name << ", player " << player;
        }
    }
}

}  // namespace
}  // namespace corvane
