#include <tuple>

#include "card_layout.h"
#include "display.h"
#include "engine_test_support.h"
#include "hand_flow.h"
#include "opponent.h"

namespace corvane {
namespace {

using namespace testing_support;

const std::vector<std::pair<int, int>> kIntoTheTrick{{2280, 5760}, {1080, 4800}};

// The person's clicks. Spades are trumps, the second Ten of Spades is turned up, an Ace of
// Diamonds was played earlier, and Tarvish holds the King of Spades and the second King of Hearts.
struct Play : TableGame {
    PerPlayer<int> trickBefore;

    // A trick waiting for the person: the person leads, or follows Tarvish's King of Hearts.
    void WaitForPerson(int round, bool personLeads, std::string_view person) {
        Hold(g, Cards(person), Cards("KH2 KS"));
        g.PlayerName = "Ann";
        g.Speed = g.PauseTime = SpeedMedium;
        g.TrumpSuit = Spades;
        g.UpCard = C("TS2");
        g.CardTable[g.UpCard].Location = LocUpCard;
        g.CardTable[C("AD")].Location = LocTrick;
        g.TrickCard = trickBefore = {0, personLeads ? -1 : C("KH"), -1};
        if (!personLeads) g.CardTable[C("KH")].Location = LocTrick;
        g.HasLead = {false, personLeads, !personLeads};
        g.Round1 = round == 1;
        g.Round2 = round == 2;
        g.GameInProgress = g.WaitingForPlayer = true;
        g.HandOver = false;
        SetCaption(g, Control::CmdSort, SortSuitsCaption);
        SetCaption(g, Control::LblInfo, "before");
        table.Cards = {};
        SortSame(g);
        table.Moves.clear();
        table.Messages.clear();
        table.Sounds.clear();
        table.Now = 0;
    }

