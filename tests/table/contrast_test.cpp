
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "card_art.h"
#include "card_table.h"
#include "table_style.h"

namespace corvane {
namespace {

// The contrast ratio of two colours by the sRGB relative luminance, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        double sum = 0;
        for (const auto& [v, weight] :
             {std::pair{c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}}) {
            sum += weight * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// `over` laid with its own transparency on the opaque `under`.
QColor Over(const QColor& over, const QColor& under) {
    const auto mix = [a = over.alphaF()](float o, float u) { return o * a + u * (1 - a); };
    return QColor::fromRgbF(mix(over.redF(), under.redF()), mix(over.greenF(), under.greenF()),
                            mix(over.blueF(), under.blueF()));
}

// Every text of the table against the lightest of what lies behind it: the felt is lightest in
// its middle, the frames and the commentary line darken it, panels and buttons are filled.
TEST(Contrast, EveryTextOfTheTableStandsOutFromWhatLiesBehindIt) {
    using namespace style;
    const struct {
        const char* what;
        QColor text, back;
    } pairs[] = {
        {"frame caption on the felt", FrameCaption, FeltLight},
        {"caption on the felt", CaptionText, FeltLight},
        {"name on the felt", NameText, FeltLight},
        {"caption in a frame", CaptionText, Over(FrameFill, FeltLight)},
        {"score in a frame", ValueText, Over(FrameFill, FeltLight)},
        {"commentary line", InfoText, Over(FrameFill, FeltLight)},
        {"note on a panel", CaptionText, PanelFill},
        {"name on a panel", NameText, PanelFill},
        {"knock", KnockText, KnockFill},
        {"button", ButtonText, ButtonFace},
        {"pressed button", ButtonText, ButtonFacePressed},
    };
    for (const auto& pair : pairs) EXPECT_GE(Contrast(pair.text, pair.back), 4.5) << pair.what;
}

// Red and black suits, or each suit its own colour; every ink reads on the card's face, and the
// pictures are painted in it.
TEST(Contrast, TheFourColourDeckGivesEverySuitItsOwnReadableInk) {
    for (const bool four : {false, true}) {
        CardArt::setFourColourSuits(four);
        std::set<QRgb> inks;
        for (int suit : SuitOrder) {
            const QColor ink = CardArt::suitColour(suit);
            inks.insert(ink.rgb());
            EXPECT_GE(Contrast(ink, CardArt::faceColour()), 4.5) << suit;
        }
        EXPECT_EQ(inks.size(), four ? 4u : 2u);

        // The Ace of Diamonds' big symbol, in the middle of the card.
        const QImage ace =
            CardArt::pixmap(15, QSize(CardArt::CardWidth, CardArt::CardHeight)).toImage();
        EXPECT_EQ(ace.pixel(CardArt::CardWidth / 2, CardArt::CardHeight / 2),
                  CardArt::suitColour(Diamonds).rgb())
            << four;
    }
    CardArt::setFourColourSuits(false);
}

}  // namespace
}  // namespace corvane
