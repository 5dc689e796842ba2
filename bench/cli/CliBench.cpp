// The terminal front end as quarnel-cli runs it, minus the process: a line
// of tokens run as a line of standard input, then the display printed (to a
// stream that drops the text). The same scripts, against dc and python3 as whole
// programs, are in cli_vs.sh.

#include "cli/Script.h"
#include "cli/Session.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ostream>
#include <random>
#include <streambuf>
#include <string>
#include <vector>

namespace {

using quarnel::cli::Session;

class Discard final : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

std::string hexValue(std::mt19937_64& random, int bits) {
    char text[40];
    const auto low = static_cast<unsigned long long>(random()) | (bits == 64 ? 1ULL << 63 : 0);
    if (bits == 64) {
        std::snprintf(text, sizeof text, "%llX", low);
    } else {
        const auto high = static_cast<unsigned long long>(random()) | 1ULL << 63;
        std::snprintf(text, sizeof text, "%llX%016llX", high, low);
    }
    return text;
}

// "V [ENT] V op V op ...", operations taken in turn from `ops`.
std::string operationLine(std::size_t count, int bits, const std::vector<std::string>& ops) {
    std::mt19937_64 random(42);
    std::string line = bits == 64 ? "" : std::to_string(bits) + " [STWS] ";
    line += hexValue(random, bits) + " [ENT]";
    for (std::size_t i = 0; i < count; ++i) {
        line += ' ' + hexValue(random, bits) + ' ' + ops[i % ops.size()];
    }
    return line;
}

void runLine(Session& session, const std::string& line) {
    session.runLine(line);
    session.printDisplay();
}

void timeLine(benchmark::State& state, const std::string& line) {
    Discard discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        state.PauseTiming();
        {
            Session session(out);
            state.ResumeTiming();
            runLine(session, line);
            state.PauseTiming();
        } // the stack goes away untimed
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_TypeToken(benchmark::State& state) {
    std::mt19937_64 random(7);
    std::string token = "1";
    while (token.size() < static_cast<std::size_t>(state.range(0))) {
        token += "0123456789ABCDEFabcdef"[random() % 22];
    }
    timeLine(state, token);
}

void BM_AddMultiply64(benchmark::State& state) {
    timeLine(state, operationLine(static_cast<std::size_t>(state.range(0)), 64, {"[+]", "[*]"}));
}

void BM_AddMultiply128(benchmark::State& state) {
    timeLine(state, operationLine(static_cast<std::size_t>(state.range(0)), 128, {"[+]", "[*]"}));
}

void BM_AddMultiplyXor64(benchmark::State& state) {
    timeLine(state,
             operationLine(static_cast<std::size_t>(state.range(0)), 64, {"[+]", "[*]", "[XOR]"}));
}

void BM_AddMultiplyXor128(benchmark::State& state) {
    timeLine(state,
             operationLine(static_cast<std::size_t>(state.range(0)), 128, {"[+]", "[*]", "[XOR]"}));
}

void BM_Push(benchmark::State& state) {
    std::mt19937_64 random(9);
    std::string line;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        line += hexValue(random, 64) + " [ENT] ";
    }
    timeLine(state, line);
}

// One token a line: the display is printed after each.
void BM_AddMultiply64ByLine(benchmark::State& state) {
    const std::string script =
        operationLine(static_cast<std::size_t>(state.range(0)), 64, {"[+]", "[*]"});
    const std::vector<std::string> lines = quarnel::cli::splitTokens(script);
    Discard discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        state.PauseTiming();
        {
            Session session(out);
            state.ResumeTiming();
            for (const std::string& line : lines) {
                runLine(session, line);
            }
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_TypeToken)->Arg(1000)->Arg(100000)->Arg(300000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMultiply64)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMultiply128)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMultiplyXor64)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMultiplyXor128)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddMultiply64ByLine)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Push)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
