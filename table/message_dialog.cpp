#include "message_dialog.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

#include "card_art.h"
#include "qt_text.h"
#include "sound_player.h"
#include "twips.h"

namespace corvane {

namespace {

const QColor LightGrey(240, 240, 240);
const QColor Grey(128, 128, 128);
const QColor Shadow(64, 64, 64);

// The message dialog's fonts are sized in pixels so that its twip geometry holds whatever the
// desktop's font settings.
constexpr int FontPixels = 12;

int ToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

// A caption wider than its button is set in a smaller size rather than cut off.
void FitCaption(QLabel* caption, int width) {
    QFont font = caption->parentWidget()->font();
    constexpr int smallest = 8;
    while (font.pixelSize() > smallest &&
           QFontMetrics(font).horizontalAdvance(caption->text()) > width) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    caption->setFont(font);
}

QRect ToPixels(const TwipRect& rect) {
    return QRect(ToPixels(rect.Left), ToPixels(rect.Top), ToPixels(rect.Width),
                 ToPixels(rect.Height));
}

}  // namespace

// Pic1(i): a box drawn raised, or pressed while the mouse went down on its caption.
class ButtonBox : public QWidget {
public:
    explicit ButtonBox(QWidget* parent) : QWidget(parent) {}

    bool isPressed() const { return pressed_; }
    void setPressed(bool pressed) {
        pressed_ = pressed;
        update();
    }
    void setChosen(bool chosen) {
        chosen_ = chosen;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int w = width();
        const int h = height();
        painter.fillRect(rect(), pressed_ ? Grey : LightGrey);
        painter.setPen(pressed_ ? LightGrey : Grey);
        painter.drawLine(0, h - 1, w - 1, h - 1);
        painter.drawLine(w - 1, h - 1, w - 1, 0);
        if (chosen_) {
            painter.setPen(QPen(Shadow, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(3, 3, -5, -5));
        }
    }

private:
    bool pressed_ = false;
    bool chosen_ = false;
};

MessageDialog::MessageDialog(SoundPlayer* sounds, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), sounds_(sounds) {
    setObjectName(QStringLiteral("MFormDeluxe"));
    setModal(true);
    setFocusPolicy(Qt::StrongFocus);
    QFont dialogFont = font();
    dialogFont.setPixelSize(FontPixels);
    setFont(dialogFont);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("Label3"));
    QFont titleFont = dialogFont;
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setGeometry(ToPixels(message_geometry::TitleLine));

    messageView_ = new QScrollArea(this);
    messageView_->setObjectName(QStringLiteral("MessageView"));
    messageView_->setFrameShape(QFrame::NoFrame);
    // The dialog takes the keys; it scrolls the message itself.
    messageView_->setFocusPolicy(Qt::NoFocus);
    messageView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageView_->setWidgetResizable(false);
    messageView_->viewport()->setAutoFillBackground(false);
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("Label2"));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setTextFormat(Qt::PlainText);
    messageView_->setWidget(message_);
    message_->setAutoFillBackground(false);

    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("Picture1"));
    icon_->setAlignment(Qt::AlignCenter);

    for (int i = 0; i < 3; ++i) {
        auto* box = new ButtonBox(this);
        box->setObjectName(QStringLiteral("Pic1(%1)").arg(i));
        auto* caption = new QLabel(box);
        caption->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        caption->setAlignment(Qt::AlignCenter);
        caption->setTextFormat(Qt::PlainText);
        caption->installEventFilter(this);
        buttons_[i] = box;
        captions_[i] = caption;
    }
}

