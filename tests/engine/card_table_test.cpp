#include <gtest/gtest.h>

#include "card_table.h"
#include "game_state.h"

namespace corvane {
namespace {

struct CardIdentity {
    int index;
    const char* name;
    int value;
    int suit;
};

class CardIdentityTest : public testing::TestWithParam<CardIdentity> {};

TEST_P(CardIdentityTest, HasItsFixedNameValueAndSuit) {
    Game g;
    BuildCardTable(g);
    const CardIdentity& want = GetParam();
    EXPECT_EQ(g.CardTable[want.index].Name, want.name);
    EXPECT_EQ(g.CardTable[want.index].Value, want.value);
    EXPECT_EQ(g.CardTable[want.index].Suit, want.suit);
}

INSTANTIATE_TEST_SUITE_P(
    Landmarks, CardIdentityTest,
    testing::Values(CardIdentity{1, "Seven of Diamonds", Seven, Diamonds},
                    CardIdentity{2, "Seven of Diamonds", Seven, Diamonds},
                    CardIdentity{7, "Jack of Diamonds", Jack, Diamonds},
                    CardIdentity{8, "Jack of Diamonds", Jack, Diamonds},
                    CardIdentity{13, "Ten of Diamonds", Ten, Diamonds},
                    CardIdentity{16, "Ace of Diamonds", Ace, Diamonds},
                    CardIdentity{17, "Seven of Clubs", Seven, Clubs},
                    CardIdentity{28, "King of Clubs", King, Clubs},
                    CardIdentity{43, "King of Hearts", King, Hearts},
                    CardIdentity{44, "King of Hearts", King, Hearts},
                    CardIdentity{47, "Ace of Hearts", Ace, Hearts},
                    CardIdentity{57, "Queen of Spades", Queen, Spades},
                    CardIdentity{58, "Queen of Spades", Queen, Spades},
                    CardIdentity{61, "Ten  of Spades", Ten, Spades},
                    CardIdentity{62, "Ten  of Spades", Ten, Spades},
                    CardIdentity{64, "Ace of Spades", Ace, Spades}));

TEST(CardTableTest, OnlyTheTensOfSpadesHaveADoubleBlank) {
    Game g;
    BuildCardTable(g);
    for (int i = 1; i <= CardCount; ++i) {
        const bool doubleBlank = g.CardTable[i].Name.find("  ") != std::string::npos;
        EXPECT_EQ(doubleBlank, i == 61 || i == 62) << "card " << i;
    }
}

TEST(CardTableTest, EveryValueAndSuitComesExactlyTwiceAsAdjacentCopies) {
    Game g;
    BuildCardTable(g);
    for (int i = 1; i <= CardCount; i += 2) {
        EXPECT_EQ(g.CardTable[i].Name, g.CardTable[i + 1].Name);
        EXPECT_EQ(g.CardTable[i].Value, g.CardTable[i + 1].Value);
        EXPECT_EQ(g.CardTable[i].Suit, g.CardTable[i + 1].Suit);
        if (i > 2 && g.CardTable[i].Suit == g.CardTable[i - 2].Suit) {
            EXPECT_TRUE(Outranks(g.CardTable[i].Value, g.CardTable[i - 2].Value))
                << "index order within a suit is strength order, card " << i;
        }
    }
}

TEST(CardTableTest, RebuildingGivesTheSameTableAndLeavesOtherFieldsAlone) {
    Game g;
    BuildCardTable(g);
    g.CardTable[5].Location = LocTrick;
    g.CardTable[5].OnTable = true;
    const CardTableArray before = g.CardTable;
    BuildCardTable(g);
    for (int i = 1; i <= CardCount; ++i) {
        EXPECT_EQ(g.CardTable[i].Name, before[i].Name);
        EXPECT_EQ(g.CardTable[i].Location, before[i].Location);
        EXPECT_EQ(g.CardTable[i].OnTable, before[i].OnTable);
    }
}

struct Comparison {
    const char* name;
    int value;
    int other;
    bool beats;
};

class StrengthTest : public testing::TestWithParam<Comparison> {};

TEST_P(StrengthTest, ComparesWithinASuit) {
    EXPECT_EQ(Outranks(GetParam().value, GetParam().other), GetParam().beats);
}

INSTANTIATE_TEST_SUITE_P(
    Order, StrengthTest,
    testing::Values(Comparison{"TenBeatsKing", Ten, King, true},
                    Comparison{"KingLosesToTen", King, Ten, false},
                    Comparison{"AceBeatsTen", Ace, Ten, true},
                    Comparison{"AceBeatsSeven", Ace, Seven, true},
                    Comparison{"SevenLosesToAce", Seven, Ace, false},
                    Comparison{"KingBeatsQueen", King, Queen, true},
                    Comparison{"JackBeatsNine", Jack, Nine, true},
                    Comparison{"EightBeatsSeven", Eight, Seven, true},
                    Comparison{"EqualAcesDoNotBeat", Ace, Ace, false},
                    Comparison{"EqualSevensDoNotBeat", Seven, Seven, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CardTableTest, BrisquesAreAcesAndTens) {
    for (int value : RankOrder) EXPECT_EQ(IsBrisque(value), value == Ace || value == Ten);
}

}  // namespace
}  // namespace corvane
