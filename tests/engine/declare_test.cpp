#include <sstream>
#include <string>
#include <tuple>

#include "card_layout.h"
#include "declarations.h"
#include "display.h"
#include "engine_test_support.h"
#include "hand_flow.h"
#include "opponent.h"

namespace corvane {
namespace {

using namespace testing_support;

// Melds in short: "corvane", "double", "run", "dix", "fourK" (the buttons CmdFours(0) to (3) are
// K, Q, J, A) and "marriageH" (CmdMarriage(1) to (4) are D, C, H, S). The person presses the
// meld's button, the marriage panel open for a marriage; Tarvish declares it.
void Meld(Game& g, int player, const std::string& meld) {
    const bool person = player == PlayerPerson;
    const int four = static_cast<int>(std::string("KQJA").find(meld.back()));
    const int suit = Diamonds + static_cast<int>(std::string("DCHS").find(meld.back()));
    if (meld == "corvane") person ? CmdCorvane_Click(g) : DeclareCorvane(g, player);
    if (meld == "double") person ? CmdDCorvane_Click(g) : DeclareDoubleCorvane(g, player);
    if (meld == "run") person ? CmdSequence_Click(g) : DeclareRun(g, player);
    if (meld == "dix") person ? cmdDec7Trumps_Click(g) : DeclareDix(g, player);
    if (meld.starts_with("four")) {
        const int values[] = {King, Queen, Jack, Ace};
        const int kinds[] = {MeldFourKings, MeldFourQueens, MeldFourJacks, MeldFourAces};
        person ? CmdFours_Click(g, four) : DeclareFour(g, player, values[four], kinds[four]);
    }
    if (meld.starts_with("marriage")) {
        person ? CmdMarriage_Click(g, suit - 2) : DeclareMarriage(g, player, suit);
    }
}

struct Declaring : TableGame {
    // A fresh hand of Round 1 as the deal left it, but for the holding given.
    void Setup(int player, std::string_view holding, int trumps, std::string_view upCard = "9D2") {
        table = HeadlessTable();
        g = Game();
        BuildCardTable(g);
        g.AttachTable(&hook);
        HoldMarked(g, player, holding, trumps, upCard);
        g.PlayerName = "Ann";
        g.Speed = g.PauseTime = SpeedMedium;
        g.GameInProgress = g.Round1 = true;
        SetCaption(g, Control::CmdSort, SortSuitsCaption);
        SetCaption(g, Control::LblInfo, "before");
        RefreshHand(g);
        LayOutOpponentHand(g);
        ShowCardFace(g, g.UpCard);
        table.Moves.clear();
    }

    // The person has won a trick: the declaration panel is up and the game waits.
    void OpenTurn() {
        SetVisible(g, Control::FramMarriage, false);
        SetVisible(g, Control::FramDeclare, true);
        g.WaitingForPlayer = true;
        g.MeldMade = false;
    }

    // The person in a declaring turn of its own, through the panels; Tarvish by the routine. A step
    // "play:JD" or "take:JD" moves a card out of or into the holding between two turns.
    void Make(int player, const std::string& step) {
        if (step.find(':') != std::string::npos) {
            const int card = C(step.substr(5));
            if (step[0] == 't') g.CardTable[card].Location = player;
            if (step[0] == 'p') (player == 1 ? PlayerPlayCard : TarvishPlayCard)(g, card);
            return;
        }
        if (player == PlayerPerson) OpenTurn();
        if (player == PlayerPerson && step.starts_with("marriage")) CmdMakeMarriage_Click(g);
        g.MeldMade = false;
        Meld(g, player, step);
    }

