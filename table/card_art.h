#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace corvane {

// ImgPics, the game's own card pictures, drawn with QPainter so that they stay sharp at any size:
// pictures 1..64 are the faces of cards 1..64, 65 the back, 66..69 the symbols of Diamonds, Clubs,
// Hearts and Spades. Also the three icons of the message dialog. When the person has chosen an
// SVG deck, the pictures it draws come from it instead (see DeckArt).
class CardArt {
public:
    // The design size of a card picture; cards keep this proportion at any size.
    static constexpr int CardWidth = 71;
    static constexpr int CardHeight = 96;
    static constexpr int DialogIconSize = 32;

    // The four-colour deck: each suit its own colour (Spades black, Hearts red, Diamonds blue,
    // Clubs green) for eyes that tell red from black poorly. Off: red and black suits. Pictures
    // painted after the switch follow it.
    static void setFourColourSuits(bool on);
    static bool fourColourSuits();
    // The ink of a suit's symbols and ranks as the deck is now, and the face they stand on.
    static QColor suitColour(int suit);
    static QColor faceColour();

    // Paints picture `image` to fill `rect` (a card is 71 by 96 in proportion; a suit symbol is
    // centred in the largest square that fits). Any other number paints nothing.
    static void paint(QPainter& painter, const QRectF& rect, int image);
    // Picture `image` at `size` device-independent pixels for a screen of `devicePixelRatio`,
    // transparent around the card's rounded corners.
    static QPixmap pixmap(int image, QSize size, qreal devicePixelRatio = 1.0);

    // Icon 1..3 of the message dialog: 1 for a result or a refused declaration, 2 for a question
    // asking confirmation, 3 for any other notice.
    static void paintDialogIcon(QPainter& painter, const QRectF& rect, int index);
    // The same icon, 32 by 32 device-independent pixels.
    static QPixmap dialogIcon(int index, qreal devicePixelRatio = 1.0);
};

}  // namespace corvane
