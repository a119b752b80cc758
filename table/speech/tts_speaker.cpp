#include "tts_speaker.h"

#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QTextToSpeech>
#include <QThread>

namespace corvane {

namespace {

// How long the end of the program waits for a speech engine that does not answer.
constexpr unsigned long kStopWaitMs = 1000;

}  // namespace

struct TtsSpeaker::Next {
    QMutex Mutex;
    QString Text;  // empty when there is none

    QString take() {
        QMutexLocker lock(&Mutex);
        return std::exchange(Text, QString());
    }
};

// The engine, on the speaker's thread.
class TtsVoice : public QObject {
public:
    explicit TtsVoice(std::shared_ptr<TtsSpeaker::Next> next) : next_(std::move(next)) {}

    void sayNext() {
        const QString text = next_->take();
        if (text.isEmpty()) return;
        QTextToSpeech* speech = engine();
        speech->stop();
        speech->say(text);
    }

private:
    // The speech server first; where none runs, the first engine that works.
    QTextToSpeech* engine() {
        if (speech_ != nullptr) return speech_;
        QStringList engines = QTextToSpeech::availableEngines();
        engines.removeAll(QStringLiteral("speechd"));
        engines.prepend(QStringLiteral("speechd"));
        for (const QString& name : engines) {
            auto* candidate = new QTextToSpeech(name, this);
            if (candidate->state() != QTextToSpeech::Error) {
                speech_ = candidate;
                break;
            }
            delete candidate;
        }
        if (speech_ == nullptr) speech_ = new QTextToSpeech(this);
        // The game speaks English, whatever the system's language.
        speech_->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        return speech_;
    }

    std::shared_ptr<TtsSpeaker::Next> next_;
    QTextToSpeech* speech_ = nullptr;
};

TtsSpeaker::TtsSpeaker(QObject* parent) : QObject(parent), next_(std::make_shared<Next>()) {}

TtsSpeaker::~TtsSpeaker() {
    if (thread_ == nullptr) return;
    thread_->quit();
    // An engine stuck for good is left to the end of the process rather than waited for.
    if (!thread_->wait(kStopWaitMs)) thread_->setParent(nullptr);
}

bool TtsSpeaker::EngineAvailable() {
    return !QTextToSpeech::availableEngines().isEmpty();
}

void TtsSpeaker::say(const QString& text) {
    if (thread_ == nullptr) {
        thread_ = new QThread(this);
        thread_->setObjectName(QStringLiteral("Read Aloud"));
        voice_ = new TtsVoice(next_);
        voice_->moveToThread(thread_);
        connect(thread_, &QThread::finished, voice_, &QObject::deleteLater);
        thread_->start();
    }
    QMutexLocker lock(&next_->Mutex);
    const bool posted = !next_->Text.isEmpty();
    next_->Text = text;
    if (!posted) QMetaObject::invokeMethod(voice_, &TtsVoice::sayNext, Qt::QueuedConnection);
}

}  // namespace corvane
