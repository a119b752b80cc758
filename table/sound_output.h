#pragma once

#include <QList>
#include <QUrl>

namespace corvane {

// The audio output that plays the game's sounds. It lives in a module of its own, the one part of
// the program that links Qt Multimedia, which SoundPlayer loads at its first need: the audio
// libraries are many, and the window is shown before any of them is loaded.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts sound `index` of the sources from its beginning, cutting it short if it is playing.
    virtual void play(int index) = 0;
    // False when the source is missing or cannot be played.
    virtual bool canPlay(int index) const = 0;
};

// The module's one entry point: the sources loaded on the machine's audio output, or null when
// the machine has none. An empty URL stands for a sound that is missing.
using OpenSoundOutputFunction = SoundOutput* (*)(const QList<QUrl>& sources);
inline constexpr char OpenSoundOutputName[] = "CorvaneOpenSoundOutput";

}  // namespace corvane
