#include "app/SingleInstanceGuard.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using quarnel::app::SingleInstanceGuard;

namespace {

const QString kProgram = QStringLiteral(QUARNEL_BINARY);

// A private home for the processes a test starts: settings, data and the
// per-user runtime folder (where the lock and the socket live).
class Home {
  public:
    Home() {
        for (const char* sub : {"config", "data", "cache", "runtime", "cwd"})
            QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path(const char* sub) const { return dir_.filePath(QString::fromLatin1(sub)); }
    QString runtime() const { return path("runtime"); }

    bool start(QProcess& process) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), dir_.path());
        for (const char* sub : {"CONFIG", "DATA", "CACHE", "RUNTIME"})
            env.insert(QStringLiteral("XDG_%1_%2").arg(sub, sub[0] == 'R' ? "DIR" : "HOME"),
                       path(QByteArray(sub).toLower().constData()));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(path("cwd"));
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(kProgram, {});
        return process.waitForStarted(5000);
    }

    // Every file a process wrote outside the runtime folder.
    QStringList writtenFiles() const {
        QStringList files;
        QDirIterator it(dir_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            if (const QString file = it.next(); !file.startsWith(runtime()))
                files << file;
        return files;
    }

  private:
    QTemporaryDir dir_;
};

// Waits with the event loop running, so this process can answer its socket.
template <class Done> bool waitUntil(const Done& done) {
    return QTest::qWaitFor(done, 15000);
}

// The running program listens once its window exists.
bool listening(const Home& home) {
    QLocalSocket probe;
    probe.connectToServer(QDir(home.runtime()).filePath(QStringLiteral("quarnel.socket")));
    return probe.waitForConnected(100);
}

qint64 lockOwner(const Home& home) {
    QFile lock(QDir(home.runtime()).filePath(QStringLiteral("quarnel.lock")));
    return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : -1;
}

} // namespace

TEST(SingleInstance, SecondStartAsksTheFirstForwardAndEndsWithZero) {
    Home home;
    SingleInstanceGuard first(home.runtime(), QStringLiteral("quarnel"));
    ASSERT_EQ(first.claim(), SingleInstanceGuard::Outcome::First);
    QSignalSpy forward(&first, &SingleInstanceGuard::activationRequested);
    const bool iniBefore = QFileInfo::exists(kProgram + QStringLiteral(".INI"));

    QProcess second;
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(home.start(second));
    ASSERT_TRUE(waitUntil([&] { return second.state() == QProcess::NotRunning; }))
        << "the second start kept running";
    EXPECT_GE(timer.elapsed(), 1000); // it showed its splash for its second first
    EXPECT_TRUE(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0)
        << second.readAll().toStdString();
    EXPECT_EQ(forward.count(), 1);
    // And it neither read nor wrote any setting or stack file.
    EXPECT_TRUE(home.writtenFiles().isEmpty()) << home.writtenFiles().join(' ').toStdString();
    EXPECT_EQ(QFileInfo::exists(kProgram + QStringLiteral(".INI")), iniBefore);
}

TEST(SingleInstance, AKilledFirstInstanceIsTakenOver) {
    Home home;
    QProcess first;
    ASSERT_TRUE(home.start(first));
    ASSERT_TRUE(waitUntil([&] { return listening(home); }))
        << "the first instance never listened: " << first.readAll().toStdString();
    EXPECT_EQ(lockOwner(home), first.processId());

    // A crash leaves the lock file and the socket file behind...
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_TRUE(QFileInfo::exists(QDir(home.runtime()).filePath(QStringLiteral("quarnel.lock"))));

    // ...and the next start still runs as the first instance.
    QProcess third;
    ASSERT_TRUE(home.start(third));
    EXPECT_TRUE(waitUntil([&] { return listening(home) && lockOwner(home) == third.processId(); }))
        << third.readAll().toStdString();
    third.kill();
    third.waitForFinished(5000);
}

TEST(SingleInstance, UnusableLockFolderLetsTheProgramRunAndSaysWhy) {
    SingleInstanceGuard guard(QStringLiteral("/proc/no-such-folder"), QStringLiteral("quarnel"));
    EXPECT_EQ(guard.claim(), SingleInstanceGuard::Outcome::Unguarded);
    EXPECT_TRUE(guard.problem().contains(QStringLiteral("/proc/no-such-folder/quarnel.lock")));
}

TEST(SingleInstance, ALockNoRunningInstanceAnswersForIsTakenOver) {
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    // clang-format off
    const struct { const char* name; QByteArray lock; } cases[] = {
        {"empty", ""},
        {"garbage", "\x01\x02 no lock at all\n"},
        {"another host", "12345\nquarnel\nelsewhere.example\n"},
        {"a living process of another program", "1\nquarnel_app_tests\n" + host + "\n"},
        {"an owner that has gone", "999999\nquarnel_app_tests\n" + host + "\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        QTemporaryDir dir;
        QFile lock(dir.filePath(QStringLiteral("quarnel.lock")));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly) && lock.write(c.lock) == c.lock.size());
        lock.close();
        SingleInstanceGuard guard(dir.path(), QStringLiteral("quarnel"));
        EXPECT_EQ(guard.claim(), SingleInstanceGuard::Outcome::First) << c.name;
        EXPECT_TRUE(guard.problem().isEmpty()) << c.name;
    }
}
