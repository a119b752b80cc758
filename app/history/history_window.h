#pragma once

#include <QDialog>

#include <vector>

#include "game_record.h"

class QChartView;
class QComboBox;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace corvane {

class Journal;

// The "Game History" window: the finished games in a table that sorts by any column, and charts of
// the person's share of games won over time, the points per hand from melds and from tricks, and
// the melds made by kind, for the person and Tarvish, and the rating of the person's play by the
// review of each game; all of them for one level of Tarvish or every level. A game selected can
// be reviewed; the history can be exported to CSV and cleared, the latter only after a question.
class HistoryWindow : public QDialog {
    Q_OBJECT

public:
    explicit HistoryWindow(Journal& journal, QWidget* parent = nullptr);

    // Reads the history again from the journal.
    void reload();
    // The games the level filter lets through, oldest first.
    std::vector<FinishedGame> shownGames() const;
    QTableView* table() const { return table_; }
    QComboBox* levelFilter() const { return level_; }

    // The game of the row selected, 0 for none.
    qint64 selectedGame() const;

    // Writes the games shown to `file` as CSV; false when it cannot be written.
    bool exportCsv(const QString& file) const;
    // Asks, then clears the history when the person agrees.
    void clearHistory();

signals:
    // The person asked for the review of finished game `game`.
    void reviewRequested(qint64 game);

private:
    void exportWithDialog();
    void showGames();
    void drawCharts(const std::vector<FinishedGame>& games);

    Journal& journal_;
    std::vector<FinishedGame> games_;
    QComboBox* level_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* sorted_;
    QTableView* table_;
    QChartView* winShare_;
    QChartView* rating_;
    QChartView* handPoints_;
    QChartView* meldKinds_;
};

}  // namespace corvane
