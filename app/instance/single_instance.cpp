#include "single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace corvane {

namespace {

constexpr char RaiseRequest[] = "raise\n";
constexpr char RaiseAnswer[] = "raised\n";
// Between tries while the running copy is still starting to listen.
constexpr int RetryMs = 50;

// A short socket path in the user's runtime folder, one for each data folder.
QString ServerNameFor(const QString& folder) {
    const QByteArray key =
        QCryptographicHash::hash(QDir(folder).absolutePath().toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(runtime).filePath(QStringLiteral("corvane-") + QString::fromLatin1(key));
}

}  // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent),
      folder_(dataFolder),
      lock_(QDir(dataFolder).filePath(QLatin1String(InstanceLockName))),
      serverName_(ServerNameFor(dataFolder)) {
    // However long a live copy runs, its lock stays good; a dead holder's is stale at once.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim(int answerMs) {
    QDir().mkpath(folder_);
    const QDeadlineTimer deadline(answerMs);
    for (;;) {
        if (lock_.tryLock(0)) {
            listen();
            return Claim::First;
        }
        // Where no lock can be kept (a folder that cannot be written) this copy runs alone.
        if (lock_.error() != QLockFile::LockFailedError) return Claim::First;
        if (askToRaise(int(deadline.remainingTime()))) return Claim::HandedOver;
        if (deadline.hasExpired()) return Claim::NoAnswer;
        // The running copy may hold the lock and not listen yet.
        QThread::msleep(RetryMs);
    }
}

void SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a killed copy: with the lock held here, nobody else listens on it.
    QLocalServer::removeServer(serverName_);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) return;
                if (socket->readLine() == RaiseRequest) {
                    emit raiseRequested();
                    socket->write(RaiseAnswer);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
    server_->listen(serverName_);
}

bool SingleInstance::askToRaise(int answerMs) {
    const QDeadlineTimer deadline(std::max(answerMs, 0));
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) return false;
    socket.write(RaiseRequest);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime()))) return false;
    }
    return socket.readLine() == RaiseAnswer;
}

}  // namespace corvane
