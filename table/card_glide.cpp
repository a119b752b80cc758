#include "card_glide.h"

#include <QEasingCurve>
#include <QGraphicsItem>
#include <QWidget>

#include <algorithm>
#include <utility>

#include "glide_timing.h"

namespace corvane {

CardGlide::CardGlide(const QWidget* window, QObject* parent) : QObject(parent), window_(window) {
    frames_.setInterval(GlideFrameMs);
    connect(&frames_, &QTimer::timeout, this, &CardGlide::showFrame);
}

void CardGlide::move(QGraphicsItem* card, QPointF place) {
    // A card caught in a glide travels on from where it is seen now.
    std::erase_if(gliding_, [card](const Travel& t) { return t.card == card; });
    if (gliding_.empty()) frames_.stop();

    const auto moved = std::find_if(unshown_.begin(), unshown_.end(),
                                    [card](const Travel& t) { return t.card == card; });
    if (moved != unshown_.end()) {
        moved->to = place;
    } else {
        // A hidden card was seen nowhere: it simply appears at its place.
        unshown_.push_back({card, card->isVisible() ? card->pos() : place, place});
    }
    card->setPos(place);

    if (!forgetPosted_) {
        forgetPosted_ = true;
        QMetaObject::invokeMethod(this, &CardGlide::forgetShownMoves, Qt::QueuedConnection);
    }
}

void CardGlide::start(int ms) {
    finish();
    const std::vector<Travel> moves = std::exchange(unshown_, {});
    if (ms < ShortestGlideMs || !canShow()) return;
    for (const Travel& t : moves) {
        if (t.from != t.to && t.card->isVisible()) gliding_.push_back(t);
    }
    if (gliding_.empty()) return;
    for (const Travel& t : gliding_) t.card->setPos(t.from);
    length_ = ms;
    elapsed_.start();
    frames_.start();
}

void CardGlide::finish() {
    frames_.stop();
    for (const Travel& t : std::exchange(gliding_, {})) t.card->setPos(t.to);
}

void CardGlide::discard() {
    finish();
    unshown_.clear();
}

void CardGlide::showFrame() {
    const double progress = double(elapsed_.elapsed()) / length_;
    if (progress >= 1 || !canShow()) {
        finish();
        return;
    }
    const qreal eased = QEasingCurve(GlideEasing).valueForProgress(progress);
    for (const Travel& t : gliding_) t.card->setPos(t.from + (t.to - t.from) * eased);
}

bool CardGlide::canShow() const {
    return window_->isVisible() && !window_->isMinimized();
}

void CardGlide::forgetShownMoves() {
    forgetPosted_ = false;
    unshown_.clear();
}

}  // namespace corvane
