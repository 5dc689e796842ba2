#include "TestHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quarnel::calculator::test {
namespace {

enum class Undo { Restores, Untouched };

struct StackCase {
    std::string name{};
    std::function<void(Calculator&)> command;
    Entries stack{};
    std::string input{};
    Entries wantStack{};
    std::string wantInput{};
    std::string wantLastInput{};
    int wantError = 0;
    Undo undo = Undo::Restores;
    NumberBase base = NumberBase::Hex;
};

const std::string kLast = kPrimedLastInput;

auto run(void (Calculator::*method)()) {
    return [method](Calculator& c) { (c.*method)(); };
}
auto dropDup2(bool drop) {
    return [drop](Calculator& c) { c.dropDup2(drop); };
}
auto counted(CountedOp op) {
    return [op](Calculator& c) { c.dropDupN(op); };
}
auto rollD(bool keep) {
    return [keep](Calculator& c) { c.rollD(keep); };
}

class StackCommandTest : public testing::TestWithParam<StackCase> {};

TEST_P(StackCommandTest, FollowsTheStackModel) {
    const StackCase& param = GetParam();
    RecordingHost host;
    Calculator c(&host);
    prepare(c, {.base = param.base, .stack = param.stack, .input = param.input});
    param.command(c);
    EXPECT_EQ(entries(c.stack()), param.wantStack);
    EXPECT_EQ(c.inputText(), param.wantInput);
    EXPECT_EQ(c.lastInput(), param.wantLastInput);
    EXPECT_TRUE(host.messages.empty());
    if (param.wantError != 0) {
        EXPECT_EQ(c.displayLines()[0], errorText(static_cast<ErrorCode>(param.wantError)));
        EXPECT_EQ(c.displayLines()[1], kPressClearText);
        EXPECT_TRUE(c.errorPending());
        EXPECT_TRUE(c.undoStack().empty());
        return;
    }
    EXPECT_FALSE(c.errorPending());
    EXPECT_FALSE(c.skipInputCheck());
    if (param.undo == Undo::Untouched) {
        EXPECT_TRUE(c.undoStack().empty());
    } else {
        c.undoLast();
        EXPECT_EQ(entries(c.stack()), param.stack);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FixedArity, StackCommandTest, testing::Values(
    StackCase{"Drop", run(&Calculator::drop), {"1", "2"}, "", {"1"}, "", kLast},
    StackCase{"DropPending", run(&Calculator::drop), {"1", "2"}, "5", {"1", "2"}, "", "5", 0, Undo::Untouched},
    StackCase{"DropPendingEmptyStack", run(&Calculator::drop), {}, "5", {}, "", "5", 0, Undo::Untouched},
    StackCase{"DropNothing", run(&Calculator::drop), {}, "", {}, "", kLast, 1},
    StackCase{"Dup", run(&Calculator::dup), {"1", "2"}, "", {"1", "2", "2"}, "", "2"},
    StackCase{"DupPending", run(&Calculator::dup), {"1"}, "5", {"1", "5"}, "5", "5"},
    StackCase{"DupPendingAsEntered", run(&Calculator::dup), {"1"}, "00ab", {"1", "AB"}, "AB", "ab"},
    StackCase{"DupPendingEmptyStack", run(&Calculator::dup), {}, "5", {"5"}, "5", "5"},
    StackCase{"DupNothing", run(&Calculator::dup), {}, "", {}, "", kLast, 1},
    StackCase{"Swap", run(&Calculator::swap), {"1", "2"}, "", {"2", "1"}, "", kLast},
    StackCase{"SwapPending", run(&Calculator::swap), {"1", "2"}, "5", {"1", "5"}, "2", kLast},
    StackCase{"SwapOneEntry", run(&Calculator::swap), {"1"}, "", {"1"}, "", kLast, 1},
    StackCase{"SwapPendingEmptyStack", run(&Calculator::swap), {}, "5", {}, "5", kLast, 1},
    StackCase{"Dup2", dropDup2(false), {"1", "2"}, "", {"1", "2", "1", "2"}, "", kLast},
    StackCase{"Dup2Pending", dropDup2(false), {"1", "2"}, "5", {"1", "2", "5", "2", "5"}, "", "5"},
    StackCase{"Dup2OneEntry", dropDup2(false), {"1"}, "", {"1"}, "", kLast, 1},
    StackCase{"Dup2PendingEmptyStack", dropDup2(false), {}, "5", {}, "5", kLast, 1},
    StackCase{"Drop2", dropDup2(true), {"1", "2", "3"}, "", {"1"}, "", kLast},
    StackCase{"Drop2Pending", dropDup2(true), {"1", "2"}, "5", {"1"}, "", "5"},
    StackCase{"Drop2OneEntry", dropDup2(true), {"1"}, "", {"1"}, "", kLast, 1},
    StackCase{"Over", run(&Calculator::over), {"1", "2"}, "", {"1", "2", "1"}, "", kLast},
    StackCase{"OverPending", run(&Calculator::over), {"1", "2"}, "5", {"1", "2", "5", "2"}, "", "5"},
    StackCase{"OverOneEntry", run(&Calculator::over), {"1"}, "", {"1"}, "", kLast, 1},
    StackCase{"Rotate", run(&Calculator::rotate), {"1", "2", "3"}, "", {"2", "3", "1"}, "", kLast},
    StackCase{"RotateDeeper", run(&Calculator::rotate), {"9", "1", "2", "3"}, "", {"9", "2", "3", "1"}, "", kLast},
    StackCase{"RotatePending", run(&Calculator::rotate), {"1", "2"}, "5", {"2", "5"}, "1", "5"},
    StackCase{"RotateTwoEntries", run(&Calculator::rotate), {"1", "2"}, "", {"1", "2"}, "", kLast, 1},
    StackCase{"RotatePendingOneEntry", run(&Calculator::rotate), {"1"}, "5", {"1"}, "5", kLast, 1},
    StackCase{"Del", run(&Calculator::del), {"1"}, "5", {"1"}, "", "5", 0, Undo::Untouched},
    StackCase{"DelEmpty", run(&Calculator::del), {"1"}, "", {"1"}, "", "", 0, Undo::Untouched},
    StackCase{"Clear", run(&Calculator::clear), {"1", "2"}, "5", {}, "", "5"},
    StackCase{"Echo", run(&Calculator::echo), {"1", "2"}, "", {"1", "2"}, "2", "", 0, Undo::Untouched},
    StackCase{"EchoAppends", run(&Calculator::echo), {"1", "2F"}, "3", {"1", "2F"}, "32F", "3", 0, Undo::Untouched},
    StackCase{"EchoEmptyStack", run(&Calculator::echo), {}, "5", {}, "5", kLast, 1}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Counted, StackCommandTest, testing::Values(
    StackCase{"DupNFromLevel1", counted(CountedOp::DupN), {"A", "B", "C", "2"}, "", {"A", "B", "C", "B", "C"}, "", kLast},
    StackCase{"DupNPending", counted(CountedOp::DupN), {"A", "B", "C"}, "2", {"A", "B", "C", "B", "C"}, "", "2"},
    StackCase{"DupNAll", counted(CountedOp::DupN), {"A", "B"}, "2", {"A", "B", "A", "B"}, "", "2"},
    StackCase{"DupNTooMany", counted(CountedOp::DupN), {"A", "B", "C"}, "4", {"A", "B", "C"}, "4", kLast, 1},
    StackCase{"DupNOwnEntryNotCounted", counted(CountedOp::DupN), {"A", "B", "3"}, "", {"A", "B", "3"}, "", kLast, 1},
    StackCase{"DupNZero", counted(CountedOp::DupN), {"A", "B"}, "0", {"A", "B"}, "0", kLast, 2},
    StackCase{"DupNHexLetter", counted(CountedOp::DupN), {"A", "B"}, "A", {"A", "B"}, "A", kLast, 2},
    StackCase{"DupNBeyond32Bits", counted(CountedOp::DupN), {"A"}, "2147483648", {"A"}, "2147483648", kLast, 2},
    StackCase{"DupNNothing", counted(CountedOp::DupN), {}, "", {}, "", kLast, 1},
    StackCase{"DropNFromLevel1", counted(CountedOp::DropN), {"1", "2", "3", "2"}, "", {"1"}, "", kLast},
    StackCase{"DropNPending", counted(CountedOp::DropN), {"1", "2", "3"}, "2", {"1"}, "", "2"},
    StackCase{"DropNAll", counted(CountedOp::DropN), {"1", "2", "3"}, "3", {}, "", "3"},
    StackCase{"DropNTooMany", counted(CountedOp::DropN), {"1", "2", "3"}, "4", {"1", "2", "3"}, "4", kLast, 1},
    StackCase{"PickFromLevel1", counted(CountedOp::Pick), {"A", "B", "C", "2"}, "", {"A", "B", "C", "B"}, "", kLast},
    StackCase{"PickPending", counted(CountedOp::Pick), {"A", "B", "C"}, "3", {"A", "B", "C", "A"}, "", "3"},
    StackCase{"PickTooMany", counted(CountedOp::Pick), {"A", "B", "C"}, "4", {"A", "B", "C"}, "4", kLast, 1},
    StackCase{"RollPending", counted(CountedOp::Roll), {"A", "B", "C"}, "3", {"B", "C", "A"}, "", "3"},
    StackCase{"RollFromLevel1", counted(CountedOp::Roll), {"A", "B", "C", "2"}, "", {"A", "C", "B"}, "", kLast},
    StackCase{"RollOne", counted(CountedOp::Roll), {"A", "B", "C"}, "1", {"A", "B", "C"}, "", "1"},
    StackCase{"RollDPending", rollD(false), {"A", "B", "C"}, "3", {"C", "A", "B"}, "", "3"},
    StackCase{"RollDFromLevel1", rollD(false), {"A", "B", "C", "3"}, "", {"C", "A", "B"}, "", kLast},
    StackCase{"RollDOne", rollD(false), {"A", "B", "C", "1"}, "", {"A", "B", "C"}, "", kLast},
    StackCase{"RollDCountEqualsCount", rollD(false), {"A", "B", "3"}, "", {"A", "B", "3"}, "", kLast, 1},
    StackCase{"RollDZero", rollD(false), {"A", "B"}, "0", {"A", "B"}, "0", kLast, 2},
    StackCase{"KeepPending", rollD(true), {"A", "B", "C", "D"}, "2", {"C", "D"}, "", "2"},
    StackCase{"KeepFromLevel1", rollD(true), {"A", "B", "C", "2"}, "", {"B", "C"}, "", kLast},
    StackCase{"KeepFromLevel1EqualToCount", rollD(true), {"A", "B", "3"}, "", {"A", "B"}, "", kLast},
    StackCase{"KeepPendingEqualToCount", rollD(true), {"A", "B"}, "2", {"A", "B"}, "", "2"},
    StackCase{"KeepTooMany", rollD(true), {"A", "B"}, "3", {"A", "B"}, "3", kLast, 1},
    StackCase{"KeepNothing", rollD(true), {}, "", {}, "", kLast, 1}));
// clang-format on

// Counts are decimal in every base: "10" in BIN is ten.
// clang-format off
INSTANTIATE_TEST_SUITE_P(CountsAreDecimal, StackCommandTest, testing::Values(
    StackCase{"BinTen", counted(CountedOp::DropN), {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "10"}, "", {"1"}, "", kLast, 0, Undo::Restores, NumberBase::Bin},
    StackCase{"OctLeadingZeros", counted(CountedOp::Pick), {"5", "6"}, "0002", {"5", "6", "5"}, "", "0002", 0, Undo::Restores, NumberBase::Oct}));
// clang-format on

struct MessageCase {
    std::string name{};
    std::function<void(Calculator&)> command;
    Entries stack{};
    int maxDepth{};
    std::string message{};
};

class MessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(MessageTest, ShowsOneBoxAndChangesNothing) {
    const MessageCase& param = GetParam();
    RecordingHost host;
    Calculator c(&host);
    prepare(c, {.stack = param.stack, .input = "7"});
    c.loadMaxStackDepth(param.maxDepth);
    param.command(c);
    EXPECT_EQ(host.messages, std::vector<std::string>{param.message});
    EXPECT_EQ(entries(c.stack()), param.stack);
    EXPECT_EQ(c.inputText(), "7");
    EXPECT_EQ(c.lastInput(), kLast);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, MessageTest, testing::Values(
    MessageCase{"DepthThree", run(&Calculator::depth), {"1", "2", "3"}, 0, "3 object(s) on stack."},
    MessageCase{"DepthEmpty", run(&Calculator::depth), {}, 0, "0 object(s) on stack."},
    MessageCase{"MaximumUnlimited", run(&Calculator::maximum), {}, 0, "Maximum stack depth: 0"},
    MessageCase{"MaximumRaised", run(&Calculator::maximum), {}, 3, "Maximum stack depth: 5"},
    MessageCase{"MaximumSet", run(&Calculator::maximum), {}, 12, "Maximum stack depth: 12"},
    MessageCase{"WordSize", run(&Calculator::recallWordSize), {"1"}, 0, "Current wordsize = 64"}));
// clang-format on

struct MaxDepthCase {
    std::string name{};
    Entries stack{};
    std::string input{};
    int depthBefore{};
    int wantDepth{};
    Entries wantStack{};
    Entries wantUndo{};
    int wantError = 0;
};

class SetMaximumDepthTest : public testing::TestWithParam<MaxDepthCase> {};

TEST_P(SetMaximumDepthTest, SetsAndTrims) {
    const MaxDepthCase& param = GetParam();
    Calculator c;
    prepare(c, {.stack = param.stack, .input = param.input});
    c.loadMaxStackDepth(param.depthBefore);
    c.setMaximumStackDepth();
    EXPECT_EQ(c.maxStackDepth(), param.wantDepth);
    EXPECT_EQ(entries(c.stack()), param.wantStack);
    EXPECT_EQ(entries(c.undoStack()), param.wantUndo);
    EXPECT_EQ(c.inputText(), "");
    EXPECT_EQ(c.errorPending(), param.wantError != 0);
}

const Entries kEight = {"1", "2", "3", "4", "5", "6", "7", "8"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Depths, SetMaximumDepthTest, testing::Values(
    MaxDepthCase{"TypedTrimsForGood", kEight, "5", 0, 5, {"4", "5", "6", "7", "8"}, {"4", "5", "6", "7", "8"}},
    MaxDepthCase{"FromLevel1", {"1", "2", "3", "4", "5", "6", "7", "5"}, "", 0, 5, {"3", "4", "5", "6", "7"}, {"3", "4", "5", "6", "7"}},
    MaxDepthCase{"BelowFiveBecomesFive", {"1", "2"}, "3", 0, 5, {"1", "2"}, {}},
    MaxDepthCase{"ZeroIsUnlimited", {"1", "2"}, "0", 8, 0, {"1", "2"}, {}},
    MaxDepthCase{"SameValueTrimsNothing", {"1", "2", "3", "4", "5", "6", "7"}, "5", 5, 5, {"1", "2", "3", "4", "5", "6", "7"}, {}},
    MaxDepthCase{"ArgumentStaysRemovedWhenInvalid", {"1", "2", "A"}, "", 0, 0, {"1", "2"}, {"1", "2", "A"}, 2},
    MaxDepthCase{"NegativeRefused", kEight, "-3", 0, 0, kEight, {}, 2},
    MaxDepthCase{"NothingAtAll", {}, "", 7, 7, {}, {}, 1}));
// clang-format on

TEST(SetMaximumDepthTest, TypedInvalidValueGoesToLastInput) {
    Calculator c;
    prepare(c, {.stack = {"1"}, .input = "A"});
    c.setMaximumStackDepth();
    EXPECT_EQ(c.lastInput(), "A");
    EXPECT_EQ(c.displayLines()[0], "Error: Invalid argument(s)");
    EXPECT_EQ(c.maxStackDepth(), 0);
}

TEST(MaximumDepthTest, OnlyEnterAndDupKeepTheLimit) {
    Calculator c;
    prepare(c, {.stack = {"1", "2", "3", "4", "5"}});
    c.loadMaxStackDepth(5);
    c.dup();
    EXPECT_EQ(entries(c.stack()), (Entries{"2", "3", "4", "5", "5"}));
    c.over();
    c.dropDup2(false);
    EXPECT_EQ(c.stack().size(), 8u);
    c.setInputText("2");
    c.dropDupN(CountedOp::Pick);
    EXPECT_EQ(c.stack().size(), 9u);
}

TEST(EchoTest, AppendedDigitsAreNotCheckedAgainstTheBase) {
    Calculator c;
    prepare(c, {.base = NumberBase::Dec, .stack = {"12"}, .input = "3"});
    c.echo();
    EXPECT_EQ(c.inputText(), "312");
    EXPECT_FALSE(c.skipInputCheck());
    c.setInputText("312x");
    EXPECT_EQ(c.inputText(), "312"); // the next user change is checked again
}

} // namespace
} // namespace quarnel::calculator::test
