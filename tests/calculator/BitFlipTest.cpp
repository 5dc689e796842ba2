#include "Probe.h"
#include "calculator/Calculator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>

namespace quarnel::calculator {
namespace {

using engine::NumberBase;

Calculator inBase(NumberBase base, int ws) {
    Calculator c;
    c.loadBase(base);
    c.loadWordSize(ws);
    return c;
}

// A flip of level 1 is native XOR with the bit, in every base and word size.
TEST(BitFlip, LevelOneIsXorWithTheBit) {
    std::mt19937_64 random(7);
    for (const auto& [base, radix] :
         {std::pair{NumberBase::Hex, 16}, std::pair{NumberBase::Dec, 10},
          std::pair{NumberBase::Oct, 8}, std::pair{NumberBase::Bin, 2}}) {
        for (const int ws : {1, 5, 8, 31, 32, 63, 64}) {
            const std::uint64_t mask = ws == 64 ? ~0ULL : (1ULL << ws) - 1;
            const std::uint64_t v = random() & mask;
            const int bit = static_cast<int>(random() % static_cast<std::uint64_t>(ws));
            Calculator c = inBase(base, ws);
            c.loadStack({inRadix(v, radix)});
            c.flipShownBit(bit);
            ASSERT_EQ(c.stack().size(), 1U);
            EXPECT_EQ(c.stack().back(), inRadix(v ^ (1ULL << bit), radix))
                << "base " << radix << " ws " << ws << " bit " << bit;
        }
    }
}

// One step: Undo Last gives the old level 1 back, and a second one the flip.
TEST(BitFlip, UndoLastTakesItBack) {
    Calculator c = inBase(NumberBase::Hex, 64);
    c.loadStack({"5", "F0"});
    c.flipShownBit(4);
    EXPECT_EQ(c.stack().back(), "E0");
    EXPECT_EQ(c.displayLines()[4], "E0");
    c.run(Command::UndoLast);
    ASSERT_EQ(c.stack().size(), 2U);
    EXPECT_EQ(c.stack().back(), "F0");
    c.run(Command::UndoLast);
    EXPECT_EQ(c.stack().back(), "E0");
}

// On the line: the stack and its undo copy stay, Restore Input brings the
// old text back.
TEST(BitFlip, TheLineGoesToRestoreInput) {
    Calculator c = inBase(NumberBase::Dec, 8);
    c.loadStack({"9"});
    c.setInputText("12");
    c.flipShownBit(0);
    EXPECT_EQ(c.inputText(), "13");
    EXPECT_EQ(CalculatorProbe::lastInput(c), "12");
    EXPECT_EQ(c.stack().back(), "9");
    EXPECT_TRUE(CalculatorProbe::undo(c).empty());
    c.run(Command::RestoreInput);
    EXPECT_EQ(c.inputText(), "12");
}

// Nothing to flip: the state stays as it was.
TEST(BitFlip, IgnoredWhereThereIsNothingToFlip) {
    struct Case {
        const char* name;
        int bit;
        bool view;
    };
    for (const Case k : {Case{"below bit 0", -1, false}, Case{"above the word", 8, false},
                         Case{"in StackView", 0, true}}) {
        Calculator c = inBase(NumberBase::Hex, 8);
        c.loadStack({"1"});
        if (k.view)
            c.run(Command::View);
        c.flipShownBit(k.bit);
        EXPECT_EQ(c.stack().back(), "1") << k.name;
        EXPECT_TRUE(CalculatorProbe::undo(c).empty()) << k.name;
    }
    Calculator empty;
    empty.flipShownBit(0);
    EXPECT_TRUE(empty.stack().empty());
    EXPECT_EQ(empty.inputText(), "");
}

} // namespace
} // namespace quarnel::calculator
