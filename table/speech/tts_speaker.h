#pragma once

#include <QObject>

#include "speaker.h"

class QTextToSpeech;

namespace corvane {

// The system's text-to-speech: the speech server where one runs, else a synthesiser of its own.
class TtsSpeaker : public QObject, public Speaker {
    Q_OBJECT

public:
    explicit TtsSpeaker(QObject* parent = nullptr);

    // Whether this system has any speech engine at all.
    static bool EngineAvailable();

    void say(const QString& text) override;

private:
    // Made at the first announcement: a speech server may take a moment to answer.
    QTextToSpeech* speech();

    QTextToSpeech* speech_ = nullptr;
};

}  // namespace corvane
