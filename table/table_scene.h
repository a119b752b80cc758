#pragma once

#include <QGraphicsScene>
#include <QKeyEvent>
#include <QString>

#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "card_table.h"
#include "table.h"

namespace corvane {

class ButtonItem;
class CardFocus;
class CardItem;
class ControlItem;

// The table in twips: the 64 card pictures and every named control, in one drawing order. The
// person's clicks leave it as signals, sent from the event loop rather than from inside the
// mouse handling, because the game may run a long step in response.
//
// The keyboard reaches what the mouse reaches, through the same signals: Left and Right choose one
// of the person's cards and Enter or Space plays it; a button's access letter presses it, with
// Alt or without (a letter that several buttons shown share moves from one to the next instead,
// and Enter or Space presses the one reached); Escape leaves the panel in front by its Cancel; K
// knocks while the knock is offered (Ctrl+K also while a panel has a K of its own). A key held
// down acts once, but for Left and Right.
class TableScene : public QGraphicsScene {
    Q_OBJECT

public:
    explicit TableScene(QObject* parent = nullptr);
    ~TableScene() override;

    CardItem* card(int index) const { return cards_[index]; }
    ControlItem* control(Control control) const;
    ControlItem* control(std::string_view name) const;

    // Puts a card or a control in front of every other card and control.
    void bringToFront(QGraphicsItem* item);

    // The card chosen with the keyboard, among those the game lets the person play now.
    CardFocus& cardFocus() const { return *focus_; }

    // Gives the button the access focus that Enter or Space presses, as its shared letter would.
    void focusButton(std::string_view name);

    // Whether the table acts on `key` now; such a key goes to the table before the window's
    // shortcuts and the menu bar's letters.
    bool takesKey(const QKeyEvent& key) { return bool(keyAction(key)); }

signals:
    void cardClicked(int card);
    // A button or a clickable label, by its design name ("CmdSort", "LblKnock").
    void controlClicked(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What `key` does on the table as it is now; nothing when the table has no use for it.
    std::function<void()> keyAction(const QKeyEvent& key);
    // The shown buttons whose access letter is `letter`.
    std::vector<ButtonItem*> buttonsWithLetter(QChar letter) const;
    ControlItem* escapeButton() const;
    void setAccessFocus(ButtonItem* button);
    ButtonItem* accessFocus() const;

    CardFocus* focus_;
    std::array<CardItem*, CardCount + 1> cards_{};
    std::vector<ControlItem*> controls_;  // in layout order
    qreal front_ = 0;
};

}  // namespace corvane
