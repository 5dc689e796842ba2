#include "Support.h"

#include "engine/Engine.h"
#include "reference/Reference.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace quarnel::enginetest {

namespace {

// Every result as text.
struct Show {
    static std::string of(std::string s) { return s; }
    static std::string of(bool b) { return b ? "true" : "false"; }
    static std::string of(std::int32_t v) { return std::to_string(v); }
    template <typename Quotient> static std::string of(Quotient q) {
        return q.quotient + " r " + q.remainder;
    }
};

// clang-format off
// One row per routine: its name, shape and how both implementations take Args.
#define BOTH(name, shape, source, ...) Routine{#name, Shape::shape, NumberBase::source, \
    [](const Args& x) { return Show::of(quarnel::engine::name(__VA_ARGS__)); },         \
    [](const Args& x) { return Show::of(quarnel::reference::name(__VA_ARGS__)); }}
#define TWO(name) BOTH(name, TwoOperands, Dec, x.a, x.b, x.base, x.ws)
#define ONE(name) BOTH(name, OneOperand, Dec, x.a, x.base, x.ws)
#define CONVERSION(name, source) BOTH(name, Conversion, source, x.a, x.ws)
#define TEXT_INT(name) BOTH(name, Other, Dec, x.a, x.ws)
#define PAIR(name) BOTH(name, Other, Dec, x.a, x.b)
#define TEXT(name) BOTH(name, Other, Dec, x.a)

} // namespace

const std::vector<Routine>& routines() {
    static const std::vector<Routine> table = {
        TWO(AddInBase), TWO(SubInBase), TWO(MulInBase), TWO(DivInBase), TWO(AndInBase), TWO(OrInBase),
        TWO(XorInBase), ONE(NegInBase), ONE(NotInBase), ONE(ShiftLeftInBase), ONE(ShiftRightInBase),
        ONE(ArithShiftRightInBase), ONE(ShiftLeftByteInBase), ONE(ShiftRightByteInBase), ONE(RotateLeftInBase),
        ONE(RotateRightInBase), ONE(RotateLeftByteInBase), ONE(RotateRightByteInBase),
        CONVERSION(HexToBin, Hex), CONVERSION(OctToBin, Oct), CONVERSION(BinToHex, Bin), CONVERSION(BinToOct, Bin),
        CONVERSION(DecToHex, Dec), CONVERSION(HexToDec, Hex), CONVERSION(DecToBin, Dec), CONVERSION(BinToDec, Bin),
        CONVERSION(DecToOct, Dec), CONVERSION(OctToDec, Oct), CONVERSION(OctToHex, Oct), CONVERSION(HexToOct, Hex),
        TEXT_INT(ClipToWordSize), TEXT_INT(DropLowBit), TEXT_INT(RotateBitsLeft), TEXT_INT(RotateBitsRight),
        TEXT_INT(RotateBytesLeft), TEXT_INT(RotateBytesRight), TEXT_INT(AppendZeros), TEXT_INT(PrependZeros),
        TEXT_INT(DecMulSmall), TEXT_INT(DecDivSmall), PAIR(DecAdd), PAIR(DecMul), PAIR(DecSub), PAIR(DecEqual),
        PAIR(DecGreater), PAIR(DecLess), PAIR(DecFitCount), PAIR(DecDiv), TEXT(StripLeadingZeros),
        TEXT(ReverseString), TEXT(InvertBits), TEXT(DecPowerOf16), BOTH(IsValidNumber, Other, Dec, x.a, x.base),
        BOTH(IntPower, Other, Dec, std::stoi(x.a), x.ws)};
    return table;
}
// clang-format on

const Routine& routine(const std::string& name) {
    for (const Routine& r : routines())
        if (name == r.name)
            return r;
    throw std::invalid_argument("no routine " + name);
}

std::string outcome(const Call& call, const Args& args) {
    try {
        return call(args);
    } catch (const engine::EngineError& e) {
        return std::string("error: ") + e.what();
    }
}

std::string brief(const std::string& text) {
    return text.size() <= 80 ? text
                             : text.substr(0, 30) + "..." + text.substr(text.size() - 30) + " (" +
                                   std::to_string(text.size()) + " chars)";
}

void Mismatches::compare(const Routine& r, const Args& args) {
    record(outcome(r.fast, args), outcome(r.reference, args), [&] {
        return std::string(r.name) + "('" + brief(args.a) + "', '" + brief(args.b) + "', base " +
               std::to_string(static_cast<int>(args.base)) + ", " + std::to_string(args.ws) + ")";
    });
}

