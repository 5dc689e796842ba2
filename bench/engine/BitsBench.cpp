// Per-call cost of the bit tools at word sizes 64 and 128, text in and text
// out, next to a native 128-bit integer doing the same work. Names follow the
// word-size benchmarks ("word/<routine>/<base>/<ws>/<impl>"), so ratios.py
// reads them too.

#include "BitsBench.h"

#include "NativeBaseline.h"
#include "Operands.h"

#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace quarnel::bench {

namespace {

using engine::NumberBase;
namespace e = engine;
using Texts = std::array<std::string_view, 4>;
using Values = std::array<Native, 4>;

Native bit(unsigned n) {
    return Native{1} << n;
}

unsigned count(Native v) {
    return static_cast<unsigned>(v);
}

Native low(unsigned n) {
    return n >= 128 ? ~Native{0} : bit(n) - 1;
}

Native reverseBytes(Native v, int ws) {
    const Native r = (static_cast<Native>(__builtin_bswap64(static_cast<std::uint64_t>(v))) << 64) |
                     __builtin_bswap64(static_cast<std::uint64_t>(v >> 64));
    return r >> (128 - ws);
}

Native reverseBits(Native v, int ws) {
    Native r = 0;
    for (int i = 0; i < ws; ++i, v >>= 1)
        r = (r << 1) | (v & 1);
    return r;
}

int popcount(Native v) {
    return __builtin_popcountll(static_cast<std::uint64_t>(v)) +
           __builtin_popcountll(static_cast<std::uint64_t>(v >> 64));
}

int trailing(Native v, int ws) {
    if (v == 0)
        return ws;
    const auto lowHalf = static_cast<std::uint64_t>(v);
    return lowHalf != 0 ? __builtin_ctzll(lowHalf)
                        : 64 + __builtin_ctzll(static_cast<std::uint64_t>(v >> 64));
}

int bitLength(Native v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    if (high != 0)
        return 128 - __builtin_clzll(high);
    const auto lowHalf = static_cast<std::uint64_t>(v);
    return lowHalf != 0 ? 64 - __builtin_clzll(lowHalf) : 0;
}

// What each operand position holds: a value, a count below ws, a divisor of
// any length, a field's start and width (start + width <= ws).
enum class Kind { Value, Count, Divisor, Start, Width };

struct BitOp {
    const char* name;
    std::array<Kind, 4> kinds;
    std::size_t arity;
    Native (*native)(const Values&, int ws);
    std::string (*engine)(const Texts&, NumberBase, int);
};

using K = Kind;
constexpr std::array<Kind, 4> vc{K::Value, K::Count};
constexpr std::array<Kind, 4> v{K::Value};
constexpr std::array<Kind, 4> c{K::Count};

// clang-format off
const BitOp kBitOps[] = {
    {"ShiftLeftNInBase", vc, 2, [](const Values& x, int) { return x[0] << count(x[1]); }, [](const Texts& t, NumberBase b, int ws) { return e::ShiftLeftNInBase(t[0], t[1], b, ws); }},
    {"ShiftRightNInBase", vc, 2, [](const Values& x, int) { return x[0] >> count(x[1]); }, [](const Texts& t, NumberBase b, int ws) { return e::ShiftRightNInBase(t[0], t[1], b, ws); }},
    {"ArithShiftRightNInBase", vc, 2, [](const Values& x, int ws) { const unsigned n = count(x[1]); const Native r = x[0] >> n; return (x[0] >> (ws - 1)) & 1 ? r | ~low(unsigned(ws) - n) : r; }, [](const Texts& t, NumberBase b, int ws) { return e::ArithShiftRightNInBase(t[0], t[1], b, ws); }},
    {"RotateLeftNInBase", vc, 2, [](const Values& x, int ws) { const unsigned n = count(x[1]) % unsigned(ws); return n == 0 ? x[0] : (x[0] << n) | (x[0] >> (unsigned(ws) - n)); }, [](const Texts& t, NumberBase b, int ws) { return e::RotateLeftNInBase(t[0], t[1], b, ws); }},
    {"RotateRightNInBase", vc, 2, [](const Values& x, int ws) { const unsigned n = count(x[1]) % unsigned(ws); return n == 0 ? x[0] : (x[0] >> n) | (x[0] << (unsigned(ws) - n)); }, [](const Texts& t, NumberBase b, int ws) { return e::RotateRightNInBase(t[0], t[1], b, ws); }},
    {"ModInBase", {K::Value, K::Divisor}, 2, [](const Values& x, int) { return x[0] % x[1]; }, [](const Texts& t, NumberBase b, int ws) { return e::ModInBase(t[0], t[1], b, ws); }},
    {"PopCountInBase", v, 1, [](const Values& x, int) { return Native(popcount(x[0])); }, [](const Texts& t, NumberBase b, int ws) { return e::PopCountInBase(t[0], b, ws); }},
    {"CountLeadingZerosInBase", v, 1, [](const Values& x, int ws) { return Native(ws - bitLength(x[0])); }, [](const Texts& t, NumberBase b, int ws) { return e::CountLeadingZerosInBase(t[0], b, ws); }},
    {"CountTrailingZerosInBase", v, 1, [](const Values& x, int ws) { return Native(trailing(x[0], ws)); }, [](const Texts& t, NumberBase b, int ws) { return e::CountTrailingZerosInBase(t[0], b, ws); }},
    {"ByteSwapInBase", v, 1, [](const Values& x, int ws) { return reverseBytes(x[0], ws); }, [](const Texts& t, NumberBase b, int ws) { return e::ByteSwapInBase(t[0], b, ws); }},
    {"BitReverseInBase", v, 1, [](const Values& x, int ws) { return reverseBits(x[0], ws); }, [](const Texts& t, NumberBase b, int ws) { return e::BitReverseInBase(t[0], b, ws); }},
    {"SetBitInBase", vc, 2, [](const Values& x, int) { return x[0] | bit(count(x[1])); }, [](const Texts& t, NumberBase b, int ws) { return e::SetBitInBase(t[0], t[1], b, ws); }},
    {"ClearBitInBase", vc, 2, [](const Values& x, int) { return x[0] & ~bit(count(x[1])); }, [](const Texts& t, NumberBase b, int ws) { return e::ClearBitInBase(t[0], t[1], b, ws); }},
    {"FlipBitInBase", vc, 2, [](const Values& x, int) { return x[0] ^ bit(count(x[1])); }, [](const Texts& t, NumberBase b, int ws) { return e::FlipBitInBase(t[0], t[1], b, ws); }},
    {"TestBitInBase", vc, 2, [](const Values& x, int) { return (x[0] >> count(x[1])) & 1; }, [](const Texts& t, NumberBase b, int ws) { return e::TestBitInBase(t[0], t[1], b, ws); }},
    {"MaskLeftInBase", c, 1, [](const Values& x, int ws) { return ~low(unsigned(ws) - count(x[0])); }, [](const Texts& t, NumberBase b, int ws) { return e::MaskLeftInBase(t[0], b, ws); }},
    {"MaskRightInBase", c, 1, [](const Values& x, int) { return low(count(x[0])); }, [](const Texts& t, NumberBase b, int ws) { return e::MaskRightInBase(t[0], b, ws); }},
    {"SignExtendInBase", {K::Value, K::Width}, 2, [](const Values& x, int) { const unsigned n = count(x[1]) == 0 ? 1 : count(x[1]); return (x[0] >> (n - 1)) & 1 ? x[0] | ~low(n) : x[0] & low(n); }, [](const Texts& t, NumberBase b, int ws) { return e::SignExtendInBase(t[0], t[1], b, ws); }},
    {"FieldExtractInBase", {K::Value, K::Start, K::Width}, 3, [](const Values& x, int) { return (x[0] >> count(x[1])) & low(count(x[2])); }, [](const Texts& t, NumberBase b, int ws) { return e::FieldExtractInBase(t[0], t[1], t[2], b, ws); }},
    {"FieldDepositInBase", {K::Value, K::Value, K::Start, K::Width}, 4, [](const Values& x, int) { const Native m = low(count(x[3])) << count(x[2]); return (x[0] & ~m) | ((x[1] << count(x[2])) & m); }, [](const Texts& t, NumberBase b, int ws) { return e::FieldDepositInBase(t[0], t[1], t[2], t[3], b, ws); }},
};
// clang-format on

constexpr std::size_t kCount = 256;

struct BitCase {
    const BitOp* op;
    NumberBase base;
    int ws;
    std::array<std::vector<std::string>, 4> texts;
};

BitCase makeBitCase(const BitOp& op, NumberBase base, int ws) {
    BitCase bc{&op, base, ws, {}};
    std::mt19937 rng(41u + unsigned(ws));
    const std::vector<std::string> values = randomOperands(base, ws, kCount * 2, 7u + unsigned(ws));
    for (std::size_t i = 0; i < kCount; ++i) {
        // Fields of any place and width within the word; counts below ws.
        const unsigned start = rng() % unsigned(ws);
        const unsigned width = 1 + rng() % (unsigned(ws) - start);
        for (std::size_t k = 0; k < op.arity; ++k) {
            std::string text;
            switch (op.kinds[k]) {
            case Kind::Value:
                text = values[i * 2 + k % 2];
                break;
            case Kind::Count:
                text = nativeFormat(rng() % unsigned(ws), base);
                break;
            case Kind::Divisor:
                text = randomOperands(base, 1 + int(rng() % unsigned(ws)), 1, rng()).front();
                break;
            case Kind::Start:
                text = nativeFormat(start, base);
                break;
            case Kind::Width:
                text = nativeFormat(width, base);
                break;
            }
            bc.texts[k].push_back(std::move(text));
        }
    }
    return bc;
}

std::string callBits(const BitCase& bc, std::size_t i, bool native) {
    Texts t{};
    for (std::size_t k = 0; k < bc.op->arity; ++k)
        t[k] = bc.texts[k][i];
    if (!native)
        return bc.op->engine(t, bc.base, bc.ws);
    Values x{};
    for (std::size_t k = 0; k < bc.op->arity; ++k)
        x[k] = nativeParse(t[k], bc.base, bc.ws);
    return nativeFormat(bc.op->native(x, bc.ws) & nativeMask(bc.ws), bc.base);
}

void runBits(benchmark::State& state, const BitCase& bc, bool native) {
    std::size_t i = 0;
    for (auto _ : state) {
        std::string r = callBits(bc, i, native);
        benchmark::DoNotOptimize(r);
        i = (i + 1) % kCount;
    }
}

} // namespace

void registerBitToolBenchmarks() {
    for (int ws : {64, 128}) {
        for (NumberBase base : {NumberBase::Hex, NumberBase::Dec}) {
            for (const BitOp& op : kBitOps) {
                const auto bc = std::make_shared<BitCase>(makeBitCase(op, base, ws));
                // A yardstick that computes something else measures nothing.
                for (std::size_t i = 0; i < kCount; ++i)
                    if (callBits(*bc, i, true) != callBits(*bc, i, false))
                        std::fprintf(stderr, "%s ws %d: native and engine differ at case %zu\n",
                                     op.name, ws, i);
                for (bool native : {true, false}) {
                    const std::string name = std::string("word/") + op.name + "/" +
                                             (base == NumberBase::Hex ? "HEX" : "DEC") + "/" +
                                             std::to_string(ws) + "/" +
                                             (native ? "native" : "engine");
                    benchmark::RegisterBenchmark(name.c_str(), [bc, native](benchmark::State& s) {
                        runBits(s, *bc, native);
                    });
                }
            }
        }
    }
}

} // namespace quarnel::bench
