#pragma once

#include <QGraphicsItem>
#include <QString>

#include <functional>

#include "control_layout.h"

namespace corvane {

// A named control of the table (frame, label or button), sized in twips.
class ControlItem : public QGraphicsItem {
public:
    ControlItem(const ControlDesign& design, QGraphicsItem* parent);

    const ControlDesign& design() const { return design_; }
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // What the control does when the person clicks it; set only for buttons and clickable labels.
    std::function<void()> onClick;

    QRectF boundingRect() const override;

protected:
    QRectF rect() const { return boundingRect(); }

private:
    const ControlDesign& design_;
    QString caption_;
};

// The font of a note: the design size, or smaller when the wrapped text would not fit `room`.
QFont NoteFont(const QString& text, const QSizeF& room);

// A frame: a box with its caption set into the top line. A panel's box is filled to hide the
// cards beneath it.
class FrameItem : public ControlItem {
public:
    using ControlItem::ControlItem;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
};

// A label; a clickable one (the knock) acts on a click, like a button.
class LabelItem : public ControlItem {
public:
    LabelItem(const ControlDesign& design, QGraphicsItem* parent);
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
};

// A command button: raised, and pressed in while the mouse is down on it. "&" in its caption
// marks the access letter, which is drawn underlined.
class ButtonItem : public ControlItem {
public:
    ButtonItem(const ControlDesign& design, QGraphicsItem* parent);
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    bool isDown() const { return down_; }
    // The access letter in upper case, or a null character when the caption has none. A button
    // whose caption the game has changed keeps the letter of its design caption.
    QChar accessLetter() const;

    // Reached by an access letter that other buttons shown share: Space or Enter presses it. A
    // dotted box inside the button shows it; hiding the button lets it go.
    bool hasAccessFocus() const { return accessFocus_; }
    void setAccessFocus(bool focus);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void setDown(bool down);

    bool down_ = false;
    bool accessFocus_ = false;
};

// The item for a control of the layout.
ControlItem* MakeControlItem(const ControlDesign& design, QGraphicsItem* parent);

}  // namespace corvane
