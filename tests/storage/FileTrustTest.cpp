#include "Sandbox.h"

#include "storage/CalculatorState.h"
#include "storage/FileAccess.h"
#include "storage/SettingsStore.h"
#include "storage/StackFile.h"

#include <QDirIterator>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quarnel::storage {
namespace {

using namespace test;
using calculator::Calculator;
using engine::NumberBase;
using Entries = std::vector<std::string>;

enum class Auto { Backup, Ini, Native };
constexpr Auto kAutoFiles[] = {Auto::Backup, Auto::Ini, Auto::Native};

// The file's path, with its folder made.
QString pathOf(const Sandbox& box, Auto file) {
    const QString path = file == Auto::Backup ? box.backupPath()
                         : file == Auto::Ini  ? box.iniPath()
                                              : Sandbox::nativePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

SettingsStore storeFor(const Sandbox& box, Auto file) {
    SettingsStore store(box.programPath());
    store.setKind(file == Auto::Native ? StoreKind::Native : StoreKind::IniFile);
    return store;
}

struct Session {
    LoadReport report;
    Entries stack;
    SaveOutcome saved;
};

// One start and close of the program with `push` typed in between (no close
// when `close` is false).
Session runOnce(const SettingsStore& store, const Entries& push = {}, bool close = true) {
    Calculator calc;
    WindowOptions options;
    Session run{loadCalculatorState(store, calc, options), calc.stack().toVector(), {}};
    test::push(calc, push);
    if (close)
        run.saved = saveCalculatorState(store, calc, options, BackupFailure::Continue);
    return run;
}

TEST(FileTrust, AutomaticFilesReplaceALinkAndNeverWhatItPointsTo) {
    for (Auto file : kAutoFiles) {
        for (const char* target : {"/victim", "/none", "/dir"}) {
            SCOPED_TRACE(testing::Message() << int(file) << " link to " << target);
            Sandbox box;
            const QString outside = box.path(QStringLiteral("outside"));
            QDir().mkpath(outside + QStringLiteral("/dir"));
            writeBytes(outside + QStringLiteral("/victim"), "secret");
            const QString pointee = outside + QLatin1String(target);
            const QString path = pathOf(box, file);
            ASSERT_TRUE(QFile::link(pointee, path));
            const Session run = runOnce(storeFor(box, file), {"1"});
            EXPECT_TRUE(run.report.notice.contains(QStringLiteral("is a link to %1").arg(pointee)))
                << run.report.notice.toStdString();
            ASSERT_TRUE(run.saved.saved()) << run.saved.failure.reason.toStdString();
            EXPECT_TRUE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
            EXPECT_EQ(readBytes(outside + QStringLiteral("/victim")), "secret");
            // Nothing new beside or inside what the link points to.
            QDirIterator all(outside, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
            QStringList found;
            while (all.hasNext())
                found << all.next().mid(outside.size());
            EXPECT_EQ(found.size(), 2) << found.join(' ').toStdString();
        }
    }
    // A stack file the user picks may be a link: the file it names is written.
    Sandbox box;
    const QString real = box.path(QStringLiteral("real.STK")), chosen = box.path("chosen.STK");
    writeBytes(real, "old");
    QFile::link(real, chosen);
    ASSERT_FALSE(saveStackFile(chosen, Calculator()));
    EXPECT_TRUE(QFileInfo(chosen).isSymLink());
    EXPECT_EQ(readBytes(real), "1\r\n64\r\n");
}

TEST(FileTrust, PipesDevicesAndFoldersAreRefusedWithoutWaiting) {
    alarm(20); // a read that blocks fails the test instead of hanging it
    enum Kind { Fifo, Zero, Folder };
    for (Auto file : kAutoFiles) {
        for (Kind kind : {Fifo, Zero, Folder}) {
            SCOPED_TRACE(testing::Message() << int(file) << " kind " << int(kind));
            Sandbox box;
            const QString path = pathOf(box, file);
            const bool made = kind == Fifo ? mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                              : kind == Zero ? QFile::link(QStringLiteral("/dev/zero"), path)
                                             : QDir().mkpath(path);
            ASSERT_TRUE(made);
            Calculator calc;
            EXPECT_EQ(loadStackFile(path, calc).value_or(Failure{}).message,
                      "Cannot open file " + path);
            // No close: a faulty writer must not get near /dev/zero.
            const Session run = runOnce(storeFor(box, file), {}, false);
            EXPECT_TRUE(run.stack.empty());
            EXPECT_TRUE(run.report.notice.contains(QStringLiteral("could not be read")))
                << run.report.notice.toStdString();
        }
    }
    alarm(0);
}

TEST(FileTrust, ReadingBeyondTheMemoryIsReportedNotACrash) {
    Sandbox box;
    const QString path = box.path(QStringLiteral("big.STK"));
    writeBytes(path, "1\r\n64\r\n");
    // clang-format off
    const struct { qint64 size; rlim_t memory; const char* reason; } cases[] = {
        {kMaxReadSize + 1, RLIM_INFINITY, "File too large"},
        {kMaxReadSize - 1, rlim_t(256) << 20, "Cannot allocate memory"},
    };
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_TRUE(QFile::resize(path, c.size)); // sparse: no disk used
        const pid_t pid = fork();
        if (pid == 0) {
            const rlimit limit{c.memory, c.memory};
            setrlimit(RLIMIT_AS, &limit);
            const auto result = readWholeFile(path);
            _exit(std::get_if<QString>(&result) && std::get<QString>(result) == c.reason ? 0 : 1);
        }
        int status = -1;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.reason;
    }
}

TEST(FileTrust, BackupIsReadInItsOwnBaseAndWhatCannotBeReadIsKept) {
    // clang-format off
    const struct { const char* settings; QByteArray backup; Entries stack; Entries rejected; } cases[] = {
        {"Base=2", "1\r\n64\r\nABC\r\nDEF0\r\n99\r\n", {"2748", "57072", "153"}, {}}, {"Base=1", "2\r\n64\r\n255\r\n10\r\n", {"FF", "A"}, {}},
        {"Base=3\nWordSize=8", "4\r\n64\r\n777\r\n", {"11111111"}, {}}, {"Base=4", "3\r\n64\r\n1010\r\n", {"12"}, {}},
        {"Base=1", "1\r\n64\r\n1F\r\nXYZ\r\n2\r\n-3\r\n", {"1F", "2"}, {"XYZ", "-3"}}, {"Base=1", "2\r\n8\r\nFF\r\n10\r\n", {"A"}, {"FF"}},
        {"Base=1", "1\r\n", {}, {}}, {"Base=1", "1\n64\n\n1\n\n2\n", {"1", "2"}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.backup.toStdString());
        Sandbox box;
        writeBytes(box.iniPath(), QByteArray("[Modes]\n") + c.settings + "\n");
        writeBytes(box.backupPath(), c.backup);
        const Session run = runOnce(storeFor(box, Auto::Backup));
        EXPECT_EQ(run.stack, c.stack);
        Entries rejected;
        for (const auto& r : run.report.rejected)
            rejected.push_back(r.text);
        EXPECT_EQ(rejected, c.rejected);
        const QString aside = box.backupPath() + QStringLiteral(".unread");
        EXPECT_EQ(QFileInfo::exists(aside), !c.rejected.empty());
        EXPECT_EQ(readBytes(aside), c.rejected.empty() ? QByteArray() : c.backup);
        EXPECT_EQ(run.report.notice.contains(aside), !c.rejected.empty())
            << run.report.notice.toStdString();
    }
}

SettingTexts savedTexts() {
    SettingsValues v;
    v.base = NumberBase::Dec;
    v.window.left = 77;
    return writeSettings(v);
}

std::pair<SettingTexts, Entries> readBack(const SettingsStore& store) {
    return {store.readTexts().texts, store.readBackup().entries};
}

TEST(FileTrust, SettingsFilesHoldOnlyWhatReadsBackAsSaved) {
    // clang-format off
    const struct { Auto file; QByteArray old; const char* gone; } cases[] = {
        {Auto::Native, "[Modes]\nBase=2\n\"oops\n[Other]\nkey=1\n", "\"oops"}, {Auto::Native, "[Modes]\n[name\nBase=1\n", "[name"},
        {Auto::Native, "[backupstack]\nLevel0=7\n[BackUpStack]\nLevel1=8\n", "[backupstack]"}, {Auto::Native, "[position]\nLEFT=300\n", "LEFT"},
        {Auto::Ini, "[position]\nLEFT=300\n[MODES]\nbase=3\n", "base=3"}, {Auto::Ini, "\"oops\n[Modes]\n", "\"oops"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.old.toStdString());
        Sandbox box;
        const QString path = pathOf(box, c.file);
        writeBytes(path, c.old);
        const SettingsStore store = storeFor(box, c.file);
        const BackupContent backup{NumberBase::Dec, 64, {"12", "34"}};
        ASSERT_TRUE(store.write(savedTexts(), backup, BackupFailure::Stop).saved());
        const auto [texts, entries] = readBack(store);
        EXPECT_EQ(texts, savedTexts());
        EXPECT_TRUE(c.file == Auto::Ini || entries == (Entries{"12", "34"}));
        EXPECT_FALSE(readBytes(path).contains(c.gone)) << readBytes(path).toStdString();
    }
}

// Any old per-user file and any texts: what is saved is what the next start reads.
TEST(FileTrust, MergedFilesReadBackWhateverTheOldFileHeld) {
    // clang-format off
    const std::vector<std::string> pieces = {"[", "]", "\"", "=", ";", "\\", "Position", "left", "Modes", "BackUpStack",
        "Level0", "Level", "x", " ", "@", ",", "\t", "#", "\n", "\r\n", "1", "%", "\\x", "\\n"};
    // clang-format on
    std::mt19937 random(20261207);
    auto text = [&](int most, bool lines) {
        std::string t;
        for (int n = int(random() % most); n > 0; --n) {
            const std::string& p = pieces[random() % pieces.size()];
            if (lines || p.find('\n') == std::string::npos)
                t += p;
        }
        return t;
    };
    for (int round = 0; round < 150; ++round) {
        Sandbox box;
        const std::string old = text(60, true);
        writeBytes(pathOf(box, Auto::Native), QByteArray::fromStdString(old));
        SettingTexts texts = savedTexts();
        texts[random() % texts.size()] = text(6, false);
        std::vector<std::string> entries(random() % 3);
        for (auto& e : entries)
            e = text(4, false);
        std::erase(entries, std::string());
        BackupContent backup{NumberBase::Hex, 64, {entries.begin(), entries.end()}};
        const SettingsStore store = storeFor(box, Auto::Native);
        const SaveOutcome saved = store.write(texts, backup, BackupFailure::Stop);
        ASSERT_TRUE(saved.saved()) << old << "\n" << saved.failure.reason.toStdString();
        EXPECT_EQ(readBack(store), std::make_pair(texts, entries)) << old;
    }
}

} // namespace
} // namespace quarnel::storage
