#include "history_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace corvane {

namespace {

// The last games only, so that the bars stay readable.
constexpr std::size_t kMostGamesInBars = 30;

QChart* NewChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void AttachAxes(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

// Bars of the sets over the categories, the value axis from 0 to at least `highest`.
void AttachBars(QChart* chart, std::initializer_list<QBarSet*> sets, const QStringList& categories,
                const QString& categoryTitle, double highest) {
    auto* series = new QBarSeries;
    for (QBarSet* set : sets) series->append(set);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(categoryTitle);
    auto* y = new QValueAxis;
    y->setRange(0, highest);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%d"));
    AttachAxes(chart, series, x, y);
}

}  // namespace

QChart* WinShareChart(const std::vector<FinishedGame>& games) {
    QChart* chart = NewChart(QStringLiteral("Your share of the games won"));
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Games won by you, per cent"));
    int won = 0;
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (games[i].Winner == PlayerPerson) ++won;
        series->append(double(i + 1), 100.0 * won / double(i + 1));
    }
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Game"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(1, std::max<double>(2, double(games.size())));
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d%%"));
    AttachAxes(chart, series, x, y);
    return chart;
}

QChart* RatingChart(const std::vector<FinishedGame>& games) {
    QChart* chart = NewChart(QStringLiteral("Your play, game after game"));
    auto* person = new QLineSeries;
    person->setName(QStringLiteral("Your average loss a decision"));
    person->setPointsVisible(true);
    auto* expert = new QLineSeries;
    expert->setName(QStringLiteral("The Expert's at the same decisions"));
    double highest = 10;
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (!games[i].Rating) continue;
        person->append(double(i + 1), games[i].Rating->AverageLoss);
        expert->append(double(i + 1), games[i].Rating->ExpertAverageLoss);
        highest =
            std::max({highest, games[i].Rating->AverageLoss, games[i].Rating->ExpertAverageLoss});
    }
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Game"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(1, std::max<double>(2, double(games.size())));
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Points"));
    y->setRange(0, highest);
    y->applyNiceNumbers();
    AttachAxes(chart, person, x, y);
    chart->addSeries(expert);
    expert->attachAxis(x);
    expert->attachAxis(y);
    return chart;
}

QChart* HandPointsChart(const std::vector<FinishedGame>& games) {
    QChart* chart = NewChart(QStringLiteral("Points per hand"));
    QBarSet* sets[] = {new QBarSet(QStringLiteral("Your melds")),
                       new QBarSet(QStringLiteral("Your tricks")),
                       new QBarSet(QStringLiteral("Tarvish's melds")),
                       new QBarSet(QStringLiteral("Tarvish's tricks"))};
    QStringList categories;
    double highest = 10;
    const std::size_t first = games.size() > kMostGamesInBars ? games.size() - kMostGamesInBars : 0;
    for (std::size_t i = first; i < games.size(); ++i) {
        const FinishedGame& game = games[i];
        const double hands = std::max<double>(1, double(game.Hands.size()));
        double sums[4] = {};
        for (const HandSummary& hand : game.Hands) {
            sums[0] += hand.MeldPoints(PlayerPerson);
            sums[1] += hand.TrickPoints[PlayerPerson];
            sums[2] += hand.MeldPoints(PlayerTarvish);
            sums[3] += hand.TrickPoints[PlayerTarvish];
        }
        for (int s = 0; s < 4; ++s) {
            sets[s]->append(sums[s] / hands);
            highest = std::max(highest, sums[s] / hands);
        }
        categories << QString::number(i + 1);
    }
    AttachBars(chart, {sets[0], sets[1], sets[2], sets[3]}, categories, QStringLiteral("Game"),
               highest);
    return chart;
}

QChart* MeldKindsChart(const std::vector<FinishedGame>& games) {
    QChart* chart = NewChart(QStringLiteral("Melds made by kind"));
    auto* person = new QBarSet(QStringLiteral("You"));
    auto* tarvish = new QBarSet(QStringLiteral("Tarvish"));
    QStringList categories;
    double highest = 1;
    for (int kind = 0; kind <= MeldKindCount; ++kind) {
        int counts[3] = {};
        for (const FinishedGame& game : games) {
            for (const HandSummary& hand : game.Hands) {
                for (const MeldEntry& meld : hand.Melds) {
                    if (meld.Kind == kind) ++counts[meld.Player];
                }
            }
        }
        person->append(counts[PlayerPerson]);
        tarvish->append(counts[PlayerTarvish]);
        highest = std::max<double>({highest, double(counts[1]), double(counts[2])});
        // Short enough to stand under a bar.
        static constexpr const char* kShortNames[] = {
            "7 up",     "Dix",     "Run",     "Marriage",  "4 Kings",
            "4 Queens", "4 Jacks", "Corvane", "Dbl Corv.", "4 Aces"};
        categories << QLatin1String(kShortNames[kind]);
    }
    AttachBars(chart, {person, tarvish}, categories, QString(), highest);
    return chart;
}

}  // namespace corvane
