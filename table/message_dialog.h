#pragma once

#include <QDialog>

#include "table.h"

namespace corvane {

class SoundPlayer;

// MFormDeluxe: the game's own frameless message dialog with a title line, a word-wrapped message,
// an icon and one to three buttons with free captions. One dialog serves the whole run.
class MessageDialog : public QDialog {
    Q_OBJECT

public:
    MessageDialog(SoundPlayer* sounds, QWidget* parent = nullptr);

    // Fills, sizes and centres the dialog on the main window's screen, plays the ring-out sound
    // and shows it modally; returns the index 0..2 of the button clicked (DialogChoice).
    int showMessage(const MessageRequest& request);
};

}  // namespace corvane
