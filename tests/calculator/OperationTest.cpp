#include "TestHost.h"

#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quarnel::calculator::test {
namespace {

struct OperationCase {
    std::string name{};
    Setup setup{};
    std::function<void(Calculator&)> command;
    Entries wantStack{};
    std::string wantInput{};
    std::string wantLastInput{};
    int wantError = 0; // error code shown, 0 for none
};

std::function<void(Calculator&)> arith(ArithOp op) {
    return [op](Calculator& c) { c.arithmetic(op); };
}
std::function<void(Calculator&)> unary(UnaryOp op) {
    return [op](Calculator& c) { c.oneArgument(op); };
}

const std::string kLast = kPrimedLastInput;
constexpr auto Hex = NumberBase::Hex;
constexpr auto Dec = NumberBase::Dec;
constexpr auto Bin = NumberBase::Bin;
constexpr auto Oct = NumberBase::Oct;

class OperationTest : public testing::TestWithParam<OperationCase> {};

TEST_P(OperationTest, ChangesStackInputAndUndo) {
    const OperationCase& param = GetParam();
    RecordingHost host;
    Calculator c(&host);
    prepare(c, param.setup);
    param.command(c);
    EXPECT_EQ(entries(c.stack()), param.wantStack);
    EXPECT_EQ(c.inputText(), param.wantInput);
    EXPECT_EQ(c.lastInput(), param.wantLastInput);
    EXPECT_TRUE(host.messages.empty());
    if (param.wantError != 0) {
        EXPECT_EQ(c.displayLines()[0], errorText(static_cast<ErrorCode>(param.wantError)));
        EXPECT_TRUE(c.errorPending());
        EXPECT_TRUE(c.undoStack().empty()); // no undo copy was taken
        EXPECT_EQ(c.operationResult(), "");
        return;
    }
    EXPECT_FALSE(c.errorPending());
    EXPECT_EQ(c.operationResult(), param.wantStack.back());
    // Undo Last brings back the stack before the operation; twice returns.
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), param.setup.stack);
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), param.wantStack);
    // Restore Input brings back the consumed input text.
    c.restoreInput();
    EXPECT_EQ(c.inputText(), param.wantLastInput == kLast ? kLast : param.setup.input);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arithmetic, OperationTest, testing::Values(
    OperationCase{"SubFromStack", {Hex, 64, {"5", "3"}, ""}, arith(ArithOp::Subtract), {"2"}, "", kLast},
    OperationCase{"SubPending", {Hex, 64, {"5"}, "3"}, arith(ArithOp::Subtract), {"2"}, "", "3"},
    OperationCase{"AddWraps", {Hex, 8, {"FF", "1"}, ""}, arith(ArithOp::Add), {"0"}, "", kLast},
    OperationCase{"AddKeepsDeeper", {Hex, 64, {"9", "5", "3"}, ""}, arith(ArithOp::Add), {"9", "8"}, "", kLast},
    OperationCase{"MulDec", {Dec, 64, {"7", "2"}, ""}, arith(ArithOp::Multiply), {"14"}, "", kLast},
    OperationCase{"DivDec", {Dec, 64, {"7", "2"}, ""}, arith(ArithOp::Divide), {"3"}, "", kLast},
    OperationCase{"DivPendingLeadingZeros", {Dec, 64, {"9"}, "003"}, arith(ArithOp::Divide), {"3"}, "", "003"},
    OperationCase{"AndHex", {Hex, 64, {"C", "A"}, ""}, arith(ArithOp::And), {"8"}, "", kLast},
    OperationCase{"OrHex", {Hex, 64, {"C", "A"}, ""}, arith(ArithOp::Or), {"E"}, "", kLast},
    OperationCase{"XorBin", {Bin, 64, {"101", "11"}, ""}, arith(ArithOp::Xor), {"110"}, "", kLast},
    OperationCase{"SubOct", {Oct, 64, {"10"}, "1"}, arith(ArithOp::Subtract), {"7"}, "", "1"},
    OperationCase{"OneEntryNoInput", {Hex, 64, {"5"}, ""}, arith(ArithOp::Add), {"5"}, "", kLast, 1},
    OperationCase{"EmptyStackWithInput", {Hex, 64, {}, "3"}, arith(ArithOp::Add), {}, "3", kLast, 1},
    OperationCase{"DivByZeroStack", {Hex, 64, {"5", "0"}, ""}, arith(ArithOp::Divide), {"5", "0"}, "", kLast, 4},
    OperationCase{"DivByZeroInput", {Hex, 64, {"5"}, "00"}, arith(ArithOp::Divide), {"5"}, "00", "00", 4}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(OneArgument, OperationTest, testing::Values(
    OperationCase{"NotReplacesLevel1", {Hex, 8, {"A"}, ""}, unary(UnaryOp::Not), {"F5"}, "", kLast},
    OperationCase{"NotPendingPushes", {Hex, 8, {"A"}, "3"}, unary(UnaryOp::Not), {"A", "FC"}, "", "3"},
    OperationCase{"NotPendingOnEmptyStack", {Hex, 8, {}, "3"}, unary(UnaryOp::Not), {"FC"}, "", "3"},
    OperationCase{"Neg", {Hex, 8, {"1"}, ""}, unary(UnaryOp::Neg), {"FF"}, "", kLast},
    OperationCase{"ShiftLeft", {Hex, 8, {"81"}, ""}, unary(UnaryOp::ShiftLeft), {"2"}, "", kLast},
    OperationCase{"ShiftRight", {Hex, 8, {"81"}, ""}, unary(UnaryOp::ShiftRight), {"40"}, "", kLast},
    // No sign is kept: the same as SR.
    OperationCase{"ArithShiftRight", {Hex, 8, {"81"}, ""}, unary(UnaryOp::ArithShiftRight), {"40"}, "", kLast},
    OperationCase{"ShiftLeftByte", {Hex, 16, {"12"}, ""}, unary(UnaryOp::ShiftLeftByte), {"1200"}, "", kLast},
    OperationCase{"ShiftRightByte", {Hex, 16, {"1234"}, ""}, unary(UnaryOp::ShiftRightByte), {"12"}, "", kLast},
    OperationCase{"RotateLeft", {Hex, 8, {"81"}, ""}, unary(UnaryOp::RotateLeft), {"3"}, "", kLast},
    OperationCase{"RotateRight", {Hex, 8, {"81"}, ""}, unary(UnaryOp::RotateRight), {"C0"}, "", kLast},
    OperationCase{"RotateLeftByte", {Hex, 24, {"123456"}, ""}, unary(UnaryOp::RotateLeftByte), {"345612"}, "", kLast},
    OperationCase{"RotateRightByte", {Hex, 24, {"123456"}, ""}, unary(UnaryOp::RotateRightByte), {"561234"}, "", kLast},
    OperationCase{"NothingAtAll", {Hex, 8, {}, ""}, unary(UnaryOp::Not), {}, "", kLast, 1}));
// clang-format on

TEST(OperationTest, InputLineIsTheSecondOperand) {
    Calculator c;
    prepare(c, {.stack = {"5"}, .input = "3"});
    c.arithmetic(ArithOp::Subtract);
    EXPECT_EQ(entries(c.stack()), Entries{"2"});
    EXPECT_EQ(c.firstOperand(), ""); // emptied by the redraw
}

struct EngineFailureCase {
    std::string name{};
    Setup setup{};
    std::function<void(Calculator&)> command;
    std::string wantLastInput{};
};

class EngineFailureTest : public testing::TestWithParam<EngineFailureCase> {};

TEST_P(EngineFailureTest, LeavesStackUndoAndInputAsTheyWere) {
    const EngineFailureCase& param = GetParam();
    Calculator c;
    prepare(c, {.base = param.setup.base, .wordSize = param.setup.wordSize, .stack = {"11"}});
    c.enter(); // an undo copy to watch: [11]
    c.loadStack(param.setup.stack);
    c.loadInputText(param.setup.input);
    const auto displayBefore = c.displayLines();
    EXPECT_THROW(param.command(c), engine::EngineError);
    EXPECT_EQ(entries(c.stack()), param.setup.stack);
    EXPECT_EQ(entries(c.undoStack()), Entries{"11"});
    EXPECT_EQ(c.inputText(), param.setup.input);
    EXPECT_EQ(c.lastInput(), param.wantLastInput);
    EXPECT_EQ(c.displayLines(), displayBefore);
    EXPECT_FALSE(c.errorPending());
}

// BIN entries are shown without validation, so a bad one reaches the operation.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Operations, EngineFailureTest, testing::Values(
    EngineFailureCase{"InvalidLevel1", {Bin, 64, {"1", "2"}, ""}, arith(ArithOp::Add), kLast},
    EngineFailureCase{"DivisorZeroAfterReduction", {Hex, 8, {"5", "100"}, ""}, arith(ArithOp::Divide), kLast},
    EngineFailureCase{"PendingDivisorZeroAfterReduction", {Hex, 8, {"5"}, "100"}, arith(ArithOp::Divide), "100"},
    EngineFailureCase{"InvalidPendingInput", {Oct, 64, {"5"}, "9"}, arith(ArithOp::Add), "9"},
    EngineFailureCase{"UnaryOnInvalidPending", {Bin, 64, {"1"}, "2"}, unary(UnaryOp::Not), kLast},
    EngineFailureCase{"UnaryOnInvalidLevel1", {Bin, 64, {"1", "12"}, ""}, unary(UnaryOp::Neg), kLast}));
// clang-format on

} // namespace
} // namespace quarnel::calculator::test