    void ExpectShownAt(int card, TablePoint place) const {
        const HeadlessTable::CardPicture& pic = table.Cards[card];
        EXPECT_EQ(std::vector({pic.Left, pic.Top, pic.Image}),
                  std::vector({place.Left, place.Top, card}))
            << Describe(g, card);
    }
};

TEST_F(Declaring, SuccessiveMeldsScoreAndShowEachCardInTheColumnOfItsLatestMeld) {
    struct Row {
        const char *name, *holding;
        int trumps;
        const char *steps, *points, *columns;  // columns: Left, then the cards from the top down
    };
    const Row rows[] = {
        {"RoyalMarriageThenRunScores110", "AH TH KH QH JH", Hearts, "marriageH run", "40 110",
         "4320:AH,TH,KH,QH,JH"},
        {"RunThenRoyalMarriageScores150Then40", "AH TH KH QH JH", Hearts, "run marriageH", "150 40",
         "4320:AH,TH,JH 9120:KH,QH"},
        {"CorvaneThenDouble460AndNoSecondDouble", "JD JD2 QS QS2", Clubs, "corvane double double",
         "40 460 0", "2400:JD,JD2,QS,QS2"},
        {"UsedFirstPairBarsTheSecondButNotTheDouble", "JD JD2 QS QS2", Clubs,
         "corvane corvane double", "40 0 460", "2400:JD,JD2,QS,QS2"},
        {"PlayedFirstPairFreesTheSecond", "JD JD2 QS QS2", Clubs,
         "corvane corvane play:JD play:QS corvane", "40 0 0 0 40", "2400:JD2,QS2"},
        {"SecondPairFirstThenTheFirstPairThenTheDouble", "JD2 QS2", Clubs,
         "corvane take:JD take:QS corvane double", "40 0 0 40 460", "2400:JD,JD2,QS,QS2"},
        {"KingOfAMarriageAndFourKingsStandsWithTheKings", "KD KC KH KS QS", Clubs,
         "marriageS fourK", "20 80", "7200:KS,KH,KC,KD 9120:QS"},
        {"MarriedQueenOfSpadesMovesToTheCorvaneColumn", "KS QS JD", Clubs, "marriageS corvane",
         "20 40", "2400:JD,QS 9120:KS"},
        {"PlayedAceLeavesItsColumnAtTheNextLayoutAndFourAcesNotTwice", "AD AD2 AH AH2 AC KC QC",
         Clubs, "fourA play:AD fourA marriageC", "100 0 0 40", "5280:AD2,AC,AH 9120:KC,QC"},
        {"FourQueensAndFourJacksCascadeApart", "QD QC QH QS JD JC JH JS", Hearts, "fourQ fourJ",
         "60 40", "3360:QS,QH,QC,QD 6240:JS,JH,JC,JD"},
    };
    for (const Row& row : rows) {
        for (int player : {PlayerPerson, PlayerTarvish}) {
            SCOPED_TRACE(std::string(row.name) + ", player " + std::to_string(player));
            Setup(player, row.holding, row.trumps);
            std::istringstream steps{row.steps}, points{row.points}, columns{row.columns};
            for (std::string step; steps >> step;) {
                const int before = g.GameTotal[player];
                Make(player, step);
                int expected = 0;
                points >> expected;
                EXPECT_EQ(g.GameTotal[player] - before, expected) << step;
            }
            // Every card on the table is shown in its column, and nothing else is on the table.
            std::vector<int> shown, onTable;
            for (std::string column; columns >> column;) {
                std::istringstream cards{column.substr(column.find(':') + 1)};
                int top = player == PlayerPerson ? PlayerMeldColumnTop : TarvishMeldColumnTop;
                for (std::string card; std::getline(cards, card, ','); top += MeldColumnStep) {
                    ExpectShownAt(C(card), {std::stoi(column), top});
                    shown.push_back(C(card));
                }
            }
            for (int i = 1; i <= CardCount; ++i) {
                if (g.CardTable[i].Location == player && g.CardTable[i].OnTable)
                    onTable.push_back(i);
            }
            std::sort(shown.begin(), shown.end());
            EXPECT_EQ(onTable, shown);
        }
    }
}

std::string NoFour(const std::string& kind) {
    return "Sorry, you do not have four " + kind +
           ". Make a different Meld or click Stock for card.";
}
std::string NoMarriage(const std::string& suit) {
    return " You do not have a Marriage in " + suit +
           ". Make a different Meld or click 'Cancel' to receive a card.";
}

// Each declaration button, Spades trumps: a holding with its meld, what either player's meld reads
// (the person's text after the name) and scores; a holding without, and the refusal shown.
const struct Button {
    const char *meld, *holding, *person, *tarvish;
    int points;
    const char *lacking, *title;
    std::string refusal;
    int icon;
} kButtons[] = {
    {"corvane", "JD QS", " makes 40 for single Corvane", "Tarvish  makes 40 for single Corvane.",
     40, "JD QH", "No Corvane",
     "Sorry, you do not have a Corvane. Make different Meld or click Cancel to receive card.", 1},
    {"double", "JD JD2 QS QS2", " made Dbl Tam. - 500", "Tarvish made Dbl Tam. - 500", 500,
     "JD JD2 QS", "No Double Corvane",
     "Sorry, you do not have a Double Tamblin. Make different Meld or click 'Cancel' to receive "
     "a card.",
     1},
    {"run", "AS TS KS QS JS", " score run150", "Tarvish makes run150", 150, "AS TS KS QS", "No Run",
     "AnnYou do not have a run.Please try again, or Cancel to receive a card.", 1},
    {"fourA", "AD AC AH AS", " made 100 for four Aces", "Tarvish made 100 for four Aces", 100,
     "AD AC AH", "No four Aces.", NoFour("Aces"), 1},
    {"fourK", "KD KC KH KS", " made 80 for four Kings", "Tarvish made  80 for four Kings", 80,
     "KD KC KH", "No four Kings.", NoFour("Kings"), 1},
    {"fourQ", "QD QC QH QS", " made 60 for four Queens", "Tarvish made 60 for four Queens", 60,
     "QD QC QH", "No four Queens.", NoFour("Queens"), 1},
    {"fourJ", "JD JC JH JS", " made 40 for four Jacks", " Tarvish made 40 for four Jacks", 40,
     "JD JC JH", "No four Jacks.", NoFour("Jacks"), 1},
    {"marriageD", "KD QD", " marriage-score 20", "Tarvish marriage score 20", 20, "KD QH",
     "No Diamonds Marriage", NoMarriage("Diamonds"), 1},
    {"marriageC", "KC QC", " marriage-score 20", "Tarvish marriage score 20", 20, "KD QC",
     "No Clubs Marriage", NoMarriage("Clubs"), 1},
    {"marriageH", "KH QH", " marriage-score 20", "Tarvish marriage score 20", 20, "KH*:3 QH*:3",
     "No Hearts Marriage", NoMarriage("Hearts"), 1},
    {"marriageS", "KS QS", " marriage-score 40", "Tarvish marriage score 40", 40, "",
     "No Spades Marriage", NoMarriage("Spades"), 1},
    {"dix", "7S", " melded and swapped Dix for 10 points",
     "Tarvish melded and swapped Dix for 10 points.", 10, "7S*:1 7H", "No Dix",
     "Sorry, you do not have a Dix to meld. Make a different Meld or click Cancel to receive a "
     "Card.",
     3},
};

TEST_F(Declaring, EachMeldWritesItsTextBooksItsPointsAndEndsTheTurnOrIsRefused) {
    for (const Button& row : kButtons) {
        for (int player : {PlayerPerson, PlayerTarvish}) {
            SCOPED_TRACE(std::string(row.meld) + ", player " + std::to_string(player));
            Setup(player, row.holding, Spades, "KS2");
            g.GameTotal[player] = 5;
            // Tarvish finds the meld by its own order, it being the only one it holds.
            if (player == PlayerPerson) Make(player, row.meld);
            if (player == PlayerTarvish) TarvishDeclare(g);
            EXPECT_EQ(Shown(Control::LblInfo),
                      player == PlayerPerson ? "Ann" + std::string(row.person) : row.tarvish);
            EXPECT_EQ(
                std::vector({g.GameTotal[player], g.HandScore[player], g.GameTotal[3 - player]}),
                std::vector({5 + row.points, row.points, 0}));
            EXPECT_EQ(Shown(LblPLast(player)) + " " + Shown(LblPTot(player)),
                      std::to_string(row.points) + " " + std::to_string(5 + row.points));
            EXPECT_FALSE(IsVisible(g, Control::FramDeclare) ||
                         IsVisible(g, Control::FramMarriage) || g.WaitingForPlayer);
            EXPECT_EQ(g.PauseTime, g.Speed);
            EXPECT_TRUE(table.Messages.empty());
        }
        // A meld the person does not hold is refused and the turn stays open.
        SCOPED_TRACE(std::string(row.meld) + ", lacking");
        Setup(PlayerPerson, row.lacking, Spades);
        Make(PlayerPerson, row.meld);
        ASSERT_EQ(table.Messages.size(), 1u);
        const MessageRequest& m = table.Messages[0];
        EXPECT_EQ(std::vector({m.Title, m.Text, m.Button1, m.Button2, m.Button3}),
                  std::vector<std::string>({row.title, row.refusal, "Right", "", ""}));
        EXPECT_EQ(m.IconIndex, row.icon);
        EXPECT_TRUE(g.WaitingForPlayer && IsVisible(g, Control::FramDeclare));
        EXPECT_FALSE(IsVisible(g, Control::FramMarriage));
        EXPECT_TRUE(table.Moves.empty() && g.GameTotal[PlayerPerson] == 0);
        EXPECT_EQ(Shown(Control::LblInfo), "before");
        // Only the Double Corvane books its empty score.
        EXPECT_EQ(Shown(LblPLast(PlayerPerson)), row.meld == std::string("double") ? "0" : "");
        CmdCancel_Click(g);
        EXPECT_FALSE(g.WaitingForPlayer || IsVisible(g, Control::FramDeclare));
    }
}

TEST_F(Declaring, AButtonActsOnceAndOnlyInAnOpenTurn) {
    for (const Button& row : kButtons) {
        for (const std::string moment :
             {"panel hidden", "not waiting", "no game", "pressed again and a card clicked"}) {
            SCOPED_TRACE(std::string(row.meld) + ", " + moment);
            Setup(PlayerPerson, std::string(row.holding) + " 8H", Spades, "9S2");
            OpenTurn();
            const bool marriage = row.meld[0] == 'm';
            if (marriage) CmdMakeMarriage_Click(g);
            if (moment == "panel hidden") {
                SetVisible(g, marriage ? Control::FramMarriage : Control::FramDeclare, false);
            }
            g.WaitingForPlayer = moment != "not waiting";
            g.GameInProgress = moment != "no game";
            const bool again = moment.starts_with("pressed again");
            int pauses = 0;
            hook.OnPause = [&] {
                if (!again || pauses++ > 0) return;
                Meld(g, PlayerPerson, row.meld);
                PicCard_Click(g, C("8H"));
            };
            Meld(g, PlayerPerson, row.meld);
            hook.OnPause = nullptr;
            EXPECT_EQ(pauses > 0, again);
            EXPECT_EQ(g.GameTotal[PlayerPerson], again ? row.points : 0);
            EXPECT_TRUE(table.Messages.empty());
            EXPECT_TRUE(g.CardTable[C("8H")].Location == LocPlayerHand && g.TrickCard[1] == -1)
                << "no card played";
        }
    }
}

TEST_F(Declaring, TheDixIsExchangedOnceAHandAndLaterSevensLaidAtTheirPlace) {
    const struct {
        const char* name;
        int player;
        const char *holding, *upCard;
        bool exchangedBefore;
        const char* outcomes;  // per opportunity: "swap:7S", "lay:7S" or "none"
    } rows[] = {
        {"PersonSwapsTheLaterSevenThenLaysTheOther", 1, "7S 7S2", "KS", false,
         "swap:7S2 lay:7S none"},
        {"PersonLaysWhenTheUpCardIsASeven", 1, "7S", "7S2", false, "lay:7S none"},
        {"PersonLaysOnceTarvishHasSwapped", 1, "7S", "KS", true, "lay:7S"},
        {"TarvishSwapsForTheUpSevenAndLaysItLater", 2, "7S", "7S2", false, "swap:7S lay:7S2 none"},
        {"TarvishLaysOnceThePersonHasSwapped", 2, "7S", "KS", true, "lay:7S"},
    };
    const std::string texts[] = {
        "Ann melded and swapped Dix for 10 points", "Ann  melded Dix for 10 points",
        "Tarvish melded and swapped Dix for 10 points.", "Tarvish Melded Dix for 10 points."};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int p = row.player;
        Setup(p, row.holding, Spades, row.upCard);
        g.DixExchanged = row.exchangedBefore;
        std::istringstream outcomes{row.outcomes};
        for (std::string outcome; outcomes >> outcome;) {
            SCOPED_TRACE(outcome);
            const bool swap = outcome.starts_with("swap"), none = outcome == "none";
            const int upBefore = g.UpCard;
            const int total = g.GameTotal[p];
            table.Messages.clear();
            if (p == PlayerPerson) Make(p, "dix");
            if (p == PlayerTarvish) TarvishDeclare(g);
            EXPECT_EQ(g.GameTotal[p] - total, none ? 0 : 10);
            EXPECT_EQ(table.Messages.size(), none && p == PlayerPerson ? 1u : 0u);
            if (none) continue;
            EXPECT_EQ(Shown(Control::LblInfo), texts[2 * (p - 1) + (swap ? 0 : 1)]);
            const int seven = C(outcome.substr(outcome.find(':') + 1));
            const CardRecord& s = g.CardTable[seven];
            if (swap) {
                // The Seven is the up card; the former up card joins the hand row.
                EXPECT_TRUE(g.UpCard == seven && s.Location == LocUpCard && g.DixExchanged);
                ExpectShownAt(seven, UpCardPlace);
                EXPECT_TRUE(g.CardTable[upBefore].Location == p && !g.CardTable[upBefore].OnTable);
                const HeadlessTable::CardPicture& up = table.Cards[upBefore];
                EXPECT_EQ(std::vector({up.Top, up.Image}), p == PlayerPerson
                                                               ? std::vector({8160, upBefore})
                                                               : std::vector({110, ImageBack}));
            } else {
                EXPECT_TRUE(g.UpCard == upBefore && s.Location == p && s.OnTable &&
                            s.MeldUsed[MeldDix]);
                ExpectShownAt(seven, p == PlayerPerson ? PlayerDixPlace : TarvishDixPlace);
            }
            EXPECT_EQ(g.PauseTime, g.Speed);
        }
    }
}

TEST_F(Declaring, TarvishMakesOneDeclarationPerOpportunityInItsFixedOrder) {
    // name, holding, trumps, the points of each opportunity (0: "Tarvish not melding")
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        {"DixThenCorvaneThenKingsThenTheRoyalMarriage", "7S JD QS KC KD KH KS", Spades,
         "10 40 80 40 0"},
        {"DoubleThenCorvaneThenRunThenAcesThenMarriage", "JD JD2 QS QS2 AD TD KD QD AC AH AS",
         Diamonds, "500 40 150 100 40 0"},
        {"MarriagesInSpadesThenDiamondsThenHeartsWhateverTrumps", "KH QH KD QD KS QS", Diamonds,
         "20 40 20 0"},
        {"MarriageInHeartsBeforeClubs", "KC QC KH QH", Hearts, "40 20 0"},
    };
    for (const auto& [name, holding, trumps, opportunities] : rows) {
        SCOPED_TRACE(name);
        Setup(PlayerTarvish, holding, trumps, "9H2");
        std::istringstream in{opportunities};
        for (int points = 0, n = 1; in >> points; ++n) {
            const int before = g.GameTotal[PlayerTarvish];
            TarvishDeclare(g);
            EXPECT_EQ(g.GameTotal[PlayerTarvish] - before, points) << "opportunity " << n;
            EXPECT_TRUE(points > 0 || Shown(Control::LblInfo) == "Tarvish not melding");
            EXPECT_TRUE(!g.MeldMade && g.PauseTime == g.Speed);
        }
        EXPECT_TRUE(g.GameTotal[PlayerPerson] == 0 && table.Messages.empty());
    }
}

}  // namespace
}  // namespace corvane
