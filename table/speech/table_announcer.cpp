#include "table_announcer.h"

#include "card_item.h"
#include "control_items.h"
#include "qt_text.h"
#include "speaker.h"
#include "status_panels.h"
#include "table_geometry.h"
#include "table_scene.h"
#include "table_words.h"
#include "window_table.h"

namespace corvane {

namespace {

constexpr int kPromptPanel = 2;
constexpr int kTrumpPanel = 1;

// The first point of a card's way from the stock into the person's hand, where its face shows.
bool ReceivedAt(QPoint place) {
    return place == QPoint(StockToPlayerPath[0].Left, StockToPlayerPath[0].Top);
}

QString Sentence(QString text) {
    text = text.simplified();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('?')) &&
        !text.endsWith(QLatin1Char('!'))) {
        text += QLatin1Char('.');
    }
    return text;
}

}  // namespace

TableAnnouncer::TableAnnouncer(WindowTable* table, TableScene* scene, StatusPanels* panels,
                               Speaker* speaker)
    : QObject(table), scene_(scene), panels_(panels), speaker_(speaker) {
    connect(table, &WindowTable::captionChanged, this, &TableAnnouncer::captionChanged);
    connect(table, &WindowTable::statusPanelChanged, this, &TableAnnouncer::statusPanelChanged);
    connect(table, &WindowTable::cardMoved, this, &TableAnnouncer::cardMoved);
    connect(table, &WindowTable::messageShown, this, &TableAnnouncer::messageShown);
}

void TableAnnouncer::setOn(bool on) {
    on_ = on;
    pending_.clear();
}

void TableAnnouncer::repeatLast() {
    if (!last_.isEmpty()) say(last_);
}

void TableAnnouncer::readHand() {
    say(ReadHand(*scene_));
}

void TableAnnouncer::readTrickAndTrumps() {
    say(ReadTrickAndTrumps(*scene_, panels_->panel(kTrumpPanel)->text()));
}

void TableAnnouncer::readScores() {
    say(ReadScores(*scene_));
}

void TableAnnouncer::queue(const QString& text) {
    if (!on_ || text.trimmed().isEmpty()) return;
    if (pending_.isEmpty()) {
        QMetaObject::invokeMethod(this, &TableAnnouncer::flush, Qt::QueuedConnection);
    }
    // A text set twice within one step is said once.
    if (!pending_.contains(Sentence(text))) pending_ << Sentence(text);
}

void TableAnnouncer::flush() {
    if (pending_.isEmpty()) return;
    const QString text = pending_.join(QLatin1Char(' '));
    pending_.clear();
    say(text);
}

void TableAnnouncer::say(const QString& text) {
    if (!on_) return;
    last_ = text;
    speaker_->say(text);
}

void TableAnnouncer::captionChanged(Control control) {
    if (control == Control::LblInfo) queue(scene_->control(control)->caption());
}

void TableAnnouncer::statusPanelChanged(int panel) {
    if (panel == kPromptPanel) queue(panels_->panel(panel)->text());
}

void TableAnnouncer::cardMoved(int card, QPoint place) {
    const QString name = CardFaceName(scene_->card(card)->image());
    if (ReceivedAt(place) && !name.isEmpty()) queue(QStringLiteral("You receive ") + name);
}

void TableAnnouncer::messageShown(const MessageRequest& request) {
    QStringList buttons;
    for (const std::string* caption : {&request.Button1, &request.Button2, &request.Button3}) {
        if (!caption->empty()) buttons << ToQString(*caption).trimmed();
    }
    queue(ToQString(request.Title));
    queue(ToQString(request.Text));
    queue(QStringLiteral("Buttons: ") + buttons.join(QStringLiteral(", ")));
}

}  // namespace corvane
