#include "TestHost.h"

#include "engine/Engine.h"
#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

namespace quarnel::calculator::test {
namespace {

using Lines = std::array<std::string, 5>;

struct RedrawCase {
    Entries stack{};
    Lines lines{}; // top to bottom
};

void PrintTo(const RedrawCase& c, std::ostream* os) {
    *os << c.stack.size() << " entries";
}

class RedrawTest : public testing::TestWithParam<RedrawCase> {};

TEST_P(RedrawTest, ShowsTheTopFiveLevelsBottomUp) {
    const RedrawCase& param = GetParam();
    Calculator c;
    prepare(c, {.stack = param.stack});
    EXPECT_EQ(c.displayLines(), param.lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Counts, RedrawTest, testing::Values(
    RedrawCase{{}, {"", "", "", "", ""}},
    RedrawCase{{"5", "7"}, {"", "", "", "5", "7"}},
    RedrawCase{{"1", "2", "3", "4", "5"}, {"1", "2", "3", "4", "5"}},
    RedrawCase{{"1", "2", "3", "4", "5", "6", "7"}, {"3", "4", "5", "6", "7"}}));
// clang-format on

struct FormatCase {
    NumberBase base{};
    int wordSize{};
    std::string stored{};
    std::string shown{};
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << Calculator::baseName(c.base) << " ws" << c.wordSize << " " << c.stored;
}

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, ReducesAndCutsWithoutTouchingTheStack) {
    const FormatCase& param = GetParam();
    Calculator c;
    prepare(c, {.base = param.base, .wordSize = param.wordSize, .stack = {param.stored}});
    EXPECT_EQ(c.displayLines()[4], param.shown);
    EXPECT_EQ(entries(c.stack()), Entries{param.stored});
}

const std::string k60Bits = "1" + std::string(59, '0');
const std::string k55Bits = "1" + std::string(54, '1');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Entries, FormatTest, testing::Values(
    FormatCase{NumberBase::Hex, 8, "1FF", "FF"},
    FormatCase{NumberBase::Hex, 64, "00ab", "AB"},
    FormatCase{NumberBase::Dec, 8, "256", "0"},
    FormatCase{NumberBase::Oct, 6, "777", "77"},
    FormatCase{NumberBase::Bin, 4, "110101", "101"},
    FormatCase{NumberBase::Bin, 64, k60Bits, k60Bits.substr(0, 55) + "..."},
    FormatCase{NumberBase::Bin, 64, k55Bits, k55Bits}));
// clang-format on

// The reduction the display applies, written out with the engine routines.
std::string reduceWithEngine(const std::string& text, NumberBase base, int ws) {
    switch (base) {
    case NumberBase::Hex:
        return engine::BinToHex(engine::HexToBin(text, ws), ws);
    case NumberBase::Oct:
        return engine::BinToOct(engine::OctToBin(text, ws), ws);
    case NumberBase::Dec:
        return engine::BinToDec(engine::DecToBin(text, ws), ws);
    case NumberBase::Bin:
        return engine::ClipToWordSize(text, ws);
    }
    return {};
}

TEST(NormalizeEntryTest, AgreesWithTheEngineAtEveryLengthAndWordSize) {
    std::mt19937 random(7);
    const std::pair<NumberBase, std::string_view> digitSets[] = {
        {NumberBase::Hex, "0123456789ABCDEFabcdef"},
        {NumberBase::Oct, "01234567"},
        {NumberBase::Bin, "01"},
        {NumberBase::Dec, "0123456789"}};
    for (const auto& [base, digits] : digitSets) {
        Calculator c;
        c.loadBase(base);
        for (int ws : {1, 3, 4, 7, 8, 9, 13, 16, 31, 32, 33, 63, 64, 65, 100, 127, 128}) {
            c.loadWordSize(ws);
            for (int length = 1; length <= 45; ++length) {
                for (int sample = 0; sample < 6; ++sample) {
                    std::string text;
                    for (int i = 0; i < length; ++i) {
                        text += digits[random() % digits.size()];
                    }
                    if (sample == 0) {
                        text[0] = digits.back(); // the largest digit first
                    }
                    ASSERT_EQ(c.normalizeEntry(text), reduceWithEngine(text, base, ws))
                        << text << " ws " << ws;
                }
            }
        }
    }
}

TEST(ErrorDisplayTest, LaterCommandsRedrawButEnterStaysBlocked) {
    Calculator c;
    prepare(c, {.stack = {"5"}});
    c.arithmetic(ArithOp::Add); // too few arguments
    ASSERT_EQ(c.displayLines()[0], "Error: Too few arguments");

    c.setInputText("3");
    c.arithmetic(ArithOp::Add);
    EXPECT_EQ(c.displayLines(), (Lines{"", "", "", "", "8"}));
    EXPECT_FALSE(c.enterEnabled());

    c.setInputText("4");
    c.enter();
    c.keyDown(Key::Enter);
    EXPECT_EQ(entries(c.stack()), Entries{"8"});
    EXPECT_EQ(c.inputText(), "4");

    c.clear();
    c.enter();
    EXPECT_EQ(entries(c.stack()), (Entries{"8", "4"}));
}

TEST(ErrorDisplayTest, ClearAfterAnErrorKeepsInputAndSecondClearEmptiesAll) {
    Calculator c;
    prepare(c, {.stack = {"5", "0"}, .input = ""});
    c.arithmetic(ArithOp::Divide);
    c.setInputText("9");
    c.clear();
    EXPECT_EQ(entries(c.stack()), (Entries{"5", "0"}));
    EXPECT_EQ(c.inputText(), "9");
    EXPECT_EQ(c.lastInput(), kPrimedLastInput);

    c.clear();
    EXPECT_TRUE(c.stack().empty());
    EXPECT_EQ(c.inputText(), "");
    EXPECT_EQ(c.lastInput(), "9");
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), (Entries{"5", "0"}));
    c.restoreInput();
    EXPECT_EQ(c.inputText(), "9");
}

TEST(ErrorDisplayTest, AnEntryTheEngineRefusesStopsTheRedrawAtItsLine) {
    Calculator c;
    prepare(c, {.stack = {"1", "2", "3"}});
    // A stack file may hold "XYZ"; line 4 shows level 2, so lines 1 to 3 are
    // rewritten and lines 4 and 5 keep their old text.
    EXPECT_THROW(c.loadStack({"4", "XYZ", "5"}), engine::EngineError);
    EXPECT_EQ(c.displayLines(), (Lines{"", "", "4", "2", "3"}));
    EXPECT_THROW(c.drop(), engine::EngineError);
    EXPECT_EQ(c.displayLines(), (Lines{"", "", "", "4", "3"}));
    EXPECT_EQ(entries(c.stack()), (Entries{"4", "XYZ"}));
}

} // namespace
} // namespace quarnel::calculator::test
