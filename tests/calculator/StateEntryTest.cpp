#include "TestHost.h"

#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <utility>

namespace quarnel::calculator::test {
namespace {

class WordSizeLimitTest : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(WordSizeLimitTest, StaysWithin1To128) {
    Calculator c;
    c.loadWordSize(GetParam().first);
    EXPECT_EQ(c.wordSize(), GetParam().second);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, WordSizeLimitTest, testing::Values(
    std::pair{0, 64},
    std::pair{-5, 64},
    std::pair{200, 128},
    std::pair{128, 128},
    std::pair{1, 1}));
// clang-format on

class DepthLimitTest : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(DepthLimitTest, IsZeroOrAtLeastFive) {
    Calculator c;
    c.loadMaxStackDepth(GetParam().first);
    EXPECT_EQ(c.maxStackDepth(), GetParam().second);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, DepthLimitTest, testing::Values(
    std::pair{3, 5},
    std::pair{-1, 0},
    std::pair{0, 0},
    std::pair{5, 5},
    std::pair{100, 100}));
// clang-format on

TEST(StateEntryTest, LoadBaseSwitchesWithoutConverting) {
    Calculator c;
    c.loadStack({"10"});
    c.loadBase(NumberBase::Oct);
    EXPECT_EQ(entries(c.stack()), Entries{"10"});
    EXPECT_EQ(c.baseCaption(NumberBase::Oct), "<OCT>");
    EXPECT_FALSE(c.digitEnabled(8));
    EXPECT_TRUE(c.digitEnabled(7));
}

TEST(StateEntryTest, BackupKeepsUndoButLoadStackDoesNot) {
    Calculator c;
    c.setInputText("9");
    c.enter();
    c.loadStack({"1", "2"});
    EXPECT_TRUE(c.undoStack().empty());
    EXPECT_EQ(c.displayLines()[4], "2");

    c.replaceStack({"3", "4"});
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), (Entries{"3", "4"}));
}

TEST(LoadStackFileTest, TakesTheFilesBaseAndWordSize) {
    Calculator c;
    c.loadWordSize(8);
    c.setInputText("A");
    c.loadStackFile(NumberBase::Oct, 32, {"17", "777"});
    EXPECT_EQ(c.currentBase(), NumberBase::Oct);
    EXPECT_EQ(c.wordSize(), 32);
    EXPECT_EQ(entries(c.stack()), (Entries{"17", "777"}));
    EXPECT_EQ(c.inputText(), "12");
    EXPECT_EQ(c.baseCaption(NumberBase::Oct), "<OCT>");
    EXPECT_EQ(c.displayLines()[4], "777");
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), (Entries{"17", "777"}));
}

TEST(LoadStackFileTest, InputThatCannotBeConvertedChangesNothing) {
    Calculator c;
    c.loadStack({"5"});
    c.loadInputText("XYZ");
    EXPECT_THROW(c.loadStackFile(NumberBase::Dec, 16, {"1"}), engine::EngineError);
    EXPECT_EQ(entries(c.stack()), Entries{"5"});
    EXPECT_EQ(c.currentBase(), NumberBase::Hex);
    EXPECT_EQ(c.wordSize(), 64);
}

} // namespace
} // namespace quarnel::calculator::test
