#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace quarnel::app {

// Only one Quarnel runs per user. The first instance holds a lock file and
// listens on a local socket; a later start finds the lock taken, asks the
// running instance over the socket to come forward, and ends. The lock records
// its owner's process, so the lock of a crashed instance counts as free.
class SingleInstanceGuard : public QObject {
    Q_OBJECT
  public:
    enum class Outcome {
        First,          // this process runs; it holds the lock and listens
        AnotherRunning, // another instance runs and has been asked forward
        Unguarded,      // the lock cannot be created at all: run without the rule
    };

    // The lock file and the socket live in directory (per user) under key.
    SingleInstanceGuard(const QString& directory, const QString& key, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    Outcome claim();

    // The per-user directory for the lock and the socket.
    static QString defaultDirectory();

    QString lockFilePath() const { return lockPath_; }
    QString serverName() const { return serverName_; }

  signals:
    // A later start asked this instance to come to the front.
    void activationRequested();

  private:
    void startListening();
    void askRunningInstance();

    QString lockPath_;
    QString serverName_;
    QLockFile lock_;
    QLocalServer server_;
};

} // namespace quarnel::app
