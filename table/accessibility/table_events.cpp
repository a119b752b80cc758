#include "table_events.h"

#include <QAccessible>

#include "card_focus.h"
#include "card_item.h"
#include "control_items.h"
#include "table_accessible.h"
#include "table_scene.h"
#include "table_view.h"
#include "window_table.h"

namespace corvane {

namespace {

TableAccessible* TableInterface(TableView* view) {
    if (!QAccessible::isActive()) return nullptr;
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(view));
}

void Tell(QAccessibleInterface* about, QAccessible::Event event) {
    if (about == nullptr) return;
    QAccessibleEvent told(about, event);
    QAccessible::updateAccessibility(&told);
}

}  // namespace

TableEvents::TableEvents(TableView* view, WindowTable* table) : QObject(view), view_(view) {
    InstallTableAccessibility();
    auto* scene = static_cast<TableScene*>(view->scene());
    connect(&scene->cardFocus(), &CardFocus::marked, this, &TableEvents::cardMarked);
    connect(table, &WindowTable::captionChanged, this, &TableEvents::captionChanged);
    connect(table, &WindowTable::controlShownChanged, this, &TableEvents::shownChanged);
}

void TableEvents::cardMarked(int card) {
    TableAccessible* table = TableInterface(view_);
    if (table == nullptr || card == 0 || !view_->hasFocus()) return;
    Tell(table->itemInterface(table->scene()->card(card)), QAccessible::Focus);
}

void TableEvents::captionChanged(Control control) {
    if (TableAccessible* table = TableInterface(view_)) {
        Tell(table->itemInterface(table->scene()->control(control)), QAccessible::NameChanged);
    }
}

void TableEvents::shownChanged(Control control, bool visible) {
    TableAccessible* table = TableInterface(view_);
    if (table == nullptr) return;
    Tell(table->itemInterface(table->scene()->control(control)),
         visible ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    Tell(table, QAccessible::ObjectReorder);
}

}  // namespace corvane
