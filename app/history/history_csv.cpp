#include "history_csv.h"

#include <QString>
#include <QStringList>

namespace corvane {

namespace {

// A field in quotes when it holds a separator, a quote or a line break; quotes doubled.
QString Field(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString SideName(int knocker) {
    if (knocker == PlayerPerson) return QStringLiteral("You");
    if (knocker == PlayerTarvish) return QStringLiteral("Tarvish");
    return {};
}

}  // namespace

QString MeldList(const HandSummary& hand, int player) {
    QStringList melds;
    for (const MeldEntry& meld : hand.Melds) {
        if (meld.Player != player) continue;
        melds
            << QStringLiteral("%1 %2").arg(QLatin1String(MeldKindName(meld.Kind))).arg(meld.Points);
    }
    return melds.join(QLatin1String("; "));
}

QByteArray HistoryCsv(const std::vector<FinishedGame>& games) {
    QStringList lines;
    lines << QStringLiteral(
        "Game,Ended (UTC),Target,Tarvish plays,Winner,Your total,Tarvish total,Hand,Your melds,"
        "Your meld points,Your trick points,Tarvish melds,Tarvish meld points,"
        "Tarvish trick points,Knock,Rating,Average loss,Luck");
    for (const FinishedGame& game : games) {
        for (std::size_t h = 0; h < game.Hands.size(); ++h) {
            const HandSummary& hand = game.Hands[h];
            QStringList fields;
            fields << QString::number(game.Id)
                   << game.Ended.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                   << QString::number(game.Target) << QLatin1String(LevelName(game.Level))
                   << SideName(game.Winner) << QString::number(game.Totals[PlayerPerson])
                   << QString::number(game.Totals[PlayerTarvish]) << QString::number(h + 1);
            for (const int player : {PlayerPerson, PlayerTarvish}) {
                fields << MeldList(hand, player) << QString::number(hand.MeldPoints(player))
                       << QString::number(hand.TrickPoints[player]);
            }
            fields << SideName(hand.Knocker);
            if (game.Rating) {
                fields << QString::fromStdString(game.Rating->Words)
                       << QString::number(game.Rating->AverageLoss, 'f', 2)
                       << QString::number(game.Rating->Luck, 'f', 1);
            } else {
                fields << QString() << QString() << QString();
            }
            for (QString& field : fields) field = Field(field);
            lines << fields.join(QLatin1Char(','));
        }
    }
    return (lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8();
}

}  // namespace corvane
