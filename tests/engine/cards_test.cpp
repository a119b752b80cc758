#include <gtest/gtest.h>

#include <string>

#include "engine_test_support.h"
#include "hand_flow.h"

namespace corvane {
namespace {

using namespace testing_support;

TEST(CardTable, EveryCardHasItsNameValueAndSuitWithTheTwoCopiesSideBySide) {
    Game g;
    BuildCardTable(g);
    const char* valueNames[] = {"Seven", "Eight", "Nine", "Jack", "Queen", "King", "Ten", "Ace"};
    const int values[] = {Seven, Eight, Nine, Jack, Queen, King, Ten, Ace};
    const char* suitNames[] = {"Diamonds", "Clubs", "Hearts", "Spades"};
    for (int i = 1; i <= CardCount; ++i) {
        const int suit = (i - 1) / 16;
        const int rank = (i - 1) % 16 / 2;
        // The Tens of Spades carry a double blank in their name.
        const char* of = rank == 6 && suit == 3 ? "  of " : " of ";
        EXPECT_EQ(g.CardTable[i].Name, std::string(valueNames[rank]) + of + suitNames[suit]) << i;
        EXPECT_EQ(g.CardTable[i].Value, values[rank]) << i;
        EXPECT_EQ(g.CardTable[i].Suit, Diamonds + suit) << i;
    }
    EXPECT_EQ(g.CardTable[C("TS2")].Name, "Ten  of Spades");
    EXPECT_EQ(Cards("7D JD2 QS AS2"), (std::vector<int>{1, 8, 57, 64})) << "the short names";
}

TEST(CardTable, StrengthWithinASuitPutsTheTenAboveTheKingAndTheAceHighest) {
    struct Row {
        const char* name;
        int value, other;
        bool beats;
    };
    const Row rows[] = {
        {"TenBeatsKing", Ten, King, true},       {"KingLosesToTen", King, Ten, false},
        {"AceBeatsTen", Ace, Ten, true},         {"TenLosesToAce", Ten, Ace, false},
        {"AceBeatsSeven", Ace, Seven, true},     {"SevenLosesToEight", Seven, Eight, false},
        {"JackBeatsNine", Jack, Nine, true},     {"QueenLosesToKing", Queen, King, false},
        {"EqualAcesDoNotBeat", Ace, Ace, false}, {"EqualTensDoNotBeat", Ten, Ten, false},
    };
    for (const Row& row : rows) EXPECT_EQ(Outranks(row.value, row.other), row.beats) << row.name;
}

// A trick: the card led, the card played to it, trumps; whether the led card wins, and the points.
struct TrickRow {
    const char* name;
    const char* led;
    const char* followed;
    int trumps;
    bool ledWins;
    int points;
};

class Trick : public testing::TestWithParam<TrickRow> {};

TEST_P(Trick, GoesToTheRightPlayerWhoeverLedAndScoresItsBrisquesAndTrumpSevens) {
    const TrickRow& row = GetParam();
    Game g;
    BuildCardTable(g);
    g.TrickCard = {0, C(row.led), C(row.followed)};
    g.TrumpSuit = row.trumps;
    for (int leader : {PlayerPerson, PlayerTarvish}) {
        const int other = PlayerPerson + PlayerTarvish - leader;
        g.HasLead = {false, leader == PlayerPerson, leader == PlayerTarvish};
        DecideTrick(g);
        EXPECT_EQ(g.TrickWinner, row.ledWins ? leader : other) << "leader " << leader;
    }
    EXPECT_EQ(ScoreTrick(g), row.points);
}

const TrickRow kTricks[] = {
    {"IdenticalQueensLedCardWins", "QS", "QS2", Hearts, true, 0},
    {"IdenticalAcesLedCardWins", "AH2", "AH", Clubs, true, 20},
    {"IdenticalTrumpSevensLedCardWins", "7H2", "7H", Hearts, true, 20},
    {"TenLedBeatsKing", "TH", "KH", Clubs, true, 10},
    {"TenBeatsKingLed", "KH", "TH", Clubs, false, 10},
    {"AceOnALedTenWins", "TH", "AH", Clubs, false, 20},
    {"JackBeatsNineLed", "9D", "JD", Spades, false, 0},
    {"EightLedBeatsSeven", "8D", "7D", Clubs, true, 0},
    {"TrumpSevenOnAPlainAceWins", "AH", "7C", Clubs, false, 20},
    {"ThirdSuitAceLoses", "8H", "AS", Clubs, true, 10},
    {"PlainAceOnALedTrumpLoses", "7C", "AH", Clubs, true, 20},
    {"HigherTrumpOnATrumpWins", "7C", "8C", Clubs, false, 10},
    {"LowerTrumpOnATrumpLoses", "TC", "7C", Clubs, true, 20},
    {"PlainSevensScoreNothing", "7D", "7H", Spades, true, 0},
    {"TrumpAceOnALedTrumpTenWins", "TS", "AS", Spades, false, 20},
};

INSTANTIATE_TEST_SUITE_P(Rows, Trick, testing::ValuesIn(kTricks), RowName());

}  // namespace
}  // namespace corvane
