#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace corvane {

// One running copy of the program per user and data folder. The copy that holds the lock file in
// the data folder runs the game and listens on a local socket; a later copy asks it there to
// raise its window, and leaves without touching the journal or the settings. A lock left by a
// copy that was killed is taken over at once: only a holder that has died makes it stale.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Claim {
        First,       // this copy runs the game
        HandedOver,  // the running copy has raised its window; this one leaves
        NoAnswer,    // a live copy holds the lock but did not answer in time
    };

    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Waits up to `answerMs` for a running copy to answer.
    Claim claim(int answerMs = 5000);

signals:
    // A later copy asked for the window.
    void raiseRequested();

private:
    void listen();
    bool askToRaise(int answerMs);

    QString folder_;
    QLockFile lock_;
    QString serverName_;
    QLocalServer* server_ = nullptr;
};

// The lock file's name in the data folder.
inline constexpr char InstanceLockName[] = "corvane.lock";

}  // namespace corvane
