#include <QTimer>

#include <gtest/gtest.h>

#include <map>

#include "app_test_support.h"
#include "card_item.h"
#include "display.h"
#include "game_runner.h"

namespace corvane {
namespace {

using namespace testing_support;

// The main window on screen with a fast game, its messages counted and answered.
class RunnerTest : public testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        g.Speed = SpeedFast;
        // A game that never stops waiting fails the test instead of hanging it.
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &window, [this] {
            ADD_FAILURE() << "the game was still running after 20 seconds";
            window.runner().stop();
        });
        guard.start(20000);
    }

    // Deals a game in which the person leads (the game waits for a card) or Tarvish does.
    void Deal(bool personLeads) {
        Prepare(g, 1234, personLeads ? PlayerPerson : PlayerTarvish);
        window.newGame();
        ASSERT_EQ(g.WaitingForPlayer, personLeads);
    }

    // The person's card at `position` (0 = leftmost) in the sorted row.
    int RowCard(int position) {
        std::map<int, int> byLeft;
        for (int i = 1; i <= CardCount; ++i) {
            if (g.CardTable[i].Location == LocPlayerHand) byLeft[window.scene().card(i)->x()] = i;
        }
        auto it = byLeft.begin();
        std::advance(it, position);
        return it->second;
    }

    // A point on the part of the card that nothing covers.
    QPoint OnCard(int card) {
        const QPointF corner = window.scene().card(card)->pos();
        return window.view().mapFromScene(corner + QPointF(150, 500));
    }
    void Click(int card) {
        QTest::mouseClick(window.view().viewport(), Qt::LeftButton, {}, OnCard(card));
    }

    std::map<int, QPointF> CardPlaces() {
        std::map<int, QPointF> places;
        for (int i = 1; i <= CardCount; ++i) places[i] = window.scene().card(i)->pos();
        return places;
    }

    FrmMain window;
    Game& g = window.game();
    MessageCounter messages{window.table()};
    QTimer guard;
};

TEST_F(RunnerTest, ClickWhileTheGameIsNotWaitingDoesNothing) {
    Deal(false);
    const auto before = CardPlaces();
    int tarvishCard = 0;
    for (int i = 1; i <= CardCount && tarvishCard == 0; ++i) {
        if (g.CardTable[i].Location == LocTarvishHand) tarvishCard = i;
    }
    Click(RowCard(0));
    Click(tarvishCard);
    QTest::mouseClick(window.view().viewport(), Qt::RightButton, {}, OnCard(g.UpCard));
    Settle();
    EXPECT_EQ(CardPlaces(), before);
    EXPECT_EQ(messages.count, 0);
    EXPECT_EQ(CountAt(g, LocPlayerHand), 8);
}

struct SecondClickCase {
    const char* name;
    bool doubleClick;  // else a click on the next card while the first is being played
};

class PlayOnce : public RunnerTest, public testing::WithParamInterface<SecondClickCase> {};

TEST_P(PlayOnce, OnlyTheFirstCardClickedIsPlayed) {
    Deal(true);
    const int card = RowCard(0);
    const int next = RowCard(1);
    if (GetParam().doubleClick) {
        QTest::mouseDClick(window.view().viewport(), Qt::LeftButton, {}, OnCard(card));
    } else {
        Click(card);
        Click(next);
    }
    Settle();
    EXPECT_EQ(g.TrickCard[1], card);
    EXPECT_EQ(g.TrickCard[2], -1);
    EXPECT_EQ(g.CardTable[card].Location, LocTrick);
    EXPECT_EQ(window.scene().card(card)->pos(), QPointF(1080, 4800));
    EXPECT_EQ(CountAt(g, LocPlayerHand), 7);
    EXPECT_EQ(window.scene().card(next)->pos(), QPointF(2500, 8160)) << "the row closes up";
    EXPECT_EQ(messages.count, 0);
    EXPECT_FALSE(g.WaitingForPlayer);
}

