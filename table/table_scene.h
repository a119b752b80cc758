#pragma once

#include <QGraphicsScene>
#include <QKeyEvent>
#include <QString>

#include <array>
#include <string_view>
#include <vector>

#include "card_table.h"
#include "table.h"

namespace corvane {

class ButtonItem;
class CardItem;
class ControlItem;

// The table in twips: the 64 card pictures and every named control, in one drawing order. The
// person's clicks leave it as signals, sent from the event loop rather than from inside the
// mouse handling, because the game may run a long step in response.
class TableScene : public QGraphicsScene {
    Q_OBJECT

public:
    explicit TableScene(QObject* parent = nullptr);

    CardItem* card(int index) const { return cards_[index]; }
    ControlItem* control(Control control) const;
    ControlItem* control(std::string_view name) const;

    // Puts a card or a control in front of every other card and control.
    void bringToFront(QGraphicsItem* item);

    // The shown buttons whose access letter is `key` with Alt; empty for any other key.
    std::vector<ButtonItem*> buttonsForAccessKey(const QKeyEvent& event) const;

signals:
    void cardClicked(int card);
    // A button or a clickable label, by its design name ("CmdSort", "LblKnock").
    void controlClicked(const QString& name);

protected:
    // The access letters of the buttons shown, with Alt. A letter that several buttons shown
    // share moves from one to the next instead, and Space or Enter presses the one reached.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setAccessFocus(ButtonItem* button);
    ButtonItem* accessFocus() const;

    std::array<CardItem*, CardCount + 1> cards_{};
    std::vector<ControlItem*> controls_;  // in layout order
    qreal front_ = 0;
};

}  // namespace corvane
