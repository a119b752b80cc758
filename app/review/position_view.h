#pragma once

#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <optional>
#include <vector>

#include "review/rating.h"

namespace corvane {

// The table as the person saw it at a reviewed decision: Tarvish's declared cards, the card it
// led and the trumps above; the person's hand and declared cards below, the chosen and the best
// card (or the cards of the chosen and the best declaration) framed and labelled. Only what the
// person could see is drawn. Everything is sized from the widget, so it grows with the window.
class PositionView : public QWidget {
    Q_OBJECT

public:
    // A picture laid out: a card 1..64, or the trump suit's symbol when no up card lies.
    struct Placed {
        int Picture = 0;
        QRect Rect;
        bool Chosen = false;
        bool Best = false;
    };

    explicit PositionView(QWidget* parent = nullptr);

    void showDecision(const review::ReviewedDecision& d);
    void clear();
    const std::vector<Placed>& placed() const { return placed_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Text {
        QString Words;
        QRect Rect;
        int Mark = 0;  // 0 a caption, else the colour of a chosen or best label
    };
    void layOut();
    const QPixmap& picture(int image);

    std::optional<review::ReviewedDecision> decision_;
    std::vector<Placed> placed_;
    std::vector<Text> texts_;
    QSize cardSize_;
    int fontPixels_ = 0;
    QHash<int, QPixmap> pictures_;  // at the size and pixel ratio of pictureSize_, pictureRatio_
    QSize pictureSize_;
    qreal pictureRatio_ = 0;
};

}  // namespace corvane
