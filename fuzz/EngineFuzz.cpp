// Feeds arbitrary text, base and word size to every public routine of the
// engine and of the plain reference transcription, and stops on the first
// difference in result text or error message.

#include "engine/Engine.h"
#include "engine/reference/Reference.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

namespace e = quarnel::engine;
namespace r = quarnel::reference;
using quarnel::engine::NumberBase;

// The reference is digit-serial and slow on long text.
constexpr std::size_t kMaxText = 200;

struct Outcome {
    bool failed = false;
    std::string text;
};

template <typename F> Outcome capture(F&& f) {
    try {
        return {false, f()};
    } catch (const e::EngineError& error) {
        return {true, error.what()};
    }
}

std::string show(bool b) {
    return b ? "true" : "false";
}

template <typename F, typename G> void same(const char* routine, F&& fast, G&& plain) {
    const Outcome a = capture(fast);
    const Outcome b = capture(plain);
    if (a.failed != b.failed || a.text != b.text) {
        std::fprintf(stderr, "%s differs\n  engine:    %s%s\n  reference: %s%s\n", routine,
                     a.failed ? "error " : "", a.text.c_str(), b.failed ? "error " : "",
                     b.text.c_str());
        std::abort();
    }
}

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t byte() {
        if (size == 0) {
            return 0;
        }
        --size;
        return *data++;
    }
    std::string_view rest() const {
        return {reinterpret_cast<const char*>(data), size < kMaxText ? size : kMaxText};
    }
};

// Decimal digits only, for the routines whose operands are decimal digit text.
std::string digitsOnly(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
    }
    return out;
}

// A second operand after the first newline, if any.
std::pair<std::string_view, std::string_view> splitOperands(std::string_view text) {
    const std::size_t cut = text.find('\n');
    if (cut == std::string_view::npos) {
        return {text, text};
    }
    return {text.substr(0, cut), text.substr(cut + 1)};
}

using Binary = std::string (*)(std::string_view, std::string_view, NumberBase, int);
using Unary = std::string (*)(std::string_view, NumberBase, int);
using Conversion = std::string (*)(std::string_view, int);
using BitRoutine = std::string (*)(std::string_view, int);

struct BinaryPair {
    const char* name;
    Binary fast;
    Binary plain;
};
struct UnaryPair {
    const char* name;
    Unary fast;
    Unary plain;
};
struct ConversionPair {
    const char* name;
    Conversion fast;
    Conversion plain;
};

