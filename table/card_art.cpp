#include "card_art.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <vector>

#include "card_table.h"
#include "deck_art.h"

// Every picture is drawn as vectors in its own design box and scaled to the target, so a card is
// as sharp on a dense screen as at its design size of 71 by 96.

namespace corvane {

namespace {

constexpr qreal DesignWidth = CardArt::CardWidth;
constexpr qreal DesignHeight = CardArt::CardHeight;
constexpr qreal CardRadius = 4.5;

const QColor Red(196, 18, 36);
const QColor Black(22, 22, 26);
const QColor Border(96, 96, 104);
const QColor Gold(214, 168, 52);
const QColor GoldDark(150, 108, 26);
const QColor Cream(253, 248, 232);
const QColor CourtBlue(34, 66, 140);
const QColor BackColour(24, 52, 112);
const QColor BackLight(226, 232, 246);

// The four-colour deck's Diamonds and Clubs, as dark as the red against the card's white.
const QColor DiamondBlue(16, 72, 196);
const QColor ClubGreen(18, 120, 44);

bool fourColours = false;

QColor SuitColour(int suit) {
    if (fourColours && suit == Diamonds) return DiamondBlue;
    if (fourColours && suit == Clubs) return ClubGreen;
    return suit == Diamonds || suit == Hearts ? Red : Black;
}
bool IsRed(int suit) {
    return SuitColour(suit) == Red;
}

// Suit shapes fill a box one unit high centred on the origin.
QPainterPath DiamondShape() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.quadTo(0.13, -0.2, 0.39, 0);
    path.quadTo(0.13, 0.2, 0, 0.5);
    path.quadTo(-0.13, 0.2, -0.39, 0);
    path.quadTo(-0.13, -0.2, 0, -0.5);
    return path;
}

QPainterPath HeartShape() {
    QPainterPath path;
    path.moveTo(0, 0.5);
    path.cubicTo(-0.14, 0.3, -0.5, 0.1, -0.5, -0.17);
    path.cubicTo(-0.5, -0.38, -0.37, -0.5, -0.24, -0.5);
    path.cubicTo(-0.1, -0.5, -0.02, -0.41, 0, -0.3);
    path.cubicTo(0.02, -0.41, 0.1, -0.5, 0.24, -0.5);
    path.cubicTo(0.37, -0.5, 0.5, -0.38, 0.5, -0.17);
    path.cubicTo(0.5, 0.1, 0.14, 0.3, 0, 0.5);
    path.closeSubpath();
    return path;
}

// The foot under a spade or a club, flaring out to its base.
void AddStem(QPainterPath& path, qreal top) {
    path.moveTo(-0.035, top);
    path.cubicTo(-0.04, 0.36, -0.12, 0.47, -0.22, 0.5);
    path.lineTo(0.22, 0.5);
    path.cubicTo(0.12, 0.47, 0.04, 0.36, 0.035, top);
    path.closeSubpath();
}

QPainterPath SpadeShape() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.cubicTo(0.14, -0.3, 0.5, -0.12, 0.5, 0.12);
    path.cubicTo(0.5, 0.3, 0.37, 0.38, 0.25, 0.38);
    path.cubicTo(0.13, 0.38, 0.05, 0.32, 0.035, 0.25);
    path.cubicTo(0.04, 0.36, 0.12, 0.47, 0.22, 0.5);
    path.lineTo(-0.22, 0.5);
    path.cubicTo(-0.12, 0.47, -0.04, 0.36, -0.035, 0.25);
    path.cubicTo(-0.05, 0.32, -0.13, 0.38, -0.25, 0.38);
    path.cubicTo(-0.37, 0.38, -0.5, 0.3, -0.5, 0.12);
    path.cubicTo(-0.5, -0.12, -0.14, -0.3, 0, -0.5);
    path.closeSubpath();
    return path;
}

