// The window's clipboard, laptop keys and accessibility: pasting through the
// real clipboard by every way in, Copy and Copy As, the main keyboard's
// operator keys, and what a screen reader is told.

#include "WindowFixture.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

namespace {

using quarnel::engine::NumberBase;

QClipboard& clipboard() {
    return *QGuiApplication::clipboard();
}

class ClipboardTest : public WindowTest {
  protected:
    // HEX at 64 bits, the stack and the input line as given.
    void start(std::vector<std::string> stack, const char* line, NumberBase base = NumberBase::Hex,
               int ws = 64) {
        calc().loadBase(base);
        calc().loadWordSize(ws);
        calc().replaceStack(std::move(stack));
        calc().loadInputText(line);
        window().redraw();
        input()->setFocus();
    }
};

TEST_F(ClipboardTest, PasteKeysAndMenuReadTheClipboardAsOneNumber) {
    struct Row {
        const char* how;
        const char* line;
        int selectFrom, selectLength; // -1: caret at the end, nothing selected
        const char* pasted;
        const char* after;
        int caret;
    };
    const Row rows[] = {
        {"Ctrl+V", "", -1, 0, "0xDEADBEEF", "DEADBEEF", 8},
        {"Shift+Insert", "", -1, 0, "  dead'beef\n", "deadbeef", 8},
        {"Ctrl+V", "1234", 1, 2, "$f", "1F4", 2},
        {"Paste1", "1234", 1, 2, "0o3", "134", 2},
        {"Paste1", "12", -1, 0, "FFh", "12FF", 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.how) + " " + row.pasted);
        start({"5"}, row.line);
        if (row.selectFrom >= 0)
            input()->setSelection(row.selectFrom, row.selectLength);
        clipboard().setText(QString::fromLatin1(row.pasted));
        if (std::string_view(row.how) == "Ctrl+V")
            QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
        else if (std::string_view(row.how) == "Shift+Insert")
            QTest::keyClick(input(), Qt::Key_Insert, Qt::ShiftModifier);
        else
            choose(row.how);
        EXPECT_EQ(input()->text(), QString::fromLatin1(row.after));
        EXPECT_EQ(input()->cursorPosition(), row.caret);
        EXPECT_EQ(calc().inputText(), row.after);
        EXPECT_EQ(displayLines()[4], QStringLiteral("5"));
    }
}

TEST_F(ClipboardTest, UnreadableClipboardLeavesTheLineAndSaysWhy) {
    start({"5"}, "12");
    input()->setSelection(0, 1);
    clipboard().setText(QStringLiteral("12 + 3"));
    dialogs().expectMessage();
    QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), QStringLiteral("12"));
    EXPECT_EQ(input()->selectedText(), QStringLiteral("1"));
    ASSERT_FALSE(dialogs().calls().empty());
    EXPECT_TRUE(dialogs().calls().back().text.contains(QStringLiteral("\"12 + 3\"")))
        << dialogs().calls().back().text.toStdString();
}

TEST_F(ClipboardTest, SeveralLinesAreEnteredAndOneUndoTakesThemBack) {
    start({"5"}, "");
    clipboard().setText(QStringLiteral("0x10\n0x20\n0x30\n"));
    QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(displayLines().mid(2), (QStringList{"5", "10", "20"}));
    EXPECT_EQ(input()->text(), QStringLiteral("30"));
    QTest::keyClick(input(), Qt::Key_F2);
    EXPECT_EQ(displayLines().mid(2), (QStringList{"", "", "5"}));
}

