#include "deck_art.h"

#include <QPaintDevice>
#include <QPainter>
#include <QThreadPool>
#include <QTimer>
#include <QtDebug>

#include <algorithm>

#include "svg_deck.h"

namespace corvane {

namespace {

// A picture can show at a few sizes at once (the table, the help pages, the dialogs).
constexpr qsizetype SizesKept = 3;

quint64 PendingKey(int image, QSize pixels) {
    return (quint64(image) << 40) | (quint64(pixels.width()) << 20) | quint64(pixels.height());
}

}  // namespace

DeckArt& DeckArt::instance() {
    static auto* art = new DeckArt;
    return *art;
}

void DeckArt::select(const std::optional<DeckIndex>& deck) {
    ++generation_;
    pictures_.clear();
    pending_.clear();
    deck_.reset();
    loading_ = {};
    selected_ = deck ? deck->id : QString();
    if (deck) {
        const DeckIndex chosen = *deck;
        loading_ = std::async(std::launch::async, [chosen]() -> std::shared_ptr<const SvgDeck> {
                       auto parsed = std::make_shared<const SvgDeck>(chosen.svgFile);
                       if (!parsed->loaded()) {
                           qWarning().noquote() << "Card deck" << chosen.name
                                                << "cannot be drawn: its SVG does not parse";
                       } else if (const QStringList missing = parsed->missingElements();
                                  !missing.isEmpty()) {
                           qWarning().noquote() << "Card deck" << chosen.name
                                                << "lacks the pictures, drawn as the game's own:"
                                                << missing.join(QStringLiteral(", "));
                       }
                       return parsed;
                   }).share();
    }
    emit picturesChanged();
}

const SvgDeck* DeckArt::deck() {
    if (!deck_ && loading_.valid()) deck_ = loading_.get();
    return deck_.get();
}

QSize DeckArt::PixelSize(const QPainter& painter, const QRectF& rect) {
    const QRectF onDevice = painter.worldTransform().mapRect(rect);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    return QSize(std::max(1, qRound(onDevice.width() * ratio)),
                 std::max(1, qRound(onDevice.height() * ratio)));
}

bool DeckArt::paint(QPainter& painter, const QRectF& rect, int image) {
    if (selected_.isEmpty()) return false;
    const SvgDeck* svg = deck();
    if (!svg || !svg->has(image)) return false;

    const QSize pixels = PixelSize(painter, rect);
    QList<QImage>& sizes = pictures_[image];
    const auto exact = std::find_if(sizes.begin(), sizes.end(), [&](const QImage& picture) {
        return picture.size() == pixels;
    });
    if (exact != sizes.end()) {
        painter.drawImage(rect, *exact);
        return true;
    }
    if (sizes.isEmpty()) {
        // Nothing to stand in: drawn now, as when the deck has just been chosen.
        sizes.append(svg->render(image, pixels));
        painter.drawImage(rect, sizes.back());
        return true;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect, sizes.back());
    painter.restore();
    requestLater(image, pixels);
    return true;
}

void DeckArt::requestLater(int image, QSize pixels) {
    if (pending_.contains(PendingKey(image, pixels))) return;
    pending_.insert(PendingKey(image, pixels));
    const std::shared_ptr<const SvgDeck> svg = deck_;
    const int generation = generation_;
    QThreadPool::globalInstance()->start([this, svg, generation, image, pixels] {
        QImage picture = svg->render(image, pixels);
        QMetaObject::invokeMethod(
            this, [this, generation, image, picture] { store(generation, image, picture); },
            Qt::QueuedConnection);
    });
}

void DeckArt::store(int generation, int image, QImage picture) {
    if (generation != generation_) return;
    pending_.remove(PendingKey(image, picture.size()));
    QList<QImage>& sizes = pictures_[image];
    sizes.append(std::move(picture));
    while (sizes.size() > SizesKept) sizes.removeFirst();
    // Pictures of one resize arrive together: the table repaints once for them.
    if (changeSignalled_) return;
    changeSignalled_ = true;
    QTimer::singleShot(0, this, [this] {
        changeSignalled_ = false;
        emit picturesChanged();
    });
}

}  // namespace corvane
