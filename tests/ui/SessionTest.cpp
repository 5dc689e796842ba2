#include "WindowFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <optional>
#include <string>
#include <vector>

namespace {

// One step of a session: what the user clicks (button object names, or
// "menu:" and a menu item's object name), and what the window shows after.
struct Step {
    std::vector<const char*> clicks;
    std::vector<const char*> bottomLines; // the lowest display lines, top to bottom
    const char* input;
    std::optional<StrictDialogs::Kind> box = std::nullopt;
    const char* boxText = "";
};

const char* const kAlwaysOn[] = {"NilButton", "OneButton"};
const char* const kOctalDigits[] = {"TwoButton",  "ThreeButton", "FourButton",
                                    "FiveButton", "SixButton",   "SevenButton"};
const char* const kDecimalOnly[] = {"EightButton", "NineButton"};
const char* const kHexOnly[] = {"AButton", "BButton", "CButton", "DButton", "EButton", "FButton"};

} // namespace

class SessionTest : public WindowTest {
  protected:
    void run(const std::vector<Step>& steps) {
        int index = 0;
        for (const Step& step : steps) {
            SCOPED_TRACE("step " + std::to_string(++index));
            if (step.box)
                dialogs().expect(*step.box);
            for (const char* what : step.clicks) {
                const std::string name(what);
                if (name.rfind("menu:", 0) == 0)
                    choose(name.substr(5).c_str());
                else
                    click({what});
            }
            QStringList expected(5, QString());
            const auto n = static_cast<qsizetype>(step.bottomLines.size());
            for (qsizetype i = 0; i < n; ++i)
                expected[5 - n + i] = QString::fromLatin1(step.bottomLines[i]);
            EXPECT_EQ(displayLines(), expected);
            EXPECT_EQ(input()->text(), QString::fromLatin1(step.input));
            if (step.box) {
                ASSERT_FALSE(dialogs().calls().empty());
                EXPECT_EQ(dialogs().calls().back().text, QString::fromLatin1(step.boxText));
            }
        }
    }

    void expectDigits(bool octal, bool decimal, bool hex) {
        for (const char* name : kAlwaysOn)
            EXPECT_TRUE(button(name)->isEnabled()) << name;
        for (const char* name : kOctalDigits)
            EXPECT_EQ(button(name)->isEnabled(), octal) << name;
        for (const char* name : kDecimalOnly)
            EXPECT_EQ(button(name)->isEnabled(), decimal) << name;
        for (const char* name : kHexOnly)
            EXPECT_EQ(button(name)->isEnabled(), hex) << name;
    }
};

// clang-format off
TEST_F(SessionTest, ArithmeticUndoAndBasesOnTheRealButtons) {
    run({
        {{"OneButton", "FButton"}, {}, "1F"},
        {{"EnterButton"}, {"1F"}, ""},
        {{"ThreeButton", "PlusButton"}, {"22"}, ""},
        {{"menu:UndoLast1"}, {"1F"}, ""},
        {{"menu:UndoLast1"}, {"22"}, ""},
        {{"FiveButton", "EnterButton"}, {"22", "5"}, ""},
        {{"SwapButton"}, {"5", "22"}, ""},
        {{"MinusButton"}, {"FFFFFFFFFFFFFFE3"}, ""},
        {{"NotButton"}, {"1C"}, ""},
    });
    expectDigits(true, true, true);

    run({
        {{"DecButton"}, {"28"}, ""},
        // A..F are disabled in decimal: clicking them does nothing.
        {{"AButton", "FourButton", "TwoButton", "EnterButton"}, {"28", "42"}, ""},
        {{"MultiplyButton"}, {"1176"}, ""},
        {{"SevenButton", "DivButton"}, {"168"}, ""},
    });
    EXPECT_EQ(button("DecButton")->text(), QStringLiteral("<DEC>"));
    EXPECT_EQ(button("HexButton")->text(), QStringLiteral("HEX"));
    expectDigits(true, true, false);

    run({
        {{"BinButton"}, {"10101000"}, ""},
        {{"SLButton"}, {"101010000"}, ""},
    });
    expectDigits(false, false, false);

    run({
        {{"OctButton"}, {"520"}, ""},
        {{"DuplicateButton"}, {"520", "520"}, ""},
        {{"PlusButton"}, {"1240"}, ""},
    });
    expectDigits(true, false, false);

    run({
        {{"HexButton"}, {"2A0"}, ""},
        // STWS reads its argument in decimal whatever the base.
        {{"EightButton", "SetWordSizeButton"}, {"A0"}, ""},
        {{"RecallWordSizeButton"}, {"A0"}, "", StrictDialogs::Kind::Message, "Current wordsize = 8"},
        {{"ClearButton"}, {}, ""},
    });
    expectDigits(true, true, true);
}

