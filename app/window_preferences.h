#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>

#include <memory>

#include "game_state.h"

class QSettings;
class QWidget;

namespace corvane {

// Room left around the window on its screen for its frame: borders and a title bar.
inline constexpr QMargins WindowFrameRoom(8, 32, 8, 8);

// The person's preferences for the program's window, kept apart from the game's settings file:
// whether the game makes its sounds, and where the window stands. They live in the user's
// configuration folder, or in `file` when one is given.
class WindowPreferences {
public:
    explicit WindowPreferences(const QString& file = QString());
    ~WindowPreferences();
    WindowPreferences(const WindowPreferences&) = delete;
    WindowPreferences& operator=(const WindowPreferences&) = delete;

    // On until the person turns them off.
    bool soundsOn() const;
    void setSoundsOn(bool on);

    // Read Aloud: off until the person turns it on.
    bool readAloud() const;
    void setReadAloud(bool on);
    // The four-colour deck: off until the person turns it on.
    bool fourColourSuits() const;
    void setFourColourSuits(bool on);
    // The card deck the pictures come from, by its folder's name: the game's own (empty) until
    // the person chooses another.
    QString cardDeck() const;
    void setCardDeck(const QString& id);
    // Who plays Tarvish: Classic until the person chooses Expert.
    OpponentLevel tarvishLevel() const;
    void setTarvishLevel(OpponentLevel level);
    // The tutor: off until the person turns it on.
    bool tutorOn() const;
    void setTutorOn(bool on);

    // The window's normal place and size and whether it is maximised. Full screen is left out:
    // the next start shows the window as it was before it went full screen.
    void saveWindow(const QWidget& window);
    // Puts the window back where it last stood, fitted onto the screens there are now; false
    // when nothing usable is stored.
    bool restoreWindow(QWidget& window) const;

private:
    std::unique_ptr<QSettings> settings_;
};

// Where a window last standing at `saved` goes on screens whose available areas are `available`,
// the primary screen's first: where it was while some screen still holds its centre, pulled
// inside that screen when it sticks out; centred on the primary screen when its screen is gone.
// Its size shrinks when a screen cannot hold it with room for the window frame.
QRect FitOntoScreens(const QRect& saved, const QList<QRect>& available);

}  // namespace corvane