QPainterPath ClubShape() {
    // Three leaves and the foot, all drawn in one turning sense so that their overlaps fill.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    constexpr qreal r = 0.225;
    path.addEllipse(QPointF(0, -0.5 + r), r, r);
    path.addEllipse(QPointF(-0.5 + r, 0.1), r, r);
    path.addEllipse(QPointF(0.5 - r, 0.1), r, r);
    path.addEllipse(QPointF(0, 0.02), 0.12, 0.12);
    QPainterPath stem;
    AddStem(stem, 0.05);
    path.addPath(stem.toReversed());
    return path;
}

const QPainterPath& SuitShape(int suit) {
    static const std::array<QPainterPath, 4> shapes{DiamondShape(), ClubShape(), HeartShape(),
                                                    SpadeShape()};
    return shapes[static_cast<std::size_t>(suit - Diamonds)];
}

// Fills the suit's shape `size` units high centred on `centre`, upside down when asked.
void DrawSuit(QPainter& painter, int suit, QPointF centre, qreal size, bool upsideDown = false,
              const QColor& colour = QColor()) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) painter.rotate(180);
    painter.scale(size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.isValid() ? colour : SuitColour(suit));
    painter.drawPath(SuitShape(suit));
    painter.restore();
}

QFont ArtFont(const QString& family) {
    QFont font(family);
    font.setPixelSize(100);
    font.setWeight(QFont::Bold);
    return font;
}

// The outline of `text` in a serif or a sans face, laid out once and reused.
const QPainterPath& TextOutline(const QString& text, bool serif) {
    static QHash<QString, QPainterPath> cache;
    const QString key = (serif ? QStringLiteral("s:") : QStringLiteral("n:")) + text;
    auto found = cache.find(key);
    if (found == cache.end()) {
        QPainterPath path;
        path.addText(0, 0, ArtFont(serif ? "DejaVu Serif" : "DejaVu Sans"), text);
        found = cache.insert(key, path);
    }
    return *found;
}

