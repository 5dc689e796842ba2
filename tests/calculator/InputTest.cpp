#include "TestHost.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnel::calculator::test {
namespace {

struct ValidationCase {
    NumberBase base{};
    std::vector<std::string> changes{}; // successive texts of the line
    std::string result{};
};

void PrintTo(const ValidationCase& c, std::ostream* os) {
    *os << Calculator::baseName(c.base) << " '" << c.changes.back() << "'";
}

class ValidationTest : public testing::TestWithParam<ValidationCase> {};

TEST_P(ValidationTest, InvalidTailIsRemoved) {
    const ValidationCase& param = GetParam();
    Calculator c;
    prepare(c, {.base = param.base});
    for (const std::string& text : param.changes) {
        c.setInputText(text);
    }
    EXPECT_EQ(c.inputText(), param.result);
    EXPECT_EQ(c.lastInput(), kPrimedLastInput); // typing never replaces it
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ValidationTest, testing::Values(
    ValidationCase{NumberBase::Dec, {"1", "12", "12G"}, "12"},
    ValidationCase{NumberBase::Hex, {"1G2"}, "1"},
    ValidationCase{NumberBase::Hex, {"G12"}, ""},
    ValidationCase{NumberBase::Hex, {"aBcDeF0123456789"}, "aBcDeF0123456789"},
    ValidationCase{NumberBase::Oct, {"78"}, "7"},
    ValidationCase{NumberBase::Bin, {"102"}, "10"},
    ValidationCase{NumberBase::Dec, {"99", "99A"}, "99"},
    ValidationCase{NumberBase::Dec, {"5", ""}, ""}));
// clang-format on

TEST(ValidationTest, LongPasteKeepsTheTextBeforeItsFirstInvalidCharacter) {
    Calculator c;
    const std::string valid(20000, '7');
    c.setInputText(valid + "x" + std::string(12767, '1'));
    EXPECT_EQ(c.inputText(), valid);
}

struct DigitCase {
    NumberBase base{};
    int highestEnabled{};
};

void PrintTo(const DigitCase& c, std::ostream* os) {
    *os << Calculator::baseName(c.base);
}

class DigitButtonTest : public testing::TestWithParam<DigitCase> {};

TEST_P(DigitButtonTest, EnabledDigitsFollowTheBase) {
    const DigitCase& param = GetParam();
    Calculator c;
    c.baseButton(param.base);
    for (int d = 0; d < 16; ++d) {
        EXPECT_EQ(c.digitEnabled(d), d <= param.highestEnabled) << "digit " << d;
    }
    // A disabled button cannot be pressed.
    c.digit(param.highestEnabled + 1 < 16 ? param.highestEnabled + 1 : 0);
    EXPECT_EQ(c.inputText(), param.highestEnabled == 15 ? "0" : "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bases, DigitButtonTest, testing::Values(
    DigitCase{NumberBase::Hex, 15},
    DigitCase{NumberBase::Oct, 7},
    DigitCase{NumberBase::Bin, 1},
    DigitCase{NumberBase::Dec, 9}));
// clang-format on

TEST(DigitButtonTest, AppendsAndRemembersTheTextBefore) {
    RecordingHost host;
    Calculator c(&host);
    c.setInputText("12");
    c.digit(3);
    EXPECT_EQ(c.inputText(), "123");
    EXPECT_EQ(c.lastInput(), "12");
    c.digit(15);
    EXPECT_EQ(c.inputText(), "123F");
    EXPECT_GT(host.focusCount, 0);
    c.restoreInput();
    EXPECT_EQ(c.inputText(), "123");
}

struct EnterCase {
    Entries stack{};
    std::string input{};
    Entries wantStack{};
    std::string wantLastInput{};
};

void PrintTo(const EnterCase& c, std::ostream* os) {
    *os << c.stack.size() << " entries, input '" << c.input << "'";
}

class EnterTest : public testing::TestWithParam<EnterCase> {};

TEST_P(EnterTest, PushesOrDuplicates) {
    const EnterCase& param = GetParam();
    Calculator c;
    prepare(c, {.stack = param.stack, .input = param.input});
    c.enter();
    EXPECT_EQ(entries(c.stack()), param.wantStack);
    EXPECT_EQ(c.inputText(), "");
    EXPECT_EQ(c.lastInput(), param.wantLastInput);
    EXPECT_FALSE(c.errorPending());
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), param.stack);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Forms, EnterTest, testing::Values(
    EnterCase{{}, "0007", {"7"}, "7"},
    EnterCase{{}, "000", {"0"}, "0"},
    EnterCase{{"1"}, "ab", {"1", "AB"}, "ab"},
    EnterCase{{"5"}, "", {"5", "5"}, kPrimedLastInput},
    EnterCase{{"1", "2"}, "", {"1", "2", "2"}, kPrimedLastInput}));
// clang-format on

TEST(EnterTest, NothingToPushIsTooFewArguments) {
    Calculator c;
    c.enter();
    EXPECT_EQ(c.displayLines()[0], "Error: Too few arguments");
    EXPECT_EQ(c.displayLines()[1], "Press Clear [CLR]");
    EXPECT_FALSE(c.enterEnabled());
    EXPECT_TRUE(c.stack().empty());
}

TEST(EnterTest, MaximumDepthDiscardsTheDeepestEntry) {
    Calculator c;
    prepare(c, {.stack = {"1", "2", "3", "4", "5"}});
    c.loadMaxStackDepth(5);
    c.setInputText("6");
    c.enter();
    EXPECT_EQ(entries(c.stack()), (Entries{"2", "3", "4", "5", "6"}));
    c.enter(); // duplicate, also limited
    EXPECT_EQ(entries(c.stack()), (Entries{"3", "4", "5", "6", "6"}));
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), (Entries{"2", "3", "4", "5", "6"}));
}

TEST(EnterTest, DepthBeyondTheMaximumIsNotTrimmedByEnter) {
    Calculator c;
    prepare(c, {.stack = {"1", "2", "3", "4", "5", "6"}});
    c.loadMaxStackDepth(5);
    c.setInputText("7");
    c.enter();
    EXPECT_EQ(c.stack().size(), 7u);
}

} // namespace
} // namespace quarnel::calculator::test
