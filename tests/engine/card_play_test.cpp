#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card_layout.h"
#include "display.h"
#include "engine_test_support.h"
#include "hand_flow.h"

namespace corvane {
namespace {

using namespace testing_support;

const std::vector<std::pair<int, int>> kIntoTheTrick{{2280, 5760}, {1080, 4800}};

// The person's clicks. Spades are trumps, the second Ten of Spades is turned up, an Ace of
// Diamonds was played earlier, and Tarvish holds the King of Spades and the second King of Hearts.
struct Play : TableGame {
    // A trick waiting for the person: the person leads, or follows Tarvish's King of Hearts.
    void WaitForPerson(int round, bool personLeads, std::string_view person) {
        Hold(g, Cards(person), Cards("KH2 KS"));
        g.PlayerName = "Ann";
        g.Speed = g.PauseTime = SpeedMedium;
        g.TrumpSuit = Spades;
        g.UpCard = C("TS2");
        g.CardTable[g.UpCard].Location = LocUpCard;
        g.CardTable[C("AD")].Location = LocTrick;
        g.TrickCard = {0, personLeads ? -1 : C("KH"), -1};
        if (!personLeads) g.CardTable[C("KH")].Location = LocTrick;
        g.HasLead = {false, personLeads, !personLeads};
        g.Round1 = round == 1;
        g.Round2 = round == 2;
        g.GameInProgress = g.WaitingForPlayer = true;
        SetCaption(g, Control::CmdSort, SortSuitsCaption);
        SortSame(g);
        table.Moves.clear();
        table.Now = 0;
    }

    // No card played, moved or heard, and no time spent.
    void ExpectNothingPlayed(const PerPlayer<int>& trickBefore) {
        EXPECT_EQ(g.TrickCard, trickBefore);
        EXPECT_TRUE(table.Moves.empty());
        EXPECT_TRUE(table.Sounds.empty());
        EXPECT_EQ(table.Now, 0);
    }

    void ExpectNotice(const char* title, const std::string& text, const char* button) {
        ASSERT_EQ(table.Messages.size(), 1u);
        const MessageRequest& m = table.Messages[0];
        EXPECT_EQ(std::vector({m.Title, m.Text, m.Button1, m.Button2, m.Button3}),
                  std::vector<std::string>({title, "Ann" + text, button, "", ""}));
        EXPECT_EQ(m.IconIndex, 3);
    }
};

TEST_F(Play, ClicksDoNothingAtAllWhileTheGameIsNotWaitingForThePerson) {
    for (bool inProgress : {true, false}) {
        for (int card : Cards("AH 7D KH2 AD KH TS2")) {
            SCOPED_TRACE(Describe(g, card) + (inProgress ? " not waiting" : " no game"));
            WaitForPerson(1, false, "AH 7H 7S");
            g.GameInProgress = inProgress;
            g.WaitingForPlayer = !inProgress;
            SetCaption(g, Control::LblInfo, "before");
            const int location = g.CardTable[card].Location;
            PicCard_Click(g, card);
            ExpectNothingPlayed({0, C("KH"), -1});
            EXPECT_TRUE(table.Messages.empty());
            EXPECT_EQ(g.CardTable[card].Location, location);
            EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, "before");
        }
    }
}

TEST_F(Play, CardsThatAreNotThePersonsGiveTheirNoticeAndNothingElse) {
    struct Row {
        const char* card;
        const char* title;
        const char* text;
        const char* button;
    };
    const Row rows[] = {
        {"7D", "The Stock",
         " this is the Stock and a card will be delivered automatically to you after each trick!",
         "Right"},
        {"KH2", "Tut Tut", " You really musn't try to look at Tarvish's card you know !",
         "Just Peeping"},
        {"AD", "Cards out of game", " These cards have been played and are now out of the hand.",
         "Right"},
        {"TS2", "The Up Card", " This is the UpCard Ten  of Spades and the suit is trumps",
         "Right"},
    };
    for (const Row& row : rows) {
        // Also while declaring, and for Tarvish's card lying face up in a meld.
        for (int moment : {1, 2, 3}) {
            SCOPED_TRACE(std::string(row.card) + " moment " + std::to_string(moment));
            WaitForPerson(moment == 2 ? 2 : 1, false, "AH 7H 7S");
            SetVisible(g, Control::FramDeclare, moment == 3);
            g.CardTable[C("KH2")].OnTable = moment == 3;
            table.Messages.clear();
            PicCard_Click(g, C(row.card));
            ExpectNotice(row.title, row.text, row.button);
            ExpectNothingPlayed({0, C("KH"), -1});
            EXPECT_TRUE(g.WaitingForPlayer);
        }
    }
}

TEST_F(Play, WhileDeclaringThePersonsOwnCardsDoNothing) {
    WaitForPerson(1, true, "AH 7H 7S QH KH");
    g.CardTable[C("QH")].OnTable = true;  // a declared Queen lying on the table
    SetVisible(g, Control::FramDeclare, true);
    for (int card : Cards("AH 7H QH")) {
        PicCard_Click(g, card);
        ExpectNothingPlayed({0, -1, -1});
        EXPECT_TRUE(table.Messages.empty());
        EXPECT_TRUE(g.WaitingForPlayer);
    }
}

struct PlayRow {
    const char* name;
    int round;
    bool personLeads;
    const char* caption;
    const char* hand;
    const char* card;
    const char* rowAfter;
};

class Plays : public Play, public testing::WithParamInterface<PlayRow> {};

TEST_P(Plays, TheCardGoesIntoItsPlaceInTheTrickAndTheRowClosesUp) {
    const PlayRow& row = GetParam();
    WaitForPerson(row.round, row.personLeads, row.hand);
    SetCaption(g, Control::CmdSort, row.caption);
    const int card = C(row.card);
    PicCard_Click(g, card);
    EXPECT_EQ(g.TrickCard,
              (PerPlayer<int>{0, row.personLeads ? card : C("KH"), row.personLeads ? -1 : card}));
    EXPECT_EQ(g.CardTable[card].Location, LocTrick);
    EXPECT_FALSE(g.WaitingForPlayer);
    EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption,
              "Ann is playing " + g.CardTable[card].Name);
    EXPECT_EQ(PlacesOf(card), kIntoTheTrick);
    EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
    EXPECT_TRUE(table.Messages.empty());
    ExpectRow(Cards(row.rowAfter), PlayerSortedRowOrigin, 500, true);
    EXPECT_EQ(Caption(g, Control::CmdSort), row.caption) << "playing never changes the sort mode";
    // The pause before the play, then the move's pause and the sound at Speed + 150.
    EXPECT_EQ(table.Now, SpeedMedium + 2 * (SpeedMedium + 150));
    EXPECT_EQ(g.PauseTime, SpeedMedium);
}