void Mismatches::record(const std::string& fast, const std::string& other,
                        const std::function<std::string()>& call) {
    ++cases_;
    if (fast != other && ++count_ <= 12)
        samples_ += "\n  " + call() + ": fast '" + brief(fast) + "', other '" + brief(other) + "'";
}

void Mismatches::expectNone() const {
    EXPECT_EQ(count_, 0) << "of " << cases_ << " cases differ; first ones:" << samples_;
    EXPECT_GT(cases_, 0);
}

const char* digitsOf(NumberBase base) {
    return base == NumberBase::Hex   ? "0123456789ABCDEF"
           : base == NumberBase::Oct ? "01234567"
           : base == NumberBase::Bin ? "01"
                                     : "0123456789";
}

std::vector<std::string> smallWordTexts(NumberBase base, int ws) {
    const auto radix = static_cast<std::uint64_t>(std::strlen(digitsOf(base)));
    const auto write = [&](std::uint64_t v, std::size_t width) {
        std::string text;
        for (; v != 0 || text.empty() || text.size() < width; v /= radix)
            text.insert(text.begin(), digitsOf(base)[v % radix]);
        return text;
    };
    const std::uint64_t count = std::uint64_t{1} << ws;
    const std::size_t width = write(count - 1, 0).size();
    std::vector<std::string> texts;
    for (std::uint64_t v = 0; v < count; ++v)
        texts.insert(texts.end(), {write(v, 0), "0" + write(v, 0),
                                   digitsOf(base)[1 + v % (radix - 1)] + write(v, width)});
    return texts;
}

std::vector<std::string> invalidTexts(NumberBase base) {
    // Digits of other bases, and characters of none.
    const std::string foreign = base == NumberBase::Bin   ? "2Fz -"
                                : base == NumberBase::Oct ? "8F. x"
                                : base == NumberBase::Dec ? "aG+ /"
                                                          : "Gg:@-";
    std::vector<std::string> texts{"", "01 "};
    for (char bad : foreign)
        texts.insert(texts.end(),
                     {std::string(1, bad), std::string("1") + bad, bad + std::string("0")});
    return texts;
}

std::string Random::digits(const char* alphabet, std::size_t length, bool leadingNonZero) {
    const int size = static_cast<int>(std::strlen(alphabet));
    std::string text(length, '0');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = alphabet[i == 0 && leadingNonZero ? 1 + below(size - 1) : below(size)];
    return text;
}

int Random::wordSize() {
    static constexpr int kBoundaries[] = {0, 1, 2, 7, 8, 9, 31, 32, 63, 64, 65, 127, 128, 129, 200};
    if (chance(12))
        return kBoundaries[below(static_cast<int>(std::size(kBoundaries)))];
    // The reference's cost grows with the cube of the word size.
    const int limit = 1 + below(200);
    return 1 + below(chance(50) ? limit : 1 + below(limit));
}

std::string Random::operand(NumberBase base, int ws, int invalidPercent) {
    const int n = engine::effectiveWordSize(ws);
    if (chance(invalidPercent)) {
        const std::vector<std::string> bad = invalidTexts(base);
        return bad[below(static_cast<int>(bad.size()))];
    }
    if (chance(15)) {
        // 0, 1, all ones, the top bit, 2^ws and one bit too many, through the reference.
        // clang-format off
        const std::string bits[] = {"0", "1", std::string(n, '1'), "1" + std::string(n - 1, '0'),
                                    "1" + std::string(n, '0'), std::string(n + 1, '1')};
        // clang-format on
        const std::string& b = bits[below(6)];
        return base == NumberBase::Hex   ? reference::BinToHex(b, n + 8)
               : base == NumberBase::Oct ? reference::BinToOct(b, n + 8)
               : base == NumberBase::Dec ? reference::BinToDec(b, n + 8)
                                         : b;
    }
    const int width = base == NumberBase::Bin   ? n
                      : base == NumberBase::Hex ? (n + 3) / 4
                      : base == NumberBase::Oct ? (n + 2) / 3
                                                : (n * 30103 + 99999) / 100000;
    int length = chance(25) ? width : 1 + below(width);
    if (chance(12))
        length = width + 1 + below(base == NumberBase::Bin ? 12 : 4);
    const bool lower = base == NumberBase::Hex && chance(30);
    std::string text = digits(lower ? "0123456789abcdef" : digitsOf(base), length);
    if (chance(10))
        text.insert(0, 1 + below(3), '0');
    return text;
}

} // namespace quarnel::enginetest
