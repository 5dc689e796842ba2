#include "TestHost.h"

#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnel::calculator::test {
namespace {

struct ListingCase {
    NumberBase base{};
    int wordSize{};
    Entries stack{};
    bool numbering{};
    std::vector<std::string> lines{};
};

void PrintTo(const ListingCase& c, std::ostream* os) {
    *os << Calculator::baseName(c.base) << " " << c.stack.size() << " entries"
        << (c.numbering ? " numbered" : "");
}

class ListingTest : public testing::TestWithParam<ListingCase> {};

TEST_P(ListingTest, ViewListsEveryEntryDeepestFirst) {
    const ListingCase& param = GetParam();
    RecordingHost host;
    Calculator c(&host);
    prepare(c, {.base = param.base, .wordSize = param.wordSize, .stack = param.stack});
    c.setStackNumbering(param.numbering);
    c.view();
    EXPECT_TRUE(c.stackViewShown());
    EXPECT_EQ(c.listing(), param.lines);
    EXPECT_EQ(host.viewShownCount, 1);
    EXPECT_EQ(entries(c.stack()), param.stack);
}

const std::string k60 = "1" + std::string(59, '0');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stacks, ListingTest, testing::Values(
    ListingCase{NumberBase::Hex, 64, {"1F", "2", "0"}, true, {"3: 1F", "2: 2", "1: 0"}},
    ListingCase{NumberBase::Hex, 64, {"1F", "2", "0"}, false, {"1F", "2", "0"}},
    ListingCase{NumberBase::Hex, 8, {"1FF", "0010"}, true, {"2: FF", "1: 10"}},
    ListingCase{NumberBase::Bin, 64, {k60}, false, {k60}},
    ListingCase{NumberBase::Dec, 64, {}, true, {}},
    ListingCase{NumberBase::Oct, 64, {"1", "2", "3", "4", "5", "6", "7", "10", "11", "12", "13", "14"}, true, {"12: 1", "11: 2", "10: 3", "9: 4", "8: 5", "7: 6", "6: 7", "5: 10", "4: 11", "3: 12", "2: 13", "1: 14"}}));
// clang-format on

TEST(StackViewTest, MenusFollowTheMode) {
    Calculator c;
    const MenuStates calculatorMode = c.menuStates();
    EXPECT_TRUE(calculatorMode.edit && calculatorMode.stack && calculatorMode.options &&
                calculatorMode.loadStack && calculatorMode.saveStack);
    EXPECT_FALSE(calculatorMode.closeStackView);

    c.view();
    const MenuStates viewMode = c.menuStates();
    EXPECT_FALSE(viewMode.edit || viewMode.stack || viewMode.options || viewMode.loadStack ||
                 viewMode.saveStack);
    EXPECT_TRUE(viewMode.closeStackView);

    c.closeStackView();
    EXPECT_FALSE(c.stackViewShown());
    EXPECT_TRUE(c.menuStates().edit);
    EXPECT_FALSE(c.menuStates().closeStackView);
}

TEST(StackViewTest, ViewAgainRebuildsTheListing) {
    Calculator c;
    prepare(c, {.stack = {"1"}});
    c.view();
    c.setInputText("2");
    c.enter();
    c.view();
    EXPECT_EQ(c.listing(), (std::vector<std::string>{"2: 1", "1: 2"}));
}

TEST(StackViewTest, InvalidEntryDoesNotEnterStackView) {
    Calculator c;
    prepare(c, {.base = NumberBase::Dec, .stack = {}});
    // Deeper than the display, so only the listing meets it.
    c.loadStack({"XYZ", "1", "2", "3", "4", "5"});
    EXPECT_THROW(c.view(), engine::EngineError);
    EXPECT_FALSE(c.stackViewShown());
    EXPECT_TRUE(c.menuStates().edit);
    EXPECT_FALSE(c.menuStates().closeStackView);
}

TEST(EditLevel1Test, TakesLevel1IntoTheLineAndEnterPutsItBack) {
    Calculator c;
    prepare(c, {.stack = {"1", "2F"}});
    c.editLevel1();
    EXPECT_EQ(entries(c.stack()), Entries{"1"});
    EXPECT_EQ(c.inputText(), "2F");
    EXPECT_EQ(c.lastInput(), "");
    EXPECT_FALSE(c.skipInputCheck());
    c.enter();
    EXPECT_EQ(entries(c.stack()), (Entries{"1", "2F"}));
}

TEST(EditLevel1Test, ReplacesTypedTextWhichRestoreInputBringsBack) {
    Calculator c;
    prepare(c, {.stack = {"1", "2"}, .input = "5"});
    c.editLevel1();
    EXPECT_EQ(c.inputText(), "2");
    EXPECT_EQ(c.lastInput(), "5");
    c.undoLast();
    EXPECT_EQ(entries(c.stack()), (Entries{"1", "2"}));
    c.restoreInput();
    EXPECT_EQ(c.inputText(), "5");
}

TEST(EditLevel1Test, EmptyStackIsTooFewArguments) {
    Calculator c;
    prepare(c, {.input = "5"});
    c.editLevel1();
    EXPECT_EQ(c.displayLines()[0], "Error: Too few arguments");
    EXPECT_EQ(c.inputText(), "5");
    EXPECT_EQ(c.lastInput(), kPrimedLastInput);
}

} // namespace
} // namespace quarnel::calculator::test
