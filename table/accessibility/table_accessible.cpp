#include "table_accessible.h"

#include <QAccessibleActionInterface>
#include <QGraphicsItem>
#include <QLabel>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <tuple>

#include "card_focus.h"
#include "card_item.h"
#include "control_items.h"
#include "message_dialog.h"
#include "qt_text.h"
#include "table_scene.h"
#include "table_view.h"
#include "table_words.h"

namespace corvane {

namespace {

QString WithoutAccessMark(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// One card or control of the table. It knows its item only through the table's interface, which
// deletes it with the table.
class ItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ItemAccessible(const TableAccessible* table, QGraphicsItem* item)
        : table_(table), item_(item) {}

    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }

    QAccessibleInterface* parent() const override {
        QGraphicsItem* frame = item_->parentItem();
        return frame != nullptr ? table_->itemInterface(frame)
                                : const_cast<TableAccessible*>(table_);
    }
    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QGraphicsItem*> shown = children();
        if (index < 0 || index >= static_cast<int>(shown.size())) return nullptr;
        return table_->itemInterface(shown[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QGraphicsItem*> shown = children();
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (table_->itemInterface(shown[i]) == child) return static_cast<int>(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (const auto* card = asCard()) {
            const CardWords words = DescribeCard(*table_->scene(), card->index());
            if (t == QAccessible::Name) return words.Name;
            if (t == QAccessible::Description) return words.Place;
            return {};
        }
        const ControlItem& control = *asControl();
        const QString caption = WithoutAccessMark(control.caption());
        const QString tip = ToQString(control.design().ToolTip);
        switch (t) {
            case QAccessible::Name:
                // A score reads with what it is: "Your total score: 120".
                if (control.design().Kind == ControlKind::Value && !tip.isEmpty()) {
                    if (caption.isEmpty()) return tip;
                    return tip + QStringLiteral(": ") + caption;
                }
                return caption;
            case QAccessible::Description:
                if (control.design().Kind == ControlKind::Info) {
                    return QStringLiteral("the commentary line");
                }
                return tip;
            case QAccessible::Accelerator: {
                const auto* button = dynamic_cast<const ButtonItem*>(&control);
                if (button == nullptr || button->accessLetter().isNull()) return {};
                return QStringLiteral("Alt+") + button->accessLetter();
            }
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const TableView* view = table_->view();
        const QRect local = view->mapFromScene(item_->sceneBoundingRect()).boundingRect();
        return QRect(view->viewport()->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override {
        if (asCard() != nullptr) return QAccessible::Graphic;
        switch (asControl()->design().Kind) {
            case ControlKind::Frame:
            case ControlKind::Panel:
                return QAccessible::Grouping;
            case ControlKind::Button:
            case ControlKind::Clickable:
                return QAccessible::Button;
            default:
                return QAccessible::StaticText;
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !item_->isVisible();
        if (const auto* card = asCard()) {
            const bool held =
                DescribeCard(*table_->scene(), card->index()).Spot == CardSpot::PersonsHand;
            state.focusable = held;
            state.focused = held && table_->scene()->cardFocus().card() == card->index();
        } else if (const auto* button = dynamic_cast<const ButtonItem*>(asControl())) {
            state.pressed = button->isDown();
            state.focused = button->hasAccessFocus();
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && !actionNames().isEmpty()) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    QStringList actionNames() const override {
        if (const auto* card = asCard()) {
            return card->onPress ? QStringList{pressAction()} : QStringList{};
        }
        return asControl()->onClick ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name != pressAction()) return;
        if (const auto* card = asCard()) {
            if (card->onPress) card->onPress();
        } else if (asControl()->onClick) {
            asControl()->onClick();
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        const QString accelerator = text(QAccessible::Accelerator);
        if (name != pressAction() || accelerator.isEmpty()) return {};
        return {accelerator};
    }

private:
    const CardItem* asCard() const { return dynamic_cast<const CardItem*>(item_); }
    const ControlItem* asControl() const { return dynamic_cast<const ControlItem*>(item_); }

    // The shown controls inside a frame or panel, in their layout order.
    std::vector<QGraphicsItem*> children() const {
        std::vector<QGraphicsItem*> shown;
        for (QGraphicsItem* child : item_->childItems()) {
            if (child->isVisible() && dynamic_cast<ControlItem*>(child) != nullptr) {
                shown.push_back(child);
            }
        }
        return shown;
    }

    const TableAccessible* table_;
    QGraphicsItem* item_;
};

// Pic1(i) of the message dialog: a push button with its caption as its name.
class MessageButtonAccessible : public QAccessibleWidget {
public:
    MessageButtonAccessible(QWidget* box, int index)
        : QAccessibleWidget(box, QAccessible::Button), index_(index) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* caption = widget()->findChild<QLabel*>();
        return caption != nullptr ? caption->text() : QString();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        state.focused = dialog()->chosenButton() == index_ && dialog()->isActiveWindow();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) dialog()->done(index_);
    }

private:
    MessageDialog* dialog() const { return static_cast<MessageDialog*>(widget()->parentWidget()); }

    int index_;
};

QAccessibleInterface* TableFactory(const QString& classname, QObject* object) {
    if (classname == QLatin1String("corvane::TableView")) {
        return new TableAccessible(static_cast<TableView*>(object));
    }
    // The dialog's button boxes are plain widgets named after their design.
    if (classname == QLatin1String("QWidget") && object != nullptr && object->isWidgetType() &&
        qobject_cast<MessageDialog*>(object->parent()) != nullptr) {
        const QString name = object->objectName();
        if (name.startsWith(QLatin1String("Pic1(")) && name.size() == 7) {
            return new MessageButtonAccessible(static_cast<QWidget*>(object),
                                               name.at(5).digitValue());
        }
    }
    return nullptr;
}

}  // namespace

TableAccessible::TableAccessible(TableView* view)
    : QAccessibleWidget(view, QAccessible::Pane, QStringLiteral("Card table")) {}

TableAccessible::~TableAccessible() {
    for (const QAccessible::Id id : std::as_const(items_))
        QAccessible::deleteAccessibleInterface(id);
}

TableView* TableAccessible::view() const {
    return static_cast<TableView*>(widget());
}

TableScene* TableAccessible::scene() const {
    return static_cast<TableScene*>(view()->scene());
}

QString TableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return QStringLiteral("Card table");
    return QAccessibleWidget::text(t);
}

QAccessibleInterface* TableAccessible::itemInterface(QGraphicsItem* item) const {
    if (item == nullptr) return nullptr;
    const auto known = items_.constFind(item);
    if (known != items_.constEnd()) return QAccessible::accessibleInterface(*known);
    auto* made = new ItemAccessible(this, item);
    items_.insert(item, QAccessible::registerAccessibleInterface(made));
    return made;
}

std::vector<QGraphicsItem*> TableAccessible::shownItems() const {
    const TableScene& table = *scene();
    // A card the person can no longer see, or whose face has turned down, is forgotten, so that
    // it comes back under a new identity: nobody can follow a picture through the stock into
    // Tarvish's hand, nor a declared card back into it.
    for (int i = 1; i <= CardCount; ++i) {
        CardItem* card = table.card(i);
        const bool faceUp = card->image() >= 1 && card->image() <= CardCount;
        const auto known = items_.find(card);
        if (known != items_.end() && (DescribeCard(table, i).Spot == CardSpot::Unseen ||
                                      (facesUp_.value(card) && !faceUp))) {
            QAccessible::deleteAccessibleInterface(*known);
            items_.erase(known);
        }
        facesUp_.insert(card, faceUp);
    }

    std::vector<QGraphicsItem*> shown;
    for (int card : CardsInReadingOrder(table)) shown.push_back(table.card(card));
    for (const ControlDesign& design : ControlLayout()) {
        ControlItem* control = table.control(design.Name);
        if (design.Parent.empty() && control->isVisible()) shown.push_back(control);
    }
    std::stable_sort(shown.begin(), shown.end(), [](QGraphicsItem* a, QGraphicsItem* b) {
        return std::tuple(a->pos().y(), a->pos().x()) < std::tuple(b->pos().y(), b->pos().x());
    });
    return shown;
}

int TableAccessible::childCount() const {
    return static_cast<int>(shownItems().size());
}

QAccessibleInterface* TableAccessible::child(int index) const {
    const std::vector<QGraphicsItem*> shown = shownItems();
    if (index < 0 || index >= static_cast<int>(shown.size())) return nullptr;
    return itemInterface(shown[static_cast<std::size_t>(index)]);
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<QGraphicsItem*> shown = shownItems();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto known = items_.constFind(shown[i]);
        if (known != items_.constEnd() && QAccessible::accessibleInterface(*known) == child) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    const QPoint local = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const std::vector<QGraphicsItem*> shown = shownItems();
    QGraphicsItem* top = nullptr;
    for (QGraphicsItem* item : shown) {
        if (view()->mapFromScene(item->sceneBoundingRect()).boundingRect().contains(local) &&
            (top == nullptr || item->zValue() > top->zValue())) {
            top = item;
        }
    }
    return itemInterface(top);
}

QAccessibleInterface* TableAccessible::focusChild() const {
    const int card = scene()->cardFocus().card();
    return card != 0 ? itemInterface(scene()->card(card)) : nullptr;
}

void InstallTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(TableFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace corvane
