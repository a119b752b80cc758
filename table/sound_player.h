#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "table.h"

namespace corvane {

class SoundOutput;

// Plays the game's WAV files from a directory, asynchronously: the sounds built into the program
// (BuiltInSounds) or any folder. A missing file or a machine without audio is skipped silently and
// never delays the game. The audio output and the sounds are opened by prepare(), which the window
// calls once it is on the screen, or else at the first sound.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    // The resource folder that the build fills with the game's synthesised sounds.
    static inline const QString BuiltInSounds = QStringLiteral(":/sounds");

    explicit SoundPlayer(const QString& directory, QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Loads the sound module, opens the audio output and loads every sound, once.
    void prepare();

    // Starts the sound and returns at once; a sound already playing starts again. Nothing starts
    // while the sounds are switched off.
    void play(Sound sound);

    // The person's sound switch; on from the start.
    void setEnabled(bool on) { enabled_ = on; }
    bool enabled() const { return enabled_; }

    // "carddeal1.wav", "carddown.wav", "riffle.wav", "knock.wav", "ringout.wav".
    static QString fileName(Sound sound);
    // The file played for `sound`: the directory followed by its file name.
    QString path(Sound sound) const;
    // False when the file is missing or the machine has no audio output.
    bool canPlay(Sound sound);
    // Whether the module that plays the sounds is beside the program or where it is installed;
    // without it the game is silent.
    static bool soundModuleFound();

signals:
    // Every request to play, whether or not it can be heard.
    void playRequested(corvane::Sound sound);
    // A request the sound switch lets through: the sound starts wherever the machine can play it.
    void soundAllowed(corvane::Sound sound);

private:
    QString directory_;
    bool enabled_ = true;
    bool prepared_ = false;
    // Null until prepared, and where the machine has no audio output.
    std::unique_ptr<SoundOutput> output_;
};

}  // namespace corvane
