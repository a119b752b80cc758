#include "svg_deck.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

#include "card_table.h"

namespace corvane {

namespace {

constexpr int FirstImage = 1;
constexpr int LastImage = 69;

QString SuitWord(int suit) {
    switch (suit) {
        case Diamonds:
            return QStringLiteral("diamond");
        case Clubs:
            return QStringLiteral("club");
        case Hearts:
            return QStringLiteral("heart");
        default:
            return QStringLiteral("spade");
    }
}

QString RankWord(int value) {
    switch (value) {
        case Jack:
            return QStringLiteral("jack");
        case Queen:
            return QStringLiteral("queen");
        case King:
            return QStringLiteral("king");
        default:
            return QString::number(value);  // the Ace is "1"
    }
}

// `natural` scaled to fit `room` and centred in it.
QRectF FitCentred(QSizeF natural, const QRectF& room) {
    QRectF fitted(QPointF(0, 0), natural.scaled(room.size(), Qt::KeepAspectRatio));
    fitted.moveCenter(room.center());
    return fitted;
}

}  // namespace

SvgDeck::SvgDeck(const QString& svgFile) : renderer_(std::make_unique<QSvgRenderer>(svgFile)) {
    // Parsed on one thread and drawn from others: the renderer belongs to none, so that no
    // thread's events reach it.
    renderer_->moveToThread(nullptr);
    loaded_ = renderer_->isValid();
    for (int image = FirstImage; image <= LastImage && loaded_; ++image) {
        present_[static_cast<std::size_t>(image)] = renderer_->elementExists(ElementId(image));
    }
}

SvgDeck::~SvgDeck() = default;

QString SvgDeck::ElementId(int image) {
    if (image == ImageBack) return QStringLiteral("back");
    if (image >= SuitSymbolImage(Diamonds))
        return SuitWord(image - SuitSymbolImage(Diamonds) + Diamonds);
    const int suit = SuitOrder[static_cast<std::size_t>((image - 1) / 16)];
    const int value = RankOrder[static_cast<std::size_t>((image - 1) % 16 / 2)];
    return RankWord(value) + '_' + SuitWord(suit);
}

bool SvgDeck::has(int image) const {
    return image >= FirstImage && image <= LastImage && present_[static_cast<std::size_t>(image)];
}

QStringList SvgDeck::missingElements() const {
    QStringList missing;
    for (int image = FirstImage; image <= LastImage; ++image) {
        const QString id = ElementId(image);
        if (!has(image) && !missing.contains(id)) missing.append(id);
    }
    return missing;
}

QImage SvgDeck::render(int image, QSize pixels) const {
    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    if (!has(image) || pixels.isEmpty()) return result;

    const std::lock_guard<std::mutex> lock(rendering_);
    const QString id = ElementId(image);
    // The element's bounds are in its own coordinates; its parents' transform places it on the
    // page, and only there does it have the shape and proportion the artist drew.
    const QRectF local = renderer_->boundsOnElement(id);
    const QTransform parents = renderer_->transformForElement(id);
    const QRectF page = parents.mapRect(local);
    if (page.isEmpty()) return result;
    QRectF room(QPointF(0, 0), QSizeF(pixels));
    if (image >= SuitSymbolImage(Diamonds)) {
        const qreal side = std::min(room.width(), room.height()) * 0.92;
        room = FitCentred(QSizeF(side, side), room);
    }
    const QRectF target = FitCentred(page.size(), room);

    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QTransform pageToTarget =
        QTransform::fromTranslate(-page.left(), -page.top()) *
        QTransform::fromScale(target.width() / page.width(), target.height() / page.height()) *
        QTransform::fromTranslate(target.left(), target.top());
    painter.setWorldTransform(parents * pageToTarget);
    renderer_->render(&painter, id, local);
    return result;
}

}  // namespace corvane
