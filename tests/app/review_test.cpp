#include <QTableWidget>

#include <gtest/gtest.h>

#include "decision_recorder.h"
#include "expert/expert.h"
#include "hand_flow.h"
#include "main_window_fixture.h"
#include "review_window.h"

namespace corvane {
namespace {

using ReviewTest = MainWindowFixture;

// A card the person holds that the tutor would grade a mistake or worse; 0 when none.
int CostlyCard(const Game& g) {
    for (int card = 1; card <= CardCount; ++card) {
        if (g.CardTable[card].Location != LocPlayerHand) continue;
        if (review::Review(CardDecision(g, card)).Grading >= review::Grade::Mistake) return card;
    }
    return 0;
}

// The tutor questions a costly card once; choosing again leaves the game as it was, and the same
// card then goes ahead. The review then grades every decision so far and changes nothing.
TEST_F(ReviewTest, TheTutorAsksOnceAndTheReviewGradesEveryDecision) {
    Trigger("MnuTutor");
    Prepare(g, 77, PlayerTarvish);
    int costly = 0, waits = 0;
    std::function<void()> act = [&] {
        if (!WaitsForPersonsCard(g)) {
            window.runner().stop();
            return;
        }
        costly = CostlyCard(g);
        if (costly == 0 && ++waits < 40) {
            atWaits.push_back(act);
            window.playCard(ExpertChooseCard(g, PlayerPerson));
            return;
        }
        ASSERT_NE(costly, 0);
        const Game before = g;
        answers = {1};  // Choose Again
        window.playCard(costly);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].Title, "Tutor");
        for (int i = 1; i <= CardCount; ++i)
            EXPECT_EQ(g.CardTable[i].Location, before.CardTable[i].Location);
        atWaits.push_back([&] { window.runner().stop(); });
        window.playCard(costly);
        EXPECT_EQ(shown.size(), 1u);
    };
    atWaits = {act};
    window.newGame();
    ASSERT_NE(costly, 0);

    const Game before = g;
    Trigger("MnuReviewGame");
    ReviewWindow& review = window.reviewWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !review.busy(); }, 20000));
    ASSERT_EQ(review.reviewed().size(), static_cast<std::size_t>(waits + 1));
    EXPECT_EQ(review.table()->rowCount(), waits + 1);
    EXPECT_EQ(review.reviewed().back().Chosen.Card, costly);
    EXPECT_GE(review.reviewed().back().Grading, review::Grade::Mistake);
    for (int i = 1; i <= CardCount; ++i)
        EXPECT_EQ(g.CardTable[i].Location, before.CardTable[i].Location);
}

// Declining a declaration worth much is questioned in the declaring panel; choosing again
// leaves the panel open and the game as it was.
TEST_F(ReviewTest, TheTutorQuestionsACostlyDeclarationBeforeItIsMade) {
    Trigger("MnuTutor");
    Prepare(g, 49, PlayerTarvish);  // a meld worth much within the first tricks
    bool questioned = false;
    int waits = 0;
    std::function<void()> act = [&] {
        if (++waits > 12) {
            window.runner().stop();
            return;
        }
        atWaits.push_back(act);
        // The person's cards by plain sense, so that the way to the declaration does not
        // move whenever the strongest level is tuned.
        if (WaitsForPersonsCard(g)) {
            window.playCard(LevelChooseCard(g, PlayerPerson, OpponentLevel::Baseline));
            return;
        }
        const std::optional<review::DecisionPoint> decline = DeclarationDecision(g, "CmdCancel");
        if (!decline || review::Review(*decline).Grading < review::Grade::Mistake) {
            const ExpertMeld best = ExpertChooseMeld(g, PlayerPerson);
            window.pressControl(QString::fromStdString(DeclaringButton(best, false)));
            return;
        }
        const Game before = g;
        shown.clear();
        answers = {1};  // Choose Again
        window.pressControl(QStringLiteral("CmdCancel"));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].Title, "Tutor");
        EXPECT_TRUE(IsVisible(g, Control::FramDeclare));
        for (int i = 1; i <= CardCount; ++i)
            EXPECT_EQ(g.CardTable[i].Location, before.CardTable[i].Location);
        questioned = true;
        atWaits.clear();
        window.runner().stop();
    };
    answer = 0;
    atWaits = {act};
    window.newGame();
    EXPECT_TRUE(questioned);
}

}  // namespace
}  // namespace corvane
