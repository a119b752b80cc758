#include "review_window.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cmath>

#include "analysis_pool.h"
#include "position_view.h"
#include "review_texts.h"

namespace corvane {

namespace {

review::ReviewedDecision ReviewOne(const review::DecisionPoint& point) {
    return review::Review(point);
}

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString Signed(double points) {
    const long rounded = std::lround(points);
    return (rounded > 0 ? QStringLiteral("+") : QString()) + QString::number(rounded);
}

// The view gives up its chart without deleting it.
void ReplaceChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

}  // namespace

ReviewWindow::ReviewWindow(QWidget* parent)
    : QDialog(parent),
      summary_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("&Cancel"), this)),
      readRow_(new QPushButton(QStringLiteral("&Read Row"), this)),
      table_(new QTableWidget(0, 7, this)),
      positionView_(new PositionView(this)),
      position_(new QLabel(this)),
      chart_(new QChartView(this)) {
    setObjectName(QStringLiteral("FrmReview"));
    setWindowTitle(QStringLiteral("Review"));
    summary_->setObjectName(QStringLiteral("ReviewSummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    summary_->setAccessibleName(QStringLiteral("Summary"));
    progress_->setAccessibleName(QStringLiteral("Analysis"));
    table_->setObjectName(QStringLiteral("ReviewTable"));
    table_->setAccessibleName(QStringLiteral("Your decisions"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Hand"), QStringLiteral("Trick"),
                                       QStringLiteral("Round"), QStringLiteral("Chosen"),
                                       QStringLiteral("Best"), QStringLiteral("Loss"),
                                       QStringLiteral("Grade")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    position_->setObjectName(QStringLiteral("ReviewPosition"));
    position_->setAccessibleName(QStringLiteral("The position as it stood"));
    position_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    position_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    position_->setWordWrap(true);
    chart_->setAccessibleName(QStringLiteral("Your expected hand result, decision by decision"));
    chart_->setMinimumHeight(200);

    auto* bar = new QHBoxLayout;
    bar->addWidget(progress_, 1);
    bar->addWidget(cancel_);
    bar->addWidget(readRow_);
    auto* position = new QVBoxLayout;
    position->addWidget(positionView_, 1);
    position->addWidget(position_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(table_, 6);
    middle->addLayout(position, 5);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(summary_);
    layout->addLayout(middle, 3);
    layout->addWidget(chart_, 1);
    resize(1040, 720);

    connect(&watcher_, &QFutureWatcherBase::progressRangeChanged, progress_,
            &QProgressBar::setRange);
    connect(&watcher_, &QFutureWatcherBase::progressValueChanged, progress_,
            &QProgressBar::setValue);
    connect(&watcher_, &QFutureWatcherBase::finished, this, &ReviewWindow::showResults);
    connect(cancel_, &QPushButton::clicked, this, [this] { watcher_.cancel(); });
    connect(table_, &QTableWidget::itemSelectionChanged, this, &ReviewWindow::showRow);
    connect(readRow_, &QPushButton::clicked, this, [this] {
        const int row = table_->currentRow();
        if (speak && row >= 0 && row < static_cast<int>(reviewed_.size()))
            speak(RowWords(reviewed_[row]));
    });
}

ReviewWindow::~ReviewWindow() {
    watcher_.cancel();
    watcher_.waitForFinished();
}

void ReviewWindow::review(const std::vector<review::DecisionPoint>& points, const QString& title) {
    watcher_.cancel();
    watcher_.waitForFinished();
    setWindowTitle(title);
    points_ = points;
    reviewed_.clear();
    table_->setRowCount(0);
    position_->clear();
    positionView_->clear();
    ReplaceChart(chart_, new QChart);
    summary_->setText(points_.empty() ? QStringLiteral("You have made no decisions to review yet.")
                                      : QStringLiteral("Analysing your decisions..."));
    progress_->setRange(0, static_cast<int>(points_.size()));
    progress_->setValue(0);
    cancel_->setEnabled(!points_.empty());
    if (!points_.empty())
        watcher_.setFuture(QtConcurrent::mapped(&AnalysisPool(), points_, ReviewOne));
}

void ReviewWindow::showResults() {
    cancel_->setEnabled(false);
    if (watcher_.isCanceled()) {
        summary_->setText(QStringLiteral("The analysis was cancelled."));
        emit finished();
        return;
    }
    const QList<review::ReviewedDecision> results = watcher_.future().results();
    reviewed_.assign(results.begin(), results.end());
    showDecisions();
}

void ReviewWindow::showReviewed(const std::vector<review::ReviewedDecision>& decisions,
                                const QString& title) {
    review({}, title);
    reviewed_ = decisions;
    progress_->setRange(0, std::max(1, static_cast<int>(reviewed_.size())));
    progress_->setValue(progress_->maximum());
    showDecisions();
}

void ReviewWindow::showDecisions() {
    table_->setRowCount(static_cast<int>(reviewed_.size()));
    for (int row = 0; row < static_cast<int>(reviewed_.size()); ++row) {
        const review::ReviewedDecision& d = reviewed_[row];
        const bool declaration = d.Point.Declaration;
        const QStringList cells{QString::number(d.Point.Hand),
                                QString::number(d.Point.Trick()),
                                QString::number(d.Point.Round()),
                                OptionWords(d.Chosen, declaration),
                                OptionWords(d.Best, declaration),
                                QString::number(std::lround(d.Chosen.Loss)),
                                GradeWords(d.Grading)};
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, Cell(cells[column]));
    }
    const review::GameSummary game = review::SummariseGame(reviewed_);
    summary_->setText(
        QStringLiteral("%1 decisions, average loss %2 points a decision (the Expert's at the same "
                       "decisions: %3); rating: %4. Fine %5, inaccuracies %6, mistakes %7, "
                       "blunders %8. Luck: %9 points.")
            .arg(game.Decisions)
            .arg(game.AverageLoss, 0, 'f', 1)
            .arg(game.ExpertAverageLoss, 0, 'f', 1)
            .arg(QString::fromStdString(game.Rating))
            .arg(game.Counts[0])
            .arg(game.Counts[1])
            .arg(game.Counts[2])
            .arg(game.Counts[3])
            .arg(Signed(game.Luck)));
    drawChart();
    if (!reviewed_.empty()) table_->selectRow(0);
    emit finished();
}

void ReviewWindow::showRow() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(reviewed_.size())) return;
    position_->setText(PositionWords(reviewed_[row]));
    positionView_->showDecision(reviewed_[row]);
}

void ReviewWindow::drawChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Your expected hand result"));
    chart->legend()->hide();
    auto* series = new QLineSeries;
    series->setPointsVisible(true);
    double low = 0, high = 0;
    for (int i = 0; i < static_cast<int>(reviewed_.size()); ++i) {
        const double value = reviewed_[i].Expected;
        series->append(i + 1, value);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    chart->addSeries(series);
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Decision"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(1, std::max<int>(2, static_cast<int>(reviewed_.size())));
    x->applyNiceNumbers();
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Points"));
    y->setRange(low - 10, high + 10);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    ReplaceChart(chart_, chart);
}

}  // namespace corvane
