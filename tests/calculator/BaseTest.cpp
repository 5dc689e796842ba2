#include "TestHost.h"

#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnel::calculator::test {
namespace {

constexpr auto Hex = NumberBase::Hex;
constexpr auto Dec = NumberBase::Dec;
constexpr auto Bin = NumberBase::Bin;
constexpr auto Oct = NumberBase::Oct;

struct BaseCase {
    NumberBase from{};
    int wordSize{};
    Entries stack{};
    std::string input{};
    NumberBase to{};
    Entries wantStack{};
    std::string wantInput{};
};

void PrintTo(const BaseCase& c, std::ostream* os) {
    *os << Calculator::baseName(c.from) << "->" << Calculator::baseName(c.to) << " ws" << c.wordSize
        << " " << c.stack.size() << " entries, input '" << c.input << "'";
}

class BaseChangeTest : public testing::TestWithParam<BaseCase> {};

TEST_P(BaseChangeTest, ConvertsStackAndInputAndTakesTheUndoCopyAfter) {
    const BaseCase& param = GetParam();
    Calculator c;
    prepare(c, {.base = param.from,
                .wordSize = param.wordSize,
                .stack = param.stack,
                .input = param.input});
    c.baseButton(param.to);
    EXPECT_EQ(c.currentBase(), param.to);
    EXPECT_EQ(entries(c.stack()), param.wantStack);
    EXPECT_EQ(c.inputText(), param.wantInput);
    EXPECT_EQ(c.lastInput(), param.wantInput);
    EXPECT_FALSE(c.skipInputCheck());
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), param.wantStack);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pairs, BaseChangeTest, testing::Values(
    BaseCase{Hex, 64, {"FF", "10"}, "A", Dec, {"255", "16"}, "10"},
    BaseCase{Hex, 8, {"1FF"}, "", Dec, {"255"}, ""},
    BaseCase{Hex, 64, {"ff"}, "1f", Bin, {"11111111"}, "11111"},
    BaseCase{Hex, 64, {"1FF"}, "", Oct, {"777"}, ""},
    BaseCase{Dec, 64, {"255"}, "8", Hex, {"FF"}, "8"},
    BaseCase{Dec, 4, {"17"}, "", Bin, {"1"}, ""},
    BaseCase{Oct, 64, {"17"}, "7", Hex, {"F"}, "7"},
    BaseCase{Oct, 64, {"17"}, "", Bin, {"1111"}, ""},
    BaseCase{Bin, 64, {"1010"}, "1", Hex, {"A"}, "1"},
    BaseCase{Bin, 64, {"1010"}, "", Dec, {"10"}, ""}));
// clang-format on

TEST(BaseChangeTest, CaptionsFollowTheBase) {
    Calculator c;
    EXPECT_EQ(c.baseCaption(Hex), "<HEX>");
    EXPECT_EQ(c.baseCaption(Dec), "DEC");
    c.baseButton(Dec);
    EXPECT_EQ(c.baseCaption(Dec), "<DEC>");
    EXPECT_EQ(c.baseCaption(Hex), "HEX");
    EXPECT_EQ(c.baseCaption(Bin), "BIN");
    EXPECT_EQ(c.baseCaption(Oct), "OCT");
}

TEST(BaseChangeTest, SameBaseChangesNothing) {
    Calculator c;
    prepare(c, {.stack = {"1", "2"}, .input = "3"});
    c.baseButton(Hex);
    EXPECT_EQ(entries(c.stack()), (Entries{"1", "2"}));
    EXPECT_EQ(c.inputText(), "3");
    EXPECT_EQ(c.lastInput(), kPrimedLastInput);
    EXPECT_TRUE(c.undoStack().empty());
}

