#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "card_layout.h"
#include "display.h"
#include "game_state.h"
#include "hand_flow.h"
#include "headless_table.h"
#include "test_tables.h"

namespace corvane {
namespace {

using testing_support::GiveHands;
using testing_support::PersonRowLeftToRight;

// Card indices used below. Diamonds: 1 Seven, 7 Jack, 11 King, 13 Ten. Clubs (trumps): 17 Seven, 27
// King, 31 Ace (the up card). Hearts: 33 Seven, 35 Eight, 39 Jack, 41 and 42 Queen, 43 and 44 King,
// 47 Ace. Spades: 57 and 58 Queen, 60 King, 62 Ten.
constexpr int kUpCard = 31;
constexpr int kHeartKingLed = 43;
constexpr int kPlayedEarlier = 62;

struct PlayFixture : testing::Test {
    Game g;
    HeadlessTable table;

    void SetUp() override {
        BuildCardTable(g);
        g.AttachTable(&table);
        g.PlayerName = "Ann";
        g.Speed = SpeedMedium;
        g.PauseTime = SpeedMedium;
        g.TrumpSuit = Clubs;
        table.OnMessage = [](const std::string&, const std::string&, const std::string&,
                             const std::string&, const std::string&) { return 0; };
        g.DialogChoice = -1;
    }

    // A trick waiting for the person: Tarvish has led the King of Hearts, or the person leads.
    void WaitForPerson(int round, bool personLeads, const std::vector<int>& person,
                       const std::vector<int>& tarvish = {44, 60}) {
        GiveHands(g, person, tarvish);
        g.UpCard = kUpCard;
        g.CardTable[kUpCard].Location = LocUpCard;
        g.CardTable[kPlayedEarlier].Location = LocTrick;
        g.CardTable[kHeartKingLed].Location = LocTrick;
        g.TrickCard = {0, -1, -1};
        if (!personLeads) g.TrickCard[1] = kHeartKingLed;
        g.HasLead = {false, personLeads, !personLeads};
        g.Round1 = round == 1;
        g.Round2 = round == 2;
        g.RoundNo = round;
        g.GameInProgress = true;
        g.WaitingForPlayer = true;
        SetCaption(g, Control::CmdSort, SortSuitsCaption);
        SortSame(g);
        table.Moves.clear();
        table.Now = 0;
    }

    std::vector<std::pair<int, int>> PlacesOf(int card) const {
        std::vector<std::pair<int, int>> places;
        for (const auto& move : table.Moves) {
            if (move.Card == card) places.emplace_back(move.Left, move.Top);
        }
        return places;
    }

    std::vector<int> Trick() const { return {g.TrickCard.begin(), g.TrickCard.end()}; }

    // Nothing has changed: no card played, moved or heard, and no time spent.
    void ExpectNothingPlayed(const std::vector<int>& trickBefore) {
        EXPECT_EQ(Trick(), trickBefore);
        EXPECT_TRUE(table.Moves.empty());
        EXPECT_TRUE(table.Sounds.empty());
        EXPECT_EQ(table.Now, 0);
    }

