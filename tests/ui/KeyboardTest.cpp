#include "WindowFixture.h"

#include "ui/KeyTranslation.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

namespace {

using quarnel::engine::NumberBase;

struct KeyCase {
    const char* name;
    NumberBase base;
    std::vector<std::string> stack; // deepest first
    const char* typed;              // digits typed into the line before the key
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::vector<std::string> stackAfter; // as displayed, deepest first
    const char* inputAfter;
    std::optional<StrictDialogs::Kind> box = std::nullopt;
    const char* boxText = "";
};

// The five display lines for a stack (deepest first), as the display shows them.
QStringList linesFor(const std::vector<std::string>& stack) {
    QStringList lines(5, QString());
    const std::size_t shown = std::min<std::size_t>(stack.size(), 5);
    for (std::size_t i = 0; i < shown; ++i)
        lines[static_cast<qsizetype>(5 - shown + i)] =
            QString::fromStdString(stack[stack.size() - shown + i]);
    return lines;
}

constexpr auto H = NumberBase::Hex;
constexpr auto D = NumberBase::Dec;
constexpr auto kNone = Qt::NoModifier;
constexpr auto kPad = Qt::KeypadModifier;

// clang-format off
const KeyCase kCases[] = {
    {"Enter", H, {}, "ab", Qt::Key_Return, kNone, {"AB"}, ""},
    {"KeypadEnter", H, {}, "5", Qt::Key_Enter, kPad, {"5"}, ""},
    {"Escape", H, {"1", "2"}, "3", Qt::Key_Escape, kNone, {}, ""},
    {"PageUp", H, {"7"}, "", Qt::Key_PageUp, kNone, {"7", "7"}, ""},
    {"PageDown", H, {"7", "8"}, "", Qt::Key_PageDown, kNone, {"7"}, ""},
    {"Delete", H, {"7"}, "123", Qt::Key_Delete, kNone, {"7"}, ""},
    {"Ampersand", H, {"5"}, "3", Qt::Key_Ampersand, Qt::ShiftModifier, {"1"}, ""},
    {"MainKeyboardOne", H, {"5"}, "3", Qt::Key_1, kNone, {"5"}, "31"},
    {"KeypadOne", H, {"5"}, "3", Qt::Key_1, kPad, {"5"}, "31"},
    {"O", H, {"5"}, "3", Qt::Key_O, kNone, {"7"}, ""},
    {"X", H, {"5"}, "3", Qt::Key_X, kNone, {"6"}, ""},
    {"KeypadMultiply", H, {"5"}, "3", Qt::Key_Asterisk, kPad, {"F"}, ""},
    {"KeypadPlus", H, {"5"}, "3", Qt::Key_Plus, kPad, {"8"}, ""},
    {"KeypadMinus", H, {"5"}, "3", Qt::Key_Minus, kPad, {"2"}, ""},
    {"KeypadDivide", H, {"9"}, "3", Qt::Key_Slash, kPad, {"3"}, ""},
    {"MainKeyboardPlusOnlyTypes", H, {"5"}, "3", Qt::Key_Plus, Qt::ShiftModifier, {"5"}, "3"},
    {"MainKeyboardMinusOnlyTypes", H, {"5"}, "3", Qt::Key_Minus, kNone, {"5"}, "3"},
    {"MainKeyboardStarOnlyTypes", H, {"5"}, "3", Qt::Key_Asterisk, Qt::ShiftModifier, {"5"}, "3"},
    {"MainKeyboardSlashOnlyTypes", H, {"9"}, "3", Qt::Key_Slash, kNone, {"9"}, "3"},
    {"N", H, {"A"}, "", Qt::Key_N, kNone, {"FFFFFFFFFFFFFFF5"}, ""},
    {"ShiftN", H, {"A"}, "", Qt::Key_N, Qt::ShiftModifier, {"FFFFFFFFFFFFFFF5"}, ""},
    {"F9", H, {"1"}, "", Qt::Key_F9, kNone, {"FFFFFFFFFFFFFFFF"}, ""},
    {"L", H, {"3"}, "", Qt::Key_L, kNone, {"6"}, ""},
    {"I", H, {"6"}, "", Qt::Key_I, kNone, {"3"}, ""},
    {"Z", H, {"8000000000000000"}, "", Qt::Key_Z, kNone, {"4000000000000000"}, ""},
    {"M", H, {"12"}, "", Qt::Key_M, kNone, {"1200"}, ""},
    {"Q", H, {"1234"}, "", Qt::Key_Q, kNone, {"12"}, ""},
    {"R", H, {"8000000000000001"}, "", Qt::Key_R, kNone, {"3"}, ""},
    {"J", H, {"3"}, "", Qt::Key_J, kNone, {"8000000000000001"}, ""},
    {"K", H, {"FF00000000000001"}, "", Qt::Key_K, kNone, {"1FF"}, ""},
    {"Y", H, {"1FF"}, "", Qt::Key_Y, kNone, {"FF00000000000001"}, ""},
    {"S", H, {"1", "2"}, "", Qt::Key_S, kNone, {"2", "1"}, ""},
    {"T", D, {}, "16", Qt::Key_T, kNone, {}, ""},
    {"W", H, {}, "", Qt::Key_W, kNone, {}, "", StrictDialogs::Kind::Message, "Current wordsize = 64"},
    {"F3", D, {"255"}, "", Qt::Key_F3, kNone, {"FF"}, ""},
    {"F4", H, {"FF", "10"}, "A", Qt::Key_F4, kNone, {"255", "16"}, "10"},
    {"F5", H, {"5"}, "", Qt::Key_F5, kNone, {"101"}, ""},
    {"F6", H, {"8"}, "", Qt::Key_F6, kNone, {"10"}, ""},
    {"HexLetterOnlyTypes", H, {"5"}, "", Qt::Key_A, kNone, {"5"}, "a"},
    {"DecimalDigitOnlyTypes", D, {"5"}, "1", Qt::Key_9, kNone, {"5"}, "19"},
    {"BackspaceOnlyEdits", H, {"5"}, "12", Qt::Key_Backspace, kNone, {"5"}, "1"},
};
// clang-format on

class KeyboardTest : public WindowTest, public ::testing::WithParamInterface<KeyCase> {};

} // namespace