#define PAIR(name)                                                                                 \
    { #name, e::name, r::name }
const BinaryPair kBinary[] = {PAIR(AddInBase), PAIR(SubInBase), PAIR(MulInBase), PAIR(DivInBase),
                              PAIR(AndInBase), PAIR(OrInBase),  PAIR(XorInBase)};
const UnaryPair kUnary[] = {PAIR(NegInBase),
                            PAIR(NotInBase),
                            PAIR(ShiftLeftInBase),
                            PAIR(ShiftRightInBase),
                            PAIR(ArithShiftRightInBase),
                            PAIR(ShiftLeftByteInBase),
                            PAIR(ShiftRightByteInBase),
                            PAIR(RotateLeftInBase),
                            PAIR(RotateRightInBase),
                            PAIR(RotateLeftByteInBase),
                            PAIR(RotateRightByteInBase)};
const ConversionPair kConversions[] = {
    PAIR(HexToBin),        PAIR(OctToBin),        PAIR(BinToHex),       PAIR(BinToOct),
    PAIR(DecToHex),        PAIR(HexToDec),        PAIR(DecToBin),       PAIR(BinToDec),
    PAIR(DecToOct),        PAIR(OctToDec),        PAIR(OctToHex),       PAIR(HexToOct),
    PAIR(ClipToWordSize),  PAIR(DropLowBit),      PAIR(RotateBitsLeft), PAIR(RotateBitsRight),
    PAIR(RotateBytesLeft), PAIR(RotateBytesRight)};
#undef PAIR

void fuzzOne(Input in) {
    const unsigned selector = in.byte();
    const auto base = static_cast<NumberBase>(in.byte() % 4);
    // Word sizes 0 to 300, and a few below zero.
    const int ws = static_cast<int>((in.byte() | (unsigned(in.byte()) << 8)) % 306) - 5;
    const std::string_view text = in.rest();
    const auto operands = splitOperands(text);
    const std::string_view first = operands.first;
    const std::string_view second = operands.second;

    constexpr unsigned kGroups = 5;
    switch (selector % kGroups) {
    case 0: {
        const BinaryPair& op = kBinary[(selector / kGroups) % std::size(kBinary)];
        same(
            op.name, [&] { return op.fast(first, second, base, ws); },
            [&] { return op.plain(first, second, base, ws); });
        break;
    }
    case 1: {
        const UnaryPair& op = kUnary[(selector / kGroups) % std::size(kUnary)];
        same(
            op.name, [&] { return op.fast(text, base, ws); },
            [&] { return op.plain(text, base, ws); });
        break;
    }
    case 2: {
        const ConversionPair& c = kConversions[(selector / kGroups) % std::size(kConversions)];
        same(
            c.name, [&] { return c.fast(text, ws); }, [&] { return c.plain(text, ws); });
        break;
    }
    case 3: {
        // The auxiliary routines and the comparisons take any text.
        switch ((selector / kGroups) % 10) {
        case 0:
            same(
                "IsValidNumber", [&] { return show(e::IsValidNumber(text, base)); },
                [&] { return show(r::IsValidNumber(text, base)); });
            break;
        case 1:
            same(
                "StripLeadingZeros", [&] { return e::StripLeadingZeros(text); },
                [&] { return r::StripLeadingZeros(text); });
            break;
        case 2:
            same(
                "ReverseString", [&] { return e::ReverseString(text); },
                [&] { return r::ReverseString(text); });
            break;
        case 3:
            same(
                "AppendZeros", [&] { return e::AppendZeros(text, ws); },
                [&] { return r::AppendZeros(text, ws); });
            break;
        case 4:
            same(
                "PrependZeros", [&] { return e::PrependZeros(text, ws); },
                [&] { return r::PrependZeros(text, ws); });
            break;
        case 5:
            same(
                "IntPower", [&] { return std::to_string(e::IntPower(ws, ws % 40)); },
                [&] { return std::to_string(r::IntPower(ws, ws % 40)); });
            break;
        case 6:
            same(
                "InvertBits", [&] { return e::InvertBits(text); },
                [&] { return r::InvertBits(text); });
            break;
        case 7:
            same(
                "DecEqual", [&] { return show(e::DecEqual(first, second)); },
                [&] { return show(r::DecEqual(first, second)); });
            break;
        case 8:
            same(
                "DecGreater", [&] { return show(e::DecGreater(first, second)); },
                [&] { return show(r::DecGreater(first, second)); });
            break;
        default:
            same(
                "DecLess", [&] { return show(e::DecLess(first, second)); },
                [&] { return show(r::DecLess(first, second)); });
            break;
        }
        break;
    }
    default: {
        // The decimal primitives, on decimal digit text as their callers give it.
        const std::string a = digitsOnly(first);
        const std::string b = digitsOnly(second);
        switch ((selector / kGroups) % 9) {
        case 0:
            same(
                "DecAdd", [&] { return e::DecAdd(a, b); }, [&] { return r::DecAdd(a, b); });
            break;
        case 1:
            same(
                "DecMulSmall", [&] { return e::DecMulSmall(a, ws % 10); },
                [&] { return r::DecMulSmall(a, ws % 10); });
            break;
        case 2:
            same(
                "DecMul", [&] { return e::DecMul(a, b); }, [&] { return r::DecMul(a, b); });
            break;
        case 3: {
            const std::string n = std::to_string(ws < 0 ? 0 : ws);
            same(
                "DecPowerOf16", [&] { return e::DecPowerOf16(n); },
                [&] { return r::DecPowerOf16(n); });
            break;
        }
        case 4: {
            // Any text here: the short division mirrors the digit loop exactly.
            const int d = ws;
            same(
                "DecDivSmall",
                [&] {
                    const auto q = e::DecDivSmall(text, d);
                    return q.quotient + "/" + q.remainder;
                },
                [&] {
                    const auto q = r::DecDivSmall(text, d);
                    return q.quotient + "/" + q.remainder;
                });
            break;
        }
        case 5:
            if (r::DecLess(a, b)) {
                break;
            }
            same(
                "DecSub", [&] { return e::DecSub(a, b); }, [&] { return r::DecSub(a, b); });
            break;
        case 6:
            // Counted by repeated addition in the reference: keep the count small.
            if (r::StripLeadingZeros(b) == "0" ||
                r::StripLeadingZeros(a).size() > r::StripLeadingZeros(b).size() + 1) {
                break;
            }
            same(
                "DecFitCount", [&] { return std::to_string(e::DecFitCount(a, b)); },
                [&] { return std::to_string(r::DecFitCount(a, b)); });
            break;
        case 7:
            same(
                "DecDiv", [&] { return e::DecDiv(a, b); }, [&] { return r::DecDiv(a, b); });
            break;
        default:
            same(
                "DecSub", [&] { return e::DecSub(a, "0"); }, [&] { return r::DecSub(a, "0"); });
            break;
        }
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzOne(Input{data, size});
    return 0;
}
