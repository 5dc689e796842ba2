// The engine's own fast paths against slower exact methods: long operands
// (split into limbs, divided in base 10^18, folded in 19-digit chunks), the
// switch between 128-bit and limb arithmetic, and the rare correction step of
// long division. Expected values come from the reference transcription or from
// how the operands were built, never from the engine itself.

#include "Outcome.h"

#include "engine/Engine.h"
#include "reference/Reference.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace quarnel::enginetest {
namespace {

namespace fast = quarnel::engine;
namespace ref = quarnel::reference;
using engine::NumberBase;

constexpr NumberBase kAllBases[] = {NumberBase::Hex, NumberBase::Oct, NumberBase::Bin,
                                    NumberBase::Dec};

// Long texts would flood the failure output; the ends and the length suffice.
std::string brief(const std::string& text) {
    if (text.size() <= 80) {
        return text;
    }
    return text.substr(0, 30) + "..." + text.substr(text.size() - 30) + " (" +
           std::to_string(text.size()) + " chars)";
}

std::string briefOutcome(const Outcome& o) {
    return (o.failed ? "error " : "") + brief(o.text);
}

std::string digits(std::mt19937_64& rng, NumberBase base, std::size_t length) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const unsigned radix = base == NumberBase::Hex   ? 16
                           : base == NumberBase::Oct ? 8
                           : base == NumberBase::Bin ? 2
                                                     : 10;
    std::string s(length, '0');
    for (char& c : s) {
        c = kDigits[rng() % radix];
    }
    if (length > 0) {
        s[0] = kDigits[1 + rng() % (radix - 1)];
    }
    return s;
}

#define EXPECT_SAME_OUTCOME(fastCall, refCall, what)                                               \
    do {                                                                                           \
        const Outcome f = capture([&] { return fastCall; });                                       \
        const Outcome r = capture([&] { return refCall; });                                        \
        EXPECT_TRUE(f == r) << (what) << "\n  engine:    " << briefOutcome(f)                      \
                            << "\n  reference: " << briefOutcome(r);                               \
    } while (0)

// --- DEC division on operands built as q * b + r ------------------------------

struct DivisionShape {
    std::size_t divisorDigits;
    std::size_t quotientDigits;
};

void PrintTo(const DivisionShape& shape, std::ostream* out) {
    *out << shape.divisorDigits << "-digit divisor, " << shape.quotientDigits << "-digit quotient";
}

// Divisor and dividend lengths around the 18-digit limb and 2^128 (38 or 39
// digits), where 128-bit arithmetic gives way to limbs.
const DivisionShape kDivisionShapes[] = {
    {1, 1},   {1, 38},  {1, 39}, {2, 37},    {3, 37},  {1, 60},    {17, 3},   {18, 18},
    {19, 19}, {20, 40}, {36, 2}, {37, 1},    {37, 37}, {38, 1},    {39, 1},   {40, 30},
    {54, 54}, {55, 80}, {73, 5}, {120, 120}, {200, 7}, {260, 199}, {401, 33},
};

class EngineFastPathDivision : public ::testing::TestWithParam<DivisionShape> {};

