#include "Sandbox.h"

#include "storage/CalculatorState.h"
#include "storage/SettingsStore.h"
#include "storage/StackFile.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarnel::storage {
namespace {

using namespace test;
using calculator::Calculator;

// Files may grow to this size only; a write past it is cut off as on a full disk.
constexpr rlim_t kFileSizeLimit = 64;

struct Writer {
    const char* name;
    std::function<QString(const Sandbox&)> target; // the file it replaces
    std::function<QString(const Sandbox&)> write;  // the reason it reports, empty for none
};

Calculator calculatorWithEntries(int count) {
    Calculator calc;
    calc.loadStack(std::vector<std::string>(count, "ABCDEF0123456789"));
    return calc;
}

QString saveState(const Sandbox& box, StoreKind kind, int entries) {
    SettingsStore store(box.programPath());
    store.setKind(kind);
    return saveCalculatorState(store, calculatorWithEntries(entries), WindowOptions{},
                               BackupFailure::Continue)
        .failure.reason;
}

QString saveBackup(const Sandbox& box) {
    SettingsStore store(box.programPath());
    store.setKind(StoreKind::IniFile);
    const BackupContent backup{engine::NumberBase::Hex, 64, {100, "FFFF"}};
    return store.write({}, backup, BackupFailure::Stop).failure.reason;
}

// clang-format off
const Writer kWriters[] = {
    {"Save Stack", [](const Sandbox& b) { return b.path(QStringLiteral("s.STK")); },
     [](const Sandbox& b) { return saveStackFile(b.path("s.STK"), calculatorWithEntries(100)).value_or(Failure{}).reason; }},
    {"stack backup", [](const Sandbox& b) { return b.backupPath(); }, saveBackup},
    {"INI settings", [](const Sandbox& b) { return b.iniPath(); }, [](const Sandbox& b) { return saveState(b, StoreKind::IniFile, 0); }},
    {"native settings", [](const Sandbox&) { return Sandbox::nativePath(); }, [](const Sandbox& b) { return saveState(b, StoreKind::Native, 100); }},
};
// clang-format on

enum class Interruption { Killed, DiskFull };

// Runs the writer in a child process whose files cannot grow past the limit:
// either the signal kills it in the middle of the write, or (signal ignored)
// the write fails.
int runLimited(const Writer& writer, const Sandbox& box, Interruption how,
               rlim_t limit = kFileSizeLimit) {
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit core{0, 0}, size{limit, limit};
        setrlimit(RLIMIT_CORE, &core);
        setrlimit(RLIMIT_FSIZE, &size);
        std::signal(SIGXFSZ, how == Interruption::Killed ? SIG_DFL : SIG_IGN);
        // The system's own reason, not a guess.
        _exit(writer.write(box) == QLatin1String(std::strerror(EFBIG)) ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// Each writer replaces an old file three times: killed in the middle, on a full
// disk (failure reported), and without the limit (success, so the first two
// see the limit at work and not some other fault).
TEST(InterruptedWrite, AKilledOrFailedWriteLeavesTheOldFileWhole) {
    QByteArray old = "[Old]\r\nkeep=this whole file\r\n";
    while (old.size() < 4096) {
        old += "[Filler]\r\nline=0123456789\r\n";
    }
    for (const Writer& writer : kWriters) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            Sandbox box;
            const QString target = writer.target(box);
            QDir().mkpath(QFileInfo(target).absolutePath());
            writeBytes(target, old);
            if (attempt == 0) {
                const int status = runLimited(writer, box, Interruption::Killed);
                ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ)
                    << writer.name << ": the write was not interrupted";
                // The limit stopped the new file itself, whatever else was written.
                const QFileInfoList temps = QFileInfo(target).dir().entryInfoList(
                    {QStringLiteral(".%1.*").arg(QFileInfo(target).fileName())},
                    QDir::Hidden | QDir::Files);
                ASSERT_EQ(temps.size(), 1) << writer.name;
                EXPECT_EQ(temps[0].size(), qint64(kFileSizeLimit)) << writer.name;
            } else if (attempt == 1) {
                const int status = runLimited(writer, box, Interruption::DiskFull);
                ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                    << writer.name << ": the failure was not reported";
            } else {
                EXPECT_EQ(writer.write(box), QString()) << writer.name;
                EXPECT_NE(readBytes(target), old) << writer.name;
                continue;
            }
            EXPECT_EQ(readBytes(target), old) << writer.name;
        }
    }
}

// Why no settings file is written through QSettings: on a full disk it renames
// the cut-off new file over the old one and reports no error (Qt 6.4).
TEST(InterruptedWrite, QSettingsReplacesTheOldFileByACutOffOneOnAFullDisk) {
    Sandbox box;
    writeBytes(box.iniPath(), "[Old]\nkeep=this\n");
    const Writer qsettings{
        "QSettings", nullptr, [](const Sandbox& b) {
            QSettings settings(b.iniPath(), QSettings::IniFormat);
            settings.setValue("big", QString(16 * kFileSizeLimit, QLatin1Char('x')));
            settings.sync();
            return settings.status() == QSettings::NoError ? QString() : QStringLiteral("reported");
        }};
    // Room for QSettings' lock file (with a machine id), not for the settings.
    const int status = runLimited(qsettings, box, Interruption::DiskFull, 4 * kFileSizeLimit);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "the failure was reported";
    EXPECT_EQ(readBytes(box.iniPath()).size(), qint64(4 * kFileSizeLimit))
        << "the old file was kept";
}

} // namespace
} // namespace quarnel::storage
