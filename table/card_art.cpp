// Placeholder until the artwork lands: plain faces with the card's index.
#include "card_art.h"

#include <QPainter>

namespace corvane {

void CardArt::paint(QPainter& painter, const QRectF& rect, int image) {
    painter.fillRect(rect, image == 65 ? Qt::darkBlue : Qt::white);
    painter.drawRect(rect);
    painter.drawText(rect, Qt::AlignCenter, QString::number(image));
}

QPixmap CardArt::pixmap(int image, QSize size, qreal devicePixelRatio) {
    QPixmap result(size * devicePixelRatio);
    result.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&result);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), image);
    return result;
}

QPixmap CardArt::dialogIcon(int index, qreal devicePixelRatio) {
    return pixmap(65 + index, QSize(32, 32), devicePixelRatio);
}

}  // namespace corvane
