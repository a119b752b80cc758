#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QGraphicsItem;

namespace corvane {

class CardItem;
class TableScene;

// What the game tells the keyboard about the person's cards.
struct PersonsCards {
    std::vector<int> Held;  // the cards a click plays when the game waits for one, in any order
    bool MayPlay = false;   // the game waits for one of them now
};

// The card the person has chosen with the keyboard: a mark over it, in front of every card, that
// goes wherever the card is laid. Which cards may be chosen is the game's to say; the table
// decides the order that Left and Right go through them: the hand row from the left, then the
// cards lying face up on the table, column by column. The choice outlasts the waits: a card
// played hands it on to the card that was next to it, and a new hand starts from the left.
class CardFocus : public QObject {
    Q_OBJECT

public:
    using Source = std::function<PersonsCards()>;

    explicit CardFocus(TableScene* scene);

    void setSource(Source source);

    // The card marked, 0 while no mark shows.
    int card() const;
    // Moves the mark to `card` when the person may play it now.
    void choose(int card);
    // Moves the mark to the next card to the right (+1) or the left (-1), round the ends.
    void step(int direction);
    // Looks at the person's cards: the choice stays on its card while the person holds it, else
    // goes to the card that came after it (or else before it); the mark shows while the person
    // may play. The table calls it whenever it lets the person see the game.
    void refresh();
    // A card has moved: the mark goes with it.
    void follow(const CardItem* card);
    // The stacking value of the card now in front of every other: the mark stays above it.
    void keepAbove(qreal z);

    // The mark itself, for a look at where it is drawn.
    const QGraphicsItem* mark() const;

signals:
    // The mark has gone to another card, or has shown or gone (0).
    void marked(int card);

private:
    void tellMarked();

    std::vector<int> inOrder(std::vector<int> cards) const;
    void markCard(int card);

    TableScene* scene_;
    Source source_;
    QGraphicsItem* mark_;
    std::vector<int> order_;  // the person's cards when last looked at
    int focused_ = 0;         // 0 until the person may play in a hand
    int told_ = 0;            // the card that marked() last told
};

}  // namespace corvane
