#include <string>

#include "declarations.h"
#include "engine_test_support.h"

namespace corvane {
namespace {

using namespace testing_support;

// Which cards each search chooses; the declaration tests cover the rest of the reuse rule.
TEST(MeldRules, EachSearchChoosesItsCardsFromThePlayersHoldingOnly) {
    const struct {
        const char *name, *holding;  // marks: "*" on the table, ":k" served in kind k
        int trumps;
        const char *search, *expected;
    } rows[] = {
        {"CorvaneSecondJackFirstQueen", "JD2 QS", Hearts, "corvane", "JD2 QS"},
        {"CorvaneFirstHeldPairDecidesAlone", "JD:7 QS:7 JD2 QS2", Hearts, "corvane", ""},
        {"CorvaneUsedJackBarsItsPairWithTheOtherQueen", "JD:7 QS2", Hearts, "corvane", ""},
        {"CorvaneFromAMarriedQueenOnTheTable", "JD QS*:3", Hearts, "corvane", "JD QS"},
        {"RunTakesTheLaterCopies", "AS AS2 TS KS KS2 QS JS", Spades, "run", "AS2 TS KS2 QS JS"},
        {"RunSkipsACopyThatServedInARun", "AS TS KS QS JS:2 JS2", Spades, "run", "AS TS KS QS JS2"},
        {"RunNeedsAllFiveInTrumps", "AS TS KS QS JH", Spades, "run", ""},
        {"RunFromTheTableWithATenFromTheHandIsRefused", "AS* TS KS* QS* JS*", Spades, "run", ""},
        {"RunWithTheCourtOnTheTableAndTenAndAceFromTheHand", "AS TS KS* QS* JS*", Spades, "run",
         "AS TS KS QS JS"},
        {"RunWithTheKingFromTheHand", "AS* TS* KS QS* JS*", Spades, "run", "AS TS KS QS JS"},
        {"FourAcesFromTwoIdenticalPairs", "AD AD2 AH AH2", Clubs, "four", "AD AD2 AH AH2"},
        {"FourAcesSkipsAnAceThatServed", "AD:9 AD2 AC AH AH2", Clubs, "four", "AD2 AC AH AH2"},
        {"FourAcesNotFromThree", "AD AC AH", Clubs, "four", ""},
        {"MarriageTakesTheLaterCopies", "KH QH KH2 QH2", Clubs, "marriage", "KH2 QH2"},
        {"MarriageSkipsAQueenThatServed", "KH QH QH2*:3", Clubs, "marriage", "KH QH"},
    };
    for (const auto& row : rows) {
        for (int player : {PlayerPerson, PlayerTarvish}) {
            Game g;
            HoldMarked(g, player, row.holding, row.trumps, "9D2");
            const std::string search = row.search;
            MeldCards found;
            if (search == "corvane") found = FindCorvane(g, player);
            if (search == "run") found = FindRun(g, player);
            if (search == "four") found = FindFour(g, player, Ace, MeldFourAces);
            if (search == "marriage") found = FindMarriage(g, player, Hearts);
            EXPECT_EQ(found, Cards(row.expected)) << row.name << ", player " << player;
        }
    }
}

}  // namespace
}  // namespace corvane
