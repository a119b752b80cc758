#pragma once

#include <QObject>

#include <array>

class QWidget;

namespace corvane {

// The three help pages FrmHelp, FrmHelp2 and FrmHelp3: modeless windows beside the main window,
// each made once and shown again and again. The buttons at the bottom of a page hide it and may
// show the next or the previous page.
class HelpPages : public QObject {
    Q_OBJECT

public:
    explicit HelpPages(QWidget* mainWindow);

    // Shows page 1, 2 or 3 and brings it to the front; the main window stays usable.
    void showPage(int number);
    // Page 1, 2 or 3, made the first time it is asked for.
    QWidget* page(int number);
    void closeAll();
    // Paints the card pictures of the pages made so far again, after the card art has changed.
    void redrawCards();

private:
    QWidget* build(int number);
    void addButtons(QWidget* page, int number);

    QWidget* mainWindow_;
    std::array<QWidget*, 4> pages_{};  // by page number; element 0 unused
};

}  // namespace corvane
