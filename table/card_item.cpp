#include "card_item.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include "card_art.h"
#include "card_table.h"
#include "table_geometry.h"

namespace corvane {

CardItem::CardItem(int index, QGraphicsItem* parent)
    : QGraphicsItem(parent), index_(index), image_(ImageBack) {
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton);
    // Drawn once per scale of the table at the screen's own resolution, then only copied: as
    // sharp as drawing it every time, and quick enough for a stock pile of 47 cards.
    setCacheMode(QGraphicsItem::DeviceCoordinateCache);
    setFlag(QGraphicsItem::ItemSendsGeometryChanges);
}

void CardItem::setImage(int image) {
    if (image == image_) return;
    image_ = image;
    update();
}

QRectF CardItem::boundingRect() const {
    return {0, 0, CardWidth, CardHeight};
}

void CardItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    CardArt::paint(*painter, boundingRect(), image_);
}

void CardItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    if (onPress) onPress();
}

QVariant CardItem::itemChange(GraphicsItemChange change, const QVariant& value) {
    if (change == ItemPositionHasChanged && onMoved) onMoved();
    return QGraphicsItem::itemChange(change, value);
}

}  // namespace corvane
