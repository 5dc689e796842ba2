// Fast engine against the reference on seeded random operands: word sizes
// up to 200 (and a few at 1000), over-long texts, leading zeros, lower-case
// hex, and texts that are not numbers.

#include "EngineApi.h"
#include "Mismatches.h"
#include "TextGenerators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarnel::enginetest {
namespace {

constexpr int kInvalidPercent = 4;

NumberBase anyBase(RandomTexts& random) {
    return kBases[static_cast<std::size_t>(random.below(4))];
}

// Random cases of the operations whose names are listed: two-operand ones
// take two operands, the others one.
void runOperations(std::uint64_t seed, int count, const std::vector<std::string>& names) {
    RandomTexts random(seed);
    Mismatches m;
    for (int i = 0; i < count; ++i) {
        const std::string& name = names[static_cast<std::size_t>(random.below(names.size()))];
        const NumberBase base = anyBase(random);
        const int ws = random.wordSize();
        const std::string a = random.operandOrInvalid(base, ws, kInvalidPercent);
        bool twoOperands = false;
        for (const auto& info : kBinaryOps) {
            twoOperands = twoOperands || name == info.name;
        }
        if (twoOperands) {
            const std::string b = random.operandOrInvalid(base, ws, kInvalidPercent);
            m.compare([&](const EngineApi& api) { return api.binaryOp(name)(a, b, base, ws); },
                      [&] { return describe(name.c_str(), a, b, base, ws); });
        } else {
            m.compare([&](const EngineApi& api) { return api.unaryOp(name)(a, base, ws); },
                      [&] { return describe(name.c_str(), a, base, ws); });
        }
    }
    m.expectNone();
}

TEST(EngineDifferentialRandom, Conversions) {
    RandomTexts random(0x5eed1000);
    Mismatches m;
    for (int i = 0; i < 26000; ++i) {
        const auto& info =
            kConversions[static_cast<std::size_t>(random.below(kConversions.size()))];
        const int ws = random.wordSize();
        const std::string x = random.operandOrInvalid(info.source, ws, kInvalidPercent);
        m.compare([&](const EngineApi& api) { return api.conversion(info.name)(x, ws); },
                  [&] { return describe(info.name, x, ws); });
    }
    m.expectNone();
}

TEST(EngineDifferentialRandom, AddAndSubtract) {
    runOperations(0x5eed2000, 7000, {"AddInBase", "SubInBase", "NegInBase"});
}

TEST(EngineDifferentialRandom, MultiplyAndDivide) {
    runOperations(0x5eed3000, 8000, {"MulInBase", "DivInBase"});
}

TEST(EngineDifferentialRandom, Logic) {
    runOperations(0x5eed4000, 26000, {"AndInBase", "OrInBase", "XorInBase", "NotInBase"});
}

TEST(EngineDifferentialRandom, Shifts) {
    runOperations(0x5eed5000, 14000,
                  {"ShiftLeftInBase", "ShiftRightInBase", "ArithShiftRightInBase",
                   "ShiftLeftByteInBase", "ShiftRightByteInBase"});
}

TEST(EngineDifferentialRandom, Rotates) {
    runOperations(
        0x5eed6000, 24000,
        {"RotateLeftInBase", "RotateRightInBase", "RotateLeftByteInBase", "RotateRightByteInBase"});
}

// A few full-width cases at a word size far beyond the calculator's own.
TEST(EngineDifferentialRandom, WordSize1000) {
    RandomTexts random(0x5eed7000);
    Mismatches m;
    constexpr int ws = 1000;
    struct Case {
        NumberBase base;
        const char* name;
    };
    const std::vector<Case> twoOperands = {{NumberBase::Hex, "AddInBase"},
                                           {NumberBase::Hex, "DivInBase"},
                                           {NumberBase::Oct, "MulInBase"},
                                           {NumberBase::Bin, "XorInBase"},
                                           {NumberBase::Dec, "SubInBase"}};
    for (const auto& c : twoOperands) {
        const std::string a = random.operand(c.base, ws);
        const std::string b = random.operand(c.base, ws);
        m.compare([&](const EngineApi& api) { return api.binaryOp(c.name)(a, b, c.base, ws); },
                  [&] { return describe(c.name, a, b, c.base, ws); });
    }
    const std::vector<Case> oneOperand = {{NumberBase::Bin, "RotateLeftByteInBase"},
                                          {NumberBase::Hex, "NegInBase"},
                                          {NumberBase::Dec, "ShiftRightByteInBase"}};
    for (const auto& c : oneOperand) {
        const std::string a = random.operand(c.base, ws);
        m.compare([&](const EngineApi& api) { return api.unaryOp(c.name)(a, c.base, ws); },
                  [&] { return describe(c.name, a, c.base, ws); });
    }
    m.expectNone();
}

} // namespace
} // namespace quarnel::enginetest
