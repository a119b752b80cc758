#include <span>
#include <string_view>

#include "engine_test_support.h"
#include "opponent.h"

namespace corvane {
namespace {

using namespace testing_support;

// One of Tarvish's choices and the card it must choose.
struct Choice {
    const char *name, *tarvish;
    int trumps;
    const char *upCard, *led, *expected;
};

// Tarvish's holding (marks as for HoldMarked), trumps, the up card and the card the person led
// ("" for none: Tarvish leads).
void Arrange(Game& g, std::string_view tarvish, int trumps, std::string_view upCard = "",
             std::string_view led = "") {
    HoldMarked(g, PlayerTarvish, tarvish, trumps, upCard);
    g.HasLead = {false, !led.empty(), led.empty()};
    g.TrickCard = {0, led.empty() ? -1 : C(led), -1};
    if (!led.empty()) g.CardTable[g.TrickCard[1]].Location = LocTrick;
}

struct Tarvish : TableGame {
    void ExpectChoices(std::span<const Choice> rows, int round) {
        for (const Choice& row : rows) {
            Arrange(g, row.tarvish, row.trumps, row.upCard, row.led);
            const int card =
                round == 1 ? TarvishChooseCard(g) : TarvishChooseCardRoundTwo(g, LocTarvishHand);
            EXPECT_EQ(card, C(row.expected)) << row.name << ": " << Describe(g, card) << " chosen";
        }
        EXPECT_TRUE(table.PlainMessages.empty());
    }
};

const Choice kRoundOneLeads[] = {
    // name, Tarvish's holding, trumps, up card, card led, card expected
    {"AceRuleLeadsTheFirstAceBelowSpades", "AH AS 7C", Clubs, "9C", "", "AH"},
    {"AnAceLyingInAMeldIsLedToo", "AH*:9 7C", Clubs, "9C", "", "AH"},
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
    {"APlainSevenIsNoDixForTheTenStep", "7C TH 9C", Hearts, "KH", "", "9C"},
    {"TenStepNeverLeadsASpadeTen", "7S TS 9C", Spades, "AS", "", "9C"},
    {"TenStepTakesTheFirstTenTrumpOrNot", "7D TD TC", Diamonds, "QD", "", "TD"},
    {"WithoutTheDixThePlainTenComesFirst", "TD TC", Diamonds, "QD", "", "TC"},
    // Small plain cards: a Ten, then a Nine, an Eight, a Seven.
    {"PlainTenBeforePlainNineAndSeven", "7H 9D TS", Clubs, "9C", "", "TS"},
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
    {"TrumpsOnlyLeadTheLastCardEvenFromAMeld", "KH*:3 QH JH", Hearts, "9H", "", "KH"},
    {"DiamondTrumpsOnlyLeadTheLaterSevenOfTrumps", "7D 7D2 KD", Diamonds, "AD", "", "7D2"},
};

const Choice kRoundOneFollows[] = {
    // Stage A: an Ace or a Ten led.
    {"PlainAceTrumpedWithTheEightBeforeTheNineAndTen", "TS 9S 8S 7H", Spades, "", "AH", "8S"},
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

const Choice kRoundTwoLeads[] = {
    {"AnAceOutsideSpadesFirst", "AS AC 7H", Diamonds, "", "", "AC"},
    {"AnAceOfSpadesWaits", "AS 7H", Diamonds, "", "", "7H"},
    {"AnAceOfTrumpsIsLed", "7D AC2", Clubs, "", "", "AC2"},
    {"TheWeakestValueOutsideSpadesClubsBeforeHearts", "7H 7C 8D", Spades, "", "", "7C"},
    {"JackBeforeQueenKingAndTen", "TD KC QH JH", Spades, "", "", "JH"},
    {"KingBeforeTen", "TD KH", Spades, "", "", "KH"},
    {"ATenBeforeASpadeSeven", "TH 7S", Clubs, "", "", "TH"},
    {"OnlySpadesLeadTheStrongest", "7S AS2 KS", Clubs, "", "", "AS2"},
};

const Choice kRoundTwoFollows[] = {
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

TEST_F(Tarvish, LeadsAndFollowsByItsRoundOneAndRoundTwoRules) {
    ExpectChoices(kRoundOneLeads, 1);
    ExpectChoices(kRoundOneFollows, 1);
    ExpectChoices(kRoundTwoLeads, 2);
    ExpectChoices(kRoundTwoFollows, 2);
}

TEST_F(Tarvish, PlaysItsCardFaceUpIntoTheTrickAndNeverANonCard) {
    // Three cards in the row and a Queen of Spades lying face up in a meld.
    Arrange(g, "7D 9C KH AS QS*:5", Clubs, "", "TH");
    g.GameInProgress = true;
    g.Speed = g.PauseTime = SpeedSlow;
    for (int card : {NoCard, -1, CardCount + 1}) TarvishPlayCard(g, card);
    EXPECT_TRUE(table.Moves.empty() && table.Sounds.empty() && Shown(Control::LblInfo).empty());

    TarvishPlayCard(g, C("9C"));
    EXPECT_EQ(g.CardTable[C("9C")].Location, LocTrick);
    EXPECT_EQ(table.Cards[C("9C")].Image, C("9C"));
    EXPECT_EQ(PlacesOf(C("9C")), (std::vector<std::pair<int, int>>{{3120, 2400}, {1200, 2520}}));
    EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
    EXPECT_EQ(Shown(Control::LblInfo), "Tarvish has played Nine of Clubs");
    ExpectRow(Cards("7D KH AS"), TarvishHandOrigin, 350, false);
    EXPECT_TRUE(PlacesOf(C("QS")).empty()) << "the meld stays where it lies";
    EXPECT_EQ(table.Now, 3 * (SpeedSlow + 150)) << "two pauses and the sound at Speed + 150";
    EXPECT_EQ(g.PauseTime, SpeedSlow);

    g.GameInProgress = false;
    const std::int64_t before = table.Now;
    TarvishPlayCard(g, C("7D"));
    EXPECT_EQ(table.Now, before) << "an abandoned hand does not wait";
}

}  // namespace
}  // namespace corvane
