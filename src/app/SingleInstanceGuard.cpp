#include "app/SingleInstanceGuard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace quarnel::app {

namespace {

const QByteArray kRequest = "raise\n";
const QByteArray kReply = "ok\n";

// How long a later start keeps trying to reach the running instance, which may
// itself be between taking the lock and listening.
constexpr int kContactMs = 3000;

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& directory, const QString& key,
                                         QObject* parent)
    : QObject(parent), lockPath_(QDir(directory).filePath(key + QStringLiteral(".lock"))),
      serverName_(QDir(directory).filePath(key + QStringLiteral(".socket"))), lock_(lockPath_) {
    // A lock is stale only when its owner has gone, never because it is old:
    // an instance may run for days.
    lock_.setStaleLockTime(0);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    server_.close();
    lock_.unlock();
}

QString SingleInstanceGuard::defaultDirectory() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

SingleInstanceGuard::Outcome SingleInstanceGuard::claim() {
    if (lock_.tryLock(0)) {
        startListening();
        return Outcome::First;
    }
    if (lock_.error() != QLockFile::LockFailedError)
        return Outcome::Unguarded;
    askRunningInstance();
    return Outcome::AnotherRunning;
}

void SingleInstanceGuard::startListening() {
    // A crashed instance may have left its socket file behind.
    QLocalServer::removeServer(serverName_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(serverName_))
        return; // the program still runs; a later start then just ends
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->readAll().contains(kRequest.trimmed()))
                    return;
                socket->write(kReply);
                socket->flush();
                emit activationRequested();
            });
        }
    });
}

void SingleInstanceGuard::askRunningInstance() {
    const QDeadlineTimer deadline(kContactMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(200)) {
            socket.write(kRequest);
            socket.waitForBytesWritten(500);
            // Wait for the answer so the request is known to have arrived.
            socket.waitForReadyRead(1000);
            socket.disconnectFromServer();
            return;
        }
        QThread::msleep(50);
    }
}

} // namespace quarnel::app