// Fills `text` so that its ink is as high as `box` and centred in it; a text too wide for the box
// is narrowed rather than made smaller, as "10" is in a card's corner.
void DrawText(QPainter& painter, const QString& text, const QRectF& box, const QColor& colour,
              bool serif) {
    const QPainterPath& outline = TextOutline(text, serif);
    const QRectF ink = outline.boundingRect();
    if (ink.isEmpty()) return;
    const qreal scaleY = box.height() / ink.height();
    const qreal scaleX = std::min(scaleY, box.width() / ink.width());
    painter.save();
    painter.translate(box.center());
    painter.scale(scaleX, scaleY);
    painter.translate(-ink.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(outline);
    painter.restore();
}

QString RankText(int value) {
    switch (value) {
        case Ace:
            return QStringLiteral("A");
        case Jack:
            return QStringLiteral("J");
        case Queen:
            return QStringLiteral("Q");
        case King:
            return QStringLiteral("K");
        default:
            return QString::number(value);
    }
}

void DrawBlankCard(QPainter& painter) {
    painter.setPen(QPen(Border, 0.8));
    painter.setBrush(CardArt::faceColour());
    painter.drawRoundedRect(QRectF(0.4, 0.4, DesignWidth - 0.8, DesignHeight - 0.8), CardRadius,
                            CardRadius);
}

// Rank and suit in the top left corner, and the same turned round in the bottom right.
void DrawIndices(QPainter& painter, int suit, int value) {
    for (bool turned : {false, true}) {
        painter.save();
        if (turned) {
            painter.translate(DesignWidth, DesignHeight);
            painter.rotate(180);
        }
        const QString rank = RankText(value);
        const qreal width = rank.size() > 1 ? 11.0 : 9.0;
        DrawText(painter, rank, QRectF(7.0 - width / 2, 4.0, width, 10.0), SuitColour(suit), false);
        DrawSuit(painter, suit, QPointF(7.0, 20.5), 8.0);
        painter.restore();
    }
}

// Pip centres of the number cards, in the classic arrangements.
struct Pip {
    qreal x;
    qreal y;
};

std::vector<Pip> PipLayout(int value) {
    constexpr qreal left = 22.5;
    constexpr qreal middle = DesignWidth / 2;
    constexpr qreal right = DesignWidth - left;
    constexpr qreal top = 18.5;
    constexpr qreal bottom = DesignHeight - top;
    constexpr qreal centre = DesignHeight / 2;
    constexpr qreal step = (bottom - top) / 3;
    std::vector<Pip> pips;
    if (value == Seven || value == Eight) {
        for (qreal y : {top, centre, bottom}) pips.insert(pips.end(), {{left, y}, {right, y}});
        pips.push_back({middle, (top + centre) / 2});
        if (value == Eight) pips.push_back({middle, (centre + bottom) / 2});
    } else {
        for (int row = 0; row < 4; ++row) {
            const qreal y = top + step * row;
            pips.insert(pips.end(), {{left, y}, {right, y}});
        }
        if (value == Nine) pips.push_back({middle, centre});
        if (value == Ten) {
            pips.push_back({middle, (top + top + step) / 2});
            pips.push_back({middle, (bottom + bottom - step) / 2});
        }
    }
    return pips;
}

void DrawPips(QPainter& painter, int suit, int value) {
    for (const Pip& pip : PipLayout(value)) {
        DrawSuit(painter, suit, QPointF(pip.x, pip.y), 12.0, pip.y > DesignHeight / 2 + 0.5);
    }
}

void DrawAce(QPainter& painter, int suit) {
    const QPointF centre(DesignWidth / 2, DesignHeight / 2);
    painter.setPen(QPen(Gold, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 20.5, 20.5);
    painter.setPen(QPen(SuitColour(suit), 0.5));
    painter.drawEllipse(centre, 22.0, 22.0);
    DrawSuit(painter, suit, centre, 27.0);
}

// A crown of five points for the King, a coronet of three arches for the Queen and a feathered
// cap for the Jack, each `width` wide standing on `base`.
void DrawHeadwear(QPainter& painter, int value, QPointF base, qreal width, const QColor& jewel) {
    const qreal w = width;
    const qreal h = width * 0.45;
    const qreal x = base.x() - w / 2;
    const qreal y = base.y();
    QPainterPath path;
    std::vector<QPointF> pearls;
    if (value == King) {
        path.moveTo(x, y);
        path.lineTo(x - w * 0.04, y - h);
        path.lineTo(x + w * 0.25, y - h * 0.5);
        path.lineTo(x + w * 0.5, y - h * 1.1);
        path.lineTo(x + w * 0.75, y - h * 0.5);
        path.lineTo(x + w * 1.04, y - h);
        path.lineTo(x + w, y);
        path.closeSubpath();
        pearls = {{x - w * 0.04, y - h}, {x + w * 0.5, y - h * 1.1}, {x + w * 1.04, y - h}};
    } else if (value == Queen) {
        path.moveTo(x, y);
        path.lineTo(x, y - h * 0.4);
        path.cubicTo(x, y - h * 0.9, x + w * 0.32, y - h * 0.9, x + w * 0.33, y - h * 0.45);
        path.cubicTo(x + w * 0.36, y - h * 1.2, x + w * 0.64, y - h * 1.2, x + w * 0.67,
                     y - h * 0.45);
        path.cubicTo(x + w * 0.68, y - h * 0.9, x + w, y - h * 0.9, x + w, y - h * 0.4);
        path.lineTo(x + w, y);
        path.closeSubpath();
        pearls = {{x + w * 0.165, y - h * 0.8},
                  {x + w * 0.5, y - h * 1.04},
                  {x + w * 0.835, y - h * 0.8}};
    } else {
        path.moveTo(x + w * 0.12, y);
        path.cubicTo(x + w * 0.12, y - h * 1.05, x + w * 0.88, y - h * 1.05, x + w * 0.88, y);
        path.closeSubpath();
        path.addEllipse(QPointF(base.x(), y - h * 0.08), w * 0.52, h * 0.18);
        // The feather, sweeping up and back from the cap.
        path.moveTo(x + w * 0.62, y - h * 0.7);
        path.cubicTo(x + w * 0.75, y - h * 1.4, x + w * 1.05, y - h * 1.6, x + w * 1.3,
                     y - h * 1.5);
        path.cubicTo(x + w * 1.05, y - h * 1.35, x + w * 0.85, y - h * 1.05, x + w * 0.72,
                     y - h * 0.62);
        path.closeSubpath();
        pearls = {{x + w * 0.66, y - h * 0.7}};
    }
    painter.setPen(QPen(GoldDark, 0.6));
    painter.setBrush(Gold);
    painter.drawPath(path);
    // A band along the base with a jewel in its middle.
    painter.setBrush(GoldDark);
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(x + w * 0.02, y - 1.2, w * 0.96, 1.4));
    painter.setBrush(jewel);
    painter.setPen(QPen(GoldDark, 0.4));
    painter.drawEllipse(QPointF(base.x(), y - h * 0.45), w * 0.08, w * 0.08);
    painter.setBrush(Qt::white);
    for (const QPointF& pearl : pearls) painter.drawEllipse(pearl, w * 0.055, w * 0.055);
}

// The court cards: a framed panel with the figure's headwear, its letter and its suit, twice,
// the lower half turned round as on a double-headed card.
void DrawCourt(QPainter& painter, int suit, int value) {
    const QRectF panel(13.5, 12.0, DesignWidth - 27.0, DesignHeight - 24.0);
    const QColor ink = SuitColour(suit);
    const QColor accent = IsRed(suit) ? CourtBlue : Red;

    painter.setPen(Qt::NoPen);
    painter.setBrush(Cream);
    painter.drawRect(panel);

    painter.save();
    painter.setClipRect(panel);
    for (bool turned : {false, true}) {
        painter.save();
        if (turned) {
            painter.translate(DesignWidth, DesignHeight);
            painter.rotate(180);
        }
        // A soft wash behind the figure's half, in the suit's colour.
        QColor wash = ink;
        wash.setAlpha(22);
        QPainterPath half;
        half.moveTo(panel.left(), panel.top());
        half.lineTo(panel.right(), panel.top());
        half.lineTo(panel.right(), DesignHeight / 2 - 7);
        half.lineTo(panel.left(), DesignHeight / 2 + 7);
        half.closeSubpath();
        painter.setBrush(wash);
        painter.drawPath(half);

        DrawHeadwear(painter, value, QPointF(27.0, 26.0), 18.0, accent);
        DrawText(painter, RankText(value), QRectF(19.0, 28.0, 16.0, 14.5), ink, true);
        DrawSuit(painter, suit, QPointF(45.5, 34.0), 11.0);
        // Small suit marks in the outer corners of the half.
        DrawSuit(painter, suit, QPointF(48.5, 17.0), 4.5, false, accent);
        painter.restore();
    }
    painter.restore();

    // The line between the two halves, falling from right to left as on a double-headed card.
    painter.setPen(QPen(GoldDark, 0.7));
    painter.drawLine(QPointF(panel.left(), DesignHeight / 2 + 7),
                     QPointF(panel.right(), DesignHeight / 2 - 7));
    DrawSuit(painter, suit, QPointF(DesignWidth / 2, DesignHeight / 2), 6.0, false, accent);

    // A double frame: the suit's colour outside, gold within.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 0.9));
    painter.drawRect(panel);
    painter.setPen(QPen(Gold, 0.7));
    painter.drawRect(panel.adjusted(1.4, 1.4, -1.4, -1.4));
}

void DrawFace(QPainter& painter, int image) {
    const int suit = SuitOrder[static_cast<std::size_t>((image - 1) / 16)];
    const int value = RankOrder[static_cast<std::size_t>((image - 1) % 16 / 2)];
    DrawBlankCard(painter);
    if (value == Ace) {
        DrawAce(painter, suit);
    } else if (value == Jack || value == Queen || value == King) {
        DrawCourt(painter, suit, value);
    } else {
        DrawPips(painter, suit, value);
    }
    DrawIndices(painter, suit, value);
}

void DrawBack(QPainter& painter) {
    DrawBlankCard(painter);
    const QRectF field(4.5, 4.5, DesignWidth - 9.0, DesignHeight - 9.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BackColour);
    painter.drawRoundedRect(field, 2.5, 2.5);

    painter.save();
    painter.setClipRect(field.adjusted(1.8, 1.8, -1.8, -1.8));
    QColor line = BackLight;
    line.setAlpha(120);
    painter.setPen(QPen(line, 0.6));
    constexpr qreal spacing = 6.0;
    for (qreal d = -DesignHeight; d < DesignWidth + DesignHeight; d += spacing) {
        painter.drawLine(QPointF(d, 0), QPointF(d + DesignHeight, DesignHeight));
        painter.drawLine(QPointF(d, DesignHeight), QPointF(d + DesignHeight, 0));
    }
    // Small diamonds where the lattice crosses.
    line.setAlpha(170);
    painter.setPen(Qt::NoPen);
    painter.setBrush(line);
    for (qreal y = -spacing; y < DesignHeight + spacing; y += spacing / 2) {
        const qreal shift = std::fmod(y / (spacing / 2), 2.0) == 0.0 ? 0.0 : spacing / 2;
        for (qreal x = shift; x < DesignWidth + spacing; x += spacing) {
            QPolygonF mark({QPointF(x, y - 0.9), QPointF(x + 0.9, y), QPointF(x, y + 0.9),
                            QPointF(x - 0.9, y)});
            painter.drawPolygon(mark);
        }
    }
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(BackLight, 0.7));
    painter.drawRoundedRect(field.adjusted(1.8, 1.8, -1.8, -1.8), 1.5, 1.5);

    // An emblem in the middle: a light oval carrying the four suits.
    const QPointF centre(DesignWidth / 2, DesignHeight / 2);
    painter.setPen(QPen(Gold, 0.8));
    painter.setBrush(BackColour);
    painter.drawEllipse(centre, 15.0, 19.0);
    painter.setPen(QPen(BackLight, 0.6));
    painter.setBrush(BackLight);
    painter.drawEllipse(centre, 12.5, 16.5);
    DrawSuit(painter, Spades, centre + QPointF(0, -8.0), 8.0, false, BackColour);
    DrawSuit(painter, Hearts, centre + QPointF(-6.0, 0), 8.0, false, Red);
    DrawSuit(painter, Diamonds, centre + QPointF(6.0, 0), 8.0, false, Red);
    DrawSuit(painter, Clubs, centre + QPointF(0, 8.0), 8.0, false, BackColour);
}

