#pragma once

#include <QDialog>
#include <QFutureWatcher>

#include <functional>
#include <vector>

#include "review/rating.h"

class QChartView;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace corvane {

class PositionView;

// The review of the person's decisions in a hand or a game: the analysis runs on the worker
// threads with a progress bar and can be cancelled; then a table of the decisions (trick, round,
// chosen, best, loss, grade), the summary with the rating and the luck, a chart of the expected
// hand result decision by decision, and the table as it stood at the row selected, drawn and in
// words.
class ReviewWindow : public QDialog {
    Q_OBJECT

public:
    explicit ReviewWindow(QWidget* parent = nullptr);
    ~ReviewWindow() override;

    // Starts the analysis of `points`, cancelling any still running.
    void review(const std::vector<review::DecisionPoint>& points, const QString& title);
    // Shows decisions reviewed already (a review the journal kept), as a finished analysis.
    void showReviewed(const std::vector<review::ReviewedDecision>& decisions, const QString& title);
    // Where Read Aloud says a row; the row selected is read when Read Row is pressed.
    std::function<void(const QString&)> speak;

    bool busy() const { return watcher_.isRunning(); }
    const std::vector<review::ReviewedDecision>& reviewed() const { return reviewed_; }
    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }

signals:
    void finished();

private:
    void showResults();
    void showDecisions();
    void showRow();
    void drawChart();

    QFutureWatcher<review::ReviewedDecision> watcher_;
    std::vector<review::DecisionPoint> points_;
    std::vector<review::ReviewedDecision> reviewed_;
    QLabel* summary_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QPushButton* readRow_;
    QTableWidget* table_;
    PositionView* positionView_;
    QLabel* position_;
    QChartView* chart_;
};

}  // namespace corvane
