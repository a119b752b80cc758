#include <QLabel>

#include <gtest/gtest.h>

#include "../engine/engine_test_support.h"
#include "card_focus.h"
#include "control_items.h"
#include "expert/expert.h"
#include "main_window_fixture.h"
#include "table_scene.h"

namespace corvane {
namespace {

using ExpertCommandsTest = MainWindowFixture;

// The level chosen stays for the next start and shows; the hint marks the Expert's card, or the
// button it would press, and changes nothing of the game.
TEST_F(ExpertCommandsTest, TheLevelStaysAndTheHintPointsWithoutPlaying) {
    EXPECT_EQ(g.TarvishLevel, OpponentLevel::Classic);
    Trigger("MnuClub");
    EXPECT_EQ(window.findChild<QLabel*>("TarvishLevel")->text(), "Tarvish: Club");
    Trigger("MnuExpert");
    EXPECT_EQ(g.TarvishLevel, OpponentLevel::Expert);
    EXPECT_EQ(window.findChild<QLabel*>("TarvishLevel")->text(), "Tarvish: Expert");
    {
        FrmMain again{settingsFolder.path(), settingsFolder.filePath("preferences.ini")};
        EXPECT_EQ(again.game().TarvishLevel, OpponentLevel::Expert);
    }

    Prepare(g, 1234, PlayerTarvish);
    atWaits = {[&] {
        const Game before = g;
        Trigger("MnuHint");
        EXPECT_EQ(window.scene().cardFocus().card(), ExpertChooseCard(before, PlayerPerson));
        for (int i = 1; i <= CardCount; ++i)
            EXPECT_EQ(g.CardTable[i].Location, before.CardTable[i].Location);
        EXPECT_EQ(g.HandScore, before.HandScore);

        // A declaring turn holding a marriage in Clubs and nothing better.
        testing_support::Hold(g, testing_support::Cards("KC QC 8H 9S"), {});
        g.TrumpSuit = Hearts;
        SetVisible(g, Control::FramDeclare, true);
        Trigger("MnuHint");
        EXPECT_TRUE(dynamic_cast<const ButtonItem*>(window.scene().control("CmdMakeMarriage"))
                        ->hasAccessFocus());
        window.runner().stop();
    }};
    window.newGame();
    EXPECT_TRUE(atWaits.empty());
}

}  // namespace
}  // namespace corvane
