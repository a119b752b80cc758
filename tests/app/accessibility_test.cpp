#include <QAccessible>
#include <QAccessibleActionInterface>

#include <algorithm>

#include "card_focus.h"
#include "card_item.h"
#include "control_items.h"
#include "main_window_fixture.h"
#include "table_scene.h"
#include "table_view.h"

namespace corvane {
namespace {

using AccessibilityTest = MainWindowFixture;

std::vector<QAccessibleInterface*> Children(QAccessibleInterface* parent, QAccessible::Role role) {
    std::vector<QAccessibleInterface*> found;
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i)->role() == role) found.push_back(parent->child(i));
    }
    return found;
}

// At the person's first wait: the eight cards of the hand, named and placed from the left; the up
// card; Tarvish's cards face down and unnamed; nothing of the stock; the keyboard's card as the
// focus; the sort button pressed through its action.
TEST_F(AccessibilityTest, TheTableReadsAsThePersonSeesIt) {
    Prepare(g, 1234, PlayerPerson);
    atWaits = {[&] {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.view());
        ASSERT_NE(table, nullptr);
        std::vector<int> hand = CardsAt(LocPlayerHand);
        std::sort(hand.begin(), hand.end(), [&](int a, int b) {
            return window.scene().card(a)->x() < window.scene().card(b)->x();
        });
        std::vector<QString> expected;
        for (std::size_t i = 0; i < hand.size(); ++i) {
            expected.push_back(QString::fromStdString(g.CardTable[hand[i]].Name).simplified() +
                               QStringLiteral(" / your hand, %1 of 8").arg(i + 1));
        }
        expected.push_back(QString::fromStdString(g.CardTable[g.UpCard].Name).simplified() +
                           QStringLiteral(" / the up card, trumps"));

        std::vector<QString> named;
        int faceDown = 0;
        for (QAccessibleInterface* card : Children(table, QAccessible::Graphic)) {
            const QString name = card->text(QAccessible::Name);
            if (name == QStringLiteral("Tarvish's card, face down")) {
                ++faceDown;
            } else {
                named.push_back(name + " / " + card->text(QAccessible::Description));
            }
        }
        std::sort(expected.begin(), expected.end());
        std::sort(named.begin(), named.end());
        EXPECT_EQ(named, expected);
        EXPECT_EQ(faceDown, 8);

        QAccessibleInterface* focus = table->focusChild();
        ASSERT_NE(focus, nullptr);
        EXPECT_TRUE(focus->state().focused);
        EXPECT_EQ(focus->text(QAccessible::Description), QStringLiteral("your hand, 1 of 8"));
        window.scene().cardFocus().step(1);
        EXPECT_EQ(table->focusChild()->text(QAccessible::Description),
                  QStringLiteral("your hand, 2 of 8"));

        const std::vector<QAccessibleInterface*> buttons = Children(table, QAccessible::Button);
        const auto sort = std::find_if(buttons.begin(), buttons.end(), [](auto* b) {
            return b->text(QAccessible::Name) == QStringLiteral("Sort Suits");
        });
        ASSERT_NE(sort, buttons.end());
        (*sort)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return window.scene().control(Control::CmdSort)->caption() == "Sort Same"; }));
        window.runner().stop();
    }};
    window.newGame();
}

}  // namespace
}  // namespace corvane
