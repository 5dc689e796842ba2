#include "app/SingleInstanceGuard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
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
    // The user's own runtime folder (Qt makes one, private to the user, when
    // the session names none); never a folder other users can write to.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    QDir().mkpath(dir);
    return dir;
}

SingleInstanceGuard::Outcome SingleInstanceGuard::claim() {
    if (lock_.tryLock(0)) {
        startListening();
        return Outcome::First;
    }
    if (lock_.error() == QLockFile::LockFailedError) {
        const LockInfo unanswered = lockInfo();
        if (askRunningInstance())
            return Outcome::AnotherRunning;
        if (takeOver(unanswered)) {
            startListening();
            return Outcome::First;
        }
        return Outcome::Unguarded;
    }
    problem_ =
        QStringLiteral("The lock file %1 cannot be created (%2).")
            .arg(QDir::toNativeSeparators(lockPath_), lock_.error() == QLockFile::PermissionError
                                                          ? QStringLiteral("no permission")
                                                          : QStringLiteral("unknown error"));
    return Outcome::Unguarded;
}

SingleInstanceGuard::LockInfo SingleInstanceGuard::lockInfo() const {
    LockInfo info;
    info.valid = lock_.getLockInfo(&info.pid, &info.host, &info.app);
    return info;
}

bool SingleInstanceGuard::takeOver(const LockInfo& unanswered) {
    // No instance answered, so whatever holds the lock file is no living
    // instance. Another start may have taken it over meanwhile (and would
    // answer): the lock is removed only while it is the one that went
    // unanswered.
    if (lockInfo() == unanswered && lock_.removeStaleLockFile() && lock_.tryLock(0))
        return true;
    const QFileInfo info(lockPath_);
    problem_ = QStringLiteral("The lock file %1 (owner: %2) is held by no running instance and "
                              "cannot be replaced: %3.")
                   .arg(QDir::toNativeSeparators(lockPath_), info.owner(),
                        info.exists() ? QStringLiteral("no permission to remove it")
                                      : QStringLiteral("another start took it"));
    return false;
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

bool SingleInstanceGuard::askRunningInstance() {
    const QDeadlineTimer deadline(kContactMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(200)) {
            socket.write(kRequest);
            socket.waitForBytesWritten(500);
            // Wait for the answer so the request is known to have arrived.
            const bool answered = socket.waitForReadyRead(1000) && socket.readAll() == kReply;
            socket.disconnectFromServer();
            return answered;
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace quarnel::app
