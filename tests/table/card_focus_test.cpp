#include "card_focus.h"

#include <QGraphicsItem>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "card_item.h"
#include "table_scene.h"

namespace corvane {
namespace {

// The person's row of three (10, 3, 40), two cards of theirs in the run column (5, 6), one in
// the Corvane column (7), and Tarvish's card 20 in its own row.
class CardFocusTest : public testing::Test {
protected:
    void SetUp() override {
        for (const auto& [card, left, top] : {std::tuple{10, 2500, 8160},
                                              {3, 3000, 8160},
                                              {40, 3500, 8160},
                                              {6, 4320, 4810},
                                              {5, 4320, 4560},
                                              {7, 2400, 4560},
                                              {20, 2500, 110}}) {
            scene.card(card)->setPos(left, top);
            scene.card(card)->setVisible(true);
        }
        focus.setSource([this] { return cards; });
    }
    std::vector<int> Visits(int steps, int direction = 1) {
        std::vector<int> seen{focus.card()};
        for (int i = 0; i < steps; ++i) {
            focus.step(direction);
            seen.push_back(focus.card());
        }
        return seen;
    }

    TableScene scene;
    CardFocus& focus = scene.cardFocus();
    PersonsCards cards{{40, 6, 3, 7, 10, 5}, true};
};

TEST_F(CardFocusTest, LeftAndRightGoAlongTheRowThenTheTableColumnByColumn) {
    EXPECT_EQ(Visits(6), (std::vector{10, 3, 40, 7, 5, 6, 10}));
    EXPECT_EQ(Visits(2, -1), (std::vector{10, 6, 5}));

    // The mark is drawn where its card lies, over every card, and goes with it.
    const QGraphicsItem* mark = focus.mark();
    scene.card(5)->setPos(9120, 4560);
    EXPECT_EQ(mark->pos(), QPointF(9120, 4560));
    scene.bringToFront(scene.card(20));
    EXPECT_GT(mark->zValue(), scene.card(20)->zValue());
}

TEST_F(CardFocusTest, TheChoiceOutlastsAPlayAndShowsOnlyWhileThePersonMayPlay) {
    const struct {
        const char* name;
        int steps;                // from the left before the change
        std::vector<int> held;    // after it
        std::vector<int> marked;  // when the person may play again (the new hand's cards are
                                  // 40, 3 and 10), then one step right
    } rows[] = {
        {"a card played hands the choice to the one right of it", 1, {10, 40, 7, 5, 6}, {40, 7}},
        {"the last card played hands it to the one left of it", 5, {10, 3, 40, 7, 5}, {5, 10}},
        {"a card drawn leaves the choice where it was", 2, {10, 3, 40, 7, 5, 6, 20}, {40, 7}},
        {"a new hand starts from the left", 2, {}, {10, 3}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (const PersonsCards& hand :
             {PersonsCards{}, PersonsCards{{40, 6, 3, 7, 10, 5}, true}}) {
            cards = hand;
            focus.refresh();
        }
        Visits(row.steps);
        cards = {row.held, false};
        focus.refresh();
        EXPECT_EQ(focus.card(), 0) << "no mark while the game does not wait for a card";
        if (row.held.empty()) cards.Held = {40, 3, 10};
        cards.MayPlay = true;
        focus.refresh();
        EXPECT_EQ(Visits(1), row.marked);
    }
}

}  // namespace
}  // namespace corvane
