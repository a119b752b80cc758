#pragma once

#include <QGraphicsView>

namespace corvane {

class TableScene;

// Shows the whole table scaled to the window, keeping its proportions: a card, a label and its
// text grow and shrink together. What the window has to spare around the table is a darker
// border.
class TableView : public QGraphicsView {
    Q_OBJECT

public:
    explicit TableView(TableScene* scene, QWidget* parent = nullptr);

    // The table at its design size.
    QSize sizeHint() const override;
    // Pixels per twip at the current size.
    qreal scale() const;

protected:
    // A key the table acts on (a shown button's access letter, a card key) goes to the table
    // before the window's shortcuts and the menu bar's letters.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    void fitTable();

    TableScene* table_;
};

}  // namespace corvane
