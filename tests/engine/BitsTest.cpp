// The counted shifts and rotates, MOD and the bit tools against a plain model
// of their own: the value as an unsigned number of up to 256 bits, read and
// written through the reference transcription's conversions. Every value and
// every count of the word sizes 1 to 8 in each base, texts that are not numbers
// in each operand position, and seeded random cases up to 256 bits. Results,
// error messages and the refused counts must agree.

#include "Support.h"

#include "engine/Engine.h"
#include "reference/Reference.h"

#include <gtest/gtest.h>

#include <bitset>
#include <map>
#include <span>
#include <string_view>

namespace quarnel::enginetest {
namespace {

namespace e = engine;

using Bits = std::bitset<256>; // the value; bits from the word size up are clear
using V = std::span<const Bits>;
struct Refused {}; // the model's "Invalid argument(s)"

Bits low(std::size_t n) {
    return ~(~Bits{} << n);
}
Bits top(std::size_t ws, std::size_t n) {
    return low(ws) & ~(low(ws) >> n);
}
// A count as a number; anything from 2^40 up stands for "very large".
std::size_t countOf(const Bits& b) {
    return (b >> 40).any() ? std::size_t{1} << 40 : b.to_ullong();
}
Bits add(Bits a, Bits b) {
    for (Bits carry; b.any(); b = carry)
        carry = (a & b) << 1, a ^= b;
    return a;
}
bool less(const Bits& a, const Bits& b) {
    for (std::size_t i = 256; i-- > 0;)
        if (a[i] != b[i])
            return b[i];
    return false;
}

Bits readBits(const std::string& text, NumberBase base, int ws) {
    if (!reference::IsValidNumber(text, base))
        throw e::EngineError("'" + text + "' is not a valid number in the current base!");
    return Bits(base == NumberBase::Hex   ? reference::HexToBin(text, ws)
                : base == NumberBase::Oct ? reference::OctToBin(text, ws)
                : base == NumberBase::Dec ? reference::DecToBin(text, ws)
                                          : reference::ClipToWordSize(text, ws));
}

// The small words' results repeat endlessly; each is written once.
std::string writeBits(const Bits& bits, NumberBase base, int ws) {
    static std::map<std::tuple<int, NumberBase, unsigned long>, std::string> small;
    std::string* cached = ws <= 8 ? &small[{ws, base, bits.to_ulong()}] : nullptr;
    if (cached && !cached->empty())
        return *cached;
    const std::string bin = bits.to_string().substr(256 - static_cast<std::size_t>(ws));
    std::string text = base == NumberBase::Hex   ? reference::BinToHex(bin, ws)
                       : base == NumberBase::Oct ? reference::BinToOct(bin, ws)
                       : base == NumberBase::Dec ? reference::BinToDec(bin, ws)
                                                 : reference::ClipToWordSize(bin, ws);
    return cached ? *cached = text : text;
}

// --- the model's operations --------------------------------------------------------

Bits rotateLeft(const Bits& y, std::size_t n, std::size_t ws) {
    return ((y << n) | (y >> (ws - n))) & low(ws);
}
// The count modulo ws, from its bits: 2^i mod ws summed.
std::size_t countModulo(const Bits& count, std::size_t ws) {
    std::size_t n = 0, power = 1 % ws;
    for (std::size_t i = 0; i < 256; ++i, power = power * 2 % ws)
        n = (n + (count[i] ? power : 0)) % ws;
    return n;
}
Bits mod(V v, std::size_t ws) {
    if (v[1].none())
        throw e::EngineError("Division by zero!");
    const Bits minusDivisor = add(~v[1], Bits{1});
    Bits r; // shift-and-subtract long division, keeping the remainder
    for (std::size_t i = ws; i-- > 0;) {
        const bool carry = r[255];
        r = r << 1, r[0] = v[0][i];
        if (carry || !less(r, v[1]))
            r = add(r, minusDivisor);
    }
    return r;
}
Bits byteSwap(V v, std::size_t ws) {
    if (ws % 8 != 0)
        throw Refused{};
    Bits r;
    for (std::size_t i = 0; i < ws; ++i)
        r[(ws / 8 - 1 - i / 8) * 8 + i % 8] = v[0][i];
    return r;
}
Bits bitReverse(V v, std::size_t ws) {
    Bits r;
    for (std::size_t i = 0; i < ws; ++i)
        r[ws - 1 - i] = v[0][i];
    return r;
}
std::size_t zeros(const Bits& y, std::size_t ws, bool leading) {
    std::size_t n = 0;
    while (n < ws && !y[leading ? ws - 1 - n : n])
        ++n;
    return n;
}
std::size_t bitNumber(V v, std::size_t ws) {
    const std::size_t n = countOf(v[1]);
    return n < ws ? n : throw Refused{};
}
Bits withBit(V v, std::size_t ws, int how) { // 1 set, 0 clear, -1 flip
    Bits r = v[0];
    const std::size_t n = bitNumber(v, ws);
    r[n] = how < 0 ? !r[n] : how == 1;
    return r;
}
Bits mask(V v, std::size_t ws, bool high) {
    const std::size_t n = countOf(v[0]);
    if (n > ws)
        throw Refused{};
    return high ? top(ws, n) : low(n);
}
Bits signExtend(V v, std::size_t ws) {
    const std::size_t n = countOf(v[1]);
    if (n == 0 || n > ws)
        throw Refused{};
    return v[0][n - 1] ? v[0] | (low(ws) & ~low(n)) : v[0] & low(n);
}
// Start and width of a field of the first operand, checked.
std::pair<std::size_t, std::size_t> field(V v, std::size_t ws) {
    const std::size_t start = countOf(v[v.size() - 2]), width = countOf(v[v.size() - 1]);
    if (start + width > ws)
        throw Refused{};
    return {start, width};
}
Bits fieldDeposit(V v, std::size_t ws) {
    const auto [start, width] = field(v, ws);
    return (v[0] & ~(low(width) << start)) | ((v[1] & low(width)) << start);
}

// --- the routines and their models ----------------------------------------------

using Texts = std::span<const std::string>;
struct Op {
    const char* name;
    std::size_t arity;
    std::string (*engine)(Texts, NumberBase, int);
    Bits (*model)(V, std::size_t ws);
};

// clang-format off
const Op kOps[] = {
    {"SLN", 2, [](Texts t, NumberBase b, int ws) { return e::ShiftLeftNInBase(t[0], t[1], b, ws); }, [](V v, std::size_t ws) { return (v[0] << countOf(v[1])) & low(ws); }},
    {"SRN", 2, [](Texts t, NumberBase b, int ws) { return e::ShiftRightNInBase(t[0], t[1], b, ws); }, [](V v, std::size_t) { return v[0] >> countOf(v[1]); }},
    {"ASRN", 2, [](Texts t, NumberBase b, int ws) { return e::ArithShiftRightNInBase(t[0], t[1], b, ws); }, [](V v, std::size_t ws) { return (v[0] >> countOf(v[1])) | (v[0][ws - 1] ? top(ws, countOf(v[1])) : Bits{}); }},
    {"RLN", 2, [](Texts t, NumberBase b, int ws) { return e::RotateLeftNInBase(t[0], t[1], b, ws); }, [](V v, std::size_t ws) { return rotateLeft(v[0], countModulo(v[1], ws), ws); }},
    {"RRN", 2, [](Texts t, NumberBase b, int ws) { return e::RotateRightNInBase(t[0], t[1], b, ws); }, [](V v, std::size_t ws) { return rotateLeft(v[0], (ws - countModulo(v[1], ws)) % ws, ws); }},
    {"MOD", 2, [](Texts t, NumberBase b, int ws) { return e::ModInBase(t[0], t[1], b, ws); }, mod},
    {"POPCNT", 1, [](Texts t, NumberBase b, int ws) { return e::PopCountInBase(t[0], b, ws); }, [](V v, std::size_t) { return Bits(v[0].count()); }},
    {"CLZ", 1, [](Texts t, NumberBase b, int ws) { return e::CountLeadingZerosInBase(t[0], b, ws); }, [](V v, std::size_t ws) { return Bits(zeros(v[0], ws, true)); }},
    {"CTZ", 1, [](Texts t, NumberBase b, int ws) { return e::CountTrailingZerosInBase(t[0], b, ws); }, [](V v, std::size_t ws) { return Bits(zeros(v[0], ws, false)); }},
    {"BSWAP", 1, [](Texts t, NumberBase b, int ws) { return e::ByteSwapInBase(t[0], b, ws); }, byteSwap},
    {"BREV", 1, [](Texts t, NumberBase b, int ws) { return e::BitReverseInBase(t[0], b, ws); }, bitReverse},
    {"SETB", 2, [](Texts t, NumberBase b, int ws) { return e::SetBitInBase(t[0], t[1], b, ws); }, [](V v, std::size_t ws) { return withBit(v, ws, 1); }},
    {"CLRB", 2, [](Texts t, NumberBase b, int ws) { return e::ClearBitInBase(t[0], t[1], b, ws); }, [](V v, std::size_t ws) { return withBit(v, ws, 0); }},
    {"FLIPB", 2, [](Texts t, NumberBase b, int ws) { return e::FlipBitInBase(t[0], t[1], b, ws); }, [](V v, std::size_t ws) { return withBit(v, ws, -1); }},
    {"TESTB", 2, [](Texts t, NumberBase b, int ws) { return e::TestBitInBase(t[0], t[1], b, ws); }, [](V v, std::size_t ws) { return Bits(v[0][bitNumber(v, ws)] ? 1 : 0); }},
    {"MASKL", 1, [](Texts t, NumberBase b, int ws) { return e::MaskLeftInBase(t[0], b, ws); }, [](V v, std::size_t ws) { return mask(v, ws, true); }},
    {"MASKR", 1, [](Texts t, NumberBase b, int ws) { return e::MaskRightInBase(t[0], b, ws); }, [](V v, std::size_t ws) { return mask(v, ws, false); }},
    {"SEXT", 2, [](Texts t, NumberBase b, int ws) { return e::SignExtendInBase(t[0], t[1], b, ws); }, signExtend},
    {"FEXT", 3, [](Texts t, NumberBase b, int ws) { return e::FieldExtractInBase(t[0], t[1], t[2], b, ws); }, [](V v, std::size_t ws) { const auto [s, w] = field(v, ws); return (v[0] >> s) & low(w); }},
    {"FDEP", 4, [](Texts t, NumberBase b, int ws) { return e::FieldDepositInBase(t[0], t[1], t[2], t[3], b, ws); }, fieldDeposit},
};
// clang-format on

std::string engineOutcome(const Op& op, Texts texts, NumberBase base, int ws) {
    try {
        return op.engine(texts, base, ws);
    } catch (const e::InvalidArgumentError&) {
        return "refused";
    } catch (const e::EngineError& error) {
        return std::string("error: ") + error.what();
    }
}

// The model reads the texts itself; `known` are the already read values.
std::string modelOutcome(const Op& op, Texts texts, NumberBase base, int ws, V known = {}) {
    const int bits = e::effectiveWordSize(ws);
    try {
        std::vector<Bits> values(known.begin(), known.end());
        for (std::size_t i = values.size(); i < op.arity; ++i)
            values.push_back(readBits(texts[i], base, bits));
        return writeBits(op.model(values, static_cast<std::size_t>(bits)), base, bits);
    } catch (const Refused&) {
        return "refused";
    } catch (const e::EngineError& error) {
        return std::string("error: ") + error.what();
    }
}

// The engine and the model on the same texts, a disagreement recorded.
void check(Mismatches& d, const Op& op, std::vector<std::string> texts, NumberBase base, int ws,
           V known = {}) {
    d.record(engineOutcome(op, texts, base, ws), modelOutcome(op, texts, base, ws, known), [&] {
        std::string call = std::string(op.name) + " ws " + std::to_string(ws) + " base " +
                           std::to_string(int(base)) + " (";
        for (const auto& t : texts)
            call += "'" + brief(t) + "' ";
        return call + ")";
    });
}

class BitToolsSmallWords : public ::testing::TestWithParam<int> {};

TEST_P(BitToolsSmallWords, EveryValueAndCountMatchesTheModel) {
    const int ws = GetParam();
    const std::size_t count = std::size_t{1} << ws;
    Mismatches d;
    for (NumberBase base : kBases) {
        // Every value: its canonical text and its bits.
        std::vector<std::string> texts;
        for (std::size_t n = 0; n < count; ++n)
            texts.push_back(writeBits(Bits(n), base, ws));
        // Counts up to a little past the word size, and the largest values.
        std::vector<std::size_t> counts;
        for (std::size_t n = 0; n < count; ++n)
            if (n <= static_cast<std::size_t>(ws) + 1 || n + 2 >= count)
                counts.push_back(n);
        for (const Op& op : kOps) {
            const auto run = [&](std::initializer_list<std::size_t> at) {
                std::vector<std::string> args;
                std::vector<Bits> known;
                for (std::size_t i : at)
                    args.push_back(texts[i]), known.emplace_back(i);
                check(d, op, args, base, ws, known);
            };
            for (std::size_t a = 0; a < count; ++a) {
                if (op.arity == 1) {
                    run({a});
                } else if (op.arity == 2) {
                    for (std::size_t b = 0; b < count; ++b)
                        run({a, b});
                } else {
                    // The other value runs through every value as well.
                    const std::size_t z = (a * 37 + 11) % count;
                    for (std::size_t s : counts)
                        for (std::size_t w : counts)
                            op.arity == 3 ? run({a, s, w}) : run({a, z, s, w});
                }
            }
        }
    }
    d.expectNone();
}

INSTANTIATE_TEST_SUITE_P(WordSizes, BitToolsSmallWords, ::testing::Range(1, 9));

TEST(BitTools, TextsOfEveryShapeAndInvalidOperandsMatchTheModel) {
    // Leading zeros, over-long texts, lower-case hex and texts that are not
    // numbers, in each operand position; the first bad operand is reported,
    // before any count is looked at.
    Mismatches d;
    for (int ws : {1, 3, 5, 8}) {
        for (NumberBase base : kBases) {
            std::vector<std::string> texts = smallWordTexts(base, ws);
            for (const auto& bad : invalidTexts(base))
                texts.push_back(bad);
            for (const Op& op : kOps)
                for (std::size_t position = 0; position < op.arity; ++position)
                    for (std::size_t i = 0; i < texts.size(); ++i) {
                        std::vector<std::string> args(op.arity, std::to_string(i % 2));
                        args[position] = texts[i];
                        if (op.arity > 1 && position == 0)
                            args[1] = texts[(i * 7) % texts.size()];
                        check(d, op, args, base, ws);
                    }
        }
    }
    d.expectNone();
}

TEST(BitTools, SeededRandomCasesUpTo256BitsMatchTheModel) {
    Mismatches d;
    Random random(0xb175);
    for (int i = 0; i < 6000; ++i) {
        static constexpr int kSizes[] = {0, 8, 16, 24, 63, 64, 65, 127, 128, 129, 192, 256};
        const int ws = random.chance(30) ? kSizes[random.below(static_cast<int>(std::size(kSizes)))]
                                         : 1 + random.below(256);
        const int bits = e::effectiveWordSize(ws);
        const NumberBase base = kBases[random.below(4)];
        const Op& op = kOps[static_cast<std::size_t>(i) % std::size(kOps)];
        std::vector<std::string> args;
        for (std::size_t k = 0; k < op.arity; ++k) {
            // Counts are mostly near the word size, now and then any value.
            const bool count = k > 0 || std::string_view(op.name).starts_with("MASK");
            if (count && random.chance(80))
                args.push_back(
                    writeBits(Bits(static_cast<std::size_t>(random.below(bits + 3))), base, bits));
            else
                args.push_back(random.operand(base, bits, 2));
        }
        check(d, op, args, base, ws);
    }
    d.expectNone();
}

TEST(BitTools, WordSizeZeroIsSixtyFour) {
    for (const Op& op : kOps) {
        const std::vector<std::string> args(op.arity, "5");
        EXPECT_EQ(engineOutcome(op, args, NumberBase::Dec, 0),
                  engineOutcome(op, args, NumberBase::Dec, 64))
            << op.name;
    }
}

} // namespace
} // namespace quarnel::enginetest
