#include <QAction>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "../table/test_decks.h"
#include "deck_art.h"
#include "deck_chooser.h"
#include "frm_main.h"

namespace corvane {
namespace {

// The decks the window finds are the test's, for as long as the test runs.
struct InstalledDecks {
    qt_test::TestDataFolder data;
    QByteArray before = qgetenv("XDG_DATA_DIRS");
    InstalledDecks() { qputenv("XDG_DATA_DIRS", data.path().toUtf8()); }
    ~InstalledDecks() {
        qputenv("XDG_DATA_DIRS", before);
        DeckArt::instance().select(std::nullopt);
    }
};

// Opens Card Deck… and picks the entry in `row`, the game's own deck being the first.
void ChooseDeck(FrmMain& window, int row, int* listed) {
    QTimer::singleShot(0, [row, listed] {
        auto* chooser = qobject_cast<DeckChooser*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        auto* list = chooser->findChild<QListWidget*>(QStringLiteral("DeckList"));
        *listed = list->count();
        list->setCurrentRow(row);
        chooser->accept();
    });
    window.findChild<QAction*>(QStringLiteral("MnuCardDeck"))->trigger();
}

bool FourColoursExplained(const FrmMain& window) {
    return window.findChild<QAction*>("MnuFourColours")->toolTip().contains("cannot be recoloured");
}

TEST(CardDeck, TheChosenDeckAppliesAtOnceAndAgainAfterARestart) {
    InstalledDecks installed;
    QTemporaryDir folder;
    const QString preferences = folder.filePath("preferences.ini");
    int listed = 0;
    {
        FrmMain window(folder.path(), preferences);
        window.show();
        ChooseDeck(window, 1, &listed);
        EXPECT_EQ(listed, 2);  // the game's own and the one whole test deck
        EXPECT_EQ(DeckArt::instance().selectedId(), "small");
        EXPECT_TRUE(FourColoursExplained(window));
    }
    DeckArt::instance().select(std::nullopt);
    FrmMain again(folder.path(), preferences);
    EXPECT_EQ(DeckArt::instance().selectedId(), "small");
    ChooseDeck(again, 0, &listed);
    EXPECT_EQ(DeckArt::instance().selectedId(), "");
    EXPECT_FALSE(FourColoursExplained(again));
}

}  // namespace
}  // namespace corvane
