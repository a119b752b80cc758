#include "card_art.h"

#include <QImage>

#include <gtest/gtest.h>

#include "card_table.h"

namespace corvane {
namespace {

QImage Render(int image, QSize size = QSize(CardArt::CardWidth, CardArt::CardHeight)) {
    return CardArt::pixmap(image, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

struct InkCount {
    int opaque = 0;
    int red = 0;
    int dark = 0;
};

InkCount CountInk(const QImage& image, QRect area) {
    InkCount count;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200) continue;
            ++count.opaque;
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++count.red;
            if (c.red() < 70 && c.green() < 70 && c.blue() < 70) ++count.dark;
        }
    }
    return count;
}

int SuitOfImage(int image) {
    return SuitOrder[(image - 1) / 16];
}
bool IsRedSuit(int suit) {
    return suit == Diamonds || suit == Hearts;
}

TEST(CardArt, EveryPictureAndIconDrawsSomethingWithMoreThanOneColour) {
    std::vector<std::pair<std::string, QImage>> pictures;
    for (int image = 1; image <= 69; ++image) {
        pictures.emplace_back("picture " + std::to_string(image), Render(image));
    }
    for (int icon = 1; icon <= 3; ++icon) {
        pictures.emplace_back(
            "icon " + std::to_string(icon),
            CardArt::dialogIcon(icon).toImage().convertToFormat(QImage::Format_ARGB32));
    }
    for (const auto& [name, image] : pictures) {
        SCOPED_TRACE(name);
        const InkCount ink = CountInk(image, image.rect());
        EXPECT_GT(ink.opaque, image.width() * image.height() / 10);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; ++y) {
            for (int x = 0; x < image.width() && !varied; ++x) {
                varied = image.pixel(x, y) != image.pixel(image.width() / 2, image.height() / 2);
            }
        }
        EXPECT_TRUE(varied);
    }
}

TEST(CardArt, BothCopiesOfACardLookTheSameAndAllOtherPicturesDiffer) {
    std::vector<QImage> distinct;
    for (int image = 1; image <= 64; image += 2) {
        const QImage first = Render(image);
        EXPECT_EQ(first, Render(image + 1)) << "cards " << image << " and " << image + 1;
        distinct.push_back(first);
    }
    distinct.push_back(Render(ImageBack));
    for (int suit : SuitOrder) distinct.push_back(Render(SuitSymbolImage(suit)));
    for (std::size_t a = 0; a < distinct.size(); ++a) {
        for (std::size_t b = a + 1; b < distinct.size(); ++b) {
            EXPECT_NE(distinct[a], distinct[b]) << "pictures at positions " << a << " and " << b;
        }
    }
    for (int a = 1; a <= 3; ++a) {
        for (int b = a + 1; b <= 3; ++b) {
            EXPECT_NE(CardArt::dialogIcon(a).toImage(), CardArt::dialogIcon(b).toImage());
        }
    }
}

TEST(CardArt, DiamondsAndHeartsAreRedClubsAndSpadesBlack) {
    // The corner index is what a player reads in a fanned hand: rank and suit in the suit's colour.
    const QRect corner(1, 1, 13, 25);
    for (int image = 1; image <= 64; ++image) {
        SCOPED_TRACE("card " + std::to_string(image));
        const InkCount ink = CountInk(Render(image), corner);
        if (IsRedSuit(SuitOfImage(image))) {
            EXPECT_GT(ink.red, 20);
            EXPECT_EQ(ink.dark, 0);
        } else {
            EXPECT_GT(ink.dark, 20);
            EXPECT_EQ(ink.red, 0);
        }
    }
    for (int suit : SuitOrder) {
        SCOPED_TRACE("symbol of suit " + std::to_string(suit));
        const QImage symbol = Render(SuitSymbolImage(suit), QSize(16, 16));
        const InkCount ink = CountInk(symbol, symbol.rect());
        EXPECT_GT(IsRedSuit(suit) ? ink.red : ink.dark, 40);
        EXPECT_EQ(IsRedSuit(suit) ? ink.dark : ink.red, 0);
    }
}

TEST(CardArt, CardsHaveRoundedTransparentCornersAndFillTheirBox) {
    for (int image : {1, 23, 45, 64, ImageBack}) {
        SCOPED_TRACE("picture " + std::to_string(image));
        const QImage card = Render(image);
        for (QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)}) {
            EXPECT_EQ(card.pixelColor(corner).alpha(), 0);
        }
        for (QPoint edge : {QPoint(35, 0), QPoint(0, 48), QPoint(70, 48), QPoint(35, 95)}) {
            EXPECT_GT(card.pixelColor(edge).alpha(), 100);
        }
    }
}

TEST(CardArt, DenseScreensGetPicturesAtTheirOwnResolution) {
    const QPixmap dense = CardArt::pixmap(33, QSize(71, 96), 2.0);
    EXPECT_EQ(dense.size(), QSize(142, 192));
    EXPECT_DOUBLE_EQ(dense.devicePixelRatio(), 2.0);
    const QPixmap icon = CardArt::dialogIcon(2, 2.0);
    EXPECT_EQ(icon.size(), QSize(64, 64));
}

}  // namespace
}  // namespace corvane
