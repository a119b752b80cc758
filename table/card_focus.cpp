#include "card_focus.h"

#include <QGraphicsItem>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <tuple>

#include "card_item.h"
#include "card_table.h"
#include "table_geometry.h"
#include "table_scene.h"
#include "table_style.h"

namespace corvane {

namespace {

// A ring round the card, drawn over its neighbours so that the whole card shows as chosen even
// where the next card of the row covers it. Clicks go through it to the cards.
class FocusMark : public QGraphicsItem {
public:
    FocusMark() {
        setAcceptedMouseButtons(Qt::NoButton);
        setVisible(false);
    }

    QRectF boundingRect() const override {
        const qreal out = style::FocusMarkWidth;
        return QRectF(0, 0, CardWidth, CardHeight).adjusted(-out, -out, out, out);
    }
    QPainterPath shape() const override { return {}; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        const qreal half = style::FocusMarkWidth / 2.0;
        const QRectF ring = QRectF(0, 0, CardWidth, CardHeight).adjusted(-half, -half, half, half);
        painter->setBrush(Qt::NoBrush);
        // A dark edge on both sides keeps the ring clear on the felt and on a white card alike.
        painter->setPen(QPen(style::FocusMarkEdge, style::FocusMarkWidth));
        painter->drawRoundedRect(ring, style::FocusMarkRadius, style::FocusMarkRadius);
        painter->setPen(QPen(style::FocusMarkLine, style::FocusMarkWidth / 2.0));
        painter->drawRoundedRect(ring, style::FocusMarkRadius, style::FocusMarkRadius);
    }
};

// The person's hand row lies along the bottom of the table, below everything else of theirs.
bool InHandRow(const CardItem& card) {
    return card.pos().y() >= PlayerDealRowOrigin.Top;
}

}  // namespace

CardFocus::CardFocus(TableScene* scene) : QObject(scene), scene_(scene), mark_(new FocusMark) {
    scene_->addItem(mark_);
}

void CardFocus::setSource(Source source) {
    source_ = std::move(source);
    refresh();
}

int CardFocus::card() const {
    return mark_->isVisible() ? focused_ : 0;
}

const QGraphicsItem* CardFocus::mark() const {
    return mark_;
}

void CardFocus::step(int direction) {
    refresh();
    if (!mark_->isVisible()) return;
    const auto n = static_cast<std::ptrdiff_t>(order_.size());
    const auto at = std::find(order_.begin(), order_.end(), focused_) - order_.begin();
    markCard(order_[static_cast<std::size_t>(((at + direction) % n + n) % n)]);
    tellMarked();
}

void CardFocus::choose(int card) {
    refresh();
    if (mark_->isVisible() && std::find(order_.begin(), order_.end(), card) != order_.end()) {
        markCard(card);
    }
}

void CardFocus::refresh() {
    const PersonsCards now = source_ ? source_() : PersonsCards{};
    const std::vector<int> order = inOrder(now.Held);
    const auto held = [&order](int card) {
        return std::find(order.begin(), order.end(), card) != order.end();
    };
    if (!held(focused_)) {
        // The card that came after it, or else the one before it; none in a new hand.
        const auto was = std::find(order_.begin(), order_.end(), focused_);
        int next = 0;
        if (was != order_.end()) {
            const auto after = std::find_if(was, order_.end(), held);
            const auto before = std::find_if(std::make_reverse_iterator(was), order_.rend(), held);
            next = after != order_.end() ? *after : before != order_.rend() ? *before : 0;
        }
        focused_ = next;
    }
    order_ = order;
    const bool shown = now.MayPlay && !order_.empty();
    if (shown && focused_ == 0) focused_ = order_.front();
    if (focused_ != 0) markCard(focused_);
    mark_->setVisible(shown);
    tellMarked();
}

void CardFocus::tellMarked() {
    if (card() == told_) return;
    told_ = card();
    emit marked(told_);
}

void CardFocus::follow(const CardItem* card) {
    if (card->index() == focused_) mark_->setPos(card->pos());
}

void CardFocus::keepAbove(qreal z) {
    mark_->setZValue(z + 0.5);
}

std::vector<int> CardFocus::inOrder(std::vector<int> cards) const {
    std::erase_if(cards, [this](int card) {
        return card < 1 || card > CardCount || !scene_->card(card)->isVisible();
    });
    const auto place = [this](int card) {
        const CardItem& item = *scene_->card(card);
        return std::tuple(!InHandRow(item), item.pos().x(), item.pos().y(), card);
    };
    std::sort(cards.begin(), cards.end(), [&place](int a, int b) { return place(a) < place(b); });
    return cards;
}

void CardFocus::markCard(int card) {
    focused_ = card;
    mark_->setPos(scene_->card(card)->pos());
}

}  // namespace corvane
