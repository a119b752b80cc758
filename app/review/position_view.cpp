#include "position_view.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "card_art.h"
#include "card_table.h"
#include "review_texts.h"
#include "table_style.h"

namespace corvane {

namespace {

using expert::Mask;

// The marks keep a contrast of 3 : 1 against the felt, and their labels' dark text 9 : 1 on them.
const QColor ChosenColour{0xff, 0x9e, 0x3d};
const QColor BestColour{0x7c, 0xc8, 0xf2};
const QColor LabelText{0x10, 0x10, 0x10};
enum Mark { CaptionMark = 0, ChosenMark = 1, BestMark = 2 };

// Lengths in card heights, the gaps along a row in card widths.
constexpr qreal Margin = 0.08;
constexpr qreal CaptionLine = 0.26;
constexpr qreal RowGap = 0.12;
constexpr qreal LabelLine = 0.2;
constexpr qreal FontSize = 0.13;
constexpr qreal FrameWidth = 0.035;
constexpr qreal GroupGap = 0.3;
constexpr qreal CardStep = 1.12;     // room for the frames between cards
constexpr qreal TightestStep = 0.5;  // a crowded row overlaps its cards, at most by half
// Two rows of cards under their captions; a line each for the chosen and the best labels, and
// the declarations in words.
constexpr qreal ContentHeight = 2 * Margin + 2 * CaptionLine + 2 + RowGap + 3 * LabelLine;
constexpr qreal CardRatio = qreal(CardArt::CardWidth) / CardArt::CardHeight;

struct Group {
    QString Caption;
    std::vector<PositionView::Placed> Cards;
};

// The cards of a mask in the order of the card numbers, which is the table's by-suit order.
std::vector<PositionView::Placed> Cards(Mask cards, Mask chosen = 0, Mask best = 0) {
    std::vector<PositionView::Placed> out;
    for (; cards; cards &= cards - 1) {
        const int card = expert::FirstCard(cards);
        out.push_back(
            {card, {}, (chosen & expert::Bit(card)) != 0, (best & expert::Bit(card)) != 0});
    }
    return out;
}

int CardsIn(const std::vector<Group>& row) {
    int cards = 0;
    for (const Group& g : row) cards += static_cast<int>(g.Cards.size());
    return cards;
}

// How far apart the cards of a row stand, in card widths: as far as the width allows.
qreal Step(const std::vector<Group>& row, qreal cardWidth, qreal room) {
    const int cards = CardsIn(row), groups = static_cast<int>(row.size());
    if (cards == groups) return CardStep;
    const qreal step = (room / cardWidth - groups - GroupGap * (groups - 1)) / (cards - groups);
    return std::clamp(step, TightestStep, CardStep);
}

// The width of a row at its tightest, in card widths.
qreal NarrowestRow(const std::vector<Group>& row) {
    const int cards = CardsIn(row), groups = static_cast<int>(row.size());
    return groups + (cards - groups) * TightestStep + GroupGap * (groups - 1);
}

Mask CardBit(int card) {
    return card != 0 ? expert::Bit(card) : 0;
}

}  // namespace

PositionView::PositionView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ReviewTableView"));
    setAccessibleName(QStringLiteral("The table at this decision"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PositionView::showDecision(const review::ReviewedDecision& d) {
    decision_ = d;
    pictures_.clear();  // the deck or its colours may have changed since
    setAccessibleDescription(PositionWords(d));
    layOut();
    update();
}

void PositionView::clear() {
    decision_.reset();
    setAccessibleDescription({});
    layOut();
    update();
}

QSize PositionView::sizeHint() const {
    const int line = fontMetrics().height();
    return {line * 28, line * 16};
}

QSize PositionView::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {line * 14, line * 8};
}

void PositionView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void PositionView::layOut() {
    placed_.clear();
    texts_.clear();
    if (!decision_) return;
    const review::ReviewedDecision& d = *decision_;
    const expert::HandState& s = d.Point.View.State;
    const bool declaration = d.Point.Declaration;
    // The evaluator names the first of two like copies as the best; when the person played the
    // other, that one is the best card on the table.
    const bool twin = !declaration && (d.Chosen.Card - 1) / 2 == (d.Best.Card - 1) / 2;
    const int bestCard = twin ? d.Chosen.Card : d.Best.Card;
    const Mask chosen = declaration ? d.Chosen.Meld.Cards : CardBit(d.Chosen.Card);
    const Mask best = declaration ? d.Best.Meld.Cards : CardBit(bestCard);

    // The view holds more of Tarvish's cards than lie face up (in Round 2 all of them); only
    // those declared are drawn.
    std::vector<Group> rows[2];
    const Mask tarvishDeclared = s.Held[PlayerTarvish] & s.OnTable;
    if (tarvishDeclared != 0)
        rows[0].push_back({QStringLiteral("Tarvish's declared cards"), Cards(tarvishDeclared)});
    if (s.Led != 0) rows[0].push_back({QStringLiteral("Tarvish led"), Cards(expert::Bit(s.Led))});
    rows[0].push_back(
        {QStringLiteral("Trumps"),
         {{s.UpCard != 0 ? int(s.UpCard) : SuitSymbolImage(s.Trump), {}, false, false}}});
    const Mask held = s.Held[PlayerPerson];
    if ((held & ~s.OnTable) != 0)
        rows[1].push_back({QStringLiteral("Your cards"), Cards(held & ~s.OnTable, chosen, best)});
    if ((held & s.OnTable) != 0)
        rows[1].push_back(
            {QStringLiteral("Your declared cards"), Cards(held & s.OnTable, chosen, best)});

    // The card height that lets both rows fit in the height and, at their tightest, the width.
    qreal fit = height() / ContentHeight;
    for (const std::vector<Group>& row : rows)
        fit = std::min(fit, width() / (NarrowestRow(row) * CardRatio + 2 * Margin));
    const int cardHeight = std::max(1, static_cast<int>(fit));
    cardSize_ = QSize(std::max(1, qRound(cardHeight * CardRatio)), cardHeight);
    const QSize card = cardSize_;
    const int margin = qRound(Margin * cardHeight);
    const int caption = qRound(CaptionLine * cardHeight);
    const int label = qRound(LabelLine * cardHeight);
    fontPixels_ = std::max(1, qRound(FontSize * cardHeight));
    QFont font = this->font();
    font.setPixelSize(fontPixels_);
    const QFontMetrics metrics(font);
    const int room = width() - 2 * margin;
    int top = (this->height() - qRound(ContentHeight * cardHeight)) / 2 + margin;

    for (int r = 0; r < 2; ++r) {
        const int step = qRound(Step(rows[r], card.width(), room) * card.width());
        int left = margin;
        std::vector<QRect> chosenRuns, bestRuns;
        for (const Group& g : rows[r]) {
            const int n = static_cast<int>(g.Cards.size());
            const int groupWidth = card.width() + (n - 1) * step;
            const int gap = qRound(GroupGap * card.width());
            texts_.push_back({metrics.elidedText(g.Caption, Qt::ElideRight, groupWidth + gap),
                              QRect(left, top, groupWidth + gap, caption), CaptionMark});
            // Cards side by side under one mark share one label.
            bool lastChosen = false, lastBest = false;
            for (int i = 0; i < n; ++i) {
                Placed p = g.Cards[i];
                p.Rect = QRect(QPoint(left + i * step, top + caption), card);
                const int shown = i + 1 < n ? std::min(step, card.width()) : card.width();
                const QRect strip(p.Rect.left(), p.Rect.bottom() + 1, shown, label);
                if (p.Chosen && lastChosen)
                    chosenRuns.back() |= strip;
                else if (p.Chosen)
                    chosenRuns.push_back(strip);
                if (p.Best && lastBest)
                    bestRuns.back() |= strip;
                else if (p.Best)
                    bestRuns.push_back(strip);
                lastChosen = p.Chosen;
                lastBest = p.Best;
                placed_.push_back(p);
            }
            left += groupWidth + gap;
        }
        // A label is at least as wide as its word; a best label that would touch a chosen one
        // goes on the line below it.
        const auto widen = [&](std::vector<QRect>& runs, const QString& words) {
            for (QRect& run : runs)
                run.setWidth(std::max(run.width(), metrics.horizontalAdvance(words) + fontPixels_));
        };
        widen(chosenRuns, QStringLiteral("chosen"));
        widen(bestRuns, QStringLiteral("best"));
        for (const QRect& run : chosenRuns)
            texts_.push_back({QStringLiteral("chosen"), run, ChosenMark});
        for (const QRect& run : bestRuns) {
            const bool below = std::any_of(chosenRuns.begin(), chosenRuns.end(),
                                           [&](const QRect& c) { return c.intersects(run); });
            texts_.push_back(
                {QStringLiteral("best"), run.translated(0, below ? label : 0), BestMark});
        }
        top += caption + card.height() + qRound(RowGap * card.height());
    }

    if (declaration) {
        // A declaration may lay out no card at all; its name says what was chosen.
        top += 2 * label - qRound(RowGap * card.height());
        int left = margin;
        for (const auto& [option, mark] : {std::pair{&d.Chosen, ChosenMark}, {&d.Best, BestMark}}) {
            const QString words =
                (mark == ChosenMark ? QStringLiteral("chosen: ") : QStringLiteral("best: ")) +
                MeldWords(option->Meld.Kind, option->Meld.Suit);
            const int wide = metrics.horizontalAdvance(words) + fontPixels_;
            texts_.push_back({words, QRect(left, top, wide, label), mark});
            left += wide + fontPixels_;
        }
    }
}

const QPixmap& PositionView::picture(int image) {
    if (cardSize_ != pictureSize_ || devicePixelRatioF() != pictureRatio_) {
        pictures_.clear();
        pictureSize_ = cardSize_;
        pictureRatio_ = devicePixelRatioF();
    }
    auto found = pictures_.find(image);
    if (found == pictures_.end())
        found = pictures_.insert(image, CardArt::pixmap(image, cardSize_, pictureRatio_));
    return *found;
}

void PositionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), style::Felt);
    painter.setRenderHint(QPainter::Antialiasing);
    // Each card's frames go under the cards that overlap it, so that a crowded row keeps its
    // order and the frames show the part of the card in sight.
    const qreal frame = std::max<qreal>(2, FrameWidth * cardSize_.height());
    for (const Placed& p : placed_) {
        if (p.Picture <= CardCount) {
            painter.drawPixmap(p.Rect.topLeft(), picture(p.Picture));
        } else {
            // The trump suit's symbol, on a card face so that the black suits show on the felt.
            const qreal corner = p.Rect.width() * 0.08;
            painter.setPen(Qt::NoPen);
            painter.setBrush(CardArt::faceColour());
            painter.drawRoundedRect(p.Rect, corner, corner);
            const int inset = p.Rect.width() / 6;
            CardArt::paint(painter, p.Rect.adjusted(inset, inset, -inset, -inset), p.Picture);
        }
        const QRectF card = QRectF(p.Rect).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setBrush(Qt::NoBrush);
        for (const auto& [marked, colour, out] :
             {std::tuple{p.Chosen, ChosenColour, p.Best ? 2.2 : 0.6}, {p.Best, BestColour, 0.6}}) {
            if (!marked) continue;
            const QRectF ring = card.adjusted(-out * frame, -out * frame, out * frame, out * frame);
            painter.setPen(QPen(style::FocusMarkEdge, frame + 2));
            painter.drawRoundedRect(ring, frame * 2, frame * 2);
            painter.setPen(QPen(colour, frame));
            painter.drawRoundedRect(ring, frame * 2, frame * 2);
        }
    }
    QFont font = this->font();
    font.setPixelSize(fontPixels_);
    painter.setFont(font);
    for (const Text& t : texts_) {
        if (t.Mark == CaptionMark) {
            painter.setPen(style::CaptionText);
            painter.drawText(t.Rect, Qt::AlignLeft | Qt::AlignVCenter, t.Words);
            continue;
        }
        const QRect tag = t.Rect.adjusted(0, 1, 0, -1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(t.Mark == ChosenMark ? ChosenColour : BestColour);
        painter.drawRoundedRect(tag, tag.height() / 4.0, tag.height() / 4.0);
        painter.setPen(LabelText);
        painter.drawText(tag, Qt::AlignCenter, t.Words);
    }
}

}  // namespace corvane
