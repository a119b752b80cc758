#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "declarations.h"
#include "display.h"
#include "engine_test_support.h"
#include "hand_flow.h"
#include "meld_rules.h"
#include "scripted_person.h"

namespace corvane {
namespace {

using namespace testing_support;

// Games on a recording table, the person played by a script that strays and knocks.
struct WholeGame : TableGame {
    ScriptedPerson person{g, 1};

    WholeGame() {
        g.Speed = g.PauseTime = SpeedFast;
        table.OnWaitForPlayer = [this] { person.Act(); };
    }

    bool AloneAtTarget(int p) const {
        return g.GameTotal[p] >= g.TargetScore && g.GameTotal[3 - p] < g.TargetScore;
    }
    bool Offered() const { return table.ControlOf(Control::LblKnock).Visible; }
    int KnocksHeard() const {
        return static_cast<int>(std::count(table.Sounds.begin(), table.Sounds.end(), Sound::Knock));
    }
};

// True when the Round 2 rule allows `card` from the holding at `location` against the card led.
bool FollowsRoundTwoRule(const Game& g, int location, int card) {
    auto holds = [&](int suit) {
        for (int i = 1; i <= CardCount; ++i) {
            if (g.CardTable[i].Location == location && g.CardTable[i].Suit == suit) return true;
        }
        return false;
    };
    const int suit = g.CardTable[card].Suit;
    const int led = g.CardTable[g.TrickCard[1]].Suit;
    if (holds(led)) return suit == led;
    if (holds(g.TrumpSuit)) return suit == g.TrumpSuit;
    return true;
}

// Every declared card of a player lies face up in the column of the latest meld it served in,
// one card to a step of the column (a played card may leave a gap until the next layout), or,
// a Seven laid as Dix, at that player's Dix place.
void ExpectDeclaredCardsInTheirColumns(const Game& g, const HeadlessTable& table, int player) {
    // By meld kind, from the Dix to four Aces; the Double Corvane stands in the Corvane column.
    constexpr int columnLeft[] = {0,
                                  0,
                                  RunColumnLeft,
                                  MarriageColumnLeft,
                                  FourKingsColumnLeft,
                                  FourQueensColumnLeft,
                                  FourJacksColumnLeft,
                                  CorvaneColumnLeft,
                                  CorvaneColumnLeft,
                                  FourAcesColumnLeft};
    const int top = player == PlayerPerson ? PlayerMeldColumnTop : TarvishMeldColumnTop;
    std::set<std::pair<int, int>> taken;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& c = g.CardTable[i];
        if (c.Location != player || !c.OnTable) continue;
        const HeadlessTable::CardPicture& pic = table.Cards[i];
        EXPECT_TRUE(pic.Visible && pic.Image == i) << Describe(g, i) << " face up";
        const auto column = std::find(c.MeldColumn.begin(), c.MeldColumn.end(), true);
        if (column == c.MeldColumn.end()) {
            const TablePoint dix = player == PlayerPerson ? PlayerDixPlace : TarvishDixPlace;
            EXPECT_TRUE(c.Value == Seven && pic.Left == dix.Left && pic.Top == dix.Top)
                << Describe(g, i) << " on the table in no column";
            continue;
        }
        EXPECT_EQ(std::count(column, c.MeldColumn.end(), true), 1) << Describe(g, i);
        EXPECT_EQ(pic.Left, columnLeft[column - c.MeldColumn.begin()]) << Describe(g, i);
        const bool free = taken.insert({pic.Left, pic.Top}).second;
        EXPECT_TRUE(free && pic.Top >= top && (pic.Top - top) % MeldColumnStep == 0)
            << Describe(g, i) << " at " << pic.Top;
    }
}

// At a wait for the person every card is shown where it is: the hands in their rows (declared
// cards back in them in Round 2), the stock face down and counted, the up card face up, the card
// Tarvish led in the trick, and one face-down card for each trick gathered on a growing pile.
void ExpectEveryCardShownWhereItIs(const Game& g, const HeadlessTable& table) {
    const bool tarvishLed = !g.HasLead[PlayerPerson] && !IsVisible(g, Control::FramDeclare);
    int played = 0, onPiles = 0, inStock = 0;
    std::set<int> pileTops;
    for (int i = 1; i <= CardCount; ++i) {
        const CardRecord& c = g.CardTable[i];
        const HeadlessTable::CardPicture& pic = table.Cards[i];
        const bool up = pic.Image == i, down = pic.Image == ImageBack;
        bool shown = pic.Visible;
        switch (c.Location) {
            case LocPlayerHand:
                shown = (c.OnTable && g.Round1) ||
                        (shown && up && pic.Top == PlayerSortedRowOrigin.Top);
                break;
            case LocTarvishHand:
                shown =
                    (c.OnTable && g.Round1) || (shown && down && pic.Top == TarvishHandOrigin.Top);
                break;
            case LocStock:
                ++inStock;
                shown = shown && down && pic.Left < 200 && pic.Top == pic.Left / 3 * 4;
                break;
            case LocUpCard:
                shown = shown && pic.Left == UpCardPlace.Left && pic.Top == UpCardPlace.Top;
                break;
            case LocTrick:
                if (tarvishLed && i == g.TrickCard[1]) {
                    shown = shown && up && pic.Left == TarvishTrickPlace.Left;
                    break;
                }
                ++played;
                onPiles += pic.Visible;
                if (pic.Visible) pileTops.insert(pic.Top);
                shown = !pic.Visible ||
                        (down && pic.Left == TrickPileLeft && pic.Top >= TarvishPileTopAtDeal);
                break;
            default:
                shown = false;
        }
        if (!shown) ADD_FAILURE() << Describe(g, i) << " is not shown where it is";
    }
    EXPECT_EQ(onPiles * 2, played) << "one picture on a pile for each trick gathered";
    EXPECT_EQ(pileTops.size(), static_cast<std::size_t>(onPiles)) << "a pile that does not grow";
    for (int top : pileTops) {
        EXPECT_TRUE(top == TarvishPileTopAtDeal || top == PlayerPileTopAtDeal ||
                    pileTops.contains(top - TrickPileStep))
            << "a gap in a pile at " << top;
    }
    if (g.Round1) {
        EXPECT_EQ(table.ControlOf(Control::LblStock).Caption,
                  "Stock " + std::to_string(inStock + 1));
    }
}

// Thousands of seeded games from the first deal to the winner, checked all along.
TEST_F(WholeGame, SoakEveryGameEndsWithOneWinnerAndEveryHandPlaysOutEveryCardOnce) {
    struct {
        bool open = false;
        PerPlayer<int> totalsAtDeal{};
        std::size_t firstMove = 0;
        int trickPoints = 0;
        int lastLed = 0;       // the card led last
        int lastLeader = 0;    // who led it: the trick in progress or the one just completed
        int leaderBefore = 0;  // who led the trick before that
        bool offered = false;  // at the wait before
        std::array<std::array<bool, MeldKindCount + 1>, CardCount + 1> used{};  // MeldUsed seen
        std::array<std::array<bool, MeldKindCount + 1>, CardCount + 1> served{};
        std::array<int, CardCount + 1> kindShown{};  // the kind whose column shows the card
    } hand;
    int fullHands = 0, offers = 0, knocksByTarvish = 0, knocksByPerson = 0;

    auto endOfFullHand = [&] {
        ++fullHands;
        std::map<int, int> playedTimes;
        int gathered = 0;
        for (std::size_t k = hand.firstMove; k < table.Moves.size(); ++k) {
            const auto& m = table.Moves[k];
            // Every play passes its own point on the way into the trick; a gathered trick lies
            // on a pile below the stock.
            const bool played = (m.Left == PlayerPlayVia.Left && m.Top == PlayerPlayVia.Top) ||
                                (m.Left == TarvishPlayVia.Left && m.Top == TarvishPlayVia.Top);
            if (played) ++playedTimes[m.Card];
            gathered += m.Left == TrickPileLeft && m.Top >= TarvishPileTopAtDeal;
        }
        EXPECT_EQ(gathered, 32) << "tricks in the hand";
        EXPECT_EQ(playedTimes.size(), 64u) << "cards played in the hand";
        for (const auto& [card, times] : playedTimes) EXPECT_EQ(times, 1) << Describe(g, card);
        EXPECT_EQ(hand.trickPoints, 180) << "8 Aces, 8 Tens and 2 Sevens of trumps";
        for (int p : {1, 2}) {
            EXPECT_EQ(g.GameTotal[p], hand.totalsAtDeal[p] + g.HandScore[p])
                << "the hand's points reach the total of player " << p;
        }
        hand.open = false;
    };

    hook.OnPause = [&] {
        if (!hand.open && g.RoundNo == 0) {
            hand = {};
            hand.open = true;
            hand.totalsAtDeal = g.GameTotal;
            hand.firstMove = table.Moves.size();
        }
        const int led = g.TrickCard[1];
        if (g.RoundNo >= 1 && led >= 1 && led != hand.lastLed) {
            hand.lastLed = led;
            hand.leaderBefore = hand.lastLeader;
            hand.lastLeader = g.HasLead[PlayerPerson] ? PlayerPerson : PlayerTarvish;
        }
        if (g.Round2 && g.HasLead[PlayerPerson] && g.TrickCard[2] >= 1 &&
            g.CardTable[g.TrickCard[2]].Location == LocTarvishHand) {
            EXPECT_TRUE(FollowsRoundTwoRule(g, LocTarvishHand, g.TrickCard[2]))
                << "Tarvish follows with " << Describe(g, g.TrickCard[2]);
        }
        hand.trickPoints = std::max(hand.trickPoints, g.TrickTotal[1] + g.TrickTotal[2]);
    };
    table.OnWaitForPlayer = [&] {
        // The target is checked after each trick Tarvish led: a knock is offered at the first
        // wait after a check that found the person alone at the target, and only while a knock
        // would win; Tarvish alone at the target knocks at once.
        const bool newTrick = !IsVisible(g, Control::FramDeclare);
        const int completedLeader = g.HasLead[PlayerPerson] ? hand.lastLeader : hand.leaderBefore;
        const bool checked = newTrick && g.Round1 && completedLeader == PlayerTarvish;
        if (Offered()) {
            ++offers;
            EXPECT_TRUE(g.Round1 && !g.Knocked && AloneAtTarget(PlayerPerson));
            EXPECT_TRUE(hand.offered || checked) << "offered without a check";
        }
        hand.offered = Offered();
        if (checked) {
            EXPECT_TRUE(!AloneAtTarget(PlayerPerson) || g.Knocked || Offered());
            EXPECT_FALSE(AloneAtTarget(PlayerTarvish)) << "Tarvish did not knock";
        }
        ExpectEveryCardShownWhereItIs(g, table);
        if (g.Round1) {
            for (int p : {PlayerPerson, PlayerTarvish}) {
                ExpectDeclaredCardsInTheirColumns(g, table, p);
                // The totals are the earlier hands' and this hand's melds; tricks come at its end.
                EXPECT_EQ(g.GameTotal[p], hand.totalsAtDeal[p] + g.HandScore[p] - g.TrickTotal[p]);
            }
            // No card serves twice in one kind: a card moves to a column only by serving in its
            // kind, so it never comes back to a column it has left, and its marks only add up.
            for (int i = 1; i <= CardCount; ++i) {
                const CardRecord& c = g.CardTable[i];
                const bool held = c.Location == PlayerPerson || c.Location == PlayerTarvish;
                for (int k = 1; k <= MeldKindCount; ++k) {
                    EXPECT_FALSE(held && hand.used[i][k] && !c.MeldUsed[k])
                        << Describe(g, i) << " freed to serve again in kind " << k;
                    hand.used[i][k] = c.MeldUsed[k];
                }
                const auto column = std::find(c.MeldColumn.begin(), c.MeldColumn.end(), true);
                if (!held || !c.OnTable || column == c.MeldColumn.end()) continue;
                int kind = static_cast<int>(column - c.MeldColumn.begin());
                if (kind == MeldCorvane && c.MeldUsed[MeldDoubleCorvane]) kind = MeldDoubleCorvane;
                if (hand.kindShown[i] == kind) continue;
                EXPECT_FALSE(hand.served[i][kind]) << Describe(g, i) << " serves twice in " << kind;
                hand.served[i][kind] = true;
                hand.kindShown[i] = kind;
            }
        }
        person.Act();
    };
    table.OnMessage = [&](const std::string& title, const std::string&, const std::string&,
                          const std::string&, const std::string&) {
        const bool fullHand = g.Round2 && g.Round2Tricks == 9;
        if (title.ends_with(" Hand") || title == "Hand is a draw.") endOfFullHand();
        if (title == "You win game" || title == "Tarvish wins game") {
            if (fullHand) {
                endOfFullHand();
            } else {
                // A knock: the game is decided on the totals without the hand's trick points.
                ++(title == "You win game" ? knocksByPerson : knocksByTarvish);
                EXPECT_EQ(KnocksHeard(), 1);
                for (int p : {1, 2}) {
                    EXPECT_EQ(g.GameTotal[p],
                              hand.totalsAtDeal[p] + g.HandScore[p] - g.TrickTotal[p]);
                }
                hand.open = false;
            }
        }
        return 0;
    };

    const char* soakGames = std::getenv("CORVANE_SOAK_GAMES");  // 100000 for the long run
    const int games = soakGames != nullptr ? std::atoi(soakGames) : 2000;
    for (int game = 1; game <= games && !HasFailure(); ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        g.Random = RandomSource(static_cast<std::uint64_t>(game));
        person.Reseed(static_cast<std::uint64_t>(game));
        const PerPlayer<int> statsBefore = g.Stats;
        g.TargetScore = game % 3 == 0 ? 1000 : 500;
        // Now and then the Expert plays Tarvish, held to the same checks.
        g.TarvishLevel = game % 400 == 0 ? OpponentLevel::Expert : OpponentLevel::Classic;
        table.Moves.clear();
        table.Sounds.clear();
        hand.open = false;
        NewGame(g);
        ASSERT_FALSE(g.GameInProgress);
        ASSERT_EQ(g.Stats[1] + g.Stats[2], statsBefore[1] + statsBefore[2] + 1);
        const int winner = g.Stats[1] != statsBefore[1] ? PlayerPerson : PlayerTarvish;
        EXPECT_GE(g.GameTotal[winner], g.TargetScore);
        EXPECT_LT(g.GameTotal[3 - winner], g.TargetScore);
        EXPECT_EQ(Shown(Control::LblInfo), "Press F2 for new game, or Ctrl X to Exit");
        EXPECT_LE(KnocksHeard(), 1);
    }
    EXPECT_GT(fullHands, games) << "most games last several hands";
    EXPECT_GT(offers, 0);
    EXPECT_TRUE(knocksByPerson > 0 && knocksByTarvish > 0);
}

}  // namespace
}  // namespace corvane
