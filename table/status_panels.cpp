#include "status_panels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>

#include <algorithm>

#include "card_art.h"
#include "control_layout.h"
#include "qt_text.h"

namespace corvane {

namespace {

constexpr int kPictureSize = 16;

constexpr const char* kKeyHint = "Keys: \u2190 \u2192 Enter";
constexpr const char* kKeyHintHelp =
    "Playing by keyboard:\n"
    "Left and Right choose one of your cards, Enter or Space plays it.\n"
    "In a declaration panel, press the underlined letter of a button; Esc cancels.\n"
    "K knocks while \"Knock?\" shows (Ctrl+K while a panel is open).\n"
    "H shows a hint: the Expert's card or button (Ctrl+H while a panel is open).\n"
    "In a message, Left and Right choose a button, Enter or Space presses it.\n"
    "With Read Aloud on: F5 repeats the last announcement, F6 reads your hand,\n"
    "F7 the trick, the up card and trumps, F8 the scores.";

}  // namespace

PanelPicture::PanelPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kPictureSize, kPictureSize);
    setVisible(false);
}

void PanelPicture::setImage(int image) {
    image_ = image;
    setVisible(image != 0);
    update();
}

void PanelPicture::paintEvent(QPaintEvent*) {
    if (image_ == 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    CardArt::paint(painter, QRectF(rect()), image_);
}

StatusPanel::StatusPanel(QWidget* parent)
    : QFrame(parent), picture_(new PanelPicture(this)), label_(new QLabel(this)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 6, 1);
    layout->setSpacing(4);
    layout->addWidget(picture_);
    layout->addWidget(label_, 1);
    label_->setTextFormat(Qt::PlainText);
    // Room for the picture whether or not it shows, so the bar and the table above it keep
    // their height when the trumps symbol comes and goes.
    const int content = std::max(kPictureSize, label_->fontMetrics().height());
    setMinimumHeight(content + 2 * frameWidth() + 2);
}

QString StatusPanel::text() const {
    return label_->text();
}

void StatusPanel::set(const QString& text, int image) {
    label_->setText(text);
    picture_->setImage(image);
}

StatusPanels::StatusPanels(QStatusBar* bar) {
    int number = 1;
    for (const StatusPanelDesign& design : StatusPanelLayout()) {
        auto* panel = new StatusPanel(bar);
        panel->set(ToQString(design.Text), 0);
        panel->setToolTip(ToQString(design.ToolTip));
        panel->setMinimumWidth(bar->fontMetrics().averageCharWidth() * design.MinimumChars);
        bar->addPermanentWidget(panel, design.Stretches ? 1 : 0);
        panels_[number++] = panel;
    }
}

void AddKeyHint(QStatusBar* bar) {
    auto* hint = new QLabel(QString::fromUtf8(kKeyHint), bar);
    hint->setObjectName(QStringLiteral("KeyHint"));
    hint->setToolTip(QString::fromUtf8(kKeyHintHelp));
    // Drawn quietly, as a note rather than a read-out of the game, yet at a contrast of 4.5 : 1
    // at least: three fifths of the way from the bar's colour to its text's.
    QPalette quiet = hint->palette();
    const QColor text = quiet.color(QPalette::WindowText);
    const QColor back = quiet.color(QPalette::Window);
    const auto between = [](int from, int to) { return from + (to - from) * 3 / 5; };
    quiet.setColor(QPalette::WindowText,
                   QColor(between(back.red(), text.red()), between(back.green(), text.green()),
                          between(back.blue(), text.blue())));
    hint->setPalette(quiet);
    hint->setContentsMargins(6, 0, 4, 0);
    bar->addPermanentWidget(hint);
}

}  // namespace corvane
