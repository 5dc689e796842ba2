#include "app/SingleInstanceGuard.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using quarnel::app::SingleInstanceGuard;

namespace {

const QString kProgram = QStringLiteral(QUARNEL_BINARY);

// A private home for the processes a test starts: settings, data and the
// per-user runtime folder (where the lock and the socket live).
class Home {
  public:
    Home() {
        const QDir root(dir_.path());
        for (const char* sub : {"config", "data", "cache", "runtime", "cwd"})
            root.mkpath(QString::fromLatin1(sub));
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path(const char* sub) const {
        return QDir(dir_.path()).filePath(QString::fromLatin1(sub));
    }
    QString runtime() const { return path("runtime"); }

    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), dir_.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), path("cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        return env;
    }

    void start(QProcess& process) const {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(path("cwd"));
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(kProgram, {});
    }

    // Every file under the home except the runtime folder (which holds the
    // lock and the socket), to tell whether a process wrote anything.
    QStringList writtenFiles() const {
        QStringList files;
        for (const char* sub : {"config", "data", "cache", "cwd"}) {
            QDirIterator it(path(sub), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        }
        return files;
    }

  private:
    QTemporaryDir dir_;
};

// Waits with the event loop running, so this process can answer its socket.
bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}

bool finishes(QProcess& process, int timeoutMs) {
    return waitUntil([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
}

// The running program listens once its window exists.
bool listening(const Home& home) {
    QLocalSocket probe;
    probe.connectToServer(QDir(home.runtime()).filePath(QStringLiteral("quarnel.socket")));
    const bool up = probe.waitForConnected(100);
    probe.abort();
    return up;
}

qint64 lockOwner(const Home& home) {
    QFile lock(QDir(home.runtime()).filePath(QStringLiteral("quarnel.lock")));
    if (!lock.open(QIODevice::ReadOnly))
        return -1;
    return lock.readLine().trimmed().toLongLong();
}

QString programIni() {
    const QFileInfo program(kProgram);
    return program.dir().filePath(program.fileName() + QStringLiteral(".INI"));
}

} // namespace

TEST(SingleInstance, SecondStartAsksTheFirstForwardAndEndsWithZero) {
    Home home;
    SingleInstanceGuard first(home.runtime(), QStringLiteral("quarnel"));
    ASSERT_EQ(first.claim(), SingleInstanceGuard::Outcome::First);
    QSignalSpy forward(&first, &SingleInstanceGuard::activationRequested);
    const bool iniBefore = QFileInfo::exists(programIni());

    QProcess second;
    QElapsedTimer timer;
    timer.start();
    home.start(second);
    ASSERT_TRUE(second.waitForStarted(5000));
    ASSERT_TRUE(finishes(second, 15000)) << "the second start kept running";
    const qint64 ran = timer.elapsed();

    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAll().toStdString();
    EXPECT_EQ(forward.count(), 1);
    // It showed its splash for its second first.
    EXPECT_GE(ran, 1000);
    // And it neither read nor wrote any setting or stack file.
    EXPECT_TRUE(home.writtenFiles().isEmpty()) << home.writtenFiles().join(' ').toStdString();
    EXPECT_EQ(QFileInfo::exists(programIni()), iniBefore);
}

TEST(SingleInstance, AKilledFirstInstanceIsTakenOver) {
    Home home;
    QProcess first;
    home.start(first);
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(waitUntil([&] { return listening(home); }, 15000))
        << "the first instance never listened: " << first.readAll().toStdString();
    EXPECT_EQ(lockOwner(home), first.processId());

    // A crash leaves the lock file and the socket file behind...
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_TRUE(QFileInfo::exists(QDir(home.runtime()).filePath(QStringLiteral("quarnel.lock"))));

    // ...and the next start still runs as the first instance.
    QProcess third;
    home.start(third);
    ASSERT_TRUE(third.waitForStarted(5000));
    EXPECT_TRUE(
        waitUntil([&] { return listening(home) && lockOwner(home) == third.processId(); }, 15000))
        << third.readAll().toStdString();
    EXPECT_EQ(third.state(), QProcess::Running);
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
        QFile lock(QDir(dir.path()).filePath(QStringLiteral("quarnel.lock")));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(c.lock);
        lock.close();
        SingleInstanceGuard guard(dir.path(), QStringLiteral("quarnel"));
        EXPECT_EQ(guard.claim(), SingleInstanceGuard::Outcome::First) << c.name;
        EXPECT_TRUE(guard.problem().isEmpty()) << c.name;
    }
}
