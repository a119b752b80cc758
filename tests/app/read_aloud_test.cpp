#include <QElapsedTimer>
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
    void SetUp() override {
        MainWindowFixture::SetUp();
        window.announcer().setSpeaker(&speaker);
    }

    // A seeded game in which the person leads: the first card of the hand is played at the first
    // wait, and the game is given up at the next. Returns how long the deal took to the first wait.
    qint64 PlayOneTrick() {
        Prepare(g, 1234, PlayerPerson);
        QElapsedTimer dealing;
        qint64 dealt = 0;
        atWaits = {[&] {
                       dealt = dealing.elapsed();
                       first = CardsAt(LocPlayerHand).front();
                       speaker.said.clear();
                       window.scene().card(first)->onPress();
                   },
                   [&] { window.runner().stop(); }};
        dealing.start();
        window.newGame();
        QTest::qWait(50);
        return dealt;
    }

    RecordingSpeaker speaker;
    int first = 0;
};

// Both switches are kept with the window's preferences.
TEST_F(ReadAloudTest, OneTrickIsAnnouncedInOrderAndTheKeysReadTheTable) {
    Trigger("MnuReadAloud");
    Trigger("MnuFourColours");
    const QSettings kept(settingsFolder.filePath("preferences.ini"), QSettings::IniFormat);
    EXPECT_TRUE(kept.value("ReadAloud").toBool() && kept.value("FourColourSuits").toBool());
    EXPECT_TRUE(CardArt::fourColourSuits());
    Trigger("MnuFourColours");
    PlayOneTrick();
    const QString said = speaker.said.join(QLatin1Char('\n'));
    const QString card = QString::fromStdString(g.CardTable[first].Name).simplified();
    const qsizetype played = said.indexOf("Player is playing " + card);
    const qsizetype answered = said.indexOf("Tarvish has played ");
    const qsizetype scored = said.indexOf(QRegularExpression("[Tt]rick score is \\d+"));
    EXPECT_GE(played, 0) << said.toStdString();
    EXPECT_GT(answered, played) << said.toStdString();
    EXPECT_GT(scored, answered) << said.toStdString();

    Trigger("MnuReadHand");
    EXPECT_TRUE(speaker.said.back().startsWith("Your hand: ")) << speaker.said.back().toStdString();
    Trigger("MnuReadScores");
    EXPECT_TRUE(speaker.said.back().startsWith("Player: total score "))
        << speaker.said.back().toStdString();
    const QString scores = speaker.said.back();
    Trigger("MnuRepeatLast");
    EXPECT_EQ(speaker.said.back(), scores);
}

TEST_F(ReadAloudTest, NothingIsSaidWithTheOptionOffAndTheGameKeepsItsPaceWithItOn) {
    const qint64 silent = PlayOneTrick();
    Trigger("MnuReadHand");
    EXPECT_TRUE(speaker.said.isEmpty()) << speaker.said.join(" | ").toStdString();

    Trigger("MnuReadAloud");
    const qint64 spoken = PlayOneTrick();
    EXPECT_FALSE(speaker.said.isEmpty());
    // The same deal, paced by the game alone: speaking adds no wait.
    EXPECT_LT(spoken, silent * 3 / 2 + 300) << silent;
}

}  // namespace
}  // namespace corvane
