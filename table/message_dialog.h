#pragma once

#include <QDialog>

#include <array>

#include "message_layout.h"
#include "table.h"

class QLabel;
class QScrollArea;

namespace corvane {

class SoundPlayer;
class ButtonBox;

// MFormDeluxe: the game's own frameless message dialog with a title line, a word-wrapped message,
// an icon and one to three buttons with free captions. One dialog serves the whole run; it can
// only be left by one of its buttons: a click, or from the keyboard, Enter or Space on the button
// chosen with Left and Right (the first at the start). A key counts when it went down and up
// again in the dialog, so a key held down from before never answers, nor answers two in a row.
//
// Its parts carry their design names as object names: "Label3" (title), "Label2" (message, inside
// "MessageView"), "Picture1" (icon), "Pic1(0)".."Pic1(2)" (buttons) and "Label1(0)".."Label1(2)"
// (their captions).
class MessageDialog : public QDialog {
    Q_OBJECT

public:
    explicit MessageDialog(SoundPlayer* sounds, QWidget* parent = nullptr);

    // Fills, sizes and centres the dialog on the main window's screen, plays the ring-out sound
    // and shows it modally; returns the index 0..2 of the button clicked (DialogChoice).
    int showMessage(const MessageRequest& request);

    // The layout of the message now shown (or last shown), in twips.
    const MessageLayout& layout() const { return layout_; }

    // The button that Enter or Space presses now.
    int chosenButton() const { return chosenIndex_; }

    // Leaving only by a button: Escape and the window's close request do nothing.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void setButtonPressed(int index, bool pressed);
    void chooseButton(int index);

    SoundPlayer* sounds_;
    MessageLayout layout_;
    QLabel* title_;
    QScrollArea* messageView_;
    QLabel* message_;
    QLabel* icon_;
    std::array<ButtonBox*, 3> buttons_{};
    std::array<QLabel*, 3> captions_{};
    int pressedIndex_ = -1;
    int chosenIndex_ = 0;  // the button Enter or Space presses
    int keyDown_ = 0;      // the key pressing it, while it is down
};

}  // namespace corvane
