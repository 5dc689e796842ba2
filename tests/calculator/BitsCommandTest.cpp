// The bit tools as commands: operands from the stack with a pending input line
// as level 1, counts read in the current base and reduced like any entry, the
// refused counts and the zero divisor of MOD as display errors that change
// nothing, and Undo Last and Restore Input afterwards.

#include "Probe.h"
#include "calculator/Calculator.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace quarnel::calculator {
namespace {

using Entries = std::vector<std::string>;
using enum Command;
constexpr NumberBase H = NumberBase::Hex;
constexpr NumberBase D = NumberBase::Dec;
constexpr const char* kInvalid = "Error: Invalid argument(s)";
constexpr const char* kByZero = "Error: Division by zero";

struct Case {
    Command command;
    NumberBase base;
    int ws;
    Entries stack;
    std::string input;
    Entries after; // the stack afterwards
    const char* error = "";
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << commandRow(c.command).name << " ws " << c.ws << " input '" << c.input << "'";
}

// clang-format off
const Case kCases[] = {
    // Operands from the stack or the line; deeper entries stay; a count in HEX is hexadecimal.
    {ShiftLeftN, H, 8, {"1", "4"}, "", {"10"}},
    {ShiftLeftN, H, 8, {"9", "1"}, "4", {"9", "10"}},
    {ShiftLeftN, H, 64, {"1", "10"}, "", {"10000"}},
    {ShiftLeftN, D, 64, {"1", "10"}, "", {"1024"}},
    // Operands and counts are read reduced to the word size (101 is 1 at 8 bits).
    {ShiftLeftN, H, 8, {"1FF", "1"}, "", {"FE"}},
    {ShiftLeftN, H, 8, {"1"}, "101", {"2"}},
    {Mod, H, 8, {"5", "0"}, "", {"5", "0"}, kByZero},
    {Mod, H, 8, {"5"}, "00", {"5"}, kByZero},
    {PopCount, H, 8, {"7", "FF"}, "", {"7", "8"}},
    {CountLeadingZeros, H, 8, {"7"}, "0", {"7", "8"}},
    {ByteSwap, H, 12, {"5"}, "123", {"5"}, kInvalid},
    {SetBit, H, 8, {"0", "7"}, "", {"80"}},
    {SetBit, H, 8, {"0", "8"}, "", {"0", "8"}, kInvalid},
    {ClearBit, H, 8, {"FF"}, "8", {"FF"}, kInvalid},
    {MaskRight, D, 8, {"5"}, "9", {"5"}, kInvalid},
    {SignExtend, H, 16, {"80"}, "0", {"80"}, kInvalid},
    {FieldExtract, H, 16, {"1", "ABCD", "4"}, "8", {"1", "BC"}},
    {FieldExtract, H, 16, {"ABCD", "9", "8"}, "", {"ABCD", "9", "8"}, kInvalid},
    {FieldDeposit, H, 16, {"ABCD", "12", "4", "8"}, "", {"A12D"}},
    {FieldDeposit, H, 16, {"ABCD", "12", "C"}, "8", {"ABCD", "12", "C"}, kInvalid},
};
// clang-format on

class BitsCommand : public ::testing::TestWithParam<Case> {};

TEST_P(BitsCommand, TakesItsOperandsAndLeavesTheResultOrTheError) {
    const Case& t = GetParam();
    Calculator c;
    c.loadBase(t.base);
    c.loadWordSize(t.ws);
    c.loadStack(t.stack);
    c.loadInputText(t.input);
    c.run(t.command);

    const bool failed = *t.error != '\0';
    EXPECT_EQ(c.stack().toVector(), t.after);
    if (failed)
        EXPECT_EQ(c.displayLines()[0], t.error);
    else
        EXPECT_EQ(c.displayLines()[0].find("Error"), std::string::npos) << c.displayLines()[0];
    EXPECT_EQ(c.enterEnabled(), !failed);
    // A failure leaves the line; a success uses it up.
    EXPECT_EQ(c.inputText(), failed ? t.input : "");
    // The line's text is kept for Restore Input whenever it took part.
    EXPECT_EQ(CalculatorProbe::lastInput(c), t.input);
    // The undo copy: the stack before a successful command, untouched after a failure.
    EXPECT_EQ(CalculatorProbe::undo(c).toVector(), failed ? Entries{} : t.stack);

    if (!failed) {
        c.run(UndoLast);
        EXPECT_EQ(c.stack().toVector(), t.stack);
        c.run(RestoreInput);
        EXPECT_EQ(c.inputText(), t.input);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, BitsCommand, ::testing::ValuesIn(kCases));

// An earlier undo copy survives a refused count.
TEST(BitsCommandUndo, RefusedCountKeepsTheEarlierUndoCopy) {
    Calculator c;
    c.loadWordSize(8);
    c.loadStack({"1", "2"});
    c.run(Add);
    const Entries before = CalculatorProbe::undo(c).toVector();
    c.loadInputText("9");
    c.run(SetBit);
    EXPECT_EQ(c.displayLines()[0], kInvalid);
    EXPECT_EQ(CalculatorProbe::undo(c).toVector(), before);
    EXPECT_EQ(c.stack().toVector(), Entries{"3"});
}

} // namespace
} // namespace quarnel::calculator