INSTANTIATE_TEST_SUITE_P(Clicks, PlayOnce,
                         testing::Values(SecondClickCase{"DoubleClick", true},
                                         SecondClickCase{"NextCardDuringThePlay", false}),
                         [](const testing::TestParamInfo<SecondClickCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(RunnerTest, CardClickedDuringAWaitEndsTheWaitOnceThePlayIsOver) {
    Deal(true);
    const int card = RowCard(3);
    QTimer::singleShot(30, &window, [&] { Click(card); });
    bool waited = false;
    int playedWhenReturned = 0;
    window.runner().start([&](Game& game) {
        waited = WaitForPlayer(game);
        playedWhenReturned = game.TrickCard[1];
    });
    EXPECT_TRUE(waited);
    EXPECT_EQ(playedWhenReturned, card);
    EXPECT_EQ(window.scene().card(card)->pos(), QPointF(1080, 4800));
    EXPECT_EQ(window.table().nestedLoops(), 0);
}

TEST_F(RunnerTest, SortButtonWorksWhileTheGameWaits) {
    Deal(true);
    ControlItem* sort = window.scene().control(Control::CmdSort);
    QTimer::singleShot(30, &window, [&] {
        QTest::mouseClick(window.view().viewport(), Qt::LeftButton, {},
                          window.view().mapFromScene(sort->sceneBoundingRect().center()));
    });
    QTimer::singleShot(200, &window, [&] {
        AbandonGame(g);
        window.table().abandon();
    });
    window.runner().start([](Game& game) { WaitForPlayer(game); });
    EXPECT_EQ(sort->caption(), "Sort Same");
}

// A message that comes up during a pause holds the pause until it is answered, and no longer.
struct DialogInPauseCase {
    const char* name;
    int answerAfter;
    int shortestPause;
};

class DialogDuringAPause : public RunnerTest,
                           public testing::WithParamInterface<DialogInPauseCase> {};

TEST_P(DialogDuringAPause, PauseEndsAtItsTimeOrWhenTheDialogIsAnswered) {
    messages.answerAfter = GetParam().answerAfter;
    std::int64_t took = 0;
    QTimer::singleShot(10, &window, [this] {
        ShowMessage(g, "Player this is the Stock", "Right", "", "", 3, "The Stock");
    });
    window.runner().start([&](Game& game) {
        game.GameInProgress = true;
        game.PauseTime = 80;
        const std::int64_t start = window.table().TickCount();
        Pause(game);
        took = window.table().TickCount() - start;
    });
    EXPECT_EQ(messages.count, 1);
    EXPECT_EQ(g.DialogChoice, 0);
    EXPECT_GE(took, GetParam().shortestPause);
    EXPECT_LT(took, GetParam().shortestPause + 2000);
    EXPECT_EQ(window.table().nestedLoops(), 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, DialogDuringAPause,
                         testing::Values(DialogInPauseCase{"AnsweredWithinThePause", 0, 80},
                                         DialogInPauseCase{"AnsweredAfterThePause", 200, 200}),
                         [](const testing::TestParamInfo<DialogInPauseCase>& info) {
                             return std::string(info.param.name);
                         });

// A procedure that waits for the person like the trick cycle, and records how it ended.
struct WaitingHand {
    bool returned = false;
    bool stillInProgress = true;
    int dealerWhenReturned = 0;

    GameRunner::Procedure procedure() {
        return [this](Game& g) {
            g.GameInProgress = true;
            g.WaitingForPlayer = true;
            stillInProgress = WaitForPlayer(g);
            dealerWhenReturned = g.Dealer;
            returned = true;
        };
    }
};

TEST_F(RunnerTest, NewGameDuringAWaitAbandonsTheHandBeforeDealingOnce) {
    g.Dealer = PlayerTarvish;  // one deal gives the deal to the person
    WaitingHand hand;
    QTimer::singleShot(30, &window, [this] { window.newGame(); });
    window.runner().start(hand.procedure());
    ASSERT_TRUE(hand.returned);
    EXPECT_FALSE(hand.stillInProgress);
    EXPECT_EQ(hand.dealerWhenReturned, PlayerTarvish) << "no deal inside the old wait";
    EXPECT_EQ(g.Dealer, PlayerPerson) << "exactly one deal";
    EXPECT_TRUE(g.GameInProgress);
    EXPECT_EQ(CountAt(g, LocPlayerHand), 8);
    EXPECT_EQ(CountAt(g, LocTarvishHand), 8);
    EXPECT_FALSE(window.runner().running());
    EXPECT_FALSE(window.table().abandoned());
}

TEST_F(RunnerTest, NewGameDuringTheDealLeavesOneWholeDeal) {
    g.Dealer = PlayerTarvish;
    int newGames = 0;
    QTimer::singleShot(100, &window, [&] {
        EXPECT_TRUE(window.runner().running());
        ++newGames;
        window.newGame();
    });
    window.newGame();
    ASSERT_EQ(newGames, 1);
    // The first deal was cut short after it had passed the deal on; the second passed it back.
    EXPECT_EQ(g.Dealer, PlayerTarvish);
    EXPECT_EQ(CountAt(g, LocPlayerHand), 8);
    EXPECT_EQ(CountAt(g, LocTarvishHand), 8);
    EXPECT_EQ(CountAt(g, LocStock), 47);
    EXPECT_EQ(g.StockCount, 48);
}

TEST_F(RunnerTest, NewGameDuringTheCardPlayAbandonsTheWaitingHandToo) {
    Deal(true);
    g.Speed = SpeedSlow;  // the play pauses for 200 ms before it leaves the hand
    const int dealer = g.Dealer;
    const int card = RowCard(0);
    WaitingHand hand;
    QTimer::singleShot(30, &window, [&] { Click(card); });
    QTimer::singleShot(100, &window, [&] {
        EXPECT_EQ(window.table().nestedLoops(), 2) << "the play pauses inside the wait";
        g.Speed = SpeedFast;
        window.newGame();
    });
    window.runner().start([&](Game& game) {
        game.WaitingForPlayer = true;
        hand.stillInProgress = WaitForPlayer(game);
        hand.dealerWhenReturned = game.Dealer;
        hand.returned = true;
    });
    ASSERT_TRUE(hand.returned);
    EXPECT_FALSE(hand.stillInProgress);
    EXPECT_EQ(hand.dealerWhenReturned, dealer);
    EXPECT_NE(g.Dealer, dealer) << "one new deal";
    EXPECT_EQ(CountAt(g, LocPlayerHand), 8);
    EXPECT_EQ(CountAt(g, LocTrick), 0);
    EXPECT_EQ(messages.count, 0);
}

struct LeaveCase {
    const char* name;
    bool closeBox;  // else Exit from the menu
};

class LeaveDuringAWait : public RunnerTest, public testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveDuringAWait, TheHandUnwindsThenTheWindowCloses) {
    const int dealer = g.Dealer;
    WaitingHand hand;
    bool closedWhileRunning = true;
    QTimer::singleShot(30, &window, [&] {
        if (GetParam().closeBox) {
            window.close();
        } else {
            window.exitGame();
        }
        closedWhileRunning = !window.isVisible();
    });
    window.runner().start(hand.procedure());
    EXPECT_TRUE(hand.returned);
    EXPECT_FALSE(hand.stillInProgress);
    EXPECT_FALSE(closedWhileRunning) << "the window waits for the hand to unwind";
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(g.Dealer, dealer) << "no new deal";
    EXPECT_FALSE(window.runner().running());
}

INSTANTIATE_TEST_SUITE_P(Ways, LeaveDuringAWait,
                         testing::Values(LeaveCase{"CloseBox", true},
                                         LeaveCase{"ExitCommand", false}),
                         [](const testing::TestParamInfo<LeaveCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(RunnerTest, OutsideAGameTheWindowClosesAtOnce) {
    window.exitGame();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace corvane
