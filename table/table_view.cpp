#include "table_view.h"

#include <QRadialGradient>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

#include "table_geometry.h"
#include "table_scene.h"
#include "table_style.h"
#include "twips.h"

namespace corvane {

TableView::TableView(TableScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent), table_(scene) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    setSceneRect(0, 0, TableWidth, TableHeight);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    setBackgroundBrush(style::Letterbox);
    setCacheMode(QGraphicsView::CacheBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 244);
    fitTable();
}

QSize TableView::sizeHint() const {
    return {static_cast<int>(std::lround(TableWidth / TwipsPerPixel)),
            static_cast<int>(std::lround(TableHeight / TwipsPerPixel))};
}

qreal TableView::scale() const {
    return transform().m11();
}

bool TableView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        table_->takesKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QGraphicsView::event(event);
}

void TableView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    fitTable();
}

void TableView::fitTable() {
    const QSize room = viewport()->size();
    const qreal scale =
        std::min(room.width() / qreal(TableWidth), room.height() / qreal(TableHeight));
    if (scale <= 0) return;
    setTransform(QTransform::fromScale(scale, scale));
    centerOn(TableWidth / 2.0, TableHeight / 2.0);
}

void TableView::drawBackground(QPainter* painter, const QRectF& rect) {
    painter->fillRect(rect, style::Letterbox);
    const QRectF table = sceneRect();
    QRadialGradient felt(table.center(), table.width() * 0.65);
    felt.setColorAt(0, style::FeltLight);
    felt.setColorAt(1, style::Felt);
    painter->fillRect(table.intersected(rect), felt);
}

}  // namespace corvane
