#include "Sandbox.h"

#include "calculator/Calculator.h"
#include "storage/CalculatorState.h"
#include "storage/NativeSettings.h"
#include "storage/SettingsAccess.h"
#include "storage/SettingsStore.h"
#include "storage/StackFileFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarnel::storage {
namespace {

using calculator::Calculator;
using engine::NumberBase;
using test::readBytes;
using test::Sandbox;
using test::writeBytes;

WindowOptions laidOut() {
    WindowOptions w;
    w.height = 320;
    w.width = 394;
    return w;
}

void push(Calculator& c, const std::vector<std::string>& entries) {
    for (const auto& e : entries) {
        c.setInputText(e);
        c.enter();
    }
}

// One run of the program: choose the store, load, let `use` change things,
// switch the store `switches` times, close.
struct ProgramRun {
    StoreKind store;
    LoadReport report;
    SaveOutcome saved;
};

template <class Use> ProgramRun runProgram(const Sandbox& box, Use use, int switches = 0) {
    SettingsStore store(box.programPath());
    Calculator calc;
    WindowOptions options = laidOut();
    ProgramRun run{store.kind(), loadCalculatorState(store, calc, options), {}};
    use(calc, options);
    for (int i = 0; i < switches; ++i) {
        store.toggle();
    }
    run.saved = saveCalculatorState(store, calc, options);
    return run;
}

// Everything remembered between runs, as one comparable value.
struct Remembered {
    WindowOptions window;
    bool numbering;
    NumberBase base;
    int wordSize;
    bool stackView;
    std::string input;
    int maxDepth;
    std::vector<std::string> stack;
    friend bool operator==(const Remembered&, const Remembered&) = default;
};

// clang-format off
Remembered remembered(const Calculator& c, const WindowOptions& w) {
    return {w, c.stackNumbering(), c.currentBase(), c.wordSize(), c.stackViewShown(), c.inputText(), c.maxStackDepth(), c.stack().toVector()};
}
// clang-format on

// What a session sets; the stack is typed in HEX before the base changes.
// clang-format off
const std::pair<const char*, Remembered> kSessions[] = {
    {"changed everything", {{-40, 1200, 333, 512, 0x00ff8000, 0x0000FF, 0x80000008, true}, false, NumberBase::Oct, 32, true, "17", 9, {"FF", "1", "ABC"}}},
    {"another set", {{0, 0, 100, 200, 0x80000018, 0x123456, 0x1FFFFFFF, false}, true, NumberBase::Bin, 128, false, "101", 0, {"3", "0"}}},
    {"decimal, large stack", {{50, 50, 320, 394, 0, 0xFFFFFF, 0x00abcdef, true}, true, NumberBase::Dec, 7, false, "", 6, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E"}}},
};
// clang-format on

Remembered applySession(const Remembered& s, Calculator& calc, WindowOptions& options) {
    options = s.window;
    if (calc.stackNumbering() != s.numbering) {
        calc.toggleStackNumbering();
    }
    push(calc, s.stack);
    calc.baseButton(s.base);
    calc.loadWordSize(s.wordSize);
    calc.setInputText(s.input);
    calc.loadMaxStackDepth(s.maxDepth);
    if (s.stackView) {
        calc.view();
    }
    return remembered(calc, options);
}

TEST(SettingsStore, EverySettingAndTheStackSurviveARunInEitherStore) {
    for (StoreKind kind : {StoreKind::IniFile, StoreKind::Native}) {
        for (const auto& [name, s] : kSessions) {
            Sandbox box;
            std::optional<Remembered> saved;
            const ProgramRun first = runProgram(
                box, [&](Calculator& c, WindowOptions& w) { saved = applySession(s, c, w); },
                kind == StoreKind::Native ? 1 : 0);
            ASSERT_TRUE(first.saved.saved()) << first.saved.failure.message.toStdString();
            EXPECT_EQ(QFileInfo::exists(box.iniPath()), kind == StoreKind::IniFile) << name;
            EXPECT_EQ(QFileInfo::exists(Sandbox::nativePath()), kind == StoreKind::Native) << name;

            std::optional<Remembered> loaded;
            const ProgramRun second = runProgram(
                box, [&](Calculator& c, WindowOptions& w) { loaded = remembered(c, w); });
            EXPECT_EQ(second.store, kind) << name;
            EXPECT_TRUE(second.report.notice.isEmpty()) << second.report.notice.toStdString();
            EXPECT_EQ(*loaded, *saved) << name;
        }
    }
}

TEST(SettingsStore, FirstRunUsesTheIniFileAndCreatesEveryKey) {
    Sandbox box;
    const ProgramRun run = runProgram(box, [](Calculator&, WindowOptions&) {});
    EXPECT_EQ(run.store, StoreKind::IniFile);
    ASSERT_TRUE(run.saved.saved());

    QSettings ini(box.iniPath(), QSettings::IniFormat);
    QStringList expected;
    for (const auto& k : kSettingKeys) {
        expected << QString::fromLatin1(k.section.data(), k.section.size()) + QLatin1Char('/') +
                        QString::fromLatin1(k.key.data(), k.key.size());
    }
    QStringList keys = ini.allKeys();
    keys.sort();
    expected.sort();
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(readBytes(box.backupPath()), QByteArray("1\r\n64\r\n"));
    EXPECT_FALSE(QFileInfo::exists(Sandbox::nativePath()));
}

TEST(SettingsStore, TheStoreChoiceFollowsWhatExists) {
    // clang-format off
    const struct { const char* name; bool iniAtStart; bool nativeAtStart; int switches; StoreKind firstRun; StoreKind secondRun; } cases[] = {
        {"nothing yet", false, false, 0, StoreKind::IniFile, StoreKind::IniFile},
        {"INI file present, registry chosen", true, false, 1, StoreKind::IniFile, StoreKind::IniFile},
        {"both present", true, true, 0, StoreKind::IniFile, StoreKind::IniFile},
        {"only registry, INI chosen", false, true, 1, StoreKind::Native, StoreKind::IniFile},
        {"only registry", false, true, 0, StoreKind::Native, StoreKind::Native},
        {"only registry, clicked twice", false, true, 2, StoreKind::Native, StoreKind::Native},
        {"nothing yet, registry chosen", false, false, 1, StoreKind::IniFile, StoreKind::Native},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sandbox box;
        if (c.iniAtStart) {
            writeBytes(box.iniPath(), "[Position]\nLeft=10\n");
        }
        if (c.nativeAtStart) {
            auto native = openNativeSettings();
            native->setValue(QStringLiteral("Position/Left"), QStringLiteral("20"));
            native->sync();
        }
        const ProgramRun first = runProgram(
            box, [](Calculator&, WindowOptions& w) { w.left = 99; }, c.switches);
        EXPECT_EQ(first.store, c.firstRun) << c.name;
        ASSERT_TRUE(first.saved.saved()) << c.name;
        int leftSeen = 0;
        const ProgramRun second =
            runProgram(box, [&](Calculator&, WindowOptions& w) { leftSeen = w.left; });
        EXPECT_EQ(second.store, c.secondRun) << c.name;
        // The second run reads what the first wrote exactly when it uses the
        // store the first wrote to.
        const StoreKind writtenTo =
            (c.switches % 2 == 0)
                ? c.firstRun
                : (c.firstRun == StoreKind::IniFile ? StoreKind::Native : StoreKind::IniFile);
        const int untouched = c.secondRun == StoreKind::IniFile ? 10 : 20;
        EXPECT_EQ(leftSeen, writtenTo == c.secondRun ? 99 : untouched) << c.name;
    }
}

TEST(SettingsStore, FirstRunInAFolderThatTakesNoFileUsesTheNativeStore) {
    Sandbox box;
    // A program path whose folder is a file: nothing can ever be created there.
    writeBytes(box.path(QStringLiteral("notafolder")), "x");
    const QString program = box.path(QStringLiteral("notafolder/quarnel"));
    SettingsStore store(program);
    EXPECT_EQ(store.kind(), StoreKind::Native);
    Calculator calc;
    push(calc, {"5"});
    ASSERT_TRUE(saveCalculatorState(store, calc, laidOut()).saved());
    EXPECT_EQ(SettingsStore(program).kind(), StoreKind::Native);
}

TEST(SettingsStore, NativeBackupComesBackInTheOrderOfItsNumbersAndGoesWithAnEmptyStack) {
    Sandbox box;
    const std::vector<std::string> twelve = {"C", "B", "A", "9", "8", "7",
                                             "6", "5", "4", "3", "2", "1"};
    auto hasBackupKey = [] {
        return openNativeSettings()->childGroups().contains(QStringLiteral("BackUpStack"));
    };
    runProgram(
        box, [&](Calculator& c, WindowOptions&) { push(c, twelve); }, 1);
    EXPECT_TRUE(hasBackupKey());
    std::vector<std::string> back;
    runProgram(box, [&](Calculator& c, WindowOptions&) {
        back = c.stack().toVector();
        c.clear();
    });
    EXPECT_EQ(back, twelve);
    EXPECT_FALSE(hasBackupKey());
    runProgram(box, [&](Calculator& c, WindowOptions&) { back = c.stack().toVector(); });
    EXPECT_TRUE(back.empty());

    // Values written in any order and with other names around them.
    Sandbox::clearNative();
    {
        auto native = openNativeSettings();
        native->setValue(QStringLiteral("Position/Left"), QStringLiteral("1"));
        for (int i : {10, 2, 11, 0, 1, 3, 9, 4, 8, 5, 7, 6}) {
            native->setValue(QStringLiteral("BackUpStack/Level%1").arg(i),
                             QString::number(i, 16).toUpper());
        }
        native->setValue(QStringLiteral("BackUpStack/Level12"), QString());
        native->setValue(QStringLiteral("BackUpStack/Extra"), QStringLiteral("FF"));
        native->sync();
    }
    auto native = openNativeSettings();
    EXPECT_EQ(readBackupGroup(*native), (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6",
                                                                  "7", "8", "9", "A", "B", "FF"}));
}

TEST(SettingsStore, IniBackupIsAStackFileInTheCurrentDirectory) {
    Sandbox box;
    runProgram(box, [](Calculator& c, WindowOptions&) {
        push(c, {"1F", "3"});
        c.loadWordSize(16);
    });
    EXPECT_EQ(readBytes(box.backupPath()), QByteArray("1\r\n16\r\n1F\r\n3\r\n"));

    // Started from another directory: no backup there, settings still found.
    const QString elsewhere = box.path(QStringLiteral("elsewhere"));
    QDir().mkpath(elsewhere);
    QDir::setCurrent(elsewhere);
    std::vector<std::string> stack = {"x"};
    int wordSize = 0;
    runProgram(box, [&](Calculator& c, WindowOptions&) {
        stack = c.stack().toVector();
        wordSize = c.wordSize();
    });
    EXPECT_TRUE(stack.empty());
    EXPECT_EQ(wordSize, 16);
}

TEST(SettingsStore, AnUnreadableBackupNeitherBlocksTheStartNorPassesInSilence) {
    Sandbox box;
    writeBytes(box.iniPath(), "[Modes]\nWordSize=8\n");
    QDir().mkpath(box.backupPath()); // a folder where the file should be
    SettingsStore store(box.programPath());
    Calculator calc;
    WindowOptions options = laidOut();
    const LoadReport report = loadCalculatorState(store, calc, options);
    EXPECT_FALSE(report.notice.isEmpty());
    EXPECT_TRUE(report.notice.contains(QStringLiteral("BACKUP.STK")));
    EXPECT_TRUE(calc.stack().empty());
    EXPECT_EQ(calc.wordSize(), 8);

    // At close the backup cannot be written: the user is asked first, the
    // settings are written only once the user chooses to close anyway.
    calc.loadWordSize(12);
    const SaveOutcome stop = saveCalculatorState(store, calc, options);
    EXPECT_EQ(stop.status, SaveOutcome::Status::BackupFailed);
    EXPECT_TRUE(stop.failure.message.contains(QDir::toNativeSeparators(box.backupPath())));
    EXPECT_FALSE(stop.failure.reason.isEmpty());
    EXPECT_EQ(QSettings(box.iniPath(), QSettings::IniFormat).value("Modes/WordSize").toString(),
              QStringLiteral("8"));
    const SaveOutcome anyway = saveCalculatorState(store, calc, options, BackupFailure::Continue);
    EXPECT_TRUE(anyway.saved());
    EXPECT_EQ(QSettings(box.iniPath(), QSettings::IniFormat).value("Modes/WordSize").toString(),
              QStringLiteral("12"));
    EXPECT_TRUE(QFileInfo(box.backupPath()).isDir());
}

TEST(SettingsStore, AStoreThatCannotBeWrittenGivesItsMessage) {
    // clang-format off
    const struct { const char* name; bool native; bool folderIsFile; QString message; } cases[] = {
        {"INI file is a folder", false, false, QStringLiteral("Unable to write to %1")},
        {"settings file is a folder", true, false, QStringLiteral("Failed to set data for 'Left'")},
        {"settings folder cannot be made", true, true, QStringLiteral("Failed to create key Software\\Kestrow\\Quarnel\\Position")},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sandbox box;
        const QString inner = (c.native ? Sandbox::nativePath() : box.iniPath()) + "/inner";
        if (c.folderIsFile) {
            writeBytes(QFileInfo(Sandbox::nativePath()).absolutePath(), "x");
        } else {
            QDir().mkpath(inner);
        }
        SettingsStore store(box.programPath());
        store.setKind(c.native ? StoreKind::Native : StoreKind::IniFile);
        Calculator calc;
        push(calc, {"1"});
        const SaveOutcome outcome = saveCalculatorState(store, calc, laidOut());
        EXPECT_EQ(outcome.status, SaveOutcome::Status::SettingsFailed) << c.name;
        EXPECT_EQ(outcome.failure.message, c.native ? c.message : c.message.arg(box.iniPath()));
        EXPECT_FALSE(outcome.failure.reason.isEmpty()) << c.name;
        EXPECT_EQ(QFileInfo(inner).isDir(), !c.folderIsFile) << c.name;
    }
}

TEST(SettingsStore, SettingsAreFoundWhateverTheCaseOfSectionsAndKeys) {
    Sandbox box;
    writeBytes(box.iniPath(), "[position]\nleft=11\nTOP=12\n[MODES]\nbase=2\n[Modes]\nWordSize=9\n"
                              "[rpnscreen]\nstacknumbering=0\n");
    SettingsStore store(box.programPath());
    const SettingsValues v = readSettings(store.readTexts().texts, laidOut());
    EXPECT_EQ(v.window.left, 11);
    EXPECT_EQ(v.window.top, 12);
    EXPECT_EQ(v.base, NumberBase::Hex); // "Modes" exists exactly, so "MODES" is not used
    EXPECT_EQ(v.wordSize, 9);
    EXPECT_FALSE(v.stackNumbering);
}

TEST(SettingsStore, IniPathReplacesTheProgramsExtension) {
    // clang-format off
    const struct { const char* program; const char* ini; } cases[] = {
        {"/opt/q/quarnel", "/opt/q/quarnel.INI"}, {"/opt/q/quarnel.exe", "/opt/q/quarnel.INI"},
        {"/opt/q.d/quarnel", "/opt/q.d/quarnel.INI"}, {"C:\\Prog.x\\RPN.EXE", "C:\\Prog.x\\RPN.INI"},
        {"/a/b.c.d", "/a/b.c.INI"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(iniPathFor(QString::fromUtf8(c.program)), QString::fromUtf8(c.ini));
    }
}

} // namespace
} // namespace quarnel::storage
