#include "card_art.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "card_table.h"

namespace corvane {
namespace {

QImage Render(int image, QSize size = QSize(CardArt::CardWidth, CardArt::CardHeight)) {
    return CardArt::pixmap(image, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Opaque pixels of an area, and those of them that are clearly red or near black.
struct Ink {
    int opaque = 0;
    int red = 0;
    int dark = 0;
};

Ink InkOf(const QImage& image, QRect area) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200) continue;
            ++ink.opaque;
            ink.red += c.red() > 150 && c.green() < 90 && c.blue() < 90;
            ink.dark += c.red() < 70 && c.green() < 70 && c.blue() < 70;
        }
    }
    return ink;
}

// Both copies of a card look the same; every other picture shows something of its own. The
// corner index of a card, which a player reads in a fanned hand, and a suit symbol, small in the
// status bar, are red for Diamonds and Hearts, black for Clubs and Spades.
TEST(CardArt, EachPictureIsItsOwnAndEachSuitInItsColour) {
    std::vector<QImage> distinct;  // one of each card, the back, the suit symbols, the icons
    for (int image = 1; image <= 69; image += image < ImageBack ? 2 : 1) {
        distinct.push_back(Render(image));
        if (image == ImageBack) continue;
        const bool card = image < ImageBack;
        EXPECT_TRUE(!card || distinct.back() == Render(image + 1)) << "card " << image;
        const int suit = card ? SuitOrder[(image - 1) / 16] : SuitOrder[image - ImageBack - 1];
        const bool red = suit == Diamonds || suit == Hearts;
        const Ink ink = card ? InkOf(distinct.back(), QRect(1, 1, 13, 25))
                             : InkOf(Render(image, QSize(16, 16)), QRect(0, 0, 16, 16));
        EXPECT_GT(red ? ink.red : ink.dark, 20) << "picture " << image;
        EXPECT_EQ(red ? ink.dark : ink.red, 0) << "picture " << image;
    }
    for (int icon = 1; icon <= 3; ++icon) distinct.push_back(CardArt::dialogIcon(icon).toImage());
    for (std::size_t a = 0; a < distinct.size(); ++a) {
        const QImage& image = distinct[a];
        EXPECT_GT(InkOf(image, image.rect()).opaque, image.width() * image.height() / 10) << a;
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
        }
        EXPECT_GT(colours.size(), 2u) << "picture at position " << a << " is one colour";
        for (std::size_t b = a + 1; b < distinct.size(); ++b) {
            EXPECT_NE(image, distinct[b]) << "pictures at positions " << a << " and " << b;
        }
    }
}

}  // namespace
}  // namespace corvane
