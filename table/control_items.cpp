#include "control_items.h"

#include <QCursor>
#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "qt_text.h"
#include "table_style.h"

namespace corvane {

namespace {

// Draws `text` in `rect`, squeezed sideways when it would not fit, never cut off.
void DrawFittedText(QPainter& painter, const QRectF& rect, int flags, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    const qreal width = metrics.boundingRect(QRectF(), flags, text).width();
    if (width <= rect.width() || width <= 0) {
        painter.drawText(rect, flags, text);
        return;
    }
    const qreal squeeze = rect.width() / width;
    painter.save();
    painter.translate(rect.left(), 0);
    painter.scale(squeeze, 1);
    painter.drawText(QRectF(0, rect.top(), width, rect.height()), flags, text);
    painter.restore();
}

// The letter after "&" in a caption, in upper case; a null character when there is none.
QChar AccessLetterOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
        ++i;  // "&&" is a plain ampersand
    }
    return {};
}

// A control lies under the mouse when the mouse is inside its rectangle.
bool Under(const QGraphicsItem& item, const QGraphicsSceneMouseEvent& event) {
    return item.boundingRect().contains(event.pos());
}

constexpr int kNoteFontSize = 170;
constexpr int kSmallestNoteFontSize = 100;
constexpr int kNoteFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

}  // namespace

QFont NoteFont(const QString& text, const QSizeF& room) {
    QFont font = style::TableFont(kNoteFontSize);
    while (font.pixelSize() > kSmallestNoteFontSize) {
        const QRectF needed = QFontMetricsF(font).boundingRect(
            QRectF(QPointF(0, 0), QSizeF(room.width(), 1e6)), kNoteFlags, text);
        if (needed.width() <= room.width() && needed.height() <= room.height()) break;
        font.setPixelSize(font.pixelSize() - 10);
    }
    return font;
}

ControlItem::ControlItem(const ControlDesign& design, QGraphicsItem* parent)
    : QGraphicsItem(parent), design_(design), caption_(ToQString(design.Caption)) {
    setPos(design.Rect.topLeft());
    if (!design.ToolTip.empty()) setToolTip(ToQString(design.ToolTip));
    setAcceptedMouseButtons(Qt::NoButton);
    setCacheMode(QGraphicsItem::DeviceCoordinateCache);
}

void ControlItem::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

QRectF ControlItem::boundingRect() const {
    return {0, 0, qreal(design_.Rect.width()), qreal(design_.Rect.height())};
}

void FrameItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF box = rect();
    painter->setFont(style::TableFont(170, true));
    const QFontMetricsF metrics(painter->font());
    const qreal captionHeight = metrics.height();
    constexpr qreal kCaptionLeft = 150;
    constexpr qreal kCaptionGap = 50;
    const qreal captionRoom = box.width() - 2 * kCaptionLeft;
    const qreal captionWidth = std::min(metrics.horizontalAdvance(caption()), captionRoom);

    const qreal half = style::FrameLineWidth / 2.0;
    const QRectF border(half, captionHeight / 2, box.width() - 2 * half,
                        box.height() - captionHeight / 2 - half);
    painter->setPen(Qt::NoPen);
    painter->setBrush(design().Kind == ControlKind::Panel ? style::PanelFill : style::FrameFill);
    painter->drawRoundedRect(border, style::FrameCornerRadius, style::FrameCornerRadius);

    // The caption interrupts the top line of the box.
    QPainterPath outside;
    outside.addRect(box);
    QPainterPath captionGap;
    captionGap.addRect(
        QRectF(kCaptionLeft - kCaptionGap, 0, captionWidth + 2 * kCaptionGap, captionHeight));
    painter->save();
    painter->setClipPath(outside.subtracted(captionGap));
    painter->setPen(QPen(style::FrameLine, style::FrameLineWidth));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(border, style::FrameCornerRadius, style::FrameCornerRadius);
    painter->restore();

    painter->setPen(style::FrameCaption);
    DrawFittedText(*painter, QRectF(kCaptionLeft, 0, captionRoom, captionHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, caption());
}

