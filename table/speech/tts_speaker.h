#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "speaker.h"

class QThread;

namespace corvane {

class TtsVoice;

// The system's text-to-speech: the speech server where one runs, else a synthesiser of its own.
// The engine lives on a thread of its own, made at the first announcement: a speech server may be
// slow to answer, or not answer at all, and the game must never wait for it. Announcements made
// while the engine is busy replace one another; the newest is said next and cuts the one before.
class TtsSpeaker : public QObject, public Speaker {
    Q_OBJECT

public:
    explicit TtsSpeaker(QObject* parent = nullptr);
    ~TtsSpeaker() override;

    // Whether this system has any speech engine at all.
    static bool EngineAvailable();

    void say(const QString& text) override;

    // The newest announcement not yet handed to the engine, shared with the engine's thread.
    struct Next;

private:
    QThread* thread_ = nullptr;
    TtsVoice* voice_ = nullptr;
    std::shared_ptr<Next> next_;
};

}  // namespace corvane
