#include "table_scene.h"

#include <QKeyEvent>

#include <algorithm>
#include <iterator>

#include "card_focus.h"
#include "card_item.h"
#include "control_items.h"
#include "control_layout.h"
#include "game_state.h"
#include "qt_text.h"
#include "table_geometry.h"

namespace corvane {

namespace {

// PicCard(1) as designed; the other 63 pictures are made as copies of it.
constexpr QPointF kFirstCardPlace(2880, 120);

// Frames and buttons stack with the cards; plain labels lie on the felt beneath them all.
bool StacksWithCards(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::Panel || kind == ControlKind::Button;
}

// The buttons that Escape presses, each leaving its panel: Cancel ends the declaring turn, O.K
// puts the meld reminder away.
constexpr std::string_view kEscapeButtons[] = {"CmdCancel", "Command1"};

// The letter of a letter key, in upper case; a null character for any other key.
QChar LetterOf(int key) {
    if (key < Qt::Key_A || key > Qt::Key_Z) return {};
    return QLatin1Char(static_cast<char>('A' + (key - Qt::Key_A)));
}

}  // namespace

TableScene::TableScene(QObject* parent) : QGraphicsScene(parent), focus_(new CardFocus(this)) {
    setSceneRect(0, 0, TableWidth, TableHeight);
    setItemIndexMethod(QGraphicsScene::NoIndex);  // few items, many moves

    for (const ControlDesign& design : ControlLayout()) {
        QGraphicsItem* frame = design.Parent.empty() ? nullptr : control(design.Parent);
        ControlItem* item = MakeControlItem(design, frame);
        if (frame == nullptr) {
            addItem(item);
            if (StacksWithCards(design.Kind)) item->setZValue(++front_);
        }
        if (design.Game) item->setVisible(DesignState(*design.Game).Visible);
        if (design.Kind == ControlKind::Button || design.Kind == ControlKind::Clickable) {
            const QString name = ToQString(design.Name);
            item->onClick = [this, name] {
                setAccessFocus(nullptr);
                QMetaObject::invokeMethod(
                    this, [this, name] { emit controlClicked(name); }, Qt::QueuedConnection);
            };
        }
        controls_.push_back(item);
    }

    for (int i = 1; i <= CardCount; ++i) {
        auto* card = new CardItem(i);
        card->setPos(kFirstCardPlace);
        card->setVisible(false);
        card->setZValue(++front_);
        card->onPress = [this, i] {
            QMetaObject::invokeMethod(
                this, [this, i] { emit cardClicked(i); }, Qt::QueuedConnection);
        };
        card->onMoved = [this, card] { focus_->follow(card); };
        addItem(card);
        cards_[i] = card;
    }
    focus_->keepAbove(front_);
}

TableScene::~TableScene() {
    // The cards go before the focus does: they tell it nothing more.
    for (int i = 1; i <= CardCount; ++i) cards_[i]->onMoved = nullptr;
}

ControlItem* TableScene::control(Control control) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(), [control](ControlItem* c) {
        return c->design().Game == control;
    });
    return found == controls_.end() ? nullptr : *found;
}

ControlItem* TableScene::control(std::string_view name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](ControlItem* c) { return c->design().Name == name; });
    return found == controls_.end() ? nullptr : *found;
}

void TableScene::bringToFront(QGraphicsItem* item) {
    item->setZValue(++front_);
    if (dynamic_cast<CardItem*>(item) != nullptr) focus_->keepAbove(front_);
}

void TableScene::keyPressEvent(QKeyEvent* event) {
    const std::function<void()> action = keyAction(*event);
    if (!action) {
        QGraphicsScene::keyPressEvent(event);
        return;
    }
    event->accept();
    const bool moving = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right;
    if (moving || !event->isAutoRepeat()) action();
}

std::function<void()> TableScene::keyAction(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const int card = focus_->card();
    switch (key.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            if (!plain || card == 0) return {};
            return [this, step = key.key() == Qt::Key_Right ? 1 : -1] { focus_->step(step); };
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!plain) return {};
            if (const ButtonItem* reached = accessFocus()) return reached->onClick;
            // The card is played the way a click on it plays it.
            if (card != 0) return cards_[card]->onPress;
            return {};
        case Qt::Key_Escape:
            if (const ControlItem* button = escapeButton(); plain && button != nullptr) {
                return button->onClick;
            }
            return {};
        default:
            break;
    }
    const QChar letter = LetterOf(key.key());
    if (letter.isNull()) return {};
    const bool typed = plain || modifiers == Qt::ShiftModifier;
    if (modifiers == Qt::AltModifier || typed) {
        const std::vector<ButtonItem*> sharing = buttonsWithLetter(letter);
        if (sharing.size() == 1) return sharing.front()->onClick;
        if (sharing.size() > 1) {
            const auto reached = std::find(sharing.begin(), sharing.end(), accessFocus());
            const bool wrap = reached == sharing.end() || std::next(reached) == sharing.end();
            ButtonItem* next = wrap ? sharing.front() : *std::next(reached);
            return [this, next] { setAccessFocus(next); };
        }
    }
    const ControlItem* knock = control(Control::LblKnock);
    if (letter == QLatin1Char('K') && (typed || modifiers == Qt::ControlModifier) &&
        knock->isVisible()) {
        return knock->onClick;
    }
    return {};
}

std::vector<ButtonItem*> TableScene::buttonsWithLetter(QChar letter) const {
    std::vector<ButtonItem*> sharing;
    for (ControlItem* item : controls_) {
        auto* button = dynamic_cast<ButtonItem*>(item);
        if (button != nullptr && button->isVisible() && button->onClick &&
            button->accessLetter() == letter) {
            sharing.push_back(button);
        }
    }
    return sharing;
}

ControlItem* TableScene::escapeButton() const {
    ControlItem* front = nullptr;
    for (const std::string_view name : kEscapeButtons) {
        ControlItem* button = control(name);
        if (button == nullptr || !button->isVisible() || !button->onClick) continue;
        if (front == nullptr ||
            button->topLevelItem()->zValue() > front->topLevelItem()->zValue()) {
            front = button;
        }
    }
    return front;
}

void TableScene::focusButton(std::string_view name) {
    if (auto* button = dynamic_cast<ButtonItem*>(control(name)); button && button->isVisible()) {
        setAccessFocus(button);
    }
}

void TableScene::setAccessFocus(ButtonItem* button) {
    for (ControlItem* item : controls_) {
        if (auto* other = dynamic_cast<ButtonItem*>(item)) other->setAccessFocus(other == button);
    }
}

ButtonItem* TableScene::accessFocus() const {
    for (ControlItem* item : controls_) {
        auto* button = dynamic_cast<ButtonItem*>(item);
        if (button != nullptr && button->hasAccessFocus()) return button;
    }
    return nullptr;
}

}  // namespace corvane
