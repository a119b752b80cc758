#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QTimer>

#include <vector>

class QGraphicsItem;
class QWidget;

namespace corvane {

// Lets the cards moved since the last pause glide to their new places during the next one, so
// that a move reads as motion. A move puts the picture in its place at once as far as anyone asks;
// only what the person sees during the pause lies in between. Every glide ends with its cards
// exactly at their places, however the pause ends, and no timer runs while nothing glides.
class CardGlide : public QObject {
    Q_OBJECT

public:
    // `window` shows the cards: while it is hidden or minimised, cards jump.
    explicit CardGlide(const QWidget* window, QObject* parent = nullptr);

    // Puts `card` at `place` now. The next pause shows it travelling there from where the person
    // last saw it, however often it moves before that pause.
    void move(QGraphicsItem* card, QPointF place);
    // A pause of `ms` begins: the cards moved since the last one glide over it, ending at its
    // end, or stay at their places when it is too short or the window shows nothing.
    void start(int ms);
    // Every gliding card at its place, at once.
    void finish();
    // Finishes, and forgets the moves not shown yet: nothing of a hand given up glides later.
    void discard();

    bool gliding() const { return !gliding_.empty(); }

private:
    struct Travel {
        QGraphicsItem* card;
        QPointF from;
        QPointF to;
    };

    void showFrame();
    bool canShow() const;
    // The event loop has run since these moves, so the person has seen the cards at their places.
    void forgetShownMoves();

    const QWidget* window_;
    std::vector<Travel> unshown_;
    std::vector<Travel> gliding_;
    QTimer frames_;
    QElapsedTimer elapsed_;
    int length_ = 0;
    bool forgetPosted_ = false;
};

}  // namespace corvane
