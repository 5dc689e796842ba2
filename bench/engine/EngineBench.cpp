// Per-call cost of the engine's common operations at word sizes 64 and 128,
// next to a native 128-bit integer doing the same text-in, text-out work and,
// when built, the plain digit-by-digit transcription kept with the tests.

#include "BitsBench.h"
#include "LongTextBench.h"
#include "NativeBaseline.h"
#include "Operands.h"

#include "engine/Engine.h"
#ifdef QUARNEL_BENCH_WITH_REFERENCE
#include "engine/reference/Reference.h"
#endif

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace quarnel::bench {

namespace {

using engine::NumberBase;

enum class Impl { Native, Engine, Reference };
enum class Op { Add, Sub, Mul, Div, Not, And, ShiftLeft, RotateLeft, HexToDec, DecToHex };

constexpr Op kOps[] = {Op::Add, Op::Sub,       Op::Mul,        Op::Div,      Op::Not,
                       Op::And, Op::ShiftLeft, Op::RotateLeft, Op::HexToDec, Op::DecToHex};

const char* opName(Op op) {
    switch (op) {
    case Op::Add:
        return "AddInBase";
    case Op::Sub:
        return "SubInBase";
    case Op::Mul:
        return "MulInBase";
    case Op::Div:
        return "DivInBase";
    case Op::Not:
        return "NotInBase";
    case Op::And:
        return "AndInBase";
    case Op::ShiftLeft:
        return "ShiftLeftInBase";
    case Op::RotateLeft:
        return "RotateLeftInBase";
    case Op::HexToDec:
        return "HexToDec";
    case Op::DecToHex:
        break;
    }
    return "DecToHex";
}

const char* implName(Impl impl) {
    switch (impl) {
    case Impl::Native:
        return "native";
    case Impl::Engine:
        return "engine";
    case Impl::Reference:
        break;
    }
    return "reference";
}

std::string callNative(Op op, std::string_view a, std::string_view b, NumberBase base, int ws) {
    const Native mask = nativeMask(ws);
    if (op == Op::HexToDec) {
        return nativeFormat(nativeParse(a, NumberBase::Hex, ws), NumberBase::Dec);
    }
    if (op == Op::DecToHex) {
        return nativeFormat(nativeParse(a, NumberBase::Dec, ws), NumberBase::Hex);
    }
    const Native x = nativeParse(a, base, ws);
    Native r = 0;
    switch (op) {
    case Op::Add:
        r = x + nativeParse(b, base, ws);
        break;
    case Op::Sub:
        r = x - nativeParse(b, base, ws);
        break;
    case Op::Mul:
        r = x * nativeParse(b, base, ws);
        break;
    case Op::Div: {
        const Native y = nativeParse(b, base, ws);
        r = y == 0 ? 0 : x / y;
        break;
    }
    case Op::Not:
        r = ~x;
        break;
    case Op::And:
        r = x & nativeParse(b, base, ws);
        break;
    case Op::ShiftLeft:
        r = x << 1;
        break;
    case Op::RotateLeft:
        r = (x << 1) | (x >> (ws - 1));
        break;
    case Op::HexToDec:
    case Op::DecToHex:
        break;
    }
    return nativeFormat(r & mask, base);
}

template <typename Api>
std::string callApi(Op op, std::string_view a, std::string_view b, NumberBase base, int ws) {
    switch (op) {
    case Op::Add:
        return Api::add(a, b, base, ws);
    case Op::Sub:
        return Api::sub(a, b, base, ws);
    case Op::Mul:
        return Api::mul(a, b, base, ws);
    case Op::Div:
        return Api::div(a, b, base, ws);
    case Op::Not:
        return Api::inv(a, base, ws);
    case Op::And:
        return Api::bitAnd(a, b, base, ws);
    case Op::ShiftLeft:
        return Api::shl(a, base, ws);
    case Op::RotateLeft:
        return Api::rol(a, base, ws);
    case Op::HexToDec:
        return Api::hexToDec(a, ws);
    case Op::DecToHex:
        break;
    }
    return Api::decToHex(a, ws);
}

#define QUARNEL_BENCH_API(Name, ns)                                                                \
    struct Name {                                                                                  \
        static constexpr auto add = ns::AddInBase;                                                 \
        static constexpr auto sub = ns::SubInBase;                                                 \
        static constexpr auto mul = ns::MulInBase;                                                 \
        static constexpr auto div = ns::DivInBase;                                                 \
        static constexpr auto inv = ns::NotInBase;                                                 \
        static constexpr auto bitAnd = ns::AndInBase;                                              \
        static constexpr auto shl = ns::ShiftLeftInBase;                                           \
        static constexpr auto rol = ns::RotateLeftInBase;                                          \
        static constexpr auto hexToDec = ns::HexToDec;                                             \
        static constexpr auto decToHex = ns::DecToHex;                                             \
    };

QUARNEL_BENCH_API(EngineApi, engine)
#ifdef QUARNEL_BENCH_WITH_REFERENCE
QUARNEL_BENCH_API(ReferenceApi, reference)
#endif

struct Case {
    Op op;
    NumberBase base;
    int ws;
    std::vector<std::string> firsts;
    std::vector<std::string> seconds;
};

constexpr std::size_t kOperandCount = 256;

Case makeCase(Op op, NumberBase base, int ws) {
    Case c{op, base, ws, {}, {}};
    const NumberBase inputBase = op == Op::HexToDec   ? NumberBase::Hex
                                 : op == Op::DecToHex ? NumberBase::Dec
                                                      : base;
    c.firsts = randomOperands(inputBase, ws, kOperandCount, 11u + unsigned(ws));
    if (op == Op::Div) {
        // Divisors of every length up to the word size, so quotients vary.
        std::mt19937 rng(29u + unsigned(ws));
        for (std::size_t i = 0; i < kOperandCount; ++i) {
            const int bits = 1 + int(rng() % unsigned(ws));
            c.seconds.push_back(randomOperands(inputBase, bits, 1, rng()).front());
        }
    } else {
        c.seconds = randomOperands(inputBase, ws, kOperandCount, 17u + unsigned(ws));
    }
    return c;
}

void run(benchmark::State& state, const Case& c, Impl impl) {
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& a = c.firsts[i];
        const std::string& b = c.seconds[i];
        std::string r;
        switch (impl) {
        case Impl::Native:
            r = callNative(c.op, a, b, c.base, c.ws);
            break;
        case Impl::Engine:
            r = callApi<EngineApi>(c.op, a, b, c.base, c.ws);
            break;
        case Impl::Reference:
#ifdef QUARNEL_BENCH_WITH_REFERENCE
            r = callApi<ReferenceApi>(c.op, a, b, c.base, c.ws);
#endif
            break;
        }
        benchmark::DoNotOptimize(r);
        i = (i + 1) % kOperandCount;
    }
}

void registerWordSizeBenchmarks() {
    std::vector<Impl> impls = {Impl::Native, Impl::Engine};
#ifdef QUARNEL_BENCH_WITH_REFERENCE
    impls.push_back(Impl::Reference);
#endif
    for (int ws : {64, 128}) {
        for (NumberBase base : {NumberBase::Hex, NumberBase::Dec}) {
            for (Op op : kOps) {
                if ((op == Op::HexToDec && base != NumberBase::Hex) ||
                    (op == Op::DecToHex && base != NumberBase::Dec)) {
                    continue;
                }
                const auto c = std::make_shared<Case>(makeCase(op, base, ws));
                for (Impl impl : impls) {
                    const std::string name = std::string("word/") + opName(op) + "/" +
                                             (base == NumberBase::Hex ? "HEX" : "DEC") + "/" +
                                             std::to_string(ws) + "/" + implName(impl);
                    benchmark::RegisterBenchmark(
                        name.c_str(), [c, impl](benchmark::State& s) { run(s, *c, impl); });
                }
            }
        }
    }
}

} // namespace

} // namespace quarnel::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    quarnel::bench::registerWordSizeBenchmarks();
    quarnel::bench::registerLongTextBenchmarks();
    quarnel::bench::registerBitToolBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
