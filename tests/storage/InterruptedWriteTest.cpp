#include "Sandbox.h"

#include "calculator/Calculator.h"
#include "storage/CalculatorState.h"
#include "storage/SettingsStore.h"
#include "storage/StackFile.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quarnel::storage {
namespace {

using calculator::Calculator;
using test::readBytes;
using test::Sandbox;
using test::writeBytes;

// Files may grow to this size only; a write past it is cut off as on a full disk.
constexpr rlim_t kFileSizeLimit = 64;

struct Writer {
    const char* name;
    // The file the writer replaces, given the sandbox.
    std::function<QString(const Sandbox&)> target;
    // Writes it; true when the writer says it failed.
    std::function<bool(const Sandbox&)> write;
};

Calculator calculatorWithEntries(int count) {
    Calculator calc;
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back("ABCDEF0123456789");
    }
    calc.loadStack(std::move(entries));
    return calc;
}

bool saveState(const Sandbox& box, StoreKind kind, int entries) {
    SettingsStore store(box.programPath());
    store.setKind(kind);
    return !saveCalculatorState(store, calculatorWithEntries(entries), WindowOptions{},
                                BackupFailure::Continue)
                .saved();
}

const Writer kWriters[] = {
    {"Save Stack", [](const Sandbox& b) { return b.path(QStringLiteral("s.STK")); },
     [](const Sandbox& b) {
         return saveStackFile(b.path(QStringLiteral("s.STK")), calculatorWithEntries(100))
             .has_value();
     }},
    {"stack backup", [](const Sandbox& b) { return b.backupPath(); },
     [](const Sandbox& b) {
         SettingsStore store(b.programPath());
         store.setKind(StoreKind::IniFile);
         BackupContent backup;
         backup.entries.assign(100, "FFFF");
         return store.write(SettingTexts{}, backup, BackupFailure::Stop).status ==
                SaveOutcome::Status::BackupFailed;
     }},
    {"INI settings", [](const Sandbox& b) { return b.iniPath(); },
     [](const Sandbox& b) { return saveState(b, StoreKind::IniFile, 0); }},
    {"native settings", [](const Sandbox&) { return Sandbox::nativePath(); },
     [](const Sandbox& b) { return saveState(b, StoreKind::Native, 100); }},
};

enum class Interruption { Killed, DiskFull };

// Runs the writer in a child process whose files cannot grow past the limit:
// either the signal kills it in the middle of the write, or (signal ignored)
// the write fails.
int runLimited(const Writer& writer, const Sandbox& box, Interruption how) {
    const pid_t pid = fork();
    if (pid == 0) {
        rlimit core{0, 0};
        setrlimit(RLIMIT_CORE, &core);
        rlimit size{kFileSizeLimit, kFileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &size);
        std::signal(SIGXFSZ, how == Interruption::Killed ? SIG_DFL : SIG_IGN);
        const bool reportedFailure = writer.write(box);
        _exit(reportedFailure ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

QByteArray oldContent() {
    QByteArray data = "[Old]\r\nkeep=this whole file\r\n";
    while (data.size() < 4096) {
        data += "[Filler]\r\nline=0123456789\r\n";
    }
    return data;
}

TEST(InterruptedWrite, AWriterKilledMidWriteLeavesTheOldFileWhole) {
    for (const Writer& writer : kWriters) {
        Sandbox box;
        const QString target = writer.target(box);
        QDir().mkpath(QFileInfo(target).absolutePath());
        writeBytes(target, oldContent());
        const int status = runLimited(writer, box, Interruption::Killed);
        ASSERT_TRUE(WIFSIGNALED(status)) << writer.name << ": the write was not interrupted";
        EXPECT_EQ(WTERMSIG(status), SIGXFSZ) << writer.name;
        EXPECT_EQ(readBytes(target), oldContent()) << writer.name;
    }
}

TEST(InterruptedWrite, AFullDiskIsReportedAndLeavesTheOldFileWhole) {
    for (const Writer& writer : kWriters) {
        Sandbox box;
        const QString target = writer.target(box);
        QDir().mkpath(QFileInfo(target).absolutePath());
        writeBytes(target, oldContent());
        const int status = runLimited(writer, box, Interruption::DiskFull);
        ASSERT_TRUE(WIFEXITED(status)) << writer.name;
        EXPECT_EQ(WEXITSTATUS(status), 0) << writer.name << ": the failure was not reported";
        EXPECT_EQ(readBytes(target), oldContent()) << writer.name;
    }
}

// Without the limit the same writers succeed, so the tests above see the
// limit at work and not some other fault.
TEST(InterruptedWrite, TheSameWritesSucceedWithoutTheLimit) {
    for (const Writer& writer : kWriters) {
        Sandbox box;
        const QString target = writer.target(box);
        QDir().mkpath(QFileInfo(target).absolutePath());
        writeBytes(target, oldContent());
        EXPECT_FALSE(writer.write(box)) << writer.name;
        EXPECT_NE(readBytes(target), oldContent()) << writer.name;
    }
}

} // namespace
} // namespace quarnel::storage
