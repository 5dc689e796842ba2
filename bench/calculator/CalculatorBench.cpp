// Command times on deep stacks of 64-bit values. Each benchmark times only
// the command itself (manual time) and reports the median of its samples as
// "median_ms"; the state is put back between samples outside the timing.

#include "calculator/Calculator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using quarnel::calculator::Command;
using quarnel::calculator::Calculator;
using quarnel::calculator::NumberBase;

std::vector<std::string> randomEntries(std::size_t count) {
    std::mt19937_64 random(42);
    std::vector<std::string> entries;
    entries.reserve(count);
    char text[17];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(random()));
        entries.emplace_back(text);
    }
    return entries;
}

// Times `command` once per iteration; `restore` runs untimed afterwards.
void timeCommand(benchmark::State& state, Calculator& calc,
                 const std::function<void(Calculator&)>& prepare,
                 const std::function<void(Calculator&)>& command,
                 const std::function<void(Calculator&)>& restore) {
    std::vector<double> samples;
    for (auto _ : state) {
        prepare(calc);
        const auto start = std::chrono::steady_clock::now();
        command(calc);
        const auto stop = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
        restore(calc);
    }
    std::nth_element(samples.begin(),
                     samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2),
                     samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2] * 1e3;
    state.counters["depth"] = static_cast<double>(calc.stack().size());
}

void nothing(Calculator&) {}

Calculator& deepCalculator(std::size_t depth) {
    static Calculator calc;
    static std::size_t loaded = 0;
    if (loaded != depth) {
        calc = Calculator();
        calc.loadStack(randomEntries(depth));
        loaded = depth;
    }
    return calc;
}

void BM_Enter(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, [](Calculator& c) { c.setInputText("1234ABCD"); },
        [](Calculator& c) { c.run(Command::Enter); }, [](Calculator& c) { c.run(Command::Drop); });
}

void BM_Add(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::Add); },
        [](Calculator& c) {
            c.setInputText("77");
            c.run(Command::Enter);
        });
}

void BM_Drop(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::Drop); },
        [](Calculator& c) {
            c.setInputText("5");
            c.run(Command::Enter);
        });
}

void BM_Swap(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::Swap); }, nothing);
}

void BM_UndoLast(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    calc.run(Command::Swap); // an undo copy as deep as the stack
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::UndoLast); }, nothing);
}

void BM_Rotate(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::Rotate); }, nothing);
}

void BM_Over(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::Over); }, [](Calculator& c) { c.run(Command::Drop); });
}

void BM_BaseChange(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing,
        [](Calculator& c) {
            c.run(c.currentBase() == NumberBase::Hex ? Command::BaseDec : Command::BaseHex);
        },
        nothing);
}

void BM_View(benchmark::State& state) {
    Calculator& calc = deepCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::View); },
        [](Calculator& c) { c.run(Command::CloseStackView); });
}

void BM_TypeIntoLongLine(benchmark::State& state) {
    Calculator calc;
    const std::string line(32766, '7');
    std::string typed = line + "A";
    timeCommand(
        state, calc, [&line](Calculator& c) { c.setInputText(line); },
        [&typed](Calculator& c) { c.setInputText(typed); }, nothing);
}

void BM_PasteInvalidLongLine(benchmark::State& state) {
    Calculator calc;
    calc.run(Command::BaseBin);
    const std::string paste = std::string(16000, '1') + "2" + std::string(16766, '0');
    timeCommand(
        state, calc, nothing, [&paste](Calculator& c) { c.setInputText(paste); },
        [](Calculator& c) { c.run(Command::Delete); });
}

constexpr std::int64_t kSmall = 100'000;
constexpr std::int64_t kLarge = 1'000'000;

BENCHMARK(BM_Enter)->Arg(kSmall)->Arg(kLarge)->UseManualTime()->Iterations(200);
BENCHMARK(BM_Add)->Arg(kSmall)->Arg(kLarge)->UseManualTime()->Iterations(200);
BENCHMARK(BM_Drop)->Arg(kSmall)->Arg(kLarge)->UseManualTime()->Iterations(200);
BENCHMARK(BM_Swap)->Arg(kSmall)->Arg(kLarge)->UseManualTime()->Iterations(200);
BENCHMARK(BM_UndoLast)->Arg(kSmall)->Arg(kLarge)->UseManualTime()->Iterations(200);
BENCHMARK(BM_Rotate)->Arg(kSmall)->Arg(kLarge)->UseManualTime()->Iterations(200);
BENCHMARK(BM_Over)->Arg(kSmall)->Arg(kLarge)->UseManualTime()->Iterations(200);
BENCHMARK(BM_BaseChange)
    ->Arg(kLarge)
    ->UseManualTime()
    ->Iterations(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_View)->Arg(kLarge)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeIntoLongLine)->UseManualTime()->Iterations(200);
BENCHMARK(BM_PasteInvalidLongLine)->UseManualTime()->Iterations(200);

} // namespace

BENCHMARK_MAIN();
