#pragma once

#include <QObject>

#include "table.h"

namespace corvane {

class TableView;
class WindowTable;

// Tells assistive technology what changes on the table: the keyboard's card as the focus, a new
// caption (the commentary line above all) as a change of name, a panel as it opens or closes.
class TableEvents : public QObject {
    Q_OBJECT

public:
    TableEvents(TableView* view, WindowTable* table);

private:
    void cardMarked(int card);
    void captionChanged(Control control);
    void shownChanged(Control control, bool visible);

    TableView* view_;
};

}  // namespace corvane