const PlayRow kPlays[] = {
    {"Round1LeadAnyCard", 1, true, "Sort Suits", "TD 7C 8H AH QS2", "QS2", "7C 8H TD AH"},
    {"Round1NoNeedToFollowSuit", 1, false, "Sort Suits", "TD 7C 8H AH QS2", "TD", "7C 8H QS2 AH"},
    {"Round1NoNeedToTrump", 1, false, "Sort Suits", "TD 7S QC", "QC", "7S TD"},
    {"Round1RelaidBySuitInSuitMode", 1, false, "Sort Same", "TD 7C 8H AH QS2", "7C",
     "TD 8H AH QS2"},
    {"Round2LeadAnyCard", 2, true, "Sort Same", "TD 7C 8H AH QS2", "QS2", "TD 7C 8H AH"},
    {"Round2RelaidBySuitEvenInValueMode", 2, true, "Sort Suits", "TD 7C 8H AH QS2", "QS2",
     "TD 7C 8H AH"},
    {"Round2AnyHeartFollowsEvenALowOne", 2, false, "Sort Suits", "TD 7C 8H AH QS2", "8H",
     "TD 7C AH QS2"},
    {"Round2AnyTrumpWhenVoidEvenTheSeven", 2, false, "Sort Suits", "TD 7S KS2 QC", "7S",
     "TD QC KS2"},
    {"Round2AnythingWhenVoidOfBoth", 2, false, "Sort Suits", "TD QC", "QC", "TD"},
};

INSTANTIATE_TEST_SUITE_P(Rows, Plays, testing::ValuesIn(kPlays), RowName());

TEST_F(Play, RoundTwoRefusesACardThatBreaksTheFollowRule) {
    const char* follow = " You have a card of the same suit and must play it.";
    const char* trump = " You have a Trump and must play it.";
    struct Row {
        const char* name;
        const char* hand;
        const char* card;
        bool mustFollow;
    };
    const Row rows[] = {
        {"HeartHeldTrumpClicked", "AH 8H 7S TD", "7S", true},
        {"HeartHeldDiamondClicked", "AH 8H 7S TD", "TD", true},
        {"NoHeartTrumpHeldDiamondClicked", "7S TD QC", "TD", false},
        {"NoHeartTrumpHeldClubClicked", "KS2 QC", "QC", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WaitForPerson(2, false, row.hand);
        table.Messages.clear();
        PicCard_Click(g, C(row.card));
        if (row.mustFollow) ExpectNotice("Must follow suit.", follow, "Ah Right");
        if (!row.mustFollow) ExpectNotice("You have a Trump", trump, "O.K");
        ExpectNothingPlayed({0, C("KH"), -1});
        EXPECT_TRUE(g.WaitingForPlayer);
    }
}

TEST_F(Play, ASecondClickPlaysNoSecondCard) {
    struct Row {
        const char* name;
        int round;
        bool personLeads;
        const char* hand;
        const char* first;
        const char* second;
        bool duringThePauses;  // else after the play
    };
    const Row rows[] = {
        {"Round1OtherCardDuringThePauses", 1, true, "TD 7C AH", "AH", "TD", true},
        {"Round1SameCardDuringThePauses", 1, false, "TD 7C AH", "AH", "AH", true},
        {"Round1OtherCardAfterThePlay", 1, false, "TD 7C AH", "AH", "7C", false},
        {"Round2LastHeartTwiceDuringThePauses", 2, false, "TD 7C AH", "AH", "AH", true},
        {"Round2LegalTrumpThenADiscard", 2, false, "7S TD QC", "7S", "QC", true},
    };
    PauseHookTable hooked(table);
    g.AttachTable(&hooked);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WaitForPerson(row.round, row.personLeads, row.hand);
        table.Sounds.clear();
        int clicks = 0;
        hooked.OnPause = [&] {
            if (row.duringThePauses && clicks++ == 0) PicCard_Click(g, C(row.second));
        };
        PicCard_Click(g, C(row.first));
        if (!row.duringThePauses) PicCard_Click(g, C(row.second));
        EXPECT_EQ(g.TrickCard[row.personLeads ? 1 : 2], C(row.first));
        EXPECT_EQ(g.TrickCard[row.personLeads ? 2 : 1], row.personLeads ? -1 : C("KH"));
        if (row.second != std::string(row.first)) {
            EXPECT_EQ(g.CardTable[C(row.second)].Location, LocPlayerHand);
            for (const auto& place : PlacesOf(C(row.second))) EXPECT_EQ(place.second, 8160);
        }
        EXPECT_EQ(PlacesOf(C(row.first)), kIntoTheTrick);
        EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
        EXPECT_TRUE(table.Messages.empty());
        EXPECT_EQ(clicks > 0, row.duringThePauses);
    }
}

