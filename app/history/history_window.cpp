#include "history_window.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

#include "expert/levels.h"
#include "history_charts.h"
#include "history_csv.h"
#include "journal.h"

namespace corvane {

namespace {

const QStringList kColumns = {
    QStringLiteral("Ended"),  QStringLiteral("Target"),          QStringLiteral("Tarvish plays"),
    QStringLiteral("Winner"), QStringLiteral("Your total"),      QStringLiteral("Tarvish's total"),
    QStringLiteral("Hands"),  QStringLiteral("Your melds"),      QStringLiteral("Tarvish's melds"),
    QStringLiteral("Rating"), QStringLiteral("Loss a decision"), QStringLiteral("Luck")};

// A cell that sorts by its number, not by its text.
QStandardItem* NumberItem(int number) {
    auto* item = new QStandardItem;
    item->setData(number, Qt::DisplayRole);
    return item;
}

QStandardItem* TextItem(const QString& text) {
    return new QStandardItem(text);
}

// Points to one decimal, sorting by the number; empty for a game not reviewed yet.
QStandardItem* PointsItem(const std::optional<double>& points) {
    auto* item = new QStandardItem;
    if (points) item->setData(std::round(*points * 10) / 10, Qt::DisplayRole);
    return item;
}

// Which game a row shows, whatever the sorting.
constexpr int kGameIdRole = Qt::UserRole + 1;

int MeldPointsOf(const FinishedGame& game, int player) {
    int points = 0;
    for (const HandSummary& hand : game.Hands) points += hand.MeldPoints(player);
    return points;
}

QChartView* NewChartView(QWidget* parent) {
    auto* view = new QChartView(parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(560, 320);
    return view;
}

void ShowChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

}  // namespace

HistoryWindow::HistoryWindow(Journal& journal, QWidget* parent)
    : QDialog(parent),
      journal_(journal),
      level_(new QComboBox(this)),
      model_(new QStandardItemModel(this)),
      sorted_(new QSortFilterProxyModel(this)),
      table_(new QTableView(this)),
      winShare_(NewChartView(this)),
      rating_(NewChartView(this)),
      handPoints_(NewChartView(this)),
      meldKinds_(NewChartView(this)) {
    setObjectName(QStringLiteral("FrmHistory"));
    setWindowTitle(QStringLiteral("Game History"));

    level_->setObjectName(QStringLiteral("LevelFilter"));
    level_->addItem(QStringLiteral("Every level"), -1);
    for (const OpponentLevel level : OfferedLevels)
        level_->addItem(QLatin1String(OpponentLevelName(level)), int(level));
    connect(level_, &QComboBox::currentIndexChanged, this, &HistoryWindow::showGames);

    sorted_->setSourceModel(model_);
    table_->setObjectName(QStringLiteral("HistoryTable"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);

    auto* charts = new QTabWidget(this);
    charts->addTab(winShare_, QStringLiteral("Games won"));
    charts->addTab(rating_, QStringLiteral("Your play"));
    charts->addTab(handPoints_, QStringLiteral("Points per hand"));
    charts->addTab(meldKinds_, QStringLiteral("Melds by kind"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton =
        buttons->addButton(QStringLiteral("&Export to CSV..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("CmdExport"));
    QPushButton* clearButton =
        buttons->addButton(QStringLiteral("C&lear History"), QDialogButtonBox::ResetRole);
    clearButton->setObjectName(QStringLiteral("CmdClearHistory"));
    QPushButton* reviewButton =
        buttons->addButton(QStringLiteral("&Review Game"), QDialogButtonBox::ActionRole);
    reviewButton->setObjectName(QStringLiteral("CmdReviewGame"));
    reviewButton->setEnabled(false);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, reviewButton,
            [this, reviewButton] { reviewButton->setEnabled(selectedGame() != 0); });
    connect(reviewButton, &QPushButton::clicked, this, [this] {
        if (const qint64 game = selectedGame()) emit reviewRequested(game);
    });
    connect(table_, &QTableView::doubleClicked, this, [this] {
        if (const qint64 game = selectedGame()) emit reviewRequested(game);
    });
    connect(exportButton, &QPushButton::clicked, this, &HistoryWindow::exportWithDialog);
    connect(clearButton, &QPushButton::clicked, this, &HistoryWindow::clearHistory);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("Tarvish plays:"), this));
    filterRow->addWidget(level_);
    filterRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(table_, 1);
    layout->addWidget(charts, 2);
    layout->addWidget(buttons);
    resize(820, 760);
    reload();
}

void HistoryWindow::reload() {
    games_ = journal_.history();
    showGames();
}

qint64 HistoryWindow::selectedGame() const {
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid()) return 0;
    return sorted_->index(current.row(), 0).data(kGameIdRole).toLongLong();
}

std::vector<FinishedGame> HistoryWindow::shownGames() const {
    const int level = level_->currentData().toInt();
    std::vector<FinishedGame> shown;
    for (const FinishedGame& game : games_) {
        if (level < 0 || int(game.Level) == level) shown.push_back(game);
    }
    return shown;
}

void HistoryWindow::showGames() {
    const std::vector<FinishedGame> games = shownGames();
    model_->clear();
    model_->setHorizontalHeaderLabels(kColumns);
    for (const FinishedGame& game : games) {
        const auto rated = [&](double GameRating::*field) -> std::optional<double> {
            if (!game.Rating) return std::nullopt;
            return (*game.Rating).*field;
        };
        QStandardItem* ended =
            TextItem(game.Ended.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        ended->setData(game.Id, kGameIdRole);
        model_->appendRow(
            {ended, NumberItem(game.Target), TextItem(QLatin1String(LevelName(game.Level))),
             TextItem(game.Winner == PlayerPerson ? QStringLiteral("You")
                                                  : QStringLiteral("Tarvish")),
             NumberItem(game.Totals[PlayerPerson]), NumberItem(game.Totals[PlayerTarvish]),
             NumberItem(int(game.Hands.size())), NumberItem(MeldPointsOf(game, PlayerPerson)),
             NumberItem(MeldPointsOf(game, PlayerTarvish)),
             TextItem(game.Rating ? QString::fromStdString(game.Rating->Words) : QString()),
             PointsItem(rated(&GameRating::AverageLoss)), PointsItem(rated(&GameRating::Luck))});
    }
    table_->resizeColumnsToContents();
    drawCharts(games);
}

void HistoryWindow::drawCharts(const std::vector<FinishedGame>& games) {
    ShowChart(winShare_, WinShareChart(games));
    ShowChart(rating_, RatingChart(games));
    ShowChart(handPoints_, HandPointsChart(games));
    ShowChart(meldKinds_, MeldKindsChart(games));
}

bool HistoryWindow::exportCsv(const QString& file) const {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(HistoryCsv(shownGames()));
    return out.commit();
}

void HistoryWindow::exportWithDialog() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Export Game History"),
                                                      QStringLiteral("corvane-history.csv"),
                                                      QStringLiteral("CSV files (*.csv)"));
    if (file.isEmpty()) return;
    if (!exportCsv(file)) {
        QMessageBox::warning(this, QStringLiteral("Export Game History"),
                             QStringLiteral("The history could not be written to %1.").arg(file));
    }
}

void HistoryWindow::clearHistory() {
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Clear History"),
        QStringLiteral("Clear the history of every finished game? The statistics of the Options "
                       "menu stay as they are."),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    journal_.clearHistory();
    reload();
}

}  // namespace corvane
