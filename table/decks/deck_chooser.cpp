#include "deck_chooser.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "card_art.h"
#include "card_table.h"
#include "svg_deck.h"

namespace corvane {

namespace {

const QSize kPreviewSize(150, 100);
// The cards a preview fans out when a deck ships no picture of itself: the King of Hearts, the
// Ace of Spades and the back.
constexpr int kPreviewCards[] = {43, 63, ImageBack};

// Three cards side by side, each as `draw` paints it into its rectangle.
template <typename Draw>
QPixmap Fan(qreal ratio, Draw draw) {
    QPixmap fan(kPreviewSize * ratio);
    fan.setDevicePixelRatio(ratio);
    fan.fill(Qt::transparent);
    QPainter painter(&fan);
    const qreal height = kPreviewSize.height() - 8.0;
    const qreal width = height * CardArt::CardWidth / CardArt::CardHeight;
    const qreal step = (kPreviewSize.width() - width) / 2;
    for (int card = 0; card < 3; ++card) {
        draw(painter, QRectF(step * card, 4.0, width, height), kPreviewCards[card]);
    }
    return fan;
}

QPixmap Preview(const std::optional<DeckIndex>& deck, qreal ratio) {
    if (!deck) {
        return Fan(ratio, [](QPainter& painter, const QRectF& rect, int image) {
            CardArt::paint(painter, rect, image);
        });
    }
    QPixmap shipped(deck->previewFile);
    // Shipped previews are small: shown as they are, made smaller only when they would not fit.
    if (!shipped.isNull()) {
        if (shipped.width() <= kPreviewSize.width() && shipped.height() <= kPreviewSize.height()) {
            return shipped;
        }
        return shipped.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    const SvgDeck svg(deck->svgFile);
    return Fan(ratio, [&svg, ratio](QPainter& painter, const QRectF& rect, int image) {
        if (!svg.has(image)) return CardArt::paint(painter, rect, image);
        painter.drawImage(rect, svg.render(image, (rect.size() * ratio).toSize()));
    });
}

}  // namespace

DeckChooser::DeckChooser(const QList<DeckIndex>& decks, const QString& currentId, QWidget* parent)
    : QDialog(parent), decks_(decks), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Card Deck"));
    list_->setObjectName(QStringLiteral("DeckList"));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(kPreviewSize);
    list_->setGridSize(kPreviewSize + QSize(24, 40));
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setWordWrap(true);
    list_->setMinimumSize(4 * list_->gridSize().width() + 40, 2 * list_->gridSize().height() + 20);

    const qreal ratio = devicePixelRatioF();
    auto* own =
        new QListWidgetItem(QIcon(Preview(std::nullopt, ratio)), QStringLiteral("Corvane"), list_);
    own->setToolTip(QStringLiteral("The game's own cards"));
    list_->setCurrentItem(own);
    for (const DeckIndex& deck : decks_) {
        auto* item = new QListWidgetItem(QIcon(Preview(deck, ratio)), deck.name, list_);
        if (deck.id == currentId) list_->setCurrentItem(item);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

std::optional<DeckIndex> DeckChooser::chosen() const {
    const int row = list_->currentRow();
    if (row <= 0 || row > decks_.size()) return std::nullopt;
    return decks_[row - 1];
}

}  // namespace corvane