// For q, b and a remainder r < b: a = q * b + r divides to exactly q. With
// a = q * b - 1 the first quotient estimate is one too large (the divisor's
// low limbs are invisible to it), so the correction step runs.
TEST_P(EngineFastPathDivision, QuotientOfBuiltDividend) {
    const DivisionShape shape = GetParam();
    std::mt19937_64 rng(shape.divisorDigits * 1000 + shape.quotientDigits);
    for (int round = 0; round < 6; ++round) {
        const std::string b = digits(rng, NumberBase::Dec, shape.divisorDigits);
        const std::string q = digits(rng, NumberBase::Dec, shape.quotientDigits);
        const std::string product = ref::DecMul(q, b);
        const std::string bMinusOne = ref::StripLeadingZeros(ref::DecSub(b, "1"));
        const std::string r = round % 2 == 0 ? bMinusOne : ref::DecDivSmall(b, 3).quotient;

        const struct {
            std::string dividend;
            std::string quotient;
        } cases[] = {
            {ref::StripLeadingZeros(product), q},
            {ref::StripLeadingZeros(ref::DecAdd(product, r)), q},
            {ref::StripLeadingZeros(ref::DecSub(product, "1")),
             ref::StripLeadingZeros(ref::DecSub(q, "1"))},
            // Leading zeros count for nothing.
            {"000" + ref::StripLeadingZeros(product), q},
        };
        for (const auto& c : cases) {
            const std::string what = "a=" + brief(c.dividend) + " b=" + brief(b);
            EXPECT_EQ(fast::DecDiv(c.dividend, b), c.quotient) << what;
            EXPECT_EQ(fast::DecDiv(c.dividend, "00" + b), c.quotient) << what;
            for (int ws : {8, 64, 65, 128, 200}) {
                // DEC division uses the full dividend and reduces only the quotient.
                const std::string expected = ref::BinToDec(ref::DecToBin(c.quotient, ws), ws);
                EXPECT_EQ(fast::DivInBase(c.dividend, b, NumberBase::Dec, ws), expected)
                    << what << " ws=" << ws;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, EngineFastPathDivision, ::testing::ValuesIn(kDivisionShapes),
                         [](const ::testing::TestParamInfo<DivisionShape>& info) {
                             return "b" + std::to_string(info.param.divisorDigits) + "_q" +
                                    std::to_string(info.param.quotientDigits);
                         });

TEST(EngineFastPath, FitCountOnLongParts) {
    std::mt19937_64 rng(41);
    for (std::size_t length : {5, 18, 19, 37, 38, 39, 90}) {
        for (int k = 1; k <= 9; ++k) {
            const std::string b = digits(rng, NumberBase::Dec, length);
            // part = k * b + (b - 1): b fits exactly k times.
            const std::string part =
                ref::StripLeadingZeros(ref::DecAdd(ref::DecMulSmall(b, k), ref::DecSub(b, "1")));
            if (ref::DecGreater(part, b)) {
                EXPECT_EQ(fast::DecFitCount(part, b), ref::DecFitCount(part, b))
                    << "part=" << part << " b=" << b;
            }
        }
    }
}

// --- DEC text folded modulo 2^ws in 19-digit chunks ------------------------------

// The value of a long decimal text modulo 2^ws, put together by the reference
// from 150-digit pieces: acc = acc * 10^150 + piece, in HEX.
std::string referenceDecimalToHex(const std::string& text, int ws) {
    constexpr std::size_t kPiece = 150;
    const std::string scale = ref::DecToHex("1" + std::string(kPiece, '0'), ws);
    std::string acc = "0";
    std::size_t pos = text.size() % kPiece;
    if (pos > 0) {
        acc = ref::DecToHex(text.substr(0, pos), ws);
    }
    for (; pos < text.size(); pos += kPiece) {
        acc = ref::MulInBase(acc, scale, NumberBase::Hex, ws);
        acc = ref::AddInBase(acc, ref::DecToHex(text.substr(pos, kPiece), ws), NumberBase::Hex, ws);
    }
    return acc;
}

TEST(EngineFastPath, LongDecimalTextReducesLikeItsPieces) {
    std::mt19937_64 rng(7);
    for (std::size_t length : {std::size_t{400}, std::size_t{4'567}, std::size_t{32'767}}) {
        std::string text = digits(rng, NumberBase::Dec, length);
        if (length == 4'567) {
            // A run of zeros across several chunk boundaries.
            text.replace(1'000, 200, std::string(200, '0'));
        }
        for (int ws : {63, 64, 65, 128, 129, 200}) {
            const std::string expected = referenceDecimalToHex(text, ws);
            EXPECT_EQ(fast::DecToHex(text, ws), expected) << length << " digits, ws=" << ws;
            EXPECT_EQ(fast::BinToHex(fast::DecToBin(text, ws), ws), expected)
                << length << " digits, ws=" << ws;
        }
    }
}

// --- long operands where the reference is still quick enough ----------------------

// HEX, OCT and BIN text is reduced by reading only its last digits; the
// reference expands all of it. In BIN the bitwise operations, ASR and the
// rotates use the whole text, and in DEC SR and SRB divide the full value.
TEST(EngineFastPath, LongOperandsMatchReference) {
    std::mt19937_64 rng(13);
    for (NumberBase base : kAllBases) {
        const std::size_t length = base == NumberBase::Dec ? 3'000 : 32'767;
        const std::string a = digits(rng, base, length);
        const std::string b = "0" + digits(rng, base, length - 5);
        for (int ws : {64, 128, 200}) {
            const std::string what = std::string("base ") + std::to_string(static_cast<int>(base)) +
                                     " ws " + std::to_string(ws);
            EXPECT_SAME_OUTCOME(fast::AndInBase(a, b, base, ws), ref::AndInBase(a, b, base, ws),
                                "AND " + what);
            EXPECT_SAME_OUTCOME(fast::XorInBase(b, a, base, ws), ref::XorInBase(b, a, base, ws),
                                "XOR " + what);
            if (base != NumberBase::Dec) {
                // The reference takes too long over 3,000 DEC digits for these.
                EXPECT_SAME_OUTCOME(fast::SubInBase(a, b, base, ws), ref::SubInBase(a, b, base, ws),
                                    "SUB " + what);
                EXPECT_SAME_OUTCOME(fast::DivInBase(a, b, base, ws), ref::DivInBase(a, b, base, ws),
                                    "DIV " + what);
            }
            EXPECT_SAME_OUTCOME(fast::ShiftRightInBase(a, base, ws),
                                ref::ShiftRightInBase(a, base, ws), "SR " + what);
            EXPECT_SAME_OUTCOME(fast::ShiftRightByteInBase(b, base, ws),
                                ref::ShiftRightByteInBase(b, base, ws), "SRB " + what);
            EXPECT_SAME_OUTCOME(fast::ArithShiftRightInBase(a, base, ws),
                                ref::ArithShiftRightInBase(a, base, ws), "ASR " + what);
            EXPECT_SAME_OUTCOME(fast::RotateLeftInBase(a, base, ws),
                                ref::RotateLeftInBase(a, base, ws), "RL " + what);
            EXPECT_SAME_OUTCOME(fast::RotateRightByteInBase(b, base, ws),
                                ref::RotateRightByteInBase(b, base, ws), "RRB " + what);
            EXPECT_SAME_OUTCOME(fast::NotInBase(a, base, ws), ref::NotInBase(a, base, ws),
                                "NOT " + what);
        }
    }
}

TEST(EngineFastPath, LongConversionsMatchReference) {
    std::mt19937_64 rng(17);
    const std::string hex = digits(rng, NumberBase::Hex, 32'767);
    const std::string oct = digits(rng, NumberBase::Oct, 32'767);
    const std::string bin = digits(rng, NumberBase::Bin, 32'767);
    for (int ws : {1, 63, 64, 65, 127, 128, 129, 200}) {
        const std::string what = "ws " + std::to_string(ws);
        EXPECT_SAME_OUTCOME(fast::HexToBin(hex, ws), ref::HexToBin(hex, ws), "HexToBin " + what);
        EXPECT_SAME_OUTCOME(fast::HexToDec(hex, ws), ref::HexToDec(hex, ws), "HexToDec " + what);
        EXPECT_SAME_OUTCOME(fast::HexToOct(hex, ws), ref::HexToOct(hex, ws), "HexToOct " + what);
        EXPECT_SAME_OUTCOME(fast::OctToBin(oct, ws), ref::OctToBin(oct, ws), "OctToBin " + what);
        EXPECT_SAME_OUTCOME(fast::OctToHex(oct, ws), ref::OctToHex(oct, ws), "OctToHex " + what);
        EXPECT_SAME_OUTCOME(fast::BinToOct(bin, ws), ref::BinToOct(bin, ws), "BinToOct " + what);
        EXPECT_SAME_OUTCOME(fast::BinToDec(bin, ws), ref::BinToDec(bin, ws), "BinToDec " + what);
        EXPECT_SAME_OUTCOME(fast::ClipToWordSize(bin, ws), ref::ClipToWordSize(bin, ws),
                            "ClipToWordSize " + what);
    }
    // An invalid digit at the very end is still found, and the message keeps
    // the whole text as received.
    const std::string badHex = hex + "G";
    EXPECT_SAME_OUTCOME(fast::HexToBin(badHex, 64), ref::HexToBin(badHex, 64), "bad HEX");
    const std::string badBin = bin + "2";
    EXPECT_SAME_OUTCOME(fast::XorInBase(bin, badBin, NumberBase::Bin, 64),
                        ref::XorInBase(bin, badBin, NumberBase::Bin, 64), "bad BIN");
}

// --- decimal primitives on long digit text ----------------------------------------

TEST(EngineFastPath, LongDecimalPrimitivesMatchReference) {
    std::mt19937_64 rng(23);
    const struct {
        std::size_t a;
        std::size_t b;
    } lengths[] = {{1, 700}, {300, 300}, {650, 17}, {19, 38}};
    for (const auto& l : lengths) {
        // Leading zeros are part of the expected text of these routines.
        const std::string a = "00" + digits(rng, NumberBase::Dec, l.a);
        const std::string b = "0" + digits(rng, NumberBase::Dec, l.b);
        const std::string what = std::to_string(l.a) + " x " + std::to_string(l.b) + " digits";
        EXPECT_EQ(fast::DecMul(a, b), ref::DecMul(a, b)) << what;
        EXPECT_EQ(fast::DecMul(b, "000"), ref::DecMul(b, "000")) << what;
        EXPECT_EQ(fast::DecAdd(a, b), ref::DecAdd(a, b)) << what;
        EXPECT_EQ(fast::DecDiv(a, b), ref::DecDiv(a, b)) << what;
        for (int d : {2, 16, 256, 1000003}) {
            const auto f = fast::DecDivSmall(a, d);
            const auto r = ref::DecDivSmall(a, d);
            EXPECT_EQ(f.quotient, r.quotient) << what << " / " << d;
            EXPECT_EQ(f.remainder, r.remainder) << what << " / " << d;
        }
    }
    for (const char* n : {"4", "15", "16", "17", "63", "0100", "257"}) {
        EXPECT_EQ(fast::DecPowerOf16(n), ref::DecPowerOf16(n)) << n;
    }
}

} // namespace
} // namespace quarnel::enginetest
