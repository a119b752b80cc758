#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QSet>

#include <future>
#include <memory>

#include "deck_index.h"

class QPainter;

namespace corvane {

class SvgDeck;

// The deck the table's pictures come from: the game's own, or an SVG deck the person chose.
// Pictures of an SVG deck are drawn at the exact number of device pixels they cover and kept per
// size. When a size changes, the new pictures are drawn on worker threads and the old ones stand
// in, scaled, until they arrive, so a resize never waits for the SVG.
class DeckArt : public QObject {
    Q_OBJECT

public:
    static DeckArt& instance();

    // Switches to `deck`, or back to the game's own with nothing. The SVG is parsed on a worker
    // thread; the first picture wanted waits for it.
    void select(const std::optional<DeckIndex>& deck);
    // The id of the chosen deck, empty for the game's own.
    QString selectedId() const { return selected_; }
    // Whether the table's faces come from a deck the game cannot recolour.
    bool fixedColours() const { return !selected_.isEmpty(); }

    // How many pictures are being drawn on worker threads.
    qsizetype picturesUnderWay() const { return pending_.size(); }

    // Paints picture `image` from the chosen deck into `rect`; false, painting nothing, when the
    // game's own picture is to be painted instead (its own deck, or an element the deck lacks).
    bool paint(QPainter& painter, const QRectF& rect, int image);

    // How many device pixels `rect` covers on the painter's device.
    static QSize PixelSize(const QPainter& painter, const QRectF& rect);

signals:
    // Pictures arrived at a new size, or the deck changed: everything showing cards repaints.
    void picturesChanged();

private:
    DeckArt() = default;
    const SvgDeck* deck();
    void requestLater(int image, QSize pixels);
    void store(int generation, int image, QImage picture);

    QString selected_;
    std::shared_future<std::shared_ptr<const SvgDeck>> loading_;
    std::shared_ptr<const SvgDeck> deck_;
    int generation_ = 0;
    // Per picture, the sizes drawn so far, the latest last.
    QHash<int, QList<QImage>> pictures_;
    // Picture and size of the drawings under way, as PendingKey makes them.
    QSet<quint64> pending_;
    bool changeSignalled_ = false;
};

}  // namespace corvane
