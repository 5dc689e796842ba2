// Load Stack and Save Stack through the window's file dialogs, with the
// messages exactly as the storage layer words them.

#include "WiringFixture.h"

#include "storage/Messages.h"

#include <QDir>
#include <QFile>

#include <optional>
#include <string>
#include <vector>

using quarnel::engine::NumberBase;
using quarnel::ui::Command;
using Stack = std::vector<std::string>;
namespace messages = quarnel::storage::messages;

namespace {

const QString kFilter = QStringLiteral("RPN Stack (*.STK)");

// --- Save Stack ------------------------------------------------------------------

struct SaveCase {
    const char* name;
    const char* typed;                   // in the save dialog, relative to the work folder
    const char* written;                 // the file that must hold the stack
    const char* existing;                // a file there before, or nullptr
    std::optional<bool> overwriteAnswer; // the question about `existing`, when asked
    bool onTop;
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveStackTest : public WiringTest, public ::testing::WithParamInterface<SaveCase> {
  protected:
    // HEX, word size 16, the stack 1F (level 2) and 3 (level 1).
    void makeStack() {
        type(QStringLiteral("16"));
        click("SetWordSizeButton");
        type(QStringLiteral("1F"));
        click("EnterButton");
        type(QStringLiteral("3"));
        click("EnterButton");
    }
};

const QByteArray kSmallStackFile("1\r\n16\r\n1F\r\n3\r\n");
const QByteArray kOldFile("2\r\n8\r\n1\r\n");

TEST_P(SaveStackTest, WritesTheStackFileUnderTheNameReallyUsed) {
    const SaveCase& c = GetParam();
    start();
    makeStack();
    if (c.onTop)
        choose(Command::StayOnTop);
    if (c.existing)
        writeWhole(QDir(workDir()).filePath(QString::fromLatin1(c.existing)), kOldFile);
    const QString dirBefore = QDir::currentPath();

    const QString typed = QDir(workDir()).filePath(QString::fromLatin1(c.typed));
    const QString written = QDir(workDir()).filePath(QString::fromLatin1(c.written));
    dialogs().expectSaveFile(typed);
    if (c.overwriteAnswer)
        dialogs().expectConfirm(*c.overwriteAnswer);
    choose(Command::SaveStack);

    const auto calls = boxes();
    ASSERT_EQ(calls.size(), c.overwriteAnswer ? 2u : 1u);
    EXPECT_EQ(calls[0].filter, kFilter);
    for (const auto& call : calls)
        EXPECT_FALSE(call.parentOnTop) << "a stay-on-top window is lowered for the dialog";
    if (c.overwriteAnswer) {
        EXPECT_TRUE(calls[1].text.contains(QDir::toNativeSeparators(written)))
            << "the question names the file really written: " << calls[1].text.toStdString();
    }
    const bool replaced = !c.existing || c.overwriteAnswer.value_or(true);
    EXPECT_EQ(readWhole(written), replaced ? kSmallStackFile : kOldFile);
    if (QString::fromLatin1(c.typed) != QString::fromLatin1(c.written) && !c.existing) {
        EXPECT_FALSE(QFile::exists(typed)) << "only the .STK name is written";
    }
    // The dialog leaves the current folder alone.
    EXPECT_EQ(QDir::currentPath(), dirBefore);
    EXPECT_EQ(window().stayOnTop(), c.onTop);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveStackTest,
    ::testing::Values(SaveCase{"NoExtension", "mystack", "mystack.STK", nullptr, {}, false},
                      SaveCase{"ReplaceTheRealTargetYes", "x", "x.STK", "x.STK", true, false},
                      SaveCase{"ReplaceTheRealTargetNo", "x", "x.STK", "x.STK", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

class StackFileDialogTest : public WiringTest {};

TEST_F(StackFileDialogTest, CancelledDialogsChangeNothing) {
    start();
    type(QStringLiteral("5"));
    click("EnterButton");
    dialogs().expectSaveFile(QString());
    choose(Command::SaveStack);
    dialogs().expectOpenFile(QString());
    choose(Command::LoadStack);
    EXPECT_EQ(calc().stack().toVector(), Stack{"5"});
    EXPECT_EQ(QDir(workDir()).entryList(QDir::Files), QStringList());
}

// --- Load Stack ------------------------------------------------------------------

struct LoadCase {
    const char* name;
    std::optional<QByteArray> file; // empty: no such file
    // On success:
    Stack stack;
    NumberBase base;
    int wordSize;
    // On failure: the error box text for the file's path.
    std::function<QString(const QString&)> error;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadStackTest : public WiringTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadStackTest, LoadsOrRefusesWithTheMessage) {
    const LoadCase& c = GetParam();
    start();
    choose(Command::StayOnTop);
    // HEX at word size 8 with two entries and some input standing.
    type(QStringLiteral("8"));
    click("SetWordSizeButton");
    for (const char* e : {"5", "6"}) {
        type(QString::fromLatin1(e));
        click("EnterButton");
    }
    const QString path = QDir(workDir()).filePath(QStringLiteral("in.STK"));
    if (c.file)
        writeWhole(path, *c.file);

    dialogs().expectOpenFile(path);
    if (c.error)
        dialogs().expectError();
    choose(Command::LoadStack);

    const auto calls = boxes();
    EXPECT_FALSE(calls.at(0).parentOnTop) << "a stay-on-top window is lowered for the dialog";
    EXPECT_TRUE(window().stayOnTop());
    if (c.error) {
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[1].text, c.error(path));
        // Refused: the calculator is as it was.
        EXPECT_EQ(calc().stack().toVector(), (Stack{"5", "6"}));
        EXPECT_EQ(calc().currentBase(), NumberBase::Hex);
        EXPECT_EQ(calc().wordSize(), 8);
        return;
    }
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].filter, kFilter);
    EXPECT_EQ(calc().stack().toVector(), c.stack);
    EXPECT_EQ(calc().currentBase(), c.base);
    EXPECT_EQ(calc().wordSize(), c.wordSize);
    // The window shows what was loaded.
    EXPECT_TRUE(displayLines().value(4).endsWith(QString::fromStdString(c.stack.back())));
}

QString badEntry(const QString& path) {
    return messages::invalidEntry(path, 4, QStringLiteral("G"), QStringLiteral("hexadecimal"));
}

// The file rules themselves are the storage tests' part: here one file of each
// outcome goes through the dialog.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, LoadStackTest,
    ::testing::Values(
        LoadCase{"OctalAtWordSize32", QByteArray("4\r\n32\r\n17\r\n777\r\n"), {"17", "777"}, NumberBase::Oct, 32, {}},
        LoadCase{"EntryNotInItsBase", QByteArray("1\r\n16\r\n1F\r\nG\r\n"), {}, NumberBase::Hex, 0, badEntry}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
