#include "table_scene.h"

#include <QKeyEvent>

#include <algorithm>
#include <iterator>

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

}  // namespace

TableScene::TableScene(QObject* parent) : QGraphicsScene(parent) {
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
        addItem(card);
        cards_[i] = card;
    }
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
}

std::vector<ButtonItem*> TableScene::buttonsForAccessKey(const QKeyEvent& event) const {
    std::vector<ButtonItem*> sharing;
    const int key = event.key();
    if (!(event.modifiers() & Qt::AltModifier) || key < Qt::Key_A || key > Qt::Key_Z)
        return sharing;
    const QChar letter(QLatin1Char(static_cast<char>('A' + (key - Qt::Key_A))));
    for (ControlItem* item : controls_) {
        auto* button = dynamic_cast<ButtonItem*>(item);
        if (button != nullptr && button->isVisible() && button->accessLetter() == letter &&
            button->onClick) {
            sharing.push_back(button);
        }
    }
    return sharing;
}

void TableScene::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const std::vector<ButtonItem*> sharing = buttonsForAccessKey(*event);
    if (sharing.size() == 1) {
        sharing.front()->onClick();
        event->accept();
        return;
    }
    if (sharing.size() > 1) {
        const auto reached = std::find(sharing.begin(), sharing.end(), accessFocus());
        const bool wrap = reached == sharing.end() || std::next(reached) == sharing.end();
        setAccessFocus(wrap ? sharing.front() : *std::next(reached));
        event->accept();
        return;
    }
    const bool press = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    ButtonItem* reached = accessFocus();
    if (press && reached != nullptr && reached->onClick) {
        reached->onClick();
        event->accept();
        return;
    }
    QGraphicsScene::keyPressEvent(event);
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
