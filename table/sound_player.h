#pragma once

#include <QObject>
#include <QString>

#include "table.h"

namespace corvane {

// Plays the game's WAV files from the program's directory, asynchronously. A missing file or a
// machine without audio is skipped silently and never delays the game.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(const QString& directory, QObject* parent = nullptr);

    void play(Sound sound);

    // "carddeal1.wav", "carddown.wav", "riffle.wav", "knock.wav", "ringout.wav".
    static QString fileName(Sound sound);
};

}  // namespace corvane
