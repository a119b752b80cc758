// Placeholder until the sounds land: silent.
#include "sound_player.h"

namespace corvane {

SoundPlayer::SoundPlayer(const QString&, QObject* parent) : QObject(parent) {}

void SoundPlayer::play(Sound) {}

QString SoundPlayer::fileName(Sound sound) {
    switch (sound) {
        case Sound::CardDeal: return QStringLiteral("carddeal1.wav");
        case Sound::CardDown: return QStringLiteral("carddown.wav");
        case Sound::Riffle: return QStringLiteral("riffle.wav");
        case Sound::Knock: return QStringLiteral("knock.wav");
        case Sound::Ringout: return QStringLiteral("ringout.wav");
    }
    return {};
}

}  // namespace corvane
