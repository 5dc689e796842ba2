// What settings, backups and stack files put into the calculator, and the
// display helpers printing shares.

#include "Probe.h"
#include "calculator/Calculator.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quarnel::calculator {
namespace {

using Entries = std::vector<std::string>;
using Lines = std::array<std::string, Calculator::kDisplayLines>;

TEST(LimitsTest, WordSizeAndDepth) {
    // clang-format off
    const std::pair<std::int64_t, int> wordSizes[] = {{-5, 64}, {0, 64}, {1, 1}, {64, 64}, {128, 128}, {129, 128}, {1LL << 40, 128}};
    const std::pair<std::int64_t, int> depths[] = {{-1, 0}, {0, 0}, {1, 5}, {4, 5}, {5, 5}, {6, 6}, {100000, 100000}};
    // clang-format on
    for (const auto& [given, kept] : wordSizes)
        EXPECT_EQ(limitWordSize(given), kept) << given;
    for (const auto& [given, kept] : depths)
        EXPECT_EQ(limitMaxStackDepth(given), kept) << given;
}

TEST(StateEntryTest, BackupKeepsUndoButLoadStackDoesNot) {
    Calculator c;
    c.loadStack({"1", "2"});
    EXPECT_TRUE(quarnel::calculator::CalculatorProbe::undo(c).empty());
    EXPECT_EQ(c.displayLines()[4], "2");
    c.replaceStack({"3", "4"});
    c.run(Command::UndoLast);
    EXPECT_EQ(c.stack().toVector(), (Entries{"3", "4"}));
}

TEST(StateEntryTest, StackFileTakesItsBaseAndWordSize) {
    Calculator c;
    c.loadWordSize(8);
    c.loadInputText("A");
    c.loadStackFile(NumberBase::Oct, 200, {"17", "777"});
    EXPECT_EQ(c.currentBase(), NumberBase::Oct);
    EXPECT_EQ(c.wordSize(), 128);
    EXPECT_EQ(c.inputText(), "12");
    EXPECT_EQ(c.baseCaption(NumberBase::Oct), "<OCT>");
    EXPECT_EQ(c.displayLines()[4], "777");

    c.loadInputText("XYZ"); // a conversion the engine refuses changes nothing
    EXPECT_THROW(c.loadStackFile(NumberBase::Dec, 16, {"1"}), engine::EngineError);
    EXPECT_EQ(c.stack().toVector(), (Entries{"17", "777"}));
    EXPECT_EQ(c.currentBase(), NumberBase::Oct);
    EXPECT_EQ(c.wordSize(), 128);
}

TEST(StateEntryTest, AnEntryTheEngineRefusesStopsTheRedrawAtItsLine) {
    Calculator c;
    c.loadStack({"1", "2", "3"});
    // Line 4 shows level 2: lines 1 to 3 are rewritten, 4 and 5 keep their text.
    EXPECT_THROW(c.loadStack({"4", "XYZ", "5"}), engine::EngineError);
    EXPECT_EQ(c.displayLines(), (Lines{"", "", "4", "2", "3"}));
}

TEST(StateEntryTest, PastingKeepsTheTextBeforeTheFirstInvalidCharacter) {
    Calculator c;
    const std::string valid(20000, '7');
    c.setInputText(valid + "x" + std::string(12767, '1'));
    EXPECT_EQ(c.inputText(), valid);
    c.run(Command::BaseBin);
    c.setInputText("1012");
    EXPECT_EQ(c.inputText(), "101");
}

// The shortcut for entries already in normal form must agree with the engine.
TEST(StateEntryTest, NormalizeEntryAgreesWithTheEngine) {
    std::mt19937 random(7);
    const std::pair<NumberBase, std::string_view> digitSets[] = {
        {NumberBase::Hex, "0123456789ABCDEFabcdef"},
        {NumberBase::Oct, "01234567"},
        {NumberBase::Dec, "0123456789"}};
    for (const auto& [base, digits] : digitSets) {
        Calculator c;
        c.loadBase(base);
        for (int ws : {1, 3, 4, 8, 9, 13, 31, 32, 33, 63, 64, 65, 127, 128}) {
            c.loadWordSize(ws);
            for (int length = 1; length <= 45; ++length) {
                std::string text;
                for (int i = 0; i < length; ++i)
                    text += digits[random() % digits.size()];
                ASSERT_EQ(c.normalizeEntry(text), engine::ConvertBase(text, base, base, ws))
                    << text << " ws " << ws;
            }
        }
    }
}

} // namespace
} // namespace quarnel::calculator
