#include "review_texts.h"

#include <QStringList>

#include <cmath>

#include "card_table.h"
#include "game_state.h"

namespace corvane {

namespace {

const Game& Names() {
    static const Game names = [] {
        Game g;
        BuildCardTable(g);
        return g;
    }();
    return names;
}

QString SuitWords(int suit) {
    switch (suit) {
        case Diamonds:
            return QStringLiteral("Diamonds");
        case Clubs:
            return QStringLiteral("Clubs");
        case Hearts:
            return QStringLiteral("Hearts");
        case Spades:
            return QStringLiteral("Spades");
    }
    return {};
}

QString Points(double points) {
    return QString::number(static_cast<int>(std::lround(points)));
}

QString CardsWords(expert::Mask cards) {
    QStringList names;
    for (; cards; cards &= cards - 1) names << CardWords(expert::FirstCard(cards));
    return names.join(QStringLiteral(", "));
}

}  // namespace

QString CardWords(int card) {
    if (card < 1 || card > CardCount) return {};
    return QString::fromStdString(Names().CardTable[card].Name).simplified();
}

QString MeldWords(int kind, int suit) {
    switch (kind) {
        case MeldDix:
            return QStringLiteral("the Dix");
        case MeldRun:
            return QStringLiteral("the run in trumps");
        case MeldMarriage:
            return QStringLiteral("the marriage in ") + SuitWords(suit);
        case MeldFourKings:
            return QStringLiteral("four Kings");
        case MeldFourQueens:
            return QStringLiteral("four Queens");
        case MeldFourJacks:
            return QStringLiteral("four Jacks");
        case MeldCorvane:
            return QStringLiteral("the Corvane");
        case MeldDoubleCorvane:
            return QStringLiteral("the Double Corvane");
        case MeldFourAces:
            return QStringLiteral("four Aces");
    }
    return QStringLiteral("no declaration");
}

QString OptionWords(const review::Option& option, bool declaration) {
    return declaration ? MeldWords(option.Meld.Kind, option.Meld.Suit) : CardWords(option.Card);
}

QString GradeWords(review::Grade grade) {
    return QString::fromUtf8(review::GradeName(grade));
}

QString HintText(const review::Evaluation& e, const review::Option& hinted, bool declaration) {
    const QString name = OptionWords(hinted, declaration);
    const review::Option* next = nullptr;
    for (const review::Option& o : e.Options) {
        const bool same = declaration ? o.Meld == hinted.Meld : o.Card == hinted.Card;
        if (same || (!declaration && CardWords(o.Card) == name)) continue;
        if (next == nullptr || o.Value > next->Value) next = &o;
    }
    if (next == nullptr)
        return QStringLiteral("Hint: %1, the only choice that plays differently").arg(name);
    const double better = hinted.Value - next->Value;
    const QString other = OptionWords(*next, declaration);
    if (better < 1 || better <= 2 * next->LossError)
        return QStringLiteral("Hint: %1; %2 is about as good").arg(name, other);
    return QStringLiteral("Hint: %1, about %2 points better on average than your next best, %3")
        .arg(name, Points(better), other);
}

QString TutorText(const review::ReviewedDecision& d) {
    const bool declaration = d.Point.Declaration;
    QString chosen = OptionWords(d.Chosen, declaration);
    QString best = OptionWords(d.Best, declaration);
    for (QString* words : {&chosen, &best}) {
        if (!words->isEmpty()) (*words)[0] = words->at(0).toUpper();
    }
    return QStringLiteral(
               "%1 would be a %2: it costs about %3 points on average. %4 is better.\n\n"
               "%5 anyway, or choose again?")
        .arg(chosen, GradeWords(d.Grading), Points(d.Chosen.Loss), best,
             declaration ? QStringLiteral("Go ahead") : QStringLiteral("Play it"));
}

QString RowWords(const review::ReviewedDecision& d) {
    const bool declaration = d.Point.Declaration;
    const QString where = QStringLiteral("Hand %1, round %2, trick %3: ")
                              .arg(d.Point.Hand)
                              .arg(d.Point.Round())
                              .arg(d.Point.Trick());
    if (d.Chosen.Loss < 0.5)
        return where + QStringLiteral("you chose %1, the best, %2.")
                           .arg(OptionWords(d.Chosen, declaration), GradeWords(d.Grading));
    return where + QStringLiteral("you chose %1, the best was %2, a loss of %3 points, %4.")
                       .arg(OptionWords(d.Chosen, declaration), OptionWords(d.Best, declaration),
                            Points(d.Chosen.Loss), GradeWords(d.Grading));
}

QString PositionWords(const review::ReviewedDecision& d) {
    const expert::HandState& s = d.Point.View.State;
    const bool declaration = d.Point.Declaration;
    QStringList lines;
    lines << QStringLiteral("Trumps: %1").arg(SuitWords(s.Trump));
    lines << QStringLiteral("Your cards: %1").arg(CardsWords(s.Held[PlayerPerson]));
    if (s.Led != 0) lines << QStringLiteral("Tarvish led: %1").arg(CardWords(s.Led));
    const expert::Mask declared = s.Held[PlayerTarvish] & s.OnTable;
    if (declared != 0)
        lines << QStringLiteral("Tarvish's declared cards: %1").arg(CardsWords(declared));
    lines << QStringLiteral("Chosen: %1").arg(OptionWords(d.Chosen, declaration));
    lines << QStringLiteral("Best: %1 (expected hand result %2 points)")
                 .arg(OptionWords(d.Best, declaration), Points(d.Best.Value));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace corvane