    // No card played, moved or heard, no time spent, and none but the given notice.
    void ExpectNothingPlayed(const char* title = nullptr, std::string text = "",
                             const char* button = "") {
        EXPECT_EQ(g.TrickCard, trickBefore);
        EXPECT_TRUE(table.Moves.empty() && table.Sounds.empty() && table.Now == 0);
        EXPECT_EQ(Shown(Control::LblInfo), "before");
        ASSERT_EQ(table.Messages.size(), title ? 1u : 0u);
        if (!title) return;
        const MessageRequest& m = table.Messages[0];
        EXPECT_EQ(std::vector({m.Title, m.Text, m.Button1, m.Button2, m.Button3}),
                  std::vector<std::string>({title, "Ann" + text, button, "", ""}));
        EXPECT_EQ(m.IconIndex, 3);
        EXPECT_TRUE(g.WaitingForPlayer) << "the wait goes on after a notice";
    }
};

TEST_F(Play, ACardNotThePersonsToPlayGivesItsNoticeOrNothingAtAll) {
    struct Row {
        const char *card, *title, *text, *button;  // no title: the person's own card
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
        {"AH", nullptr, "", ""},
        {"QH", nullptr, "", ""}};
    for (const std::string moment :
         {"not waiting", "no game", "round 1", "round 2", "declaring", "choosing a marriage"}) {
        const bool idle = moment == "not waiting" || moment == "no game";
        const bool declaring = moment == "declaring" || moment == "choosing a marriage";
        for (const Row& row : rows) {
            if (!row.title && !idle && !declaring) continue;  // played, below
            SCOPED_TRACE(moment + " " + row.card);
            WaitForPerson(moment == "round 2" ? 2 : 1, declaring, "AH 7H 7S QH");
            g.GameInProgress = moment != "no game";
            g.WaitingForPlayer = moment != "not waiting";
            SetVisible(g, Control::FramDeclare, moment == "declaring");
            SetVisible(g, Control::FramMarriage, moment == "choosing a marriage");
            // While declaring, declared cards of both lie face up on the table.
            g.CardTable[C("QH")].OnTable = g.CardTable[C("KH2")].OnTable = declaring;
            const int location = g.CardTable[C(row.card)].Location;
            PicCard_Click(g, C(row.card));
            if (idle || !row.title) ExpectNothingPlayed();
            if (!idle && row.title) ExpectNothingPlayed(row.title, row.text, row.button);
            EXPECT_EQ(g.CardTable[C(row.card)].Location, location);
            EXPECT_EQ(g.WaitingForPlayer, moment != "not waiting");
        }
    }
}

TEST_F(Play, AnyCardInRoundOneAndInRoundTwoOnlyOneThatFollowsSuitElseTrumps) {
    // name, round, the person leads, sort caption, hand, card clicked, the row after the play or
    // the notice that refuses the card
    const std::tuple<const char*, int, bool, const char*, const char*, const char*, const char*>
        rows[] = {
            {"Round1LeadAnyCard", 1, true, "Suits", "TD 7C 8H AH QS2", "QS2", "7C 8H TD AH"},
            {"Round1NoNeedToFollowSuit", 1, false, "Suits", "TD 7C 8H AH QS2", "TD",
             "7C 8H QS2 AH"},
            {"Round1NoNeedToTrump", 1, false, "Suits", "TD 7S QC", "QC", "7S TD"},
            {"Round1RelaidBySuitInSuitMode", 1, false, "Same", "TD 7C 8H AH QS2", "7C",
             "TD 8H AH QS2"},
            {"Round2RelaidBySuitInValueMode", 2, true, "Suits", "TD 7C 8H AH QS2", "QS2",
             "TD 7C 8H AH"},
            {"Round2AnyHeartFollowsEvenALowOne", 2, false, "Suits", "TD 7C 8H AH QS2", "8H",
             "TD 7C AH QS2"},
            {"Round2AnyTrumpWhenVoidEvenTheSeven", 2, false, "Suits", "TD 7S KS2 QC", "7S",
             "TD QC KS2"},
            {"Round2AnythingWhenVoidOfBoth", 2, false, "Suits", "TD QC", "QC", "TD"},
            {"Round2HeartHeldTrumpRefused", 2, false, "Suits", "AH 8H 7S TD", "7S", "follow"},
            {"Round2HeartHeldDiamondRefused", 2, false, "Suits", "AH 8H 7S TD", "TD", "follow"},
            {"Round2NoHeartTrumpHeldDiamondRefused", 2, false, "Suits", "7S TD QC", "TD", "trump"},
            {"Round2NoHeartTrumpHeldClubRefused", 2, false, "Suits", "KS2 QC", "QC", "trump"}};
    for (const auto& [name, round, personLeads, caption, hand, clicked, result] : rows) {
        SCOPED_TRACE(name);
        WaitForPerson(round, personLeads, hand);
        SetCaption(g, Control::CmdSort, std::string("Sort ") + caption);
        const int card = C(clicked);
        PicCard_Click(g, card);
        if (result == std::string("follow")) {
            ExpectNothingPlayed("Must follow suit.",
                                " You have a card of the same suit and must play it.", "Ah Right");
        } else if (result == std::string("trump")) {
            ExpectNothingPlayed("You have a Trump", " You have a Trump and must play it.", "O.K");
        } else {
            PerPlayer<int> trick = trickBefore;
            trick[personLeads ? 1 : 2] = card;
            EXPECT_EQ(g.TrickCard, trick);
            EXPECT_TRUE(g.CardTable[card].Location == LocTrick && !g.WaitingForPlayer);
            EXPECT_EQ(Shown(Control::LblInfo), "Ann is playing " + g.CardTable[card].Name);
            EXPECT_EQ(PlacesOf(card), kIntoTheTrick);
            EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
            EXPECT_TRUE(table.Messages.empty());
            ExpectRow(Cards(result), PlayerSortedRowOrigin, 500, true);
            // The pause before the play, then the move's pause and the sound at Speed + 150.
            EXPECT_EQ(table.Now, SpeedMedium + 2 * (SpeedMedium + 150));
            EXPECT_EQ(g.PauseTime, SpeedMedium);
        }
        EXPECT_EQ(Shown(Control::CmdSort), std::string("Sort ") + caption) << "the sort mode stays";
    }
}

TEST_F(Play, ASecondClickPlaysNoSecondCard) {
    // name, round, the person leads, hand, first card, second card clicked during the pauses
    const std::tuple<const char*, int, bool, const char*, const char*, const char*> rows[] = {
        {"Round1OtherCard", 1, true, "TD 7C AH", "AH", "TD"},
        {"Round1SameCard", 1, false, "TD 7C AH", "AH", "AH"},
        {"Round2LastHeartTwice", 2, false, "TD 7C AH", "AH", "AH"},
        {"Round2LegalTrumpThenADiscard", 2, false, "7S TD QC", "7S", "QC"}};
    for (const auto& [name, round, personLeads, hand, first, second] : rows) {
        SCOPED_TRACE(name);
        WaitForPerson(round, personLeads, hand);
        int pauses = 0;
        hook.OnPause = [&, second = second] {
            if (pauses++ == 0) PicCard_Click(g, C(second));
        };
        PicCard_Click(g, C(first));
        PicCard_Click(g, C(second));  // and once more after the play
        PerPlayer<int> trick = trickBefore;
        trick[personLeads ? 1 : 2] = C(first);
        EXPECT_EQ(g.TrickCard, trick);
        if (second != std::string(first)) {
            EXPECT_EQ(g.CardTable[C(second)].Location, LocPlayerHand);
            for (const auto& place : PlacesOf(C(second))) EXPECT_EQ(place.second, 8160);
        }
        EXPECT_EQ(PlacesOf(C(first)), kIntoTheTrick);
        EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
        EXPECT_GT(pauses, 0);
    }
}

TEST_F(Play, ACardPlayedFromAMeldLeavesTheTableEveryColumnAndItsSingleUseMarks) {
    // name, card, kinds it served in, columns it is drawn in, and both after the play; kinds as
    // digits: 1 Dix, 2 run, 3 marriage, 4 Kings, 5 Queens, 6 Jacks, 7 Corvane, 8 Double, 9 Aces
    const std::tuple<const char*, const char*, std::string, std::string, std::string, std::string>
        rows[] = {{"DixSeven", "7S", "1", "", "", ""},
                  {"QueenOfSpadesMarriedThenInACorvane", "QS", "37", "7", "3", ""},
                  {"JackOfDiamondsInADoubleCorvane", "JD", "78", "7", "", ""},
                  {"RunKingThatWasMarried", "KS2", "23", "2", "23", ""},
                  {"FourOfAKindEachLeaveTheirColumns", "KH", "4569", "4569", "4569", ""}};
    auto marks = [](const std::array<bool, MeldKindCount + 1>& set) {
        std::string kinds;
        for (int k = 1; k <= MeldKindCount; ++k) kinds += set[k] ? std::to_string(k) : "";
        return kinds;
    };
    for (const auto& [name, played, used, columns, usedAfter, columnsAfter] : rows) {
        for (int player : {PlayerPerson, PlayerTarvish}) {
            SCOPED_TRACE(std::string(name) + ", player " + std::to_string(player));
            WaitForPerson(1, true, std::string(played) + " TD QS2");
            CardRecord& card = g.CardTable[C(played)];
            card.Location = player;
            card.OnTable = true;
            for (char k : used) card.MeldUsed[k - '0'] = true;
            for (char k : columns) card.MeldColumn[k - '0'] = true;
            if (player == PlayerPerson) PicCard_Click(g, C(played));
            if (player == PlayerTarvish) TarvishPlayCard(g, C(played));
            EXPECT_TRUE(card.Location == LocTrick && !card.OnTable);
            EXPECT_EQ(marks(card.MeldUsed), usedAfter);
            EXPECT_EQ(marks(card.MeldColumn), columnsAfter);
        }
    }
}

TEST_F(Play, AWaitNobodyAnswersAbandonsTheHandInsteadOfHanging) {
    int calls = 0;
    for (const std::string who : {"no one acts", "an idle script", "no table"}) {
        SCOPED_TRACE(who);
        WaitForPerson(1, true, "AH 7H");
        if (who == "an idle script") table.OnWaitForPlayer = [&calls] { ++calls; };
        if (who == "no table") g.AttachTable(nullptr);
        EXPECT_FALSE(WaitForPlayer(g));
        EXPECT_FALSE(g.GameInProgress || g.WaitingForPlayer);
    }
    EXPECT_TRUE(calls >= 1 && calls <= 10) << calls;
}

}  // namespace
}  // namespace corvane
