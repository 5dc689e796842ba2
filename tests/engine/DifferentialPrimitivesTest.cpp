// Fast engine against the reference on the auxiliary routines, the decimal
// digit-string primitives (on decimal text) and the bit routines (on bit
// text): exhaustive over short texts, seeded random over long ones.

#include "EngineApi.h"
#include "Mismatches.h"
#include "TextGenerators.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quarnel::enginetest {
namespace {

std::string boolText(bool b) {
    return b ? "true" : "false";
}

// Every text up to the length over the alphabet, the empty one included.
std::vector<std::string> allTexts(const std::string& alphabet, int maxLength) {
    std::vector<std::string> texts{""};
    std::vector<std::string> previous{""};
    for (int length = 1; length <= maxLength; ++length) {
        std::vector<std::string> next;
        for (const auto& p : previous) {
            for (char c : alphabet) {
                next.push_back(p + c);
            }
        }
        texts.insert(texts.end(), next.begin(), next.end());
        previous = std::move(next);
    }
    return texts;
}

// Short decimal texts: every value below 100, some with leading zeros.
std::vector<std::string> shortDecimals() {
    std::vector<std::string> texts;
    for (int v = 0; v < 100; ++v) {
        texts.push_back(std::to_string(v));
    }
    for (const char* t : {"00", "01", "09", "000", "007", "010", "099", "0100", "100", "999"}) {
        texts.emplace_back(t);
    }
    return texts;
}

// Compares every decimal primitive that takes the pair; respects each
// routine's precondition, which the reference decides.
void compareDecimalPair(Mismatches& m, const std::string& a, const std::string& b) {
    const EngineApi& ref = referenceEngine();
    m.compare([&](const EngineApi& api) { return api.DecAdd(a, b); },
              [&] { return std::string("DecAdd(" + a + ", " + b + ")"); });
    m.compare([&](const EngineApi& api) { return api.DecMul(a, b); },
              [&] { return std::string("DecMul(" + a + ", " + b + ")"); });
    m.compare([&](const EngineApi& api) { return api.DecDiv(a, b); },
              [&] { return std::string("DecDiv(" + a + ", " + b + ")"); });
    m.compare([&](const EngineApi& api) { return boolText(api.DecEqual(a, b)); },
              [&] { return std::string("DecEqual(" + a + ", " + b + ")"); });
    m.compare([&](const EngineApi& api) { return boolText(api.DecGreater(a, b)); },
              [&] { return std::string("DecGreater(" + a + ", " + b + ")"); });
    m.compare([&](const EngineApi& api) { return boolText(api.DecLess(a, b)); },
              [&] { return std::string("DecLess(" + a + ", " + b + ")"); });
    if (!ref.DecLess(a, b)) {
        m.compare([&](const EngineApi& api) { return api.DecSub(a, b); },
                  [&] { return std::string("DecSub(" + a + ", " + b + ")"); });
    }
    // The count is found by repeated addition, so keep it below 90: long
    // division asks for at most 9.
    if (ref.DecGreater(a, b) && ref.DecGreater(b, "0") &&
        ref.DecLess(a, ref.DecMulSmall(b, 9) + "0")) {
        m.compare([&](const EngineApi& api) { return std::to_string(api.DecFitCount(a, b)); },
                  [&] { return std::string("DecFitCount(" + a + ", " + b + ")"); });
    }
}

void compareDecimalSingle(Mismatches& m, const std::string& a) {
    for (int f = 0; f <= 9; ++f) {
        m.compare([&](const EngineApi& api) { return api.DecMulSmall(a, f); },
                  [&] { return std::string("DecMulSmall(" + a + ", " + std::to_string(f) + ")"); });
    }
    for (int d : {1, 2, 3, 7, 10, 16, 255, 256, 1000}) {
        m.compare(
            [&](const EngineApi& api) {
                auto [q, r] = api.DecDivSmall(a, d);
                return q + " r " + r;
            },
            [&] { return std::string("DecDivSmall(" + a + ", " + std::to_string(d) + ")"); });
    }
}

TEST(EngineDifferentialPrimitives, TextRoutines) {
    Mismatches m;
    const std::vector<std::string> texts = allTexts("019AFafgG -8", 2);
    for (const auto& t : texts) {
        for (NumberBase base : kBases) {
            m.compare([&](const EngineApi& api) { return boolText(api.IsValidNumber(t, base)); },
                      [&] { return describe("IsValidNumber", t, base, 0); });
        }
        m.compare([&](const EngineApi& api) { return api.StripLeadingZeros(t); },
                  [&] { return std::string("StripLeadingZeros('" + t + "')"); });
        m.compare([&](const EngineApi& api) { return api.ReverseString(t); },
                  [&] { return std::string("ReverseString('" + t + "')"); });
        for (int n = -2; n <= 4; ++n) {
            m.compare([&](const EngineApi& api) { return api.AppendZeros(t, n); },
                      [&] { return describe("AppendZeros", t, n); });
            m.compare([&](const EngineApi& api) { return api.PrependZeros(t, n); },
                      [&] { return describe("PrependZeros", t, n); });
        }
    }
    for (const auto& bits : allTexts("01", 9)) {
        for (int ws = -1; ws <= 12; ++ws) {
            m.compare([&](const EngineApi& api) { return api.ClipToWordSize(bits, ws); },
                      [&] { return describe("ClipToWordSize", bits, ws); });
        }
    }
    m.expectNone();
}

TEST(EngineDifferentialPrimitives, IntPower) {
    Mismatches m;
    for (std::int32_t base = -12; base <= 16; ++base) {
        std::int64_t exact = 1;
        for (std::int32_t exponent = -2; exponent <= 30; ++exponent) {
            if (exponent > 0) {
                exact *= base;
            }
            if (exact > INT32_MAX || exact < INT32_MIN) {
                break;
            }
            m.compare(
                [&](const EngineApi& api) { return std::to_string(api.IntPower(base, exponent)); },
                [&] {
                    return std::string("IntPower(" + std::to_string(base) + ", " +
                                       std::to_string(exponent) + ")");
                });
        }
    }
    m.expectNone();
}

TEST(EngineDifferentialPrimitives, DecimalShortTexts) {
    Mismatches m;
    const std::vector<std::string> texts = shortDecimals();
    for (const auto& a : texts) {
        compareDecimalSingle(m, a);
        for (const auto& b : texts) {
            compareDecimalPair(m, a, b);
        }
    }
    for (int n = 0; n <= 120; ++n) {
        const std::string exponent = std::to_string(n);
        m.compare([&](const EngineApi& api) { return api.DecPowerOf16(exponent); },
                  [&] { return std::string("DecPowerOf16(" + exponent + ")"); });
    }
    m.compare([&](const EngineApi& api) { return api.DecPowerOf16("007"); },
              [&] { return std::string("DecPowerOf16(007)"); });
    m.expectNone();
}

TEST(EngineDifferentialPrimitives, DecimalRandomTexts) {
    RandomTexts random(0x5eed0001);
    Mismatches m;
    for (int i = 0; i < 1500; ++i) {
        std::string a = random.decimal(random.chance(50) ? 12 : 60);
        std::string b = random.decimal(random.chance(30) ? 3 : 60);
        if (random.chance(20)) {
            a.insert(0, 1 + random.below(3), '0');
        }
        if (random.chance(20)) {
            b.insert(0, 1 + random.below(3), '0');
        }
        if (random.chance(10)) {
            b = a;
        }
        compareDecimalPair(m, a, b);
        compareDecimalPair(m, b, a);
        if (i % 4 == 0) {
            compareDecimalSingle(m, a);
        }
    }
    m.expectNone();
}

TEST(EngineDifferentialPrimitives, BitRoutines) {
    Mismatches m;
    const auto run = [&](const std::string& bits, int ws) {
        for (std::size_t r = 0; r < kBitRoutines.size(); ++r) {
            m.compare([&](const EngineApi& api) { return api.bitRoutines[r](bits, ws); },
                      [&] { return describe(kBitRoutines[r].name, bits, ws); });
        }
    };
    std::vector<std::string> texts = allTexts("01", 10);
    texts.erase(texts.begin()); // the empty text is no bit string
    for (const auto& bits : texts) {
        m.compare([&](const EngineApi& api) { return api.InvertBits(bits); },
                  [&] { return std::string("InvertBits(" + bits + ")"); });
        for (int ws : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 16}) {
            run(bits, ws);
        }
    }
    RandomTexts random(0x5eed0002);
    for (int i = 0; i < 3000; ++i) {
        const int ws = random.wordSize();
        const std::string bits = random.bits(random.chance(50) ? ws + 20 : 300);
        m.compare([&](const EngineApi& api) { return api.InvertBits(bits); },
                  [&] { return std::string("InvertBits(" + bits + ")"); });
        run(bits, ws);
    }
    m.expectNone();
}

} // namespace
} // namespace quarnel::enginetest
