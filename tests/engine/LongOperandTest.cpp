// Long operands, where the engine takes its fast paths: limbs instead of
// 128-bit arithmetic, the last digits of over-long text, DEC division by
// limbs or, past a few thousand digits, by GNU MP. Expected values come from
// the reference or from how the operands were built, never from the engine.

#include "Support.h"

#include "engine/Engine.h"
#include "reference/Reference.h"

#include <gtest/gtest.h>

namespace quarnel::enginetest {
namespace {

namespace ref = quarnel::reference;
constexpr NumberBase kDec = NumberBase::Dec;

const auto stripped = ref::StripLeadingZeros;

// Digits of divisor and quotient around the 18-digit limb, 2^128 (38 or 39
// digits) and the switch to GNU MP at 1,500 digits of both.
const std::pair<std::size_t, std::size_t> kShapes[] = {
    {1, 1},     {1, 39},      {2, 37},      {17, 3},      {18, 18},     {19, 19},
    {36, 2},    {37, 37},     {39, 1},      {40, 30},     {54, 54},     {73, 5},
    {260, 199}, {1499, 1600}, {1500, 1499}, {1500, 1500}, {1501, 2100}, {2400, 12}};

class EngineLongDivision : public ::testing::TestWithParam<std::pair<std::size_t, std::size_t>> {};

// a = q * b + r divides to exactly q for r < b. With a = q * b - 1 the first
// quotient estimate is one too large, so the correction step runs.
TEST_P(EngineLongDivision, QuotientOfBuiltDividend) {
    const auto [divisorDigits, quotientDigits] = GetParam();
    Random random(divisorDigits * 10'000 + quotientDigits);
    for (int round = 0; round < 2; ++round) {
        const std::string b = random.digits("0123456789", divisorDigits, true);
        const std::string q = random.digits("0123456789", quotientDigits, true);
        const std::string product = stripped(ref::DecMul(q, b));
        const std::string r =
            round == 0 ? stripped(ref::DecSub(b, "1")) : ref::DecDivSmall(b, 3).quotient;
        // The quotients modulo 2^200, from which every smaller word size is cut.
        const std::string qBits = ref::DecToBin(q, 200);
        const std::string qLessOne = stripped(ref::DecSub(q, "1"));
        const std::string lessBits = ref::DecToBin(qLessOne, 200);
        const struct {
            std::string dividend, quotient, bits;
        } cases[] = {{product, q, qBits},
                     {stripped(ref::DecAdd(product, r)), q, qBits},
                     {stripped(ref::DecSub(product, "1")), qLessOne, lessBits},
                     {"000" + product, q, qBits}};
        for (const auto& c : cases) {
            const std::string what = "a=" + brief(c.dividend) + " b=" + brief(b);
            EXPECT_EQ(engine::DecDiv(c.dividend, "00" + b), c.quotient) << what;
            for (int ws : {8, 64, 65, 128, 200}) {
                // The full dividend counts; only the quotient is reduced.
                EXPECT_EQ(engine::DivInBase(c.dividend, b, kDec, ws),
                          ref::BinToDec(ref::ClipToWordSize(c.bits, ws), ws))
                    << what << " ws=" << ws;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, EngineLongDivision, ::testing::ValuesIn(kShapes));

// Past the switch to GNU MP, against the reference's own long division:
// leading zeros and errors.
TEST(EngineLong, DecimalDivisionAcrossTheSwitchMatchesReference) {
    Random random(29);
    Mismatches m;
    m.compare("DecDiv", {random.digits("0123456789", 3'100, true),
                         "00" + random.digits("0123456789", 1'500, true)});
    const std::string a = random.digits("0123456789", 3'200, true);
    m.compare("DecDiv", {a, std::string(1'600, '0')});
    m.compare("DivInBase", {a + "x", "7", kDec, 64});
    m.compare("DivInBase", {a, a.substr(0, 1'600) + "x", kDec, 64});
    m.expectNone();
}

// Long texts in every base: HEX, OCT and BIN are reduced from their last
// digits, BIN logic and rotates use the whole text, DEC SR and SRB divide the
// full value.
TEST(EngineLong, OperandsAndConversionsMatchReference) {
    Random random(13);
    Mismatches m;
    for (NumberBase base : kBases) {
        const std::size_t length = base == kDec ? 1'300 : 32'767;
        std::string a = random.digits(digitsOf(base), length, true);
        a.replace(1'000, 200, std::string(200, '0')); // zeros across limb boundaries
        const std::string b = "0" + random.digits(digitsOf(base), length - 5, true);
        for (int ws : {1, 65, 200}) {
            for (const char* r : {"AndInBase", "XorInBase", "ShiftRightInBase",
                                  "ShiftRightByteInBase", "ArithShiftRightInBase",
                                  "RotateLeftInBase", "RotateRightByteInBase", "NotInBase"})
                m.compare(r, {a, b, base, ws});
            if (base != kDec) { // too slow for the reference over 1,300 DEC digits
                m.compare("SubInBase", {a, b, base, ws});
                m.compare("DivInBase", {a, b, base, ws});
            }
            for (const Routine& r : routines())
                if (r.shape == Shape::Conversion && r.source == base)
                    m.compare(r, {a, "", base, ws});
        }
        // An invalid digit at the very end is still found; the message keeps the whole text.
        m.compare("XorInBase", {a, a + "G", base, 64});
    }
    m.expectNone();
}

} // namespace
} // namespace quarnel::enginetest