// A suit symbol standing alone fills a square centred in the picture.
void DrawSymbol(QPainter& painter, const QRectF& rect, int suit) {
    const qreal side = std::min(rect.width(), rect.height());
    DrawSuit(painter, suit, rect.center(), side * 0.92);
}

// The dialog's icons in their 32 by 32 box: two cards fanned for a result, a question mark for a
// question, and an "i" for a notice.
void DrawCardsIcon(QPainter& painter) {
    const QRectF card(0, 0, 14.2, 19.2);
    const struct {
        QPointF at;
        qreal angle;
        int suit;
    } cards[] = {{{10.5, 17.5}, -16.0, Spades}, {{21.0, 16.0}, 14.0, Hearts}};
    for (const auto& c : cards) {
        painter.save();
        painter.translate(c.at);
        painter.rotate(c.angle);
        painter.translate(-card.center());
        painter.setPen(QPen(Border, 0.8));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(card, 1.6, 1.6);
        DrawSuit(painter, c.suit, card.center(), 9.0);
        painter.restore();
    }
    painter.setPen(QPen(GoldDark, 0.6));
    painter.setBrush(Gold);
    painter.drawEllipse(QPointF(24.5, 25.5), 5.2, 5.2);
    DrawSuit(painter, Diamonds, QPointF(24.5, 25.5), 5.5, false, Qt::white);
}

