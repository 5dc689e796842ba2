#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace quarnel::app {

// Only one Quarnel runs per user. The first instance holds a lock file and
// listens on a local socket; a later start finds the lock taken, asks the
// running instance over the socket to come forward, and ends. A lock that no
// running instance answers for (a crash, an empty or foreign lock file) is
// taken over; one that cannot be taken over lets the program run unguarded,
// with the reason in problem().
class SingleInstanceGuard : public QObject {
    Q_OBJECT
  public:
    enum class Outcome {
        First,          // this process runs; it holds the lock and listens
        AnotherRunning, // another instance runs and has been asked forward
        Unguarded,      // the lock cannot be taken: run without the rule (see problem())
    };

    // The lock file and the socket live in directory (per user) under key.
    SingleInstanceGuard(const QString& directory, const QString& key, QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    Outcome claim();

    // The per-user directory for the lock and the socket.
    static QString defaultDirectory();

    QString lockFilePath() const { return lockPath_; }
    // Why the single-instance check could not be made (Unguarded), else empty.
    QString problem() const { return problem_; }
    QString serverName() const { return serverName_; }

  signals:
    // A later start asked this instance to come to the front.
    void activationRequested();

  private:
    void startListening();
    // True when a running instance took the request.
    bool askRunningInstance();
    struct LockInfo {
        bool valid = false;
        qint64 pid = 0;
        QString host;
        QString app;
        bool operator==(const LockInfo&) const = default;
    };
    LockInfo lockInfo() const;
    bool takeOver(const LockInfo& unanswered);

    QString lockPath_;
    QString serverName_;
    QString problem_;
    QLockFile lock_;
    QLocalServer server_;
};

} // namespace quarnel::app
