// The two stores as the window uses them: the menu toggles, which store a
// start picks, a save that fails with its questions, and what a start tells
// about a damaged backup.

#include "WiringFixture.h"

#include "storage/Messages.h"

#include <QAction>
#include <QDir>
#include <QFile>

#include <vector>

using quarnel::ui::Command;
namespace messages = quarnel::storage::messages;

namespace {

bool inRegistryChecked(quarnel::ui::MainWindow& w) {
    const bool registry = w.action(Command::StoreInRegistry)->isChecked();
    EXPECT_NE(registry, w.action(Command::StoreInIniFile)->isChecked())
        << "exactly one of the two store items is checked";
    return registry;
}

// --- the menu toggles and the store a start picks -----------------------------

struct ToggleCase {
    const char* name;
    enum class Before { Nothing, IniFile, NativeOnly } before;
    std::vector<Command> clicks;
    bool registryAfterClicks;
    bool iniAfterClose;
    bool nativeAfterClose;
    bool registryNextStart;
};

class StoreToggleTest : public WiringTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(StoreToggleTest, ClicksSwitchTheStoreForTheNextClose) {
    const ToggleCase& c = GetParam();
    if (c.before != ToggleCase::Before::Nothing) {
        start();
        if (c.before == ToggleCase::Before::NativeOnly)
            choose(Command::StoreInRegistry);
        ASSERT_TRUE(closeWindow());
    }

    start();
    for (Command click : c.clicks)
        choose(click);
    EXPECT_EQ(inRegistryChecked(window()), c.registryAfterClicks);
    // Nothing is written at the click.
    if (c.before == ToggleCase::Before::Nothing) {
        EXPECT_FALSE(QFile::exists(iniPath()));
        EXPECT_FALSE(QFile::exists(nativePath()));
    }
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(QFile::exists(iniPath()), c.iniAfterClose);
    EXPECT_EQ(QFile::exists(nativePath()), c.nativeAfterClose);

    start();
    EXPECT_EQ(inRegistryChecked(window()), c.registryNextStart);
}

using Before = ToggleCase::Before;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Toggles, StoreToggleTest,
    ::testing::Values(
        ToggleCase{"FreshStartClosesIntoIniFile", Before::Nothing, {}, false, true, false, false},
        ToggleCase{"CheckedIniItemStillSwitches", Before::Nothing, {Command::StoreInIniFile}, true, false, true, true},
        ToggleCase{"IniFileWinsAtTheNextStart", Before::IniFile, {Command::StoreInRegistry}, true, true, true, false},
        ToggleCase{"NativeStoreChosenWhenNoIniFile", Before::NativeOnly, {}, true, false, true, true},
        ToggleCase{"BackToIniFileFromNativeStore", Before::NativeOnly, {Command::StoreInIniFile}, false, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- a save that fails ----------------------------------------------------------

struct SaveFailureCase {
    const char* name;
    enum class Blocked { IniFile, Backup, NativeStore } blocked;
    bool answer; // to the question the failure asks (its default is OK)
    bool closes;
};

class SaveFailureTest : public WiringTest, public ::testing::WithParamInterface<SaveFailureCase> {};

TEST_P(SaveFailureTest, UserIsToldAndChoosesWhetherToCloseWithoutSaving) {
    using Blocked = SaveFailureCase::Blocked;
    const SaveFailureCase& c = GetParam();
    start();
    type(QStringLiteral("ABC"), "EnterButton");
    if (c.blocked == Blocked::NativeStore)
        choose(Command::StoreInRegistry);
    // A directory where the file should be: not even root can write it.
    const QString blocked = c.blocked == Blocked::IniFile  ? iniPath()
                            : c.blocked == Blocked::Backup ? backupPath()
                                                           : nativePath();
    ASSERT_TRUE(QDir().mkpath(blocked));
    if (c.blocked != Blocked::Backup)
        dialogs().expect(ScriptedDialogs::Kind::Error);
    dialogs().expectConfirm(c.answer);
    EXPECT_EQ(closeWindow(), c.closes);

    // What the user was told: where and why, in the storage layer's words.
    const auto calls = boxes();
    ASSERT_EQ(calls.size(), c.blocked == Blocked::Backup ? 1u : 2u);
    const QString& question = calls.back().text;
    if (c.blocked == Blocked::Backup) {
        EXPECT_TRUE(question.contains(QDir::toNativeSeparators(backupPath())) &&
                    question.contains(QStringLiteral("Close anyway? The stack will not be kept.")))
            << question.toStdString();
        // The backup comes first; the settings follow only a close anyway.
        EXPECT_EQ(QFile::exists(iniPath()), c.answer);
    } else {
        EXPECT_EQ(calls[0].text, c.blocked == Blocked::IniFile
                                     ? messages::unableToWriteTo(iniPath())
                                     : messages::failedToSetData(QStringLiteral("Left")));
        EXPECT_TRUE(question.contains(QStringLiteral("Keep the window open?")));
    }
    if (c.blocked == Blocked::IniFile) {
        EXPECT_EQ(readWhole(backupPath()), QByteArray("1\r\n64\r\nABC\r\n"));
    }
    if (c.closes)
        return;
    // Once the cause is gone, the next close saves and ends.
    EXPECT_TRUE(window().isVisible());
    ASSERT_TRUE(QDir(blocked).removeRecursively());
    ASSERT_TRUE(closeWindow());
    start();
    EXPECT_EQ(calc().stack().toVector(), std::vector<std::string>{"ABC"});
}

TEST_F(WiringTest, AnEmptyStackWhoseBackupFailsIsNotSaidToBeLost) {
    start();
    ASSERT_TRUE(QDir().mkpath(backupPath()));
    dialogs().expectConfirm(false);
    EXPECT_FALSE(closeWindow());
    const auto calls = boxes();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].text.contains(QStringLiteral("The old backup stays as it was.")));
    EXPECT_FALSE(calls[0].text.contains(QStringLiteral("will not be kept")));
}

using Blocked = SaveFailureCase::Blocked;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Failures, SaveFailureTest,
    ::testing::Values(
        SaveFailureCase{"IniFileKeepOpen", Blocked::IniFile, true, false},
        SaveFailureCase{"IniFileCloseWithoutSaving", Blocked::IniFile, false, true},
        SaveFailureCase{"BackupKeepOpen", Blocked::Backup, false, false},
        SaveFailureCase{"BackupCloseAnyway", Blocked::Backup, true, true},
        SaveFailureCase{"NativeStoreKeepOpen", Blocked::NativeStore, true, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- what a start tells about the backup -------------------------------------------

// What the notice says is the storage tests' part; here it comes once the
// window is up, and the start goes on with what could be read.
TEST_F(WiringTest, BackupNoticeComesOnceTheWindowIsUp) {
    writeWhole(backupPath(), "1\r\n64\r\n1F\r\nXYZ\r\n3\r\n");
    start([](ScriptedDialogs& d) { d.expectMessage(); });
    EXPECT_EQ(calc().stack().toVector(), (std::vector<std::string>{"1F", "3"}));
    const auto calls = boxes();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(
        calls[0].text.contains(QStringLiteral("an entry that is not a valid hexadecimal number")))
        << calls[0].text.toStdString();
    EXPECT_TRUE(calls[0].parentVisible) << "told before the window was up";
}

} // namespace
