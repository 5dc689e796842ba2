// The counted shifts and rotates, MOD and the bit tools against a plain model
// of their own: the value as a vector of bits, read and written through the
// reference transcription's conversions. Every value and every count of the
// word sizes 1 to 8 in each base, texts that are not numbers in each operand
// position, and seeded random cases up to 256 bits. Results, error messages
// and the refused counts must agree.

#include "Support.h"

#include "engine/Engine.h"
#include "reference/Reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <span>
#include <string_view>

namespace quarnel::enginetest {
namespace {

namespace e = engine;

// Bit i is the value's bit i; the size is the word size.
using Bits = std::vector<bool>;

struct Refused {}; // the model's "Invalid argument(s)"

// --- the model's view of number text -------------------------------------------

Bits readBits(const std::string& text, NumberBase base, int ws) {
    if (!reference::IsValidNumber(text, base))
        throw e::EngineError("'" + text + "' is not a valid number in the current base!");
    const std::string bin = base == NumberBase::Hex   ? reference::HexToBin(text, ws)
                            : base == NumberBase::Oct ? reference::OctToBin(text, ws)
                            : base == NumberBase::Dec ? reference::DecToBin(text, ws)
                                                      : reference::ClipToWordSize(text, ws);
    Bits bits(static_cast<std::size_t>(ws), false);
    for (std::size_t i = 0; i < bin.size() && i < bits.size(); ++i)
        bits[i] = bin[bin.size() - 1 - i] == '1';
    return bits;
}

std::string writeBitsOnce(const Bits& bits, NumberBase base) {
    std::string bin;
    for (std::size_t i = bits.size(); i > 0; --i)
        bin += bits[i - 1] ? '1' : '0';
    const int ws = static_cast<int>(bits.size());
    return base == NumberBase::Hex   ? reference::BinToHex(bin, ws)
           : base == NumberBase::Oct ? reference::BinToOct(bin, ws)
           : base == NumberBase::Dec ? reference::BinToDec(bin, ws)
                                     : reference::ClipToWordSize(bin, ws);
}

// The small words' results repeat endlessly; each is written once.
std::string writeBits(const Bits& bits, NumberBase base) {
    if (bits.size() > 8)
        return writeBitsOnce(bits, base);
    static std::map<std::pair<std::size_t, NumberBase>, std::vector<std::string>> tables;
    std::vector<std::string>& table = tables[{bits.size(), base}];
    table.resize(std::size_t{1} << bits.size());
    std::size_t index = 0;
    for (std::size_t i = bits.size(); i > 0; --i)
        index = index * 2 + (bits[i - 1] ? 1 : 0);
    if (table[index].empty())
        table[index] = writeBitsOnce(bits, base);
    return table[index];
}

// A count as a number; anything from 2^40 up stands for "very large".
std::size_t countOf(const Bits& bits) {
    std::size_t n = 0;
    for (std::size_t i = bits.size(); i > 0; --i) {
        if (i - 1 >= 40 && bits[i - 1])
            return std::size_t{1} << 40;
        n = n * 2 + (bits[i - 1] ? 1 : 0);
    }
    return n;
}

Bits fromCount(std::size_t n, std::size_t ws) {
    Bits bits(ws, false);
    for (std::size_t i = 0; i < ws && i < 64; ++i)
        bits[i] = ((n >> i) & 1U) != 0;
    return bits;
}

// --- the model's operations, bit by bit ------------------------------------------

using Model = Bits (*)(std::span<const Bits>);

Bits shiftLeft(std::span<const Bits> v) {
    const Bits& y = v[0];
    const std::size_t n = countOf(v[1]);
    Bits r(y.size(), false);
    for (std::size_t i = 0; i < y.size(); ++i)
        if (i >= n)
            r[i] = y[i - n];
    return r;
}

Bits shiftRight(std::span<const Bits> v, bool arithmetic) {
    const Bits& y = v[0];
    const std::size_t n = countOf(v[1]);
    Bits r(y.size(), arithmetic && y.back());
    for (std::size_t i = 0; i < y.size(); ++i)
        if (i + n < y.size())
            r[i] = y[i + n];
    return r;
}

Bits rotate(std::span<const Bits> v, bool left) {
    const Bits& y = v[0];
    // The count modulo ws, from its bits: 2^i mod ws summed.
    std::size_t n = 0, power = 1 % y.size();
    for (bool bit : v[1]) {
        n = (n + (bit ? power : 0)) % y.size();
        power = power * 2 % y.size();
    }
    Bits r(y.size());
    for (std::size_t i = 0; i < y.size(); ++i)
        r[left ? (i + n) % y.size() : i] = y[left ? i : (i + n) % y.size()];
    return r;
}

Bits mod(std::span<const Bits> v) {
    if (std::none_of(v[1].begin(), v[1].end(), [](bool b) { return b; }))
        throw e::EngineError("Division by zero!");
    // Shift-and-subtract long division, keeping the remainder.
    Bits r(v[0].size(), false);
    for (std::size_t i = v[0].size(); i > 0; --i) {
        bool carry = r.back();
        r.insert(r.begin(), v[0][i - 1]);
        r.pop_back();
        // r (with the carried-out top bit) >= divisor?
        bool geq = carry;
        if (!carry) {
            geq = true;
            for (std::size_t k = r.size(); k > 0; --k)
                if (r[k - 1] != v[1][k - 1]) {
                    geq = r[k - 1];
                    break;
                }
        }
        if (geq) {
            bool borrow = false;
            for (std::size_t k = 0; k < r.size(); ++k) {
                const int d = int(r[k]) - int(v[1][k]) - int(borrow);
                r[k] = (d & 1) != 0;
                borrow = d < 0;
            }
        }
    }
    return r;
}

Bits popCount(std::span<const Bits> v) {
    return fromCount(static_cast<std::size_t>(std::count(v[0].begin(), v[0].end(), true)),
                     v[0].size());
}

Bits leadingZeros(std::span<const Bits> v) {
    std::size_t n = 0;
    while (n < v[0].size() && !v[0][v[0].size() - 1 - n])
        ++n;
    return fromCount(n, v[0].size());
}

Bits trailingZeros(std::span<const Bits> v) {
    std::size_t n = 0;
    while (n < v[0].size() && !v[0][n])
        ++n;
    return fromCount(n, v[0].size());
}

Bits byteSwap(std::span<const Bits> v) {
    const std::size_t ws = v[0].size();
    if (ws % 8 != 0)
        throw Refused{};
    Bits r(ws);
    for (std::size_t i = 0; i < ws; ++i)
        r[(ws / 8 - 1 - i / 8) * 8 + i % 8] = v[0][i];
    return r;
}

Bits bitReverse(std::span<const Bits> v) {
    return Bits(v[0].rbegin(), v[0].rend());
}

std::size_t bitNumber(std::span<const Bits> v) {
    const std::size_t n = countOf(v[1]);
    if (n >= v[0].size())
        throw Refused{};
    return n;
}

Bits withBit(std::span<const Bits> v, int how) { // 1 set, 0 clear, -1 flip
    Bits r = v[0];
    const std::size_t n = bitNumber(v);
    r[n] = how < 0 ? !r[n] : how == 1;
    return r;
}

Bits testBit(std::span<const Bits> v) {
    return fromCount(v[0][bitNumber(v)] ? 1 : 0, v[0].size());
}

Bits mask(std::span<const Bits> v, bool high) {
    const std::size_t ws = v[0].size(), n = countOf(v[0]);
    if (n > ws)
        throw Refused{};
    Bits r(ws, false);
    for (std::size_t i = 0; i < n; ++i)
        r[high ? ws - 1 - i : i] = true;
    return r;
}

Bits signExtend(std::span<const Bits> v) {
    const std::size_t n = countOf(v[1]);
    if (n == 0 || n > v[0].size())
        throw Refused{};
    Bits r = v[0];
    for (std::size_t i = n; i < r.size(); ++i)
        r[i] = v[0][n - 1];
    return r;
}

// Start and width of a field of the first operand, checked.
std::pair<std::size_t, std::size_t> field(std::span<const Bits> v) {
    const std::size_t start = countOf(v[v.size() - 2]), width = countOf(v[v.size() - 1]);
    if (start + width > v[0].size())
        throw Refused{};
    return {start, width};
}

Bits fieldExtract(std::span<const Bits> v) {
    const auto [start, width] = field(v);
    Bits r(v[0].size(), false);
    for (std::size_t i = 0; i < width; ++i)
        r[i] = v[0][start + i];
    return r;
}

Bits fieldDeposit(std::span<const Bits> v) {
    const auto [start, width] = field(v);
    Bits r = v[0];
    for (std::size_t i = 0; i < width; ++i)
        r[start + i] = v[1][i];
    return r;
}

// --- the routines and their models ----------------------------------------------

using Texts = std::span<const std::string>;
struct Op {
    const char* name;
    std::size_t arity;
    std::string (*engine)(Texts, NumberBase, int);
    Model model;
};

// clang-format off
const Op kOps[] = {
    {"SLN", 2, [](Texts t, NumberBase b, int ws) { return e::ShiftLeftNInBase(t[0], t[1], b, ws); }, shiftLeft},
    {"SRN", 2, [](Texts t, NumberBase b, int ws) { return e::ShiftRightNInBase(t[0], t[1], b, ws); }, [](std::span<const Bits> v) { return shiftRight(v, false); }},
    {"ASRN", 2, [](Texts t, NumberBase b, int ws) { return e::ArithShiftRightNInBase(t[0], t[1], b, ws); }, [](std::span<const Bits> v) { return shiftRight(v, true); }},
    {"RLN", 2, [](Texts t, NumberBase b, int ws) { return e::RotateLeftNInBase(t[0], t[1], b, ws); }, [](std::span<const Bits> v) { return rotate(v, true); }},
    {"RRN", 2, [](Texts t, NumberBase b, int ws) { return e::RotateRightNInBase(t[0], t[1], b, ws); }, [](std::span<const Bits> v) { return rotate(v, false); }},
    {"MOD", 2, [](Texts t, NumberBase b, int ws) { return e::ModInBase(t[0], t[1], b, ws); }, mod},
    {"POPCNT", 1, [](Texts t, NumberBase b, int ws) { return e::PopCountInBase(t[0], b, ws); }, popCount},
    {"CLZ", 1, [](Texts t, NumberBase b, int ws) { return e::CountLeadingZerosInBase(t[0], b, ws); }, leadingZeros},
    {"CTZ", 1, [](Texts t, NumberBase b, int ws) { return e::CountTrailingZerosInBase(t[0], b, ws); }, trailingZeros},
    {"BSWAP", 1, [](Texts t, NumberBase b, int ws) { return e::ByteSwapInBase(t[0], b, ws); }, byteSwap},
    {"BREV", 1, [](Texts t, NumberBase b, int ws) { return e::BitReverseInBase(t[0], b, ws); }, bitReverse},
    {"SETB", 2, [](Texts t, NumberBase b, int ws) { return e::SetBitInBase(t[0], t[1], b, ws); }, [](std::span<const Bits> v) { return withBit(v, 1); }},
    {"CLRB", 2, [](Texts t, NumberBase b, int ws) { return e::ClearBitInBase(t[0], t[1], b, ws); }, [](std::span<const Bits> v) { return withBit(v, 0); }},
    {"FLIPB", 2, [](Texts t, NumberBase b, int ws) { return e::FlipBitInBase(t[0], t[1], b, ws); }, [](std::span<const Bits> v) { return withBit(v, -1); }},
    {"TESTB", 2, [](Texts t, NumberBase b, int ws) { return e::TestBitInBase(t[0], t[1], b, ws); }, testBit},
    {"MASKL", 1, [](Texts t, NumberBase b, int ws) { return e::MaskLeftInBase(t[0], b, ws); }, [](std::span<const Bits> v) { return mask(v, true); }},
    {"MASKR", 1, [](Texts t, NumberBase b, int ws) { return e::MaskRightInBase(t[0], b, ws); }, [](std::span<const Bits> v) { return mask(v, false); }},
    {"SEXT", 2, [](Texts t, NumberBase b, int ws) { return e::SignExtendInBase(t[0], t[1], b, ws); }, signExtend},
    {"FEXT", 3, [](Texts t, NumberBase b, int ws) { return e::FieldExtractInBase(t[0], t[1], t[2], b, ws); }, fieldExtract},
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
std::string modelOutcome(const Op& op, Texts texts, NumberBase base, int ws,
                         std::span<const Bits> known = {}) {
    try {
        std::vector<Bits> values(known.begin(), known.end());
        for (std::size_t i = values.size(); i < op.arity; ++i)
            values.push_back(readBits(texts[i], base, e::effectiveWordSize(ws)));
        return writeBits(op.model(values), base);
    } catch (const Refused&) {
        return "refused";
    } catch (const e::EngineError& error) {
        return std::string("error: ") + error.what();
    }
}

class Differences {
  public:
    void check(const Op& op, std::vector<std::string> texts, NumberBase base, int ws,
               std::span<const Bits> known = {}) {
        ++cases_;
        const std::string fast = engineOutcome(op, texts, base, ws);
        const std::string model = modelOutcome(op, texts, base, ws, known);
        if (fast != model && ++count_ <= 8) {
            samples_ += std::string(op.name) + " ws " + std::to_string(ws) + " base " +
                        std::to_string(int(base)) + " (";
            for (const auto& t : texts)
                samples_ += "'" + brief(t) + "' ";
            samples_ += "): engine " + brief(fast) + ", model " + brief(model) + "\n";
        }
    }
    void expectNone() const {
        EXPECT_EQ(count_, 0) << count_ << " of " << cases_ << " cases differ:\n" << samples_;
        EXPECT_GT(cases_, 0);
    }

  private:
    long cases_ = 0, count_ = 0;
    std::string samples_;
};

// Every value of a small word size: its canonical text and its bits.
struct Values {
    std::vector<std::string> texts;
    std::vector<Bits> bits;
};

Values allValues(NumberBase base, int ws) {
    Values v;
    for (std::size_t n = 0; n < (std::size_t{1} << ws); ++n) {
        v.bits.push_back(fromCount(n, static_cast<std::size_t>(ws)));
        v.texts.push_back(writeBits(v.bits.back(), base));
    }
    return v;
}

class BitToolsSmallWords : public ::testing::TestWithParam<int> {};

TEST_P(BitToolsSmallWords, EveryValueAndCountMatchesTheModel) {
    const int ws = GetParam();
    Differences d;
    for (NumberBase base : kBases) {
        const Values all = allValues(base, ws);
        const std::size_t count = all.texts.size();
        // Counts up to a little past the word size, and the largest values.
        std::vector<std::size_t> counts;
        for (std::size_t n = 0; n < count; ++n)
            if (n <= static_cast<std::size_t>(ws) + 1 || n + 2 >= count)
                counts.push_back(n);
        for (const Op& op : kOps) {
            const auto known = [&](std::initializer_list<std::size_t> at) {
                std::vector<Bits> b;
                for (std::size_t i : at)
                    b.push_back(all.bits[i]);
                return b;
            };
            for (std::size_t a = 0; a < count; ++a) {
                if (op.arity == 1) {
                    d.check(op, {all.texts[a]}, base, ws, known({a}));
                } else if (op.arity == 2) {
                    for (std::size_t b = 0; b < count; ++b)
                        d.check(op, {all.texts[a], all.texts[b]}, base, ws, known({a, b}));
                } else {
                    // The other value runs through every value as well.
                    const std::size_t z = (a * 37 + 11) % count;
                    for (std::size_t s : counts)
                        for (std::size_t w : counts)
                            d.check(op,
                                    op.arity == 3
                                        ? std::vector{all.texts[a], all.texts[s], all.texts[w]}
                                        : std::vector{all.texts[a], all.texts[z], all.texts[s],
                                                      all.texts[w]},
                                    base, ws,
                                    op.arity == 3 ? known({a, s, w}) : known({a, z, s, w}));
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
    Differences d;
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
                        d.check(op, args, base, ws);
                    }
        }
    }
    d.expectNone();
}

TEST(BitTools, SeededRandomCasesUpTo256BitsMatchTheModel) {
    Differences d;
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
                args.push_back(writeBits(fromCount(static_cast<std::size_t>(random.below(bits + 3)),
                                                   static_cast<std::size_t>(bits)),
                                         base));
            else
                args.push_back(random.operand(base, bits, 2));
        }
        d.check(op, args, base, ws);
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
