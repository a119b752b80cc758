#include <QSettings>

#include "card_art.h"
#include "card_item.h"
#include "main_window_fixture.h"
#include "speaker.h"
#include "table_announcer.h"
#include "table_scene.h"

namespace corvane {
namespace {

// Says nothing aloud: keeps what it was asked to say.
struct RecordingSpeaker : Speaker {
    void say(const QString& text) override { said << text; }
    QStringList said;
};

class ReadAloudTest : public MainWindowFixture {
protected:
    // A seeded game in which the person leads the first card of the hand, then gives up.
    void PlayOneTrick() {
        window.announcer().setSpeaker(&speaker);
        Prepare(g, 1234, PlayerPerson);
        atWaits = {[&] {
                       first = CardsAt(LocPlayerHand).front();
                       speaker.said.clear();
                       window.scene().card(first)->onPress();
                   },
                   [&] { window.runner().stop(); }};
        window.newGame();
        QTest::qWait(50);
    }

    RecordingSpeaker speaker;
    int first = 0;
};

TEST_F(ReadAloudTest, OneTrickIsAnnouncedInOrderAndTheKeysReadTheTable) {
    Trigger("MnuReadAloud");
    Trigger("MnuFourColours");
    const QSettings kept(settingsFolder.filePath("preferences.ini"), QSettings::IniFormat);
    EXPECT_TRUE(kept.value("ReadAloud").toBool() && kept.value("FourColourSuits").toBool());
    EXPECT_TRUE(CardArt::fourColourSuits());
    Trigger("MnuFourColours");
    PlayOneTrick();
    const QString card = QString::fromStdString(g.CardTable[first].Name).simplified();
    const QRegularExpression trick(
        "Player is playing " + card + ".*Tarvish has played .*[Tt]rick score is \\d+",
        QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(trick.match(speaker.said.join('\n')).hasMatch())
        << speaker.said.join('\n').toStdString();

    Trigger("MnuReadHand");
    EXPECT_TRUE(speaker.said.back().startsWith("Your hand: "));
    Trigger("MnuReadScores");
    const QString scores = speaker.said.back();
    EXPECT_TRUE(scores.startsWith("Player: total score ")) << scores.toStdString();
    Trigger("MnuRepeatLast");
    EXPECT_EQ(speaker.said.back(), scores);
}

TEST_F(ReadAloudTest, NothingIsSaidWithTheOptionOff) {
    PlayOneTrick();
    Trigger("MnuReadHand");
    EXPECT_TRUE(speaker.said.isEmpty()) << speaker.said.join(" | ").toStdString();
}

}  // namespace
}  // namespace corvane
