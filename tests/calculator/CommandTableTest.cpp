// The command table's rules: what every row needs before it runs, the undo
// copy, and the state the front ends read. What each command does to the
// stack, the input line and the display is checked through the terminal's
// golden outputs (tests/cli).

#include "Probe.h"
#include "calculator/Calculator.h"
#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quarnel::calculator {
namespace {

using Entries = std::vector<std::string>;

class CountingHost final : public CalculatorHost {
  public:
    void showMessage(const std::string&) override {}
    void focusInput() override { ++focus; }
    int focus = 0;
};

TEST(CommandTableTest, NamesAndCaptionsAreUniqueAndFindTheirRow) {
    std::set<std::string> names;
    std::set<std::string_view> captions;
    for (const CommandRow& row : commandTable()) {
        const std::string name = upper(std::string(row.name));
        EXPECT_TRUE(names.insert(name).second) << row.name;
        EXPECT_TRUE(captions.insert(row.caption).second) << row.caption;
        EXPECT_NE(row.run, nullptr) << row.name;
        EXPECT_EQ(findCommand(name), row.command) << row.name;
    }
    EXPECT_EQ(findCommand("Frobnicate"), std::nullopt);
    EXPECT_EQ(findKey("kp+"), Key::KeypadPlus);
}

// Every row that needs entries refuses to run with one too few, whether the
// missing one would have come from the input line or from the stack.
TEST(CommandTableTest, TooFewEntriesReportTheErrorAndChangeNothing) {
    for (const CommandRow& row : commandTable()) {
        if (row.needs.levels == 0)
            continue;
        for (const bool typed : {false, true}) {
            if (typed && (row.needs.stackOnly || row.needs.levels < 2))
                continue;
            SCOPED_TRACE(std::string(row.name) + (typed ? " with input" : ""));
            CountingHost host;
            Calculator c(&host);
            const Entries stack(row.needs.levels - 1 - (typed ? 1 : 0), "9");
            c.loadStack(stack);
            c.loadInputText(typed ? "3" : "");
            c.run(row.command);
            EXPECT_EQ(c.displayLines()[0], "Error: Too few arguments");
            EXPECT_EQ(c.displayLines()[1], kPressClearText);
            EXPECT_FALSE(c.enterEnabled());
            EXPECT_EQ(c.stack().toVector(), stack);
            EXPECT_EQ(c.inputText(), typed ? "3" : "");
            EXPECT_TRUE(quarnel::calculator::CalculatorProbe::undo(c).empty());
            EXPECT_EQ(host.focus, row.needs.keepFocusOnError ? 0 : 1);
        }
    }
}

TEST(CommandTableTest, EnterDoesNothingWhileAnErrorIsPending) {
    Calculator c;
    c.run(Command::Drop);
    c.run(Command::Digit5);
    c.run(Command::Enter);
    EXPECT_TRUE(c.stack().empty());
    EXPECT_EQ(c.inputText(), "5");
    c.run(Command::Clear);
    c.run(Command::Enter);
    EXPECT_EQ(c.stack().toVector(), Entries{"5"});
}

// An engine failure before a command changes the stack leaves the undo copy
// alone; one after the change (the redraw meeting an entry from a file) keeps
// the copy of the stack before the command.
TEST(CommandTableTest, UndoCopyAroundEngineFailures) {
    Calculator c;
    EXPECT_THROW(c.loadStack({"1", "XYZ"}), engine::EngineError);
    EXPECT_THROW(c.run(Command::Not), engine::EngineError);
    EXPECT_TRUE(quarnel::calculator::CalculatorProbe::undo(c).empty());
    EXPECT_EQ(c.stack().toVector(), (Entries{"1", "XYZ"}));

    c.loadInputText("2");
    EXPECT_THROW(c.run(Command::Enter), engine::EngineError);
    EXPECT_EQ(c.stack().toVector(), (Entries{"1", "XYZ", "2"}));
    EXPECT_EQ(quarnel::calculator::CalculatorProbe::undo(c).toVector(), (Entries{"1", "XYZ"}));
    EXPECT_EQ(c.inputText(), "");
}

TEST(CommandTableTest, StackViewSwitchesTheMenus) {
    Calculator c;
    EXPECT_EQ(c.menuStates().closeStackView, false);
    c.run(Command::View);
    const MenuStates view = c.menuStates();
    EXPECT_TRUE(c.stackViewShown());
    EXPECT_FALSE(view.edit || view.stack || view.options || view.loadStack || view.saveStack);
    EXPECT_TRUE(view.closeStackView);
    c.run(Command::CloseStackView);
    const MenuStates back = c.menuStates();
    EXPECT_TRUE(back.edit && back.stack && back.options && back.loadStack && back.saveStack);
}

TEST(CommandTableTest, DigitButtonsFollowTheBase) {
    Calculator c;
    for (const auto& [base, highest] : {std::pair{Command::BaseBin, 1},
                                        {Command::BaseOct, 7},
                                        {Command::BaseDec, 9},
                                        {Command::BaseHex, 15}}) {
        c.run(base);
        for (int d = 0; d < 16; ++d)
            EXPECT_EQ(c.digitEnabled(d), d <= highest) << d;
    }
    EXPECT_EQ(c.baseCaption(NumberBase::Hex), "<HEX>");
    EXPECT_EQ(c.baseCaption(NumberBase::Dec), "DEC");
}

} // namespace
} // namespace quarnel::calculator