TEST_P(KeyboardTest, KeyRunsItsCommandThenReachesTheLine) {
    const KeyCase& c = GetParam();
    calc().loadBase(c.base);
    calc().loadStack(c.stack);
    window().redraw();
    type(QString::fromLatin1(c.typed));
    ASSERT_EQ(input()->text(), QString::fromLatin1(c.typed));
    if (c.box)
        dialogs().expect(*c.box);

    key(c.key, c.modifiers);

    EXPECT_EQ(displayLines(), linesFor(c.stackAfter));
    EXPECT_EQ(input()->text(), QString::fromLatin1(c.inputAfter));
    if (c.box) {
        ASSERT_FALSE(dialogs().calls().empty());
        EXPECT_EQ(dialogs().calls().back().text, QString::fromLatin1(c.boxText));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKey, KeyboardTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, KeyTSetsTheWordSizeFromTheLine) {
    calc().loadBase(NumberBase::Dec);
    window().redraw();
    type(QStringLiteral("16"));
    key(Qt::Key_T);
    EXPECT_EQ(calc().wordSize(), 16);
}

TEST_F(WindowTest, KeyVOpensStackViewWithTheListing) {
    calc().loadStack({"1F", "2", "0"});
    window().redraw();
    key(Qt::Key_V);
    ASSERT_TRUE(stackMemo()->isVisible());
    EXPECT_EQ(stackMemo()->toPlainText(), QStringLiteral("3: 1F\n2: 2\n1: 0"));
}

TEST_F(WindowTest, EnterIsIgnoredWhileAnErrorIsShown) {
    key(Qt::Key_Return); // nothing to push: error
    EXPECT_EQ(displayLines().value(0), QStringLiteral("Error: Too few arguments"));
    EXPECT_FALSE(button("EnterButton")->isEnabled());
    type(QStringLiteral("5"));
    key(Qt::Key_Return);
    EXPECT_EQ(calc().stack().size(), 0u);
    EXPECT_EQ(input()->text(), QStringLiteral("5"));
    key(Qt::Key_Escape); // clears the error only
    EXPECT_TRUE(button("EnterButton")->isEnabled());
    key(Qt::Key_Return);
    EXPECT_EQ(level1(), QStringLiteral("5"));
}

TEST_F(WindowTest, ClipboardKeysEditInsteadOfRunningCommands) {
    QApplication::clipboard()->setText(QStringLiteral("1F"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(stackMemo()->isVisible()) << "Ctrl+V must not open StackView";
    EXPECT_EQ(input()->text(), QStringLiteral("1F"));

    calc().loadStack({"5"});
    window().redraw();
    input()->selectAll();
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(input()->text(), QString()) << "Ctrl+X cuts";
    EXPECT_EQ(level1(), QStringLiteral("5")) << "Ctrl+X must not run XOR";
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1F"));
}

TEST(KeyTranslation, KeypadNavigationTranslatesAndModifiedOrUnmappedKeysDoNot) {
    using quarnel::calculator::Key;
    using quarnel::ui::translateKey;
    const struct {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        std::optional<Key> expected;
    } cases[] = {
        {Qt::Key_PageUp, Qt::KeypadModifier, Key::PageUp},
        {Qt::Key_Delete, Qt::KeypadModifier, Key::Delete},
        {Qt::Key_N, Qt::ControlModifier, std::nullopt},
        {Qt::Key_O, Qt::AltModifier, std::nullopt},
        {Qt::Key_P, Qt::NoModifier, std::nullopt},
        {Qt::Key_F1, Qt::NoModifier, std::nullopt},
        {Qt::Key_F2, Qt::NoModifier, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(translateKey(c.qtKey, c.modifiers), c.expected)
            << "key " << std::hex << c.qtKey << " modifiers " << c.modifiers.toInt();
}
