#include "Sandbox.h"

#include "storage/CalculatorState.h"
#include "storage/SettingsAccess.h"
#include "storage/SettingsStore.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quarnel::storage {
namespace {

using namespace test;
using calculator::Calculator;
using engine::NumberBase;

const WindowOptions kLaidOut{50, 50, 320, 394};

TEST(SettingsStore, FirstRunInAFolderThatTakesNoFileUsesTheNativeStore) {
    Sandbox box;
    // A program path whose folder is a file: nothing can ever be created there.
    writeBytes(box.path(QStringLiteral("notafolder")), "x");
    const QString program = box.path(QStringLiteral("notafolder/quarnel"));
    SettingsStore store(program);
    EXPECT_EQ(store.kind(), StoreKind::Native);
    Calculator calc;
    push(calc, {"5"});
    ASSERT_TRUE(saveCalculatorState(store, calc, kLaidOut).saved());
    EXPECT_EQ(SettingsStore(program).kind(), StoreKind::Native);
}

TEST(SettingsStore, IniBackupIsAStackFileInTheCurrentDirectory) {
    Sandbox box;
    SettingsStore store(box.programPath());
    Calculator calc;
    push(calc, {"1F", "3"});
    calc.loadWordSize(16);
    ASSERT_TRUE(saveCalculatorState(store, calc, kLaidOut).saved());
    EXPECT_EQ(readBytes(box.backupPath()), QByteArray("1\r\n16\r\n1F\r\n3\r\n"));
}

// (A settings file that is a folder: the window tests check those messages.)
TEST(SettingsStore, ANativeStoreWhoseFolderCannotBeMadeCannotCreateItsKey) {
    Sandbox box;
    const QString folder = QFileInfo(Sandbox::nativePath()).absolutePath();
    QDir().mkpath(QFileInfo(folder).absolutePath());
    writeBytes(folder, "x");
    SettingsStore store(box.programPath());
    store.setKind(StoreKind::Native);
    const SaveOutcome outcome = saveCalculatorState(store, Calculator(), kLaidOut);
    EXPECT_EQ(outcome.status, SaveOutcome::Status::SettingsFailed);
    EXPECT_EQ(outcome.failure.message,
              QStringLiteral("Failed to create key Software\\Kestrow\\Quarnel\\Position"));
    EXPECT_FALSE(outcome.failure.reason.isEmpty());
}

TEST(SettingsStore, SettingsAreFoundWhateverTheCaseOfSectionsAndKeys) {
    Sandbox box;
    writeBytes(box.iniPath(), "[position]\nleft=11\nTOP=12\n[MODES]\nbase=2\n[Modes]\nWordSize=9\n"
                              "[rpnscreen]\nstacknumbering=0\n");
    SettingsStore store(box.programPath());
    const SettingsValues v = readSettings(store.readTexts().texts, kLaidOut);
    EXPECT_EQ(std::tuple(v.window.left, v.window.top, v.wordSize, v.stackNumbering),
              std::tuple(11, 12, 9, false));
    EXPECT_EQ(v.base, NumberBase::Hex); // "Modes" exists exactly, so "MODES" is not used
}

TEST(SettingsStore, IniPathReplacesTheProgramsExtension) {
    // clang-format off
    const struct { const char* program; const char* ini; } cases[] = {
        {"/opt/q/quarnel", "/opt/q/quarnel.INI"}, {"/opt/q/quarnel.exe", "/opt/q/quarnel.INI"}, {"/a/b.c.d", "/a/b.c.INI"},
        {"/opt/q.d/quarnel", "/opt/q.d/quarnel.INI"}, {"C:\\Prog.x\\RPN.EXE", "C:\\Prog.x\\RPN.INI"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(iniPathFor(QString::fromUtf8(c.program)), QString::fromUtf8(c.ini));
    }
}

} // namespace
} // namespace quarnel::storage