void DrawRoundSign(QPainter& painter, const QColor& colour, const QString& text) {
    QRadialGradient shade(QPointF(12, 10), 20);
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(1, colour);
    painter.setPen(QPen(colour.darker(140), 1.0));
    painter.setBrush(shade);
    painter.drawEllipse(QPointF(16, 16), 14.5, 14.5);
    DrawText(painter, text, QRectF(9.0, 6.0, 14.0, 20.0), Qt::white, true);
}

void DrawIcon(QPainter& painter, int index) {
    switch (index) {
        case 1:
            DrawCardsIcon(painter);
            break;
        case 2:
            DrawRoundSign(painter, QColor(40, 92, 180), QStringLiteral("?"));
            break;
        default:
            DrawRoundSign(painter, QColor(28, 132, 96), QStringLiteral("i"));
            break;
    }
}

void Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Maps a design box of `size` onto `rect`.
void MapDesignBox(QPainter& painter, const QRectF& rect, QSizeF size) {
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / size.width(), rect.height() / size.height());
}

QPixmap TransparentPixmap(QSize size, qreal devicePixelRatio) {
    QPixmap result(
        QSize(qRound(size.width() * devicePixelRatio), qRound(size.height() * devicePixelRatio)));
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    return result;
}

}  // namespace

void CardArt::setFourColourSuits(bool on) {
    fourColours = on;
}

