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
    // A shown button's access letter goes to the button before the menu bar's letters.
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    void fitTable();

    TableScene* table_;
};

}  // namespace corvane
