#include "sound_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QUrl>

#include "sound_output.h"

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

// The sound module beside the program (a build run from its folder), else where it is installed.
OpenSoundOutputFunction FindSoundModule() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& folder : {QStringLiteral("."), QStringLiteral(CORVANE_SOUND_MODULE_DIR)}) {
        QLibrary module(programFolder.filePath(folder + QStringLiteral("/" CORVANE_SOUND_MODULE)));
        if (auto open =
                reinterpret_cast<OpenSoundOutputFunction>(module.resolve(OpenSoundOutputName)))
            return open;
    }
    return nullptr;
}

// Looked for once, by the first player that needs it.
OpenSoundOutputFunction SoundModule() {
    static const OpenSoundOutputFunction open = FindSoundModule();
    return open;
}

}  // namespace

SoundPlayer::SoundPlayer(const QString& directory, QObject* parent)
    : QObject(parent), directory_(directory) {}

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::soundModuleFound() {
    return SoundModule() != nullptr;
}

void SoundPlayer::prepare() {
    if (prepared_) return;
    prepared_ = true;
    const OpenSoundOutputFunction open = SoundModule();
    if (open == nullptr) return;
    QList<QUrl> sources;
    for (Sound sound : AllSounds) {
        const QFileInfo file(path(sound));
        sources.append(file.isFile() ? SourceOf(file) : QUrl());
    }
    output_.reset(open(sources));
}

void SoundPlayer::play(Sound sound) {
    emit playRequested(sound);
    if (!enabled_) return;
    emit soundAllowed(sound);
    prepare();
    if (output_ != nullptr) output_->play(static_cast<int>(sound));
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
    prepare();
    return output_ != nullptr && output_->canPlay(static_cast<int>(sound));
}

}  // namespace corvane
