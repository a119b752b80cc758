#pragma once

#include <QAccessibleWidget>
#include <QHash>

#include <vector>

class QGraphicsItem;

namespace corvane {

class TableScene;
class TableView;

// The card table as assistive technology sees it: the view's children are the cards the person
// can see, in reading order, and the labels, score frames, panels and buttons shown on the table.
// A card lying face down has no name but its owner's; the stock is only its count on its label.
// The keyboard's card is the accessible focus.
class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableView* view);
    ~TableAccessible() override;

    TableView* view() const;
    TableScene* scene() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // The interface of a card or control of the table, made the first time it is asked for.
    QAccessibleInterface* itemInterface(QGraphicsItem* item) const;
    // The table's items shown at the top level, in reading order.
    std::vector<QGraphicsItem*> shownItems() const;

private:
    mutable QHash<QGraphicsItem*, QAccessible::Id> items_;
    mutable QHash<QGraphicsItem*, bool> facesUp_;  // the cards' facing when last looked at
};

// Lets the table, its cards and controls and the message dialog's buttons be found by assistive
// technology. Installed once for the whole program.
void InstallTableAccessibility();

}  // namespace corvane
