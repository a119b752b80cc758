#include "app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "table_style.h"

namespace corvane {

namespace {

// The icon's grid, as in the SVG file.
constexpr qreal Grid = 128;

const QColor CardFace(0xff, 0xff, 0xff);
const QColor CardEdge(0x55, 0x55, 0x55);
const QColor DiamondRed(0xc8, 0x10, 0x2e);
const QColor SpadeBlack(0x1a, 0x1a, 0x1a);

// A card of 64 by 87 units whose top left is `topLeft`, turned by `degrees` around `pivot`.
void PaintCard(QPainter& painter, QPointF topLeft, qreal degrees, QPointF pivot,
               const QPainterPath& symbol, const QColor& ink) {
    painter.save();
    painter.translate(pivot);
    painter.rotate(degrees);
    painter.translate(-pivot);
    painter.setPen(QPen(CardEdge, 2));
    painter.setBrush(CardFace);
    painter.drawRoundedRect(QRectF(topLeft, QSizeF(64, 87)), 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(symbol);
    painter.restore();
}

void PaintAppIcon(QPainter& painter, qreal size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Grid, size / Grid);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::Felt);
    painter.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);

    QPainterPath diamond;
    diamond.addPolygon(QPolygonF({{48, 44}, {64, 66}, {48, 88}, {32, 66}, {48, 44}}));
    PaintCard(painter, {16, 22}, -12, {48, 66}, diamond, DiamondRed);

    QPainterPath spade;
    spade.moveTo(80, 40);
    spade.cubicTo(80, 40, 58, 58, 58, 70);
    spade.cubicTo(58, 79, 67, 83, 75, 78);
    spade.lineTo(72, 88);
    spade.lineTo(88, 88);
    spade.lineTo(85, 78);
    spade.cubicTo(93, 83, 102, 79, 102, 70);
    spade.cubicTo(102, 58, 80, 40, 80, 40);
    spade.closeSubpath();
    PaintCard(painter, {48, 18}, 10, {80, 62}, spade, SpadeBlack);
}

}  // namespace

QPixmap AppIconPixmap(int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintAppIcon(painter, size);
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(AppIconPixmap(size));
    return icon;
}

}  // namespace corvane