    // The card went from the hand into the trick at `position`, with one move sequence and one
    // sound, and the hand row closed up behind it.
    void ExpectPlayed(int card, int position, const std::vector<int>& rowAfter) {
        EXPECT_EQ(g.TrickCard[position], card);
        EXPECT_EQ(g.CardTable[card].Location, LocTrick);
        EXPECT_FALSE(g.CardTable[card].OnTable);
        EXPECT_FALSE(g.WaitingForPlayer);
        EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption,
                  "Ann is playing " + g.CardTable[card].Name);
        EXPECT_EQ(PlacesOf(card), (std::vector<std::pair<int, int>>{{2280, 5760}, {1080, 4800}}));
        EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
        EXPECT_TRUE(table.Messages.empty());
        EXPECT_EQ(PersonRowLeftToRight(g, table), rowAfter);
        for (std::size_t k = 0; k < rowAfter.size(); ++k) {
            EXPECT_EQ(table.Cards[rowAfter[k]].Left, 2500 + 500 * static_cast<int>(k));
            EXPECT_EQ(table.Cards[rowAfter[k]].Top, 8160);
        }
        // The pause before the play, then the move's pause and the sound at Speed + 150.
        EXPECT_EQ(table.Now, SpeedMedium + 2 * (SpeedMedium + 150));
        EXPECT_EQ(g.PauseTime, SpeedMedium);
    }
};

// --- Clicks that do nothing at all ---

struct IdleCase {
    const char* name;
    bool inProgress;
    bool waiting;
};

class IdleClickTest : public PlayFixture, public testing::WithParamInterface<IdleCase> {};

TEST_P(IdleClickTest, NoCardDoesAnything) {
    for (int card : {47, 2, 44, kPlayedEarlier, kHeartKingLed, kUpCard}) {
        SCOPED_TRACE("card " + std::to_string(card));
        WaitForPerson(1, false, {47, 33, 17});
        g.GameInProgress = GetParam().inProgress;
        g.WaitingForPlayer = GetParam().waiting;
        SetCaption(g, Control::LblInfo, "before");
        const int location = g.CardTable[card].Location;
        PicCard_Click(g, card);
        ExpectNothingPlayed({0, kHeartKingLed, -1});
        EXPECT_TRUE(table.Messages.empty());
        EXPECT_EQ(g.CardTable[card].Location, location);
        EXPECT_EQ(table.ControlOf(Control::LblInfo).Caption, "before");
    }
}

INSTANTIATE_TEST_SUITE_P(States, IdleClickTest,
                         testing::Values(IdleCase{"NotWaiting", true, false},
                                         IdleCase{"NoGame", false, true},
                                         IdleCase{"NeitherGameNorWait", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Notices for cards that are not the person's to play ---

struct NoticeCase {
    const char* name;
    int card;
    bool tarvishMeld;  // the card lies face up among Tarvish's declared cards
    const char* title;
    const char* text;
    const char* button;
};

class NoticeTest : public PlayFixture, public testing::WithParamInterface<NoticeCase> {};

TEST_P(NoticeTest, ShowsItsNoticeAndChangesNothing) {
    const NoticeCase& c = GetParam();
    struct Moment {
        const char* name;
        int round;
        bool declaring;
    };
    for (const Moment& moment : {Moment{"Round1", 1, false}, Moment{"Round2", 2, false},
                                 Moment{"DeclarationFrameOpen", 1, true}}) {
        SCOPED_TRACE(moment.name);
        WaitForPerson(moment.round, moment.declaring, {47, 33, 17});
        g.CardTable[44].OnTable = c.tarvishMeld;
        SetVisible(g, Control::FramDeclare, moment.declaring);
        table.Messages.clear();
        const std::vector<int> trick = Trick();
        PicCard_Click(g, c.card);

        ASSERT_EQ(table.Messages.size(), 1u);
        const MessageRequest& m = table.Messages[0];
        EXPECT_EQ(m.Title, c.title);
        EXPECT_EQ(m.Text, std::string("Ann") + c.text);
        EXPECT_EQ(m.Button1, c.button);
        EXPECT_EQ(m.Button2, "");
        EXPECT_EQ(m.Button3, "");
        EXPECT_EQ(m.IconIndex, 3);
        EXPECT_EQ(g.DialogChoice, 0);
        ExpectNothingPlayed(trick);
        EXPECT_TRUE(g.WaitingForPlayer);
        EXPECT_NE(g.CardTable[c.card].Location, LocPlayerHand);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cards, NoticeTest,
    testing::Values(
        NoticeCase{"Stock", 2, false, "The Stock",
                   " this is the Stock and a card will be delivered automatically to you after "
                   "each trick!",
                   "Right"},
        NoticeCase{"TarvishsCard", 44, false, "Tut Tut",
                   " You really musn't try to look at Tarvish's card you know !", "Just Peeping"},
        NoticeCase{"TarvishsDeclaredCard", 44, true, "Tut Tut",
                   " You really musn't try to look at Tarvish's card you know !", "Just Peeping"},
        NoticeCase{"CardOfAnEarlierTrick", kPlayedEarlier, false, "Cards out of game",
                   " These cards have been played and are now out of the hand.", "Right"},
        NoticeCase{"UpCard", kUpCard, false, "The Up Card",
                   " This is the UpCard Ace of Clubs and the suit is trumps", "Right"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayFixture, UpCardNoticeNamesTheTenOfSpadesWithItsDoubleBlank) {
    WaitForPerson(1, true, {47});
    g.CardTable[kUpCard].Location = LocStock;
    g.UpCard = 61;
    g.TrumpSuit = Spades;
    g.CardTable[61].Location = LocUpCard;
    PicCard_Click(g, 61);
    ASSERT_EQ(table.Messages.size(), 1u);
    EXPECT_EQ(table.Messages[0].Text,
              "Ann This is the UpCard Ten  of Spades and the suit is trumps");
}

TEST_F(PlayFixture, WhileDeclaringTheOwnCardsDoNothing) {
    WaitForPerson(1, true, {47, 33, 17, 41, 43});
    g.CardTable[41].OnTable = true;  // a declared Queen lying on the table
    SetVisible(g, Control::FramDeclare, true);
    for (int card : {47, 33, 41}) {
        PicCard_Click(g, card);
        ExpectNothingPlayed({0, -1, -1});
        EXPECT_TRUE(table.Messages.empty());
        EXPECT_EQ(g.CardTable[card].Location, LocPlayerHand);
        EXPECT_TRUE(g.WaitingForPlayer);
    }
}

// --- Playing a card ---

struct PlayCase {
    const char* name;
    int round;
    bool personLeads;
    const char* caption;
    std::vector<int> person;
    int card;
    std::vector<int> rowAfter;
};

class PlayTest : public PlayFixture, public testing::WithParamInterface<PlayCase> {};

TEST_P(PlayTest, PlaysTheCardIntoItsPlaceInTheTrick) {
    const PlayCase& c = GetParam();
    WaitForPerson(c.round, c.personLeads, c.person);
    SetCaption(g, Control::CmdSort, c.caption);
    PicCard_Click(g, c.card);
    const int position = c.personLeads ? 1 : 2;
    ExpectPlayed(c.card, position, c.rowAfter);
    EXPECT_EQ(g.TrickCard[3 - position], c.personLeads ? -1 : kHeartKingLed);
    EXPECT_EQ(Caption(g, Control::CmdSort), c.caption) << "playing never changes the sort mode";
}

// Hand {13 Ten of Diamonds, 17 Seven of Clubs, 35 Eight of Hearts, 47 Ace of Hearts, 58 Queen of
// Spades} is ordered 17 35 58 13 47 by value and 13 17 35 47 58 by suit.
INSTANTIATE_TEST_SUITE_P(
    Plays, PlayTest,
    testing::Values(
        PlayCase{
            "Round1LeadAnyCard", 1, true, "Sort Suits", {13, 17, 35, 47, 58}, 58, {17, 35, 13, 47}},
        PlayCase{"Round1NoNeedToFollowSuit",
                 1,
                 false,
                 "Sort Suits",
                 {13, 17, 35, 47, 58},
                 13,
                 {17, 35, 58, 47}},
        PlayCase{"Round1NoNeedToTrump", 1, false, "Sort Suits", {13, 17, 58}, 58, {17, 13}},
        PlayCase{"Round1RelaidBySuitInSuitMode",
                 1,
                 false,
                 "Sort Same",
                 {13, 17, 35, 47, 58},
                 17,
                 {13, 35, 47, 58}},
        PlayCase{
            "Round2LeadAnyCard", 2, true, "Sort Same", {13, 17, 35, 47, 58}, 58, {13, 17, 35, 47}},
        PlayCase{"Round2RelaidBySuitEvenInValueMode",
                 2,
                 true,
                 "Sort Suits",
                 {13, 17, 35, 47, 58},
                 58,
                 {13, 17, 35, 47}},
        PlayCase{"Round2AnyHeartFollowsEvenALowOne",
                 2,
                 false,
                 "Sort Suits",
                 {13, 17, 35, 47, 58},
                 35,
                 {13, 17, 47, 58}},
        PlayCase{"Round2AnyTrumpWhenVoidEvenTheSeven",
                 2,
                 false,
                 "Sort Suits",
                 {13, 17, 27, 58},
                 17,
                 {13, 27, 58}},
        PlayCase{"Round2AnythingWhenVoidOfBoth", 2, false, "Sort Suits", {13, 58}, 58, {13}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::vector<int> person;
    int card;
    const char* title;
    const char* text;
    const char* button;
};

class RefusalTest : public PlayFixture, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, RoundTwoRefusesTheCardWithItsReason) {
    const RefusalCase& c = GetParam();
    WaitForPerson(2, false, c.person);
    PicCard_Click(g, c.card);
    ASSERT_EQ(table.Messages.size(), 1u);
    const MessageRequest& m = table.Messages[0];
    EXPECT_EQ(m.Title, c.title);
    EXPECT_EQ(m.Text, std::string("Ann") + c.text);
    EXPECT_EQ(m.Button1, c.button);
    EXPECT_EQ(m.Button2, "");
    EXPECT_EQ(m.Button3, "");
    EXPECT_EQ(m.IconIndex, 3);
    ExpectNothingPlayed({0, kHeartKingLed, -1});
    EXPECT_EQ(g.CardTable[c.card].Location, LocPlayerHand);
    EXPECT_TRUE(g.WaitingForPlayer);
}

constexpr const char* kFollow = " You have a card of the same suit and must play it.";
constexpr const char* kTrump = " You have a Trump and must play it.";

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    testing::Values(
        RefusalCase{"HeartHeldTrumpClicked",
                    {47, 35, 17, 13},
                    17,
                    "Must follow suit.",
                    kFollow,
                    "Ah Right"},
        RefusalCase{"HeartHeldDiamondClicked",
                    {47, 35, 17, 13},
                    13,
                    "Must follow suit.",
                    kFollow,
                    "Ah Right"},
        RefusalCase{
            "OnlyOneHeartHeldSpadeClicked", {35, 58}, 58, "Must follow suit.", kFollow, "Ah Right"},
        RefusalCase{
            "NoHeartTrumpHeldDiamondClicked", {17, 13, 58}, 13, "You have a Trump", kTrump, "O.K"},
        RefusalCase{
            "NoHeartTrumpHeldSpadeClicked", {27, 58}, 58, "You have a Trump", kTrump, "O.K"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- One click, one card ---

struct SecondClickCase {
    const char* name;
    int round;
    bool personLeads;
    std::vector<int> person;
    int first;
    int second;
    bool duringThePauses;  // else after the play
};

class SecondClickTest : public PlayFixture, public testing::WithParamInterface<SecondClickCase> {};

TEST_P(SecondClickTest, PlaysOnlyTheFirstCard) {
    const SecondClickCase& c = GetParam();
    testing_support::PauseHookTable hooked(table);
    g.AttachTable(&hooked);
    WaitForPerson(c.round, c.personLeads, c.person);
    int clicksDuringPauses = 0;
    bool clicking = false;  // a click the game lets through must not recurse forever
    if (c.duringThePauses) {
        hooked.OnPause = [&] {
            if (clicking) return;
            clicking = true;
            ++clicksDuringPauses;
            PicCard_Click(g, c.second);
            clicking = false;
        };
    }
    PicCard_Click(g, c.first);
    if (!c.duringThePauses) PicCard_Click(g, c.second);

    const int position = c.personLeads ? 1 : 2;
    EXPECT_EQ(g.TrickCard[position], c.first);
    EXPECT_EQ(g.TrickCard[3 - position], c.personLeads ? -1 : kHeartKingLed);
    if (c.second != c.first) {
        EXPECT_EQ(g.CardTable[c.second].Location, LocPlayerHand);
    }
    EXPECT_EQ(PlacesOf(c.first), (std::vector<std::pair<int, int>>{{2280, 5760}, {1080, 4800}}));
    for (const auto& place : PlacesOf(c.second == c.first ? 0 : c.second)) {
        EXPECT_EQ(place.second, 8160) << "the second card only moves within the hand row";
    }
    EXPECT_EQ(table.Sounds, std::vector<Sound>{Sound::CardDeal});
    EXPECT_TRUE(table.Messages.empty());
    if (c.duringThePauses) {
        EXPECT_EQ(clicksDuringPauses, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, SecondClickTest,
    testing::Values(
        SecondClickCase{"Round1OtherCardDuringThePauses", 1, true, {13, 17, 47}, 47, 13, true},
        SecondClickCase{"Round1SameCardDuringThePauses", 1, false, {13, 17, 47}, 47, 47, true},
        SecondClickCase{"Round1OtherCardAfterThePlay", 1, false, {13, 17, 47}, 47, 17, false},
        SecondClickCase{
            "Round2LastHeartTwiceDuringThePauses", 2, false, {13, 17, 47}, 47, 47, true},
        SecondClickCase{
            "Round2LegalCardThenADiscardDuringThePauses", 2, false, {17, 13, 58}, 17, 58, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- A declared card played from the table ---

struct ReleaseCase {
    const char* name;
    int card;
    std::vector<int> used;
    std::vector<int> columns;
    std::vector<int> usedAfter;
    std::vector<int> columnsAfter;
};

class MeldCardPlayTest : public PlayFixture, public testing::WithParamInterface<ReleaseCase> {};

std::vector<int> Marks(const std::array<bool, MeldKindCount + 1>& marks) {
    std::vector<int> kinds;
    for (int k = 1; k <= MeldKindCount; ++k) {
        if (marks[k]) kinds.push_back(k);
    }
    return kinds;
}

TEST_P(MeldCardPlayTest, LeavesTheTableAndItsSingleUseMarks) {
    const ReleaseCase& c = GetParam();
    WaitForPerson(1, true, {c.card, 13, 58});
    CardRecord& card = g.CardTable[c.card];
    card.OnTable = true;
    for (int k : c.used) card.MeldUsed[k] = true;
    for (int k : c.columns) card.MeldColumn[k] = true;
    PicCard_Click(g, c.card);
    ExpectPlayed(c.card, 1, {58, 13});
    EXPECT_EQ(Marks(card.MeldUsed), c.usedAfter);
    EXPECT_EQ(Marks(card.MeldColumn), c.columnsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Melds, MeldCardPlayTest,
    testing::Values(
        ReleaseCase{"DixSeven", 17, {MeldDix}, {}, {}, {}},
        ReleaseCase{"MarriageQueen", 41, {MeldMarriage}, {MeldMarriage}, {MeldMarriage}, {}},
        ReleaseCase{"QueenOfSpadesMarriedThenInACorvane",
                    57,
                    {MeldMarriage, MeldCorvane},
                    {MeldCorvane},
                    {MeldMarriage},
                    {MeldCorvane}},
        ReleaseCase{"JackOfDiamondsInADoubleCorvane",
                    7,
                    {MeldCorvane, MeldDoubleCorvane},
                    {MeldCorvane},
                    {},
                    {MeldCorvane}},
        ReleaseCase{"RunKingThatWasMarried",
                    27,
                    {MeldMarriage, MeldRun},
                    {MeldRun},
                    {MeldRun, MeldMarriage},
                    {}},
        ReleaseCase{"FourAces", 47, {MeldFourAces}, {MeldFourAces}, {MeldFourAces}, {}},
        ReleaseCase{"FourKings", 11, {MeldFourKings}, {MeldFourKings}, {MeldFourKings}, {}},
        ReleaseCase{"FourQueens", 42, {MeldFourQueens}, {MeldFourQueens}, {MeldFourQueens}, {}},
        ReleaseCase{"FourJacks", 39, {MeldFourJacks}, {MeldFourJacks}, {MeldFourJacks}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Waiting for the person ---

TEST_F(PlayFixture, AWaitNobodyAnswersAbandonsTheHand) {
    int calls = 0;
    table.OnWaitForPlayer = [&calls] { ++calls; };
    WaitForPerson(1, true, {47, 33});
    EXPECT_FALSE(WaitForPlayer(g));
    EXPECT_FALSE(g.GameInProgress);
    EXPECT_FALSE(g.WaitingForPlayer);
    EXPECT_GE(calls, 1);
    EXPECT_LE(calls, 10);
}

TEST(WaitForPlayerTest, AGameWithoutATableAbandonsTheHand) {
    Game g;
    BuildCardTable(g);
    GiveHands(g, {47, 33}, {44});
    g.Round1 = true;
    g.HasLead = {false, true, false};
    g.GameInProgress = true;
    g.WaitingForPlayer = true;
    EXPECT_FALSE(WaitForPlayer(g));
    EXPECT_FALSE(g.GameInProgress);
    EXPECT_FALSE(g.WaitingForPlayer);
}

TEST_F(PlayFixture, TheWaitGoesOnThroughNoticesAndRefusalsUntilACardIsPlayed) {
    WaitForPerson(2, false, {47, 35, 17});
    std::vector<int> clicks{2, 17, 44, 35};  // stock, wrong suit, Tarvish's card, a Heart
    std::size_t next = 0;
    table.OnWaitForPlayer = [&] {
        if (next < clicks.size()) PicCard_Click(g, clicks[next++]);
    };
    EXPECT_TRUE(WaitForPlayer(g));
    EXPECT_TRUE(g.GameInProgress);
    EXPECT_EQ(next, clicks.size());
    EXPECT_EQ(g.TrickCard[2], 35);
    ASSERT_EQ(table.Messages.size(), 3u);
    EXPECT_EQ(table.Messages[0].Title, "The Stock");
    EXPECT_EQ(table.Messages[1].Title, "Must follow suit.");
    EXPECT_EQ(table.Messages[2].Title, "Tut Tut");
}

}  // namespace
}  // namespace corvane