TEST_F(ClipboardTest, DroppedTextIsReadLikePastedText) {
    start({}, "");
    QMimeData data;
    data.setText(QStringLiteral("0x1F"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(input(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(input(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the dragged text stays where it was";
    for (int wait = 0; wait < 100 && input()->text().isEmpty(); ++wait)
        QTest::qWait(10); // the drop is read once it has finished
    EXPECT_EQ(input()->text(), QStringLiteral("1F"));
}

TEST_F(ClipboardTest, TypingStillChecksEachCharacter) {
    start({}, "");
    type(QStringLiteral("1G2")); // pasted, the same text is refused
    EXPECT_EQ(input()->text(), QStringLiteral("12"));
}

TEST_F(ClipboardTest, CopyAndCopyAsPutTheValueOnTheClipboard) {
    struct Row {
        NumberBase base;
        int ws;
        std::vector<std::string> stack;
        const char* line;
        const char* item;
        const char* copied;
    };
    const std::string longEntry(64, '1'); // longer than the display shows
    const char* const ffInAllBases = "HEX: FF\nDEC: 255\nOCT: 377\nBIN: 11111111";
    const Row rows[] = {
        {NumberBase::Hex, 64, {"1", "FF"}, "", "Copy1", "FF"},
        {NumberBase::Hex, 64, {"FF"}, "ab", "Copy1", "ab"},
        {NumberBase::Hex, 8, {"1FF"}, "", "Copy1", "FF"},
        {NumberBase::Bin, 64, {longEntry}, "", "Copy1", longEntry.c_str()},
        {NumberBase::Hex, 64, {"FF"}, "", "CopyWithPrefix1", "0xFF"},
        {NumberBase::Hex, 64, {"1"}, "ab", "CopyWithPrefix1", "0xAB"},
        {NumberBase::Bin, 64, {"101"}, "", "CopyWithPrefix1", "0b101"},
        {NumberBase::Oct, 64, {"17"}, "", "CopyWithPrefix1", "0o17"},
        {NumberBase::Dec, 64, {"255"}, "", "CopyWithPrefix1", "255"},
        {NumberBase::Dec, 32, {"255"}, "", "CopyCLiteral1", "0xFFu"},
        {NumberBase::Dec, 33, {"255"}, "", "CopyCLiteral1", "0xFFull"},
        {NumberBase::Hex, 64, {"FF"}, "", "CopyCLiteral1", "0xFFull"},
        {NumberBase::Hex, 8, {"FF"}, "", "CopyAllBases1", ffInAllBases},
        {NumberBase::Dec, 64, {}, "10", "CopyAllBases1", "HEX: A\nDEC: 10\nOCT: 12\nBIN: 1010"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.item) + " " + (row.stack.empty() ? "" : row.stack.back()));
        start(row.stack, row.line, row.base, row.ws);
        clipboard().setText(QStringLiteral("before"));
        ASSERT_TRUE(menuItem(row.item)->isEnabled());
        choose(row.item);
        EXPECT_EQ(clipboard().text(), QString::fromStdString(row.copied));
    }
}

TEST_F(ClipboardTest, CopyItemsAreOffWhenThereIsNothingToCopy) {
    struct Row {
        int ws;
        std::vector<std::string> stack;
        const char* line;
        const char* item;
    };
    const Row rows[] = {
        {64, {}, "", "Copy1"},
        {64, {}, "", "CopyWithPrefix1"},
        {64, {}, "", "CopyAllBases1"},
        {65, {"FF"}, "", "CopyCLiteral1"},
        {64, {}, "XYZ", "CopyWithPrefix1"}, // a saved line from a damaged file
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item);
        start(row.stack, row.line, NumberBase::Hex, row.ws);
        clipboard().setText(QStringLiteral("before"));
        EXPECT_FALSE(menuItem(row.item)->isEnabled());
        choose(row.item);
        EXPECT_EQ(clipboard().text(), QStringLiteral("before"));
    }
}

TEST_F(ClipboardTest, CtrlCCopiesTheSelectionElseTheWholeLine) {
    start({"5"}, "1234");
    input()->setSelection(1, 2);
    QTest::keyClick(input(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard().text(), QStringLiteral("23"));
    input()->deselect();
    QTest::keyClick(input(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard().text(), QStringLiteral("1234"));
    // In StackView the Edit menu is off and the listing copies its own text.
    click({"DeleteButton", "ViewButton"});
    stackMemo()->selectAll();
    QTest::keyClick(stackMemo(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard().text(), QStringLiteral("1: 5"));
}

TEST_F(ClipboardTest, MainKeyboardOperatorsRunLikeTheKeypad) {
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* top; // level 1 after 70 ENT 3 and the key
    };
    // clang-format off
    const Row rows[] = {
        {Qt::Key_Plus, Qt::NoModifier, "73"},
        {Qt::Key_Plus, Qt::ShiftModifier, "73"},
        {Qt::Key_Plus, Qt::KeypadModifier, "73"},
        {Qt::Key_Minus, Qt::NoModifier, "6D"},
        {Qt::Key_Minus, Qt::KeypadModifier, "6D"},
        {Qt::Key_Asterisk, Qt::ShiftModifier, "150"},
        {Qt::Key_Asterisk, Qt::KeypadModifier, "150"},
        {Qt::Key_Slash, Qt::NoModifier, "25"},
        {Qt::Key_Slash, Qt::KeypadModifier, "25"},
        {Qt::Key_Percent, Qt::ShiftModifier, "1"},
        {Qt::Key_Less, Qt::ShiftModifier, "380"},
        {Qt::Key_Greater, Qt::ShiftModifier, "E"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(QKeySequence(row.key).toString().toStdString() + " " +
                     std::to_string(row.modifiers.toInt()));
        start({"70"}, "3");
        QTest::keyClick(input(), row.key, row.modifiers);
        EXPECT_EQ(displayLines()[4], QString::fromLatin1(row.top));
        EXPECT_EQ(displayLines()[3], QString());
        EXPECT_EQ(input()->text(), QString()) << "the key's own character is removed";
    }
}

TEST_F(ClipboardTest, ScreenReadersHearWhatEachControlIs) {
    for (QPushButton* b : window().findChildren<QPushButton*>()) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_FALSE(b->accessibleDescription().isEmpty());
        EXPECT_NE(b->accessibleDescription(), b->text());
        EXPECT_FALSE(b->toolTip().isEmpty());
    }
    QSet<QString> names;
    for (QWidget* box : {static_cast<QWidget*>(display()), static_cast<QWidget*>(numbers()),
                         static_cast<QWidget*>(input())}) {
        EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
        names.insert(box->accessibleName());
    }
    EXPECT_EQ(names.size(), 3);
}

} // namespace