TEST_F(SessionTest, ErrorsStandInTheDisplayUntilClear) {
    run({
        {{"FiveButton", "EnterButton", "SevenButton", "EnterButton", "NilButton", "EnterButton"}, {"5", "7", "0"}, ""},
        {{"DivButton"}, {"Error: Division by zero", "Press Clear [CLR]", "5", "7", "0"}, ""},
    });
    EXPECT_FALSE(button("EnterButton")->isEnabled());
    run({
        // Other commands still run and redraw over the error.
        {{"DropButton"}, {"5", "7"}, ""},
        {{"ClearButton"}, {"5", "7"}, ""},
    });
    EXPECT_TRUE(button("EnterButton")->isEnabled());
    run({
        {{"ClearButton"}, {}, ""},
        {{"PlusButton"}, {"Error: Too few arguments", "Press Clear [CLR]", "", "", ""}, ""},
        {{"ClearButton"}, {}, ""},
    });
}

TEST_F(SessionTest, StackCommandsFromTheMenusAndRestoreInput) {
    run({
        {{"OneButton", "EnterButton", "TwoButton", "EnterButton", "ThreeButton", "EnterButton"}, {"1", "2", "3"}, ""},
        {{"menu:Rotate1"}, {"2", "3", "1"}, ""},
        {{"menu:Over1"}, {"2", "3", "1", "3"}, ""},
        {{"menu:Dup21"}, {"3", "1", "3", "1", "3"}, ""},
        {{"menu:Drop21"}, {"2", "3", "1", "3"}, ""},
        {{"TwoButton", "menu:Pick1"}, {"2", "3", "1", "3", "1"}, ""},
        {{"menu:Depth1"}, {"2", "3", "1", "3", "1"}, "", StrictDialogs::Kind::Message, "5 object(s) on stack."},
        {{"menu:Maximum1"}, {"2", "3", "1", "3", "1"}, "", StrictDialogs::Kind::Message, "Maximum stack depth: 0"},
        {{"TwoButton", "menu:Keep1"}, {"3", "1"}, ""},
        {{"menu:Echo1"}, {"3", "1"}, "1"},
        {{"TwoButton"}, {"3", "1"}, "12"},
        {{"menu:restoreinput1"}, {"3", "1"}, "1"},
        {{"DeleteButton"}, {"3", "1"}, ""},
        {{"menu:Edit2"}, {"3"}, "1"},
        {{"EnterButton"}, {"3", "1"}, ""},
    });
}

// clang-format on

TEST_F(SessionTest, StackViewListsTheWholeStack) {
    std::vector<std::string> entries;
    for (int i = 1; i <= 12; ++i)
        entries.push_back(std::to_string(i));
    calc().loadStack(entries);
    window().redraw();
    click({"ViewButton"});
    ASSERT_TRUE(stackMemo()->isVisible());
    const QStringList lines = stackMemo()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.front(), QStringLiteral("12: 1"));
    EXPECT_EQ(lines.back(), QStringLiteral("1: 12"));

    // Text typed into the listing is gone at the next VIEW.
    stackMemo()->appendPlainText(QStringLiteral("typed"));
    choose("CloseStackView1");
    click({"ViewButton"});
    EXPECT_EQ(stackMemo()->toPlainText().split(QLatin1Char('\n')).size(), 12);
    EXPECT_EQ(calc().stack().size(), 12u);
    choose("CloseStackView1");

    // A print job composes the listing in the hidden box.
    calc().setStackNumbering(false);
    calc().rebuildListing();
    window().refreshListing();
    EXPECT_FALSE(stackMemo()->isVisible());
    EXPECT_EQ(stackMemo()->toPlainText().split(QLatin1Char('\n')).back(), QStringLiteral("12"));
    calc().setStackNumbering(true);
    window().redraw();

    choose("UseStackNumbering1");
    click({"ViewButton"});
    EXPECT_EQ(stackMemo()->toPlainText().split(QLatin1Char('\n')).front(), QStringLiteral("1"));
    choose("CloseStackView1");
    EXPECT_TRUE(input()->hasFocus());
}