int MessageDialog::showMessage(const MessageRequest& request) {
    using namespace message_geometry;
    pressedIndex_ = -1;
    keyDown_ = 0;

    message_->setText(ToQString(request.Text));
    const int messageWidth = ToPixels(MessageWidth);
    const int messagePixels =
        std::max(message_->heightForWidth(messageWidth), message_->fontMetrics().height());
    message_->resize(messageWidth, messagePixels);

    QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);

    layout_ = LayOutMessage(messagePixels * TwipsPerPixel, !request.Button2.empty(),
                            !request.Button3.empty(), available.height() * TwipsPerPixel);

    // A scrolling message keeps its width: the scroll bar takes the gap before the icon.
    QRect view = ToPixels(layout_.MessageView);
    if (layout_.Scrolls) {
        view.setWidth(view.width() + messageView_->verticalScrollBar()->sizeHint().width());
    }
    messageView_->setVerticalScrollBarPolicy(layout_.Scrolls ? Qt::ScrollBarAlwaysOn
                                                             : Qt::ScrollBarAlwaysOff);
    messageView_->setGeometry(view);
    messageView_->verticalScrollBar()->setValue(0);

    const QSize size(ToPixels(layout_.Width), ToPixels(layout_.Height));
    setFixedSize(size);
    move(available.left() + (available.width() - size.width()) / 2,
         available.top() + (available.height() - size.height()) / 2);

    title_->setText(QStringLiteral("   ") + ToQString(request.Title));
    // Never shown, as the dialog has no title bar, but read out by screen readers.
    setWindowTitle(ToQString(request.Title));
    const std::array<const std::string*, 3> captions{&request.Button1, &request.Button2,
                                                     &request.Button3};
    for (int i = 0; i < 3; ++i) {
        captions_[i]->setText(ToQString(*captions[i]));
        buttons_[i]->setGeometry(ToPixels(layout_.Buttons[i]));
        FitCaption(captions_[i], buttons_[i]->width() - 6);
        buttons_[i]->setVisible(layout_.ButtonShown[i]);
        setButtonPressed(i, false);
    }
    chooseButton(0);

    icon_->setGeometry(ToPixels(layout_.Icon));
    icon_->setPixmap(CardArt::dialogIcon(request.IconIndex, devicePixelRatioF()));

    update();
    if (sounds_ != nullptr) sounds_->play(Sound::Ringout);
    const int clicked = exec();
    // The keys go back to the window the message came from, even where no window manager gives
    // it the focus again (one opened from a menu would leave it nowhere).
    if (parentWidget() != nullptr) parentWidget()->activateWindow();
    return clicked;
}

void MessageDialog::reject() {}

void MessageDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void MessageDialog::paintEvent(QPaintEvent*) {
    // Raised like the buttons: a light box with grey lines along its bottom and right, inside a
    // one-pixel edge, light at the top and left and dark at the bottom and right.
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Shadow);
    painter.drawLine(0, h - 1, w - 1, h - 1);
    painter.drawLine(w - 1, h - 1, w - 1, 0);
    painter.fillRect(QRect(QPoint(1, 1), QPoint(w - 2, h - 2)), LightGrey);
    painter.setPen(Grey);
    painter.drawLine(1, h - 2, w - 2, h - 2);
    painter.drawLine(w - 2, h - 2, w - 2, 2);
}

bool MessageDialog::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find(captions_.begin(), captions_.end(), watched);
    if (found == captions_.end()) return QDialog::eventFilter(watched, event);
    const int index = static_cast<int>(found - captions_.begin());
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressedIndex_ = index;
            setButtonPressed(index, true);
            return true;
        case QEvent::MouseButtonRelease: {
            // A click is a left press and release on the same caption.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = mouse->button() == Qt::LeftButton && pressedIndex_ == index &&
                               captions_[index]->rect().contains(mouse->position().toPoint());
            pressedIndex_ = -1;
            if (click) done(index);
            return true;
        }
        default:
            return QDialog::eventFilter(watched, event);
    }
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right: {
            if (keyDown_ != 0) break;
            const int step = event->key() == Qt::Key_Right ? 1 : 2;  // 2: one back, round three
            int next = (chosenIndex_ + step) % 3;
            while (!layout_.ButtonShown[next]) next = (next + step) % 3;
            chooseButton(next);
            break;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (event->isAutoRepeat() || keyDown_ != 0) break;
            keyDown_ = event->key();
            setButtonPressed(chosenIndex_, true);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            QCoreApplication::sendEvent(messageView_->verticalScrollBar(), event);
            return;
        default:
            QDialog::keyPressEvent(event);
            return;
    }
    event->accept();
}

void MessageDialog::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || keyDown_ == 0 || event->key() != keyDown_) {
        QDialog::keyReleaseEvent(event);
        return;
    }
    event->accept();
    keyDown_ = 0;
    done(chosenIndex_);
}

void MessageDialog::chooseButton(int index) {
    chosenIndex_ = index;
    for (int i = 0; i < 3; ++i) buttons_[i]->setChosen(i == index);
    if (isVisible()) {
        QAccessibleEvent chosen(buttons_[index], QAccessible::Focus);
        QAccessible::updateAccessibility(&chosen);
    }
}

void MessageDialog::setButtonPressed(int index, bool pressed) {
    ButtonBox* box = buttons_[index];
    box->setPressed(pressed);
    const int w = box->width();
    const int h = box->height();
    captions_[index]->setGeometry(pressed ? QRect(2, 2, w - 3, h - 3) : QRect(1, 1, w - 2, h - 2));
}

}  // namespace corvane
