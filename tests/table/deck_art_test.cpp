#include "deck_art.h"

#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "card_art.h"
#include "deck_index.h"
#include "svg_deck.h"
#include "test_decks.h"

namespace corvane {
namespace {

using qt_test::AceOfClubs;
using qt_test::SevenOfHearts;

const QSize kCard(CardArt::CardWidth, CardArt::CardHeight);

QImage Picture(int image, QSize size = kCard, qreal ratio = 1.0) {
    return CardArt::pixmap(image, size, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

int warnings = 0;
void CountWarnings(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtWarningMsg) ++warnings;
}

// The game's own deck again after each test, as the other tests expect.
struct DeckArtTest : ::testing::Test {
    qt_test::TestDataFolder data;
    DeckIndex small() const { return FindDecks({data.path()}).value(0); }
    // The Ace of Clubs drawn straight from the deck at exactly `pixels`.
    QImage crispAce(QSize pixels) const {
        return SvgDeck(small().svgFile)
            .render(AceOfClubs, pixels)
            .convertToFormat(QImage::Format_ARGB32);
    }
    void TearDown() override { DeckArt::instance().select(std::nullopt); }
};

TEST_F(DeckArtTest, FindsTheDecksWhoseIndexAndPictureAreThereAndSkipsTheBrokenOnes) {
    qt_test::TestDataFolder earlier;
    QFile::remove(earlier.dir.filePath("carddecks/small/small.svg"));
    warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(CountWarnings);
    const QList<DeckIndex> decks = FindDecks({earlier.path(), data.path()});
    qInstallMessageHandler(previous);

    // Each folder's lost and garbled decks say why they are left out, as does the earlier
    // folder's small deck with its picture gone, which therefore hides nothing.
    EXPECT_EQ(warnings, 5);
    ASSERT_EQ(decks.size(), 1);
    EXPECT_EQ(decks[0].id, "small");
    EXPECT_EQ(decks[0].name, "Small Test Deck");
    EXPECT_EQ(decks[0].svgFile, data.dir.filePath("carddecks/small/small.svg"));
    EXPECT_EQ(decks[0].previewFile, decks[0].svgFile);
    EXPECT_TRUE(FindDecks({data.dir.filePath("nothing here")}).isEmpty());
}

TEST_F(DeckArtTest, DrawsWhatTheDeckHasAndTheGamesOwnFaceForWhatItLacksWithOneWarning) {
    const QImage ownSeven = Picture(SevenOfHearts);
    const DeckIndex deck = small();
    warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(CountWarnings);
    DeckArt::instance().select(deck);
    const QImage ace = Picture(AceOfClubs);
    const QImage back = Picture(ImageBack);
    const QImage seven = Picture(SevenOfHearts);
    Picture(SevenOfHearts + 1);
    qInstallMessageHandler(previous);

    // The Ace is drawn half as wide as a card inside a group that stretches it: only on the page
    // does it have the card's shape, so it fills the picture to its edges.
    for (QPoint at : {QPoint(35, 48), QPoint(2, 48), QPoint(68, 48)}) {
        EXPECT_EQ(ace.pixel(at), qRgb(0, 255, 0)) << at.x();
    }
    EXPECT_EQ(back.pixel(35, 48), qRgb(0, 0, 255));
    EXPECT_EQ(seven, ownSeven);
    EXPECT_EQ(warnings, 1);
}

TEST_F(DeckArtTest, PicturesCoverTheDevicePixelsTheyShowOn) {
    const struct {
        qreal ratio, scale;
        QSize pixels;
    } rows[] = {{1.0, 1.0, {71, 96}}, {2.0, 1.0, {142, 192}}, {2.0, 1.5, {213, 288}}};
    for (const auto& row : rows) {
        QImage device(QSize(400, 400), QImage::Format_ARGB32);
        device.setDevicePixelRatio(row.ratio);
        QPainter painter(&device);
        painter.scale(row.scale, row.scale);
        EXPECT_EQ(DeckArt::PixelSize(painter, QRectF(QPointF(5, 5), kCard)), row.pixels);
    }
    // At a ratio of 2 the Ace is drawn at twice its size, not enlarged.
    DeckArt::instance().select(small());
    EXPECT_EQ(Picture(AceOfClubs, kCard, 2.0), crispAce(kCard * 2));
}

TEST_F(DeckArtTest, ANewSizeShowsTheOldPictureScaledUntilTheNewOneArrives) {
    DeckArt::instance().select(small());
    Picture(AceOfClubs);
    QSignalSpy arrived(&DeckArt::instance(), &DeckArt::picturesChanged);
    const QImage standIn = Picture(AceOfClubs, kCard * 3);
    EXPECT_EQ(standIn.pixel(100, 140), qRgb(0, 255, 0));
    EXPECT_NE(standIn, crispAce(kCard * 3));
    ASSERT_TRUE(arrived.wait(5000));
    EXPECT_EQ(Picture(AceOfClubs, kCard * 3), crispAce(kCard * 3));
}

}  // namespace
}  // namespace corvane
