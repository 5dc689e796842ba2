// The StackView listing: its lines for a few stacks, that it keeps the moment
// of VIEW, and that an entry the engine refuses stops VIEW as before.

#include "calculator/Calculator.h"
#include "engine/EngineError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using quarnel::calculator::Calculator;
using quarnel::calculator::Command;
using quarnel::calculator::StackListing;
using quarnel::engine::NumberBase;

namespace {

std::vector<std::string> linesOf(const StackListing& listing) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < listing.size(); ++i)
        lines.push_back(listing.line(i));
    return lines;
}

Calculator calculatorWith(NumberBase base, int wordSize, bool numbering,
                          std::vector<std::string> entries) {
    Calculator calc;
    calc.loadBase(base);
    calc.loadWordSize(wordSize);
    calc.setStackNumbering(numbering);
    calc.loadStack(std::move(entries));
    return calc;
}

struct ListingCase {
    NumberBase base;
    int wordSize;
    bool numbering;
    std::vector<std::string> entries;
    std::vector<std::string> lines;
};

} // namespace

TEST(Listing, LinesOfSomeStacks) {
    const std::vector<ListingCase> cases = {
        {NumberBase::Hex, 64, true, {"1F", "2", "0"}, {"3: 1F", "2: 2", "1: 0"}},
        {NumberBase::Hex, 8, true, {"001F", "1FF", "0", "ab"}, {"4: 1F", "3: FF", "2: 0", "1: AB"}},
        {NumberBase::Bin, 4, false, {"10110", "0001", "0"}, {"110", "1", "0"}},
        {NumberBase::Dec, 8, true, {"256", "0300", "7"}, {"3: 0", "2: 44", "1: 7"}},
        {NumberBase::Oct, 6, false, {"777", "012"}, {"77", "12"}},
        {NumberBase::Hex, 128, false, {std::string(40, 'F')}, {std::string(32, 'F')}},
        {NumberBase::Hex, 64, true, {}, {}},
    };
    for (const ListingCase& c : cases) {
        const Calculator calc = calculatorWith(c.base, c.wordSize, c.numbering, c.entries);
        EXPECT_EQ(linesOf(calc.buildListing()), c.lines) << c.entries.size() << " entries";
    }
}

TEST(Listing, TwelveLevelsCountDownToOne) {
    Calculator calc = calculatorWith(NumberBase::Hex, 64, true, std::vector<std::string>(12, "A"));
    calc.run(Command::View);
    const StackListing& listing = calc.listing();
    ASSERT_EQ(listing.size(), 12u);
    EXPECT_EQ(listing.line(0), "12: A");
    EXPECT_EQ(listing.line(11), "1: A");
}

// The listing is the stack, base, word size and numbering of the moment of
// VIEW: what changes afterwards shows only after the next VIEW.
TEST(Listing, KeepsTheMomentOfView) {
    Calculator calc = calculatorWith(NumberBase::Hex, 64, true, {"1F", "2"});
    calc.run(Command::View);
    calc.run(Command::Drop);
    calc.run(Command::BaseDec);
    calc.setStackNumbering(false);
    EXPECT_EQ(linesOf(calc.listing()), (std::vector<std::string>{"2: 1F", "1: 2"}));
    calc.run(Command::View);
    EXPECT_EQ(linesOf(calc.listing()), (std::vector<std::string>{"31"}));
}

// VIEW over an entry that is not a number in the base fails before the mode
// changes, with the error formatting the deepest such entry gives; binary
// entries are only cut, so they never fail.
TEST(Listing, RefusedEntryStopsView) {
    struct Case {
        NumberBase base;
        std::vector<std::string> entries;
        bool fails;
        std::string refused; // the entry VIEW fails on
    };
    const std::vector<Case> cases = {
        {NumberBase::Hex, {"1F", "XY", "ZZ"}, true, "XY"},
        {NumberBase::Dec, {"12", "1A"}, true, "1A"},
        {NumberBase::Oct, {"", "7"}, true, ""},
        {NumberBase::Hex, {"ab", "Cd"}, false, ""},
        {NumberBase::Bin, {"12", "Z"}, false, ""},
    };
    for (const Case& c : cases) {
        // Deeper than the display, which would refuse the entry first.
        std::vector<std::string> entries = c.entries;
        entries.insert(entries.end(), Calculator::kDisplayLines, "1");
        Calculator calc = calculatorWith(c.base, 64, true, entries);
        std::string expected;
        try {
            calc.normalizeEntry(c.refused);
        } catch (const quarnel::engine::EngineError& e) {
            expected = e.what();
        }
        try {
            calc.run(Command::View);
            EXPECT_FALSE(c.fails) << c.entries[0];
            EXPECT_TRUE(calc.stackViewShown());
        } catch (const quarnel::engine::EngineError& e) {
            EXPECT_TRUE(c.fails) << c.entries[0];
            EXPECT_EQ(e.what(), expected);
            EXPECT_FALSE(calc.stackViewShown());
        }
    }
}
