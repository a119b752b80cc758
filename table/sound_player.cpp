#include "sound_player.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace corvane {

namespace {

constexpr std::array AllSounds{Sound::CardDeal, Sound::CardDown, Sound::Riffle, Sound::Knock,
                               Sound::Ringout};

// A file of the program's resources (":/sounds/knock.wav") or of the file system.
QUrl SourceOf(const QFileInfo& file) {
    const QString path = file.filePath();
    if (path.startsWith(u':')) return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(file.absoluteFilePath());
}

}  // namespace

SoundPlayer::SoundPlayer(const QString& directory, QObject* parent)
    : QObject(parent), directory_(directory) {
    QTimer::singleShot(0, this, &SoundPlayer::load);
}

void SoundPlayer::load() {
    if (loaded_) return;
    loaded_ = true;
    // Without an audio output every effect would fail on each play; skip them all from the start.
    if (QMediaDevices::defaultAudioOutput().isNull()) return;
    for (Sound sound : AllSounds) {
        const QFileInfo file(path(sound));
        if (!file.isFile()) continue;
        auto* effect = new QSoundEffect(this);
        effect->setSource(SourceOf(file));
        effects_[static_cast<int>(sound)] = effect;
    }
}

void SoundPlayer::play(Sound sound) {
    emit playRequested(sound);
    if (!enabled_) return;
    emit soundAllowed(sound);
    load();
    QSoundEffect* effect = effects_[static_cast<int>(sound)];
    if (effect == nullptr || effect->status() == QSoundEffect::Error) return;
    // A card landing while the last one still sounds starts afresh, as a new card would.
    effect->stop();
    effect->play();
}

QString SoundPlayer::fileName(Sound sound) {
    switch (sound) {
        case Sound::CardDeal:
            return QStringLiteral("carddeal1.wav");
        case Sound::CardDown:
            return QStringLiteral("carddown.wav");
        case Sound::Riffle:
            return QStringLiteral("riffle.wav");
        case Sound::Knock:
            return QStringLiteral("knock.wav");
        case Sound::Ringout:
            return QStringLiteral("ringout.wav");
    }
    return {};
}

QString SoundPlayer::path(Sound sound) const {
    return QDir(directory_).filePath(fileName(sound));
}

bool SoundPlayer::canPlay(Sound sound) {
    load();
    const QSoundEffect* effect = effects_[static_cast<int>(sound)];
    return effect != nullptr && effect->status() != QSoundEffect::Error;
}

}  // namespace corvane
