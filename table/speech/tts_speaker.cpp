#include "tts_speaker.h"

#include <QTextToSpeech>

namespace corvane {

TtsSpeaker::TtsSpeaker(QObject* parent) : QObject(parent) {}

bool TtsSpeaker::EngineAvailable() {
    return !QTextToSpeech::availableEngines().isEmpty();
}

QTextToSpeech* TtsSpeaker::speech() {
    if (speech_ != nullptr) return speech_;
    // The speech server first; where none runs, the first engine that works.
    QStringList engines = QTextToSpeech::availableEngines();
    engines.removeAll(QStringLiteral("speechd"));
    engines.prepend(QStringLiteral("speechd"));
    for (const QString& engine : engines) {
        auto* candidate = new QTextToSpeech(engine, this);
        if (candidate->state() != QTextToSpeech::Error) return speech_ = candidate;
        delete candidate;
    }
    return speech_ = new QTextToSpeech(this);
}

void TtsSpeaker::say(const QString& text) {
    QTextToSpeech* speech = this->speech();
    speech->stop();
    speech->say(text);
}

}  // namespace corvane