TEST(BaseChangeTest, AnEntryInvalidInTheOldBaseChangesNothing) {
    Calculator c;
    // BIN shows entries without checking them, so a bad one from a file can stand.
    prepare(c, {.base = Bin, .stack = {"101", "12", "1"}, .input = "11"});
    c.enter();
    const Entries undoBefore = entries(c.undoStack());
    int errors = 0;
    try {
        c.baseButton(Hex);
    } catch (const engine::EngineError&) {
        ++errors;
    }
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(c.currentBase(), Bin);
    EXPECT_EQ(c.baseCaption(Bin), "<BIN>");
    EXPECT_FALSE(c.digitEnabled(2));
    EXPECT_EQ(entries(c.stack()), (Entries{"101", "12", "1", "11"}));
    EXPECT_EQ(entries(c.undoStack()), undoBefore);
    EXPECT_EQ(c.inputText(), "");
    EXPECT_FALSE(c.skipInputCheck());
    // Typing is still checked in the base in force.
    c.setInputText("13");
    EXPECT_EQ(c.inputText(), "1");
}

TEST(BaseChangeTest, RoundTripKeepsValues) {
    Calculator c;
    prepare(c, {.stack = {"DEADBEEF", "0", "FFFFFFFFFFFFFFFF"}});
    for (NumberBase base : {Bin, Oct, Dec, Hex}) {
        c.baseButton(base);
    }
    EXPECT_EQ(entries(c.stack()), (Entries{"DEADBEEF", "0", "FFFFFFFFFFFFFFFF"}));
}

struct WordSizeCase {
    std::string name{};
    NumberBase base{};
    Entries stack{};
    std::string input{};
    int wantWordSize{};
    Entries wantStack{};
    std::string wantLastInput{};
    int wantError = 0;
};

class SetWordSizeTest : public testing::TestWithParam<WordSizeCase> {};

TEST_P(SetWordSizeTest, ReadsADecimalArgument) {
    const WordSizeCase& param = GetParam();
    Calculator c;
    prepare(c, {.base = param.base, .wordSize = 32, .stack = param.stack, .input = param.input});
    c.setWordSize();
    EXPECT_EQ(c.wordSize(), param.wantWordSize);
    EXPECT_EQ(entries(c.stack()), param.wantStack);
    EXPECT_EQ(c.lastInput(), param.wantLastInput);
    if (param.wantError != 0) {
        EXPECT_EQ(c.displayLines()[0], errorText(static_cast<ErrorCode>(param.wantError)));
        EXPECT_EQ(c.inputText(), param.input);
        return;
    }
    EXPECT_EQ(c.inputText(), "");
    // The undo copy is taken after the change: nothing to undo.
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), param.wantStack);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, SetWordSizeTest, testing::Values(
    WordSizeCase{"DecInput", Dec, {"1"}, "16", 16, {"1"}, "16"},
    WordSizeCase{"DecLevel1", Dec, {"1", "8"}, "", 8, {"1"}, kPrimedLastInput},
    WordSizeCase{"BinReadsDecimal", Bin, {}, "1000", 128, {}, "1000"},
    WordSizeCase{"ZeroIs64", Hex, {}, "0", 64, {}, "0"},
    WordSizeCase{"HexDigitsAsDecimal", Hex, {}, "12", 12, {}, "12"},
    WordSizeCase{"HexLetter", Hex, {"1"}, "A", 32, {"1"}, kPrimedLastInput, 2},
    WordSizeCase{"Beyond32Bits", Dec, {}, "99999999999", 32, {}, kPrimedLastInput, 2},
    WordSizeCase{"Nothing", Dec, {}, "", 32, {}, kPrimedLastInput, 1}));
// clang-format on

TEST(SetWordSizeTest, EntriesKeepTheirHighDigits) {
    Calculator c;
    prepare(c, {.wordSize = 16, .stack = {"ABCD"}});
    c.setInputText("8");
    c.setWordSize();
    EXPECT_EQ(c.displayLines()[4], "CD");
    c.setInputText("16");
    c.setWordSize();
    EXPECT_EQ(c.displayLines()[4], "ABCD");
    EXPECT_EQ(entries(c.stack()), Entries{"ABCD"});
}

} // namespace
} // namespace quarnel::calculator::test
