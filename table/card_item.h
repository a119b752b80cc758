#pragma once

#include <QGraphicsItem>

#include <functional>

namespace corvane {

// PicCard(i): one card picture on the table, drawn from the game's own art at whatever scale the
// table is shown, so that it stays sharp. Its position is its Left and Top in twips.
class CardItem : public QGraphicsItem {
public:
    explicit CardItem(int index, QGraphicsItem* parent = nullptr);

    int index() const { return index_; }
    int image() const { return image_; }
    void setImage(int image);

    // Called when the person presses either mouse button on the card.
    std::function<void()> onPress;
    // Called after the card has moved.
    std::function<void()> onMoved;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    int index_;
    int image_;
};

}  // namespace corvane
