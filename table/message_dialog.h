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
// only be left by clicking one of its buttons.
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

    // Leaving only by a button: Escape and the window's close request do nothing.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setButtonPressed(int index, bool pressed);

    SoundPlayer* sounds_;
    MessageLayout layout_;
    QLabel* title_;
    QScrollArea* messageView_;
    QLabel* message_;
    QLabel* icon_;
    std::array<ButtonBox*, 3> buttons_{};
    std::array<QLabel*, 3> captions_{};
    int pressedIndex_ = -1;
};

}  // namespace corvane
