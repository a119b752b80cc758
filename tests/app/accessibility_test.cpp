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

// At the person's first wait: the eight cards of the hand, named and placed from the left; the up
// card; Tarvish's cards face down and unnamed; nothing of the stock; the keyboard's card as the
// focus; the sort button pressed through its action.
TEST_F(AccessibilityTest, TheTableReadsAsThePersonSeesIt) {
    Prepare(g, 1234, PlayerPerson);
    atWaits = {[&] {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.view());
        ASSERT_NE(table, nullptr);
        const auto name = [&](int card) {
            return QString::fromStdString(g.CardTable[card].Name).simplified();
        };
        std::vector<int> hand = CardsAt(LocPlayerHand);
        std::sort(hand.begin(), hand.end(), [&](int a, int b) {
            return window.scene().card(a)->x() < window.scene().card(b)->x();
        });
        QStringList expected = {name(g.UpCard) + " / the up card, trumps"};
        for (std::size_t i = 0; i < hand.size(); ++i) {
            expected << name(hand[i]) + QStringLiteral(" / your hand, %1 of 8").arg(i + 1);
        }
        QStringList named;
        int faceDown = 0;
        QAccessibleInterface* sort = nullptr;
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface* child = table->child(i);
            const QString text = child->text(QAccessible::Name);
            if (child->role() == QAccessible::Button && text == "Sort Suits") sort = child;
            if (child->role() != QAccessible::Graphic) continue;
            if (text == "Tarvish's card, face down") {
                ++faceDown;
            } else {
                named << text + " / " + child->text(QAccessible::Description);
            }
        }
        expected.sort();
        named.sort();
        EXPECT_EQ(named.join(QLatin1Char('\n')).toStdString(),
                  expected.join(QLatin1Char('\n')).toStdString());
        EXPECT_EQ(faceDown, 8);

        ASSERT_NE(table->focusChild(), nullptr);
        EXPECT_TRUE(table->focusChild()->state().focused);
        EXPECT_EQ(table->focusChild()->text(QAccessible::Description), "your hand, 1 of 8");
        window.scene().cardFocus().step(1);
        EXPECT_EQ(table->focusChild()->text(QAccessible::Description), "your hand, 2 of 8");

        ASSERT_NE(sort, nullptr);
        sort->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return window.scene().control(Control::CmdSort)->caption() == "Sort Same"; }));
        window.runner().stop();
    }};
    window.newGame();
}

}  // namespace
}  // namespace corvane
