#include "table_words.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "card_item.h"
#include "card_table.h"
#include "control_items.h"
#include "qt_text.h"
#include "table_geometry.h"
#include "table_scene.h"

namespace corvane {

namespace {

struct Column {
    int Left;
    const char* Words;
};

constexpr std::array kColumns{
    Column{CorvaneColumnLeft, "Corvane column"},
    Column{FourQueensColumnLeft, "four Queens column"},
    Column{RunColumnLeft, "trumps run column"},
    Column{FourAcesColumnLeft, "four Aces column"},
    Column{FourJacksColumnLeft, "four Jacks column"},
    Column{FourKingsColumnLeft, "four Kings column"},
    Column{MarriageColumnLeft, "marriage column"},
};
constexpr int kColumnRoom = 8 * MeldColumnStep;  // no column holds more than eight cards

bool At(QPointF pos, TablePoint point) {
    return qRound(pos.x()) == point.Left && qRound(pos.y()) == point.Top;
}

// The column at `pos` whose top card lies at `top`, or null.
const char* ColumnAt(QPointF pos, int top) {
    const int y = qRound(pos.y());
    if (y < top || y >= top + kColumnRoom || (y - top) % MeldColumnStep != 0) return nullptr;
    for (const Column& column : kColumns) {
        if (qRound(pos.x()) == column.Left) return column.Words;
    }
    return nullptr;
}

bool InStock(QPointF pos) {
    const int x = qRound(pos.x());
    const int y = qRound(pos.y());
    return x % StockStepLeft == 0 && y == x / StockStepLeft * StockStepTop &&
           x <= CardCount * StockStepLeft;
}

bool InTrickPile(QPointF pos, int topAtDeal) {
    const int y = qRound(pos.y());
    return qRound(pos.x()) == TrickPileLeft && y >= topAtDeal &&
           y <= topAtDeal + CardCount * TrickPileStep;
}

CardSpot SpotOf(const CardItem& card) {
    if (!card.isVisible()) return CardSpot::Unseen;
    const QPointF pos = card.pos();
    const int y = qRound(pos.y());
    if (y == PlayerDealRowOrigin.Top || y == PlayerSortedRowOrigin.Top)
        return CardSpot::PersonsHand;
    if (y == TarvishHandOrigin.Top) return CardSpot::TarvishsHand;
    if (At(pos, PlayerTrickPlace)) return CardSpot::PersonsTrick;
    if (At(pos, TarvishTrickPlace)) return CardSpot::TarvishsTrick;
    if (At(pos, UpCardPlace)) return CardSpot::UpCard;
    if (At(pos, PlayerDixPlace) || ColumnAt(pos, PlayerMeldColumnTop)) {
        return CardSpot::PersonsDeclared;
    }
    if (At(pos, TarvishDixPlace) || ColumnAt(pos, TarvishMeldColumnTop)) {
        return CardSpot::TarvishsDeclared;
    }
    if (InTrickPile(pos, PlayerPileTopAtDeal)) return CardSpot::PersonsTricks;
    if (InTrickPile(pos, TarvishPileTopAtDeal)) return CardSpot::TarvishsTricks;
    if (InStock(pos)) return CardSpot::Unseen;
    return CardSpot::Moving;
}

bool FaceUp(const CardItem& card) {
    return card.image() >= 1 && card.image() <= CardCount;
}

// The cards now at `spot`, from the left.
std::vector<int> CardsAt(const TableScene& scene, CardSpot spot) {
    std::vector<int> cards;
    for (int i = 1; i <= CardCount; ++i) {
        if (SpotOf(*scene.card(i)) == spot) cards.push_back(i);
    }
    std::sort(cards.begin(), cards.end(), [&scene](int a, int b) {
        return scene.card(a)->pos().x() < scene.card(b)->pos().x();
    });
    return cards;
}

QString InRow(const char* row, const std::vector<int>& cards, int card) {
    const auto at = std::find(cards.begin(), cards.end(), card) - cards.begin();
    return QStringLiteral("%1, %2 of %3").arg(QLatin1String(row)).arg(at + 1).arg(cards.size());
}

// Whether `card`, lying in the trick, was played first: the other card of the trick came later
// and so lies over it.
bool Led(const TableScene& scene, const CardItem& card, CardSpot other) {
    const std::vector<int> others = CardsAt(scene, other);
    return std::none_of(others.begin(), others.end(),
                        [&](int o) { return scene.card(o)->zValue() < card.zValue(); });
}

QString Caption(const TableScene& scene, Control control) {
    return scene.control(control)->caption();
}

QString OrNone(const QString& value) {
    return value.isEmpty() ? QStringLiteral("none") : value;
}

}  // namespace

QString CardFaceName(int image) {
    if (image < 1 || image > CardCount) return {};
    const int suit = SuitOrder[static_cast<std::size_t>((image - 1) / 16)];
    const int value = RankOrder[static_cast<std::size_t>((image - 1) % 16 / 2)];
    static constexpr std::array<const char*, 14> kValues{
        "", "Ace", "", "", "", "", "", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King"};
    return QLatin1String(kValues[static_cast<std::size_t>(value)]) + QStringLiteral(" of ") +
           ToQString(SuitName(suit));
}

CardWords DescribeCard(const TableScene& scene, int index) {
    const CardItem& card = *scene.card(index);
    CardWords words;
    words.Spot = SpotOf(card);
    const bool faceUp = FaceUp(card);
    words.Name = faceUp ? CardFaceName(card.image()) : QStringLiteral("a card, face down");
    const QPointF pos = card.pos();
    switch (words.Spot) {
        case CardSpot::Unseen:
            return {};
        case CardSpot::PersonsHand:
            words.Place = InRow("your hand", CardsAt(scene, words.Spot), index);
            break;
        case CardSpot::TarvishsHand:
            if (!faceUp) words.Name = QStringLiteral("Tarvish's card, face down");
            words.Place = InRow("Tarvish's hand", CardsAt(scene, words.Spot), index);
            break;
        case CardSpot::PersonsTrick:
            words.Place = Led(scene, card, CardSpot::TarvishsTrick)
                              ? QStringLiteral("the trick, led by you")
                              : QStringLiteral("the trick, your answer");
            break;
        case CardSpot::TarvishsTrick:
            words.Place = Led(scene, card, CardSpot::PersonsTrick)
                              ? QStringLiteral("the trick, led by Tarvish")
                              : QStringLiteral("the trick, Tarvish's answer");
            break;
        case CardSpot::UpCard:
            words.Place = QStringLiteral("the up card, trumps");
            break;
        case CardSpot::PersonsDeclared:
        case CardSpot::TarvishsDeclared: {
            const bool persons = words.Spot == CardSpot::PersonsDeclared;
            const char* column =
                ColumnAt(pos, persons ? PlayerMeldColumnTop : TarvishMeldColumnTop);
            words.Place = QStringLiteral("%1 declared cards, %2")
                              .arg(persons ? QStringLiteral("your") : QStringLiteral("Tarvish's"),
                                   column ? QLatin1String(column) : QLatin1String("Dix"));
            break;
        }
        case CardSpot::PersonsTricks:
            words.Name = QStringLiteral("your won trick, face down");
            words.Place = QStringLiteral("your won tricks");
            break;
        case CardSpot::TarvishsTricks:
            words.Name = QStringLiteral("Tarvish's won trick, face down");
            words.Place = QStringLiteral("Tarvish's won tricks");
            break;
        case CardSpot::Moving:
            words.Place = QStringLiteral("on its way");
            break;
    }
    return words;
}

std::vector<int> CardsInReadingOrder(const TableScene& scene) {
    std::vector<int> cards;
    for (int i = 1; i <= CardCount; ++i) {
        if (SpotOf(*scene.card(i)) != CardSpot::Unseen) cards.push_back(i);
    }
    // By place alone, so that the order tells nothing about which card lies face down where.
    std::sort(cards.begin(), cards.end(), [&scene](int a, int b) {
        const QPointF p = scene.card(a)->pos();
        const QPointF q = scene.card(b)->pos();
        return std::tuple(p.y(), p.x(), scene.card(a)->zValue()) <
               std::tuple(q.y(), q.x(), scene.card(b)->zValue());
    });
    return cards;
}

QString ReadHand(const TableScene& scene) {
    QStringList names;
    for (int card : CardsAt(scene, CardSpot::PersonsHand)) {
        names << DescribeCard(scene, card).Name;
    }
    if (names.isEmpty()) return QStringLiteral("Your hand is empty.");
    return QStringLiteral("Your hand: %1.").arg(names.join(QStringLiteral(", ")));
}

QString ReadTrickAndTrumps(const TableScene& scene, const QString& trumpPanel) {
    QStringList parts;
    std::vector<int> trick = CardsAt(scene, CardSpot::PersonsTrick);
    const std::vector<int> tarvish = CardsAt(scene, CardSpot::TarvishsTrick);
    trick.insert(trick.end(), tarvish.begin(), tarvish.end());
    std::sort(trick.begin(), trick.end(),
              [&scene](int a, int b) { return scene.card(a)->zValue() < scene.card(b)->zValue(); });
    for (int card : trick) {
        const CardWords words = DescribeCard(scene, card);
        parts << words.Name + QStringLiteral(", ") + words.Place.section(QStringLiteral(", "), 1);
    }
    QString said = trick.empty() ? QStringLiteral("The trick is empty.")
                                 : QStringLiteral("The trick: %1.").arg(parts.join("; "));
    for (int card : CardsAt(scene, CardSpot::UpCard)) {
        said += QStringLiteral(" The up card is %1.").arg(DescribeCard(scene, card).Name);
    }
    if (!trumpPanel.isEmpty()) said += QLatin1Char(' ') + trumpPanel + QLatin1Char('.');
    return said;
}

QString ReadScores(const TableScene& scene) {
    const auto side = [&scene](const QString& name, Control total, Control meld, Control tricks,
                               Control lastTrick) {
        return QStringLiteral(
                   "%1: total score %2, last meld score %3, trick score %4, last trick "
                   "score %5.")
            .arg(name, OrNone(Caption(scene, total)), OrNone(Caption(scene, meld)),
                 OrNone(Caption(scene, tricks)), OrNone(Caption(scene, lastTrick)));
    };
    return side(Caption(scene, Control::LblPlayer), LblPTot(1), LblPLast(1), Control::LblTotTricksP,
                Control::LblLastTrickP) +
           QLatin1Char(' ') +
           side(QStringLiteral("Tarvish"), LblPTot(2), LblPLast(2), Control::LblTotTrickC,
                Control::LblLastTrickC);
}

}  // namespace corvane
