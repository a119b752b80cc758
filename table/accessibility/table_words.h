#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace corvane {

class TableScene;

// Where a card lies on the table, as the person sees it.
enum class CardSpot {
    Unseen,           // hidden, or in the stock, whose order nobody sees
    PersonsHand,      // the person's row at the foot of the table
    TarvishsHand,     // Tarvish's row, face down
    PersonsTrick,     // the person's card in the trick
    TarvishsTrick,    // Tarvish's card in the trick
    UpCard,           // the up card, which fixes trumps
    PersonsDeclared,  // the person's declared cards, face up in their columns
    TarvishsDeclared,
    PersonsTricks,  // the person's won tricks, face down
    TarvishsTricks,
    Moving,  // on its way from one place to another
};

// A card in words, from nothing but what the table shows: a card lying face down is never named.
struct CardWords {
    CardSpot Spot = CardSpot::Unseen;
    QString Name;   // "Queen of Spades"; "Tarvish's card, face down"
    QString Place;  // "your hand, 3 of 9"; "the trick, led by Tarvish"
};

// The name of card picture `image` (1..64), "Queen of Spades"; empty for any other picture.
QString CardFaceName(int image);

// Card `card` of `scene` in words.
CardWords DescribeCard(const TableScene& scene, int card);

// The cards of `scene` in reading order: from the top of the table down, left to right within a
// row, the stock and the hidden cards left out.
std::vector<int> CardsInReadingOrder(const TableScene& scene);

// What the keys read aloud: the person's hand from the left; the trick, the up card and trumps;
// the scores of both players.
QString ReadHand(const TableScene& scene);
QString ReadTrickAndTrumps(const TableScene& scene, const QString& trumpPanel);
QString ReadScores(const TableScene& scene);

}  // namespace corvane
