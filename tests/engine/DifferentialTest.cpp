// The fast engine against the reference transcription: every value of the
// word sizes 1 to 6 in each base (with leading zeros, one digit too many and
// texts that are not numbers), the primitives over short texts, and seeded
// random cases up to 200 bits. Results and error messages must be identical.

#include "Support.h"

#include "reference/Reference.h"

#include <gtest/gtest.h>

namespace quarnel::enginetest {
namespace {

class EngineSmallWords : public ::testing::TestWithParam<int> {};

TEST_P(EngineSmallWords, OperationsAndConversionsMatchReference) {
    const int ws = GetParam();
    Mismatches m;
    for (NumberBase base : kBases) {
        const std::vector<std::string> texts = smallWordTexts(base, ws);
        const std::vector<std::string> invalid = invalidTexts(base);
        for (const Routine& r : routines()) {
            if (r.shape == Shape::TwoOperands) {
                for (const auto& a : texts)
                    for (const auto& b : texts)
                        m.compare(r, {a, b, base, ws});
                // Which operand is reported, and how.
                for (std::size_t i = 0; i < invalid.size(); ++i) {
                    const std::string& valid = texts[i * 7 % texts.size()];
                    m.compare(r, {invalid[i], valid, base, ws});
                    m.compare(r, {valid, invalid[i], base, ws});
                    m.compare(r, {invalid[i], invalid[(i + 1) % invalid.size()], base, ws});
                }
            }
            // The conversions take every base's texts: those of other bases are errors or not.
            if (r.shape == Shape::OneOperand || r.shape == Shape::Conversion) {
                for (const auto* list : {&texts, &invalid})
                    for (const auto& x : *list)
                        m.compare(r, {x, "", base, ws});
            }
        }
    }
    m.expectNone();
}

INSTANTIATE_TEST_SUITE_P(WordSizes, EngineSmallWords, ::testing::Range(1, 7));

// Every text up to the length over the alphabet, the empty one included.
std::vector<std::string> allTexts(const std::string& alphabet, std::size_t maxLength) {
    std::vector<std::string> texts{""};
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i].size() < maxLength)
            for (char c : alphabet)
                texts.push_back(texts[i] + c);
    return texts;
}

TEST(EnginePrimitives, TextAndBitRoutinesMatchReference) {
    Mismatches m;
    for (const auto& t : allTexts("019AFafgG -8", 2)) {
        for (NumberBase base : kBases)
            m.compare("IsValidNumber", {t, "", base});
        m.compare("StripLeadingZeros", {t});
        m.compare("ReverseString", {t});
        for (int n = -2; n <= 4; ++n) {
            m.compare("AppendZeros", {t, "", NumberBase::Dec, n});
            m.compare("PrependZeros", {t, "", NumberBase::Dec, n});
        }
    }
    const char* bitRoutines[] = {"ClipToWordSize",  "DropLowBit",      "RotateBitsLeft",
                                 "RotateBitsRight", "RotateBytesLeft", "RotateBytesRight"};
    for (const auto& bits : allTexts("01", 10)) {
        if (!bits.empty()) {
            m.compare("InvertBits", {bits});
            for (int ws = -1; ws <= 17; ++ws)
                for (const char* r : bitRoutines)
                    m.compare(r, {bits, "", NumberBase::Bin, ws});
        }
    }
    for (int base = -12; base <= 16; ++base)
        for (int exponent = -2; exponent <= 7; ++exponent)
            m.compare("IntPower", {std::to_string(base), "", NumberBase::Dec, exponent});
    m.expectNone();
}

// Each decimal primitive that takes the pair, within its precondition.
void compareDecimalPair(Mismatches& m, const std::string& a, const std::string& b) {
    for (const char* r : {"DecAdd", "DecMul", "DecDiv", "DecEqual", "DecGreater", "DecLess"})
        m.compare(r, {a, b});
    if (!reference::DecLess(a, b))
        m.compare("DecSub", {a, b});
    // Found by repeated addition: long division asks for at most 9.
    if (reference::DecGreater(a, b) && reference::DecGreater(b, "0") &&
        reference::DecLess(a, reference::DecMulSmall(b, 9) + "0"))
        m.compare("DecFitCount", {a, b});
}

void compareDecimalSingle(Mismatches& m, const std::string& a) {
    for (int f = 0; f <= 9; ++f)
        m.compare("DecMulSmall", {a, "", NumberBase::Dec, f});
    for (int d : {1, 2, 3, 7, 10, 16, 255, 256, 1000})
        m.compare("DecDivSmall", {a, "", NumberBase::Dec, d});
}

TEST(EnginePrimitives, DecimalRoutinesMatchReference) {
    Mismatches m;
    std::vector<std::string> texts{"00", "01", "09", "000", "007", "010", "099", "0100", "999"};
    for (int v = 0; v <= 100; ++v)
        texts.push_back(std::to_string(v));
    for (const auto& a : texts) {
        compareDecimalSingle(m, a);
        for (const auto& b : texts)
            compareDecimalPair(m, a, b);
    }
    for (int n = 0; n <= 120; ++n)
        m.compare("DecPowerOf16", {std::to_string(n)});
    m.compare("DecPowerOf16", {"007"});
    Random random(0x5eed0001);
    for (int i = 0; i < 1500; ++i) {
        std::string a = std::string(random.below(3), '0') +
                        random.digits("0123456789", 1 + random.below(random.chance(50) ? 12 : 60));
        std::string b = random.chance(10) ? a
                                          : std::string(random.below(3), '0') +
                                                random.digits("0123456789", 1 + random.below(60));
        compareDecimalPair(m, a, b);
        compareDecimalPair(m, b, a);
        if (i % 4 == 0)
            compareDecimalSingle(m, a);
    }
    m.expectNone();
}

class EngineRandom : public ::testing::TestWithParam<int> {}; // a Shape

// Random routines of one shape, in random bases and word sizes; 4% of the
// operands are not numbers in their base.
TEST_P(EngineRandom, MatchesReference) {
    std::vector<const Routine*> pick;
    for (const Routine& r : routines())
        if (r.shape == static_cast<Shape>(GetParam()))
            pick.push_back(&r);
    Random random(0x5eed1000 + GetParam());
    Mismatches m;
    for (int i = 0; i < 30'000; ++i) {
        const Routine& r = *pick[random.below(static_cast<int>(pick.size()))];
        const NumberBase base = r.shape == Shape::Conversion ? r.source : kBases[random.below(4)];
        const int ws = random.wordSize();
        m.compare(r, {random.operand(base, ws, 4), random.operand(base, ws, 4), base, ws});
    }
    // A few full-width cases far beyond the calculator's word sizes.
    for (std::size_t k = 0; k < pick.size(); k += 4) {
        const Routine& r = *pick[k];
        const NumberBase base = r.shape == Shape::Conversion ? r.source : kBases[random.below(4)];
        m.compare(r, {random.operand(base, 1000), random.operand(base, 1000), base, 1000});
    }
    m.expectNone();
}

INSTANTIATE_TEST_SUITE_P(Shapes, EngineRandom, ::testing::Values(0, 1, 2)); // two, one, conversion

} // namespace
} // namespace quarnel::enginetest