TEST_F(Play, ACardPlayedFromAMeldLeavesTheTableAndItsSingleUseMarks) {
    // Meld kinds as digits: 1 Dix, 2 run, 3 marriage, 4 Kings, 5 Queens, 6 Jacks, 7 Corvane, 8
    // Double Corvane, 9 Aces.
    struct Row {
        const char* name;
        const char* card;
        const char* used;
        const char* columns;
        const char* usedAfter;
        const char* columnsAfter;
    };
    const Row rows[] = {
        {"DixSeven", "7S", "1", "", "", ""},
        {"MarriageQueen", "QH", "3", "3", "3", ""},
        {"QueenOfSpadesMarriedThenInACorvane", "QS", "37", "7", "3", "7"},
        {"JackOfDiamondsInADoubleCorvane", "JD", "78", "7", "", "7"},
        {"RunKingThatWasMarried", "KS2", "23", "2", "23", ""},
        {"FourAces", "AH", "9", "9", "9", ""},
        {"FourKings", "KD", "4", "4", "4", ""},
        {"FourQueens", "QH2", "5", "5", "5", ""},
        {"FourJacks", "JH", "6", "6", "6", ""},
    };
    auto marks = [](const std::array<bool, MeldKindCount + 1>& set) {
        std::string kinds;
        for (int k = 1; k <= MeldKindCount; ++k) kinds += set[k] ? std::to_string(k) : "";
        return kinds;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WaitForPerson(1, true, std::string(row.card) + " TD QS2");
        CardRecord& card = g.CardTable[C(row.card)];
        card.OnTable = true;
        for (const char* k = row.used; *k; ++k) card.MeldUsed[*k - '0'] = true;
        for (const char* k = row.columns; *k; ++k) card.MeldColumn[*k - '0'] = true;
        PicCard_Click(g, C(row.card));
        EXPECT_EQ(g.TrickCard[1], C(row.card));
        EXPECT_FALSE(card.OnTable);
        EXPECT_EQ(marks(card.MeldUsed), row.usedAfter);
        EXPECT_EQ(marks(card.MeldColumn), row.columnsAfter);
    }
}

TEST_F(Play, AWaitNobodyAnswersAbandonsTheHandInsteadOfHanging) {
    int calls = 0;
    for (const char* who : {"no one acts", "an idle script", "no table"}) {
        SCOPED_TRACE(who);
        WaitForPerson(1, true, "AH 7H");
        if (who == std::string("an idle script")) table.OnWaitForPlayer = [&calls] { ++calls; };
        if (who == std::string("no table")) g.AttachTable(nullptr);
        EXPECT_FALSE(WaitForPlayer(g));
        EXPECT_FALSE(g.GameInProgress);
        EXPECT_FALSE(g.WaitingForPlayer);
    }
    EXPECT_TRUE(calls >= 1 && calls <= 10) << calls;
}

TEST_F(Play, TheWaitGoesOnThroughNoticesAndRefusalsUntilACardIsPlayed) {
    WaitForPerson(2, false, "AH 8H 7S");
    const std::vector<int> clicks = Cards("7D 7S KH2 8H");  // stock, no Heart, Tarvish's, a Heart
    std::size_t next = 0;
    table.OnWaitForPlayer = [&] {
        if (next < clicks.size()) PicCard_Click(g, clicks[next++]);
    };
    EXPECT_TRUE(WaitForPlayer(g));
    EXPECT_EQ(next, clicks.size());
    EXPECT_EQ(g.TrickCard[2], C("8H"));
    ASSERT_EQ(table.Messages.size(), 3u);
    EXPECT_EQ(table.Messages[1].Title, "Must follow suit.");
}

}  // namespace
}  // namespace corvane