bool CardArt::fourColourSuits() {
    return fourColours;
}

QColor CardArt::suitColour(int suit) {
    return SuitColour(suit);
}

QColor CardArt::faceColour() {
    return Qt::white;
}

void CardArt::paint(QPainter& painter, const QRectF& rect, int image) {
    if (image < 1 || image > SuitSymbolImage(Spades)) return;
    // A chosen deck draws what it has; its suit symbols give way to the game's own when the
    // symbols are to take four colours, which a deck's drawing cannot.
    const bool recolouredSymbol = fourColours && image >= SuitSymbolImage(Diamonds);
    if (!recolouredSymbol && DeckArt::instance().paint(painter, rect, image)) return;
    painter.save();
    Prepare(painter);
    if (image >= SuitSymbolImage(Diamonds)) {
        DrawSymbol(painter, rect, image - SuitSymbolImage(Diamonds) + Diamonds);
    } else {
        MapDesignBox(painter, rect, QSizeF(CardWidth, CardHeight));
        if (image == ImageBack) {
            DrawBack(painter);
        } else {
            DrawFace(painter, image);
        }
    }
    painter.restore();
}

void CardArt::paintDialogIcon(QPainter& painter, const QRectF& rect, int index) {
    painter.save();
    Prepare(painter);
    MapDesignBox(painter, rect, QSizeF(32, 32));
    DrawIcon(painter, index);
    painter.restore();
}

QPixmap CardArt::pixmap(int image, QSize size, qreal devicePixelRatio) {
    QPixmap result = TransparentPixmap(size, devicePixelRatio);
    QPainter painter(&result);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), image);
    return result;
}

QPixmap CardArt::dialogIcon(int index, qreal devicePixelRatio) {
    QPixmap result = TransparentPixmap(QSize(DialogIconSize, DialogIconSize), devicePixelRatio);
    QPainter painter(&result);
    paintDialogIcon(painter, QRectF(0, 0, DialogIconSize, DialogIconSize), index);
    return result;
}

}  // namespace corvane