LabelItem::LabelItem(const ControlDesign& design, QGraphicsItem* parent)
    : ControlItem(design, parent) {
    if (design.Kind == ControlKind::Clickable) {
        setAcceptedMouseButtons(Qt::LeftButton);
        setCursor(QCursor(Qt::PointingHandCursor));
    }
}

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF box = rect();
    const int leftFlags = Qt::AlignLeft | Qt::AlignVCenter;
    switch (design().Kind) {
        case ControlKind::Caption:
            painter->setFont(style::TableFont(160));
            painter->setPen(style::CaptionText);
            DrawFittedText(*painter, box, leftFlags, caption());
            break;
        case ControlKind::Name:
            painter->setFont(style::TableFont(170, true));
            painter->setPen(style::NameText);
            DrawFittedText(*painter, box, leftFlags, caption());
            break;
        case ControlKind::Value:
            painter->setFont(style::TableFont(170, true));
            painter->setPen(style::ValueText);
            DrawFittedText(*painter, box, leftFlags, caption());
            break;
        case ControlKind::Info:
            if (caption().isEmpty()) break;
            // A shade under the commentary keeps it readable over the felt.
            painter->setPen(Qt::NoPen);
            painter->setBrush(style::FrameFill);
            painter->drawRoundedRect(box, box.height() / 2, box.height() / 2);
            painter->setFont(style::TableFont(200, true));
            painter->setPen(style::InfoText);
            DrawFittedText(*painter, box.adjusted(box.height() / 2, 0, -box.height() / 2, 0),
                           leftFlags, caption());
            break;
        case ControlKind::Note:
            painter->setFont(NoteFont(caption(), box.size()));
            painter->setPen(style::CaptionText);
            painter->drawText(box, kNoteFlags, caption());
            break;
        case ControlKind::Clickable: {
            const qreal half = style::FrameLineWidth / 2.0;
            painter->setPen(QPen(style::FrameLine, style::FrameLineWidth));
            painter->setBrush(style::KnockFill);
            painter->drawRoundedRect(box.adjusted(half, half, -half, -half), 60, 60);
            painter->setFont(style::TableFont(190, true));
            painter->setPen(style::KnockText);
            DrawFittedText(*painter, box.adjusted(60, 0, -60, 0), Qt::AlignCenter, caption());
            break;
        }
        case ControlKind::Frame:
        case ControlKind::Panel:
        case ControlKind::Button:
            break;
    }
}

void LabelItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
}

void LabelItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    if (event->button() == Qt::LeftButton && Under(*this, *event) && onClick) onClick();
}

ButtonItem::ButtonItem(const ControlDesign& design, QGraphicsItem* parent)
    : ControlItem(design, parent) {
    setAcceptedMouseButtons(Qt::LeftButton);
}

QChar ButtonItem::accessLetter() const {
    const QChar letter = AccessLetterOf(caption());
    return letter.isNull() ? AccessLetterOf(ToQString(design().Caption)) : letter;
}

void ButtonItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF box = rect();
    const qreal bevel = style::BevelWidth;
    painter->setPen(Qt::NoPen);
    painter->fillRect(box, style::ButtonDarkShadow);

    // Light from the top left; pressed in, the light and the shadow change sides.
    const QColor topLeft = down_ ? style::ButtonShadow : style::ButtonLight;
    const QColor bottomRight = down_ ? style::ButtonLight : style::ButtonShadow;
    const QRectF inner = box.adjusted(0, 0, -bevel, -bevel);
    painter->fillRect(inner, topLeft);
    const QRectF face = inner.adjusted(bevel, bevel, 0, 0);
    painter->fillRect(face, bottomRight);
    const QRectF flat = face.adjusted(0, 0, -bevel, -bevel);
    painter->fillRect(flat, down_ ? style::ButtonFacePressed : style::ButtonFace);

    const qreal shift = down_ ? bevel : 0;
    painter->setFont(style::TableFont(160));
    painter->setPen(style::ButtonText);
    DrawFittedText(*painter, flat.adjusted(40 + shift, shift, -40 + shift, shift),
                   Qt::AlignCenter | Qt::TextShowMnemonic, caption());
    if (accessFocus_) {
        painter->setPen(QPen(style::ButtonText, style::FocusLineWidth, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(flat.adjusted(bevel, bevel, -bevel, -bevel));
    }
}

void ButtonItem::setAccessFocus(bool focus) {
    if (focus == accessFocus_) return;
    accessFocus_ = focus;
    update();
}

QVariant ButtonItem::itemChange(GraphicsItemChange change, const QVariant& value) {
    // Also when the frame it stands in is hidden.
    if (change == ItemVisibleHasChanged && !value.toBool()) setAccessFocus(false);
    return ControlItem::itemChange(change, value);
}

void ButtonItem::setDown(bool down) {
    if (down == down_) return;
    down_ = down;
    update();
}

void ButtonItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    event->accept();
    setDown(true);
}

void ButtonItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    setDown(Under(*this, *event));
}

void ButtonItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    const bool clicked = down_ && Under(*this, *event);
    setDown(false);
    if (clicked && onClick) onClick();
}

ControlItem* MakeControlItem(const ControlDesign& design, QGraphicsItem* parent) {
    switch (design.Kind) {
        case ControlKind::Frame:
        case ControlKind::Panel:
            return new FrameItem(design, parent);
        case ControlKind::Button:
            return new ButtonItem(design, parent);
        default:
            return new LabelItem(design, parent);
    }
}

}  // namespace corvane
