// Save Stack and Load Stack through the window's file dialogs. The file rules
// and their messages are the storage tests' part.

#include "WiringFixture.h"

#include "storage/Messages.h"

using quarnel::engine::NumberBase;
using quarnel::ui::Command;
using Stack = std::vector<std::string>;

namespace {

const QString kFilter = QStringLiteral("RPN Stack (*.STK)");

TEST_F(WiringTest, SaveAndLoadStackGoThroughTheDialogsLoweredFromOnTop) {
    start();
    choose(Command::StayOnTop);
    for (const auto& [text, button] :
         {std::pair{"16", "SetWordSizeButton"}, {"1F", "EnterButton"}, {"3", "EnterButton"}})
        type(QString::fromLatin1(text), button);
    dialogs().expectSaveFile({}); // cancelled: nothing is written or loaded
    choose(Command::SaveStack);
    dialogs().expectOpenFile({});
    choose(Command::LoadStack);
    const QString target = QDir(workDir()).filePath(QStringLiteral("x.STK"));
    // The question names the file really written, not the name typed.
    for (const bool replace : {false, true}) {
        writeWhole(target, "2\r\n8\r\n1\r\n");
        dialogs().expectSaveFile(QDir(workDir()).filePath(QStringLiteral("x")));
        dialogs().expectConfirm(replace);
        choose(Command::SaveStack);
        EXPECT_TRUE(boxes().back().text.contains(QDir::toNativeSeparators(target)));
        EXPECT_EQ(readWhole(target), replace ? "1\r\n16\r\n1F\r\n3\r\n" : "2\r\n8\r\n1\r\n");
    }
    EXPECT_EQ(QDir(workDir()).entryList(QDir::Files), QStringList{"x.STK"});

    writeWhole(target, "4\r\n32\r\n17\r\n777\r\n");
    dialogs().expectOpenFile(target);
    choose(Command::LoadStack);
    EXPECT_EQ(calc().stack().toVector(), (Stack{"17", "777"}));
    EXPECT_EQ(calc().currentBase(), NumberBase::Oct);
    EXPECT_EQ(calc().wordSize(), 32);
    EXPECT_TRUE(displayLines().value(4).endsWith(QStringLiteral("777")));

    writeWhole(target, "1\r\n16\r\n1F\r\nG\r\n");
    dialogs().expectOpenFile(target);
    dialogs().expect(ScriptedDialogs::Kind::Error);
    choose(Command::LoadStack);
    const auto calls = boxes();
    ASSERT_EQ(calls.size(), 9u);
    EXPECT_EQ(calls[8].text, quarnel::storage::messages::invalidEntry(
                                 target, 4, QStringLiteral("G"), QStringLiteral("hexadecimal")));
    EXPECT_EQ(calc().stack().toVector(), (Stack{"17", "777"}));
    for (const auto& call : calls) {
        const bool file = call.kind == ScriptedDialogs::Kind::OpenFile ||
                          call.kind == ScriptedDialogs::Kind::SaveFile;
        EXPECT_EQ(call.parentOnTop, call.kind == ScriptedDialogs::Kind::Error);
        EXPECT_EQ(call.filter, file ? kFilter : QString());
    }
    EXPECT_TRUE(window().stayOnTop());
}

} // namespace
