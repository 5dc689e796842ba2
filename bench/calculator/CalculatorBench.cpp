// Command times on deep stacks of 64-bit and of 128-bit values, and the
// heap each stack entry costs. Each benchmark times only
// the command itself (manual time) and reports the median of its samples as
// "median_ms"; the state is put back between samples outside the timing.

#include "calculator/Calculator.h"
#include "calculator/StackList.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

using quarnel::calculator::Calculator;
using quarnel::calculator::Command;
using quarnel::calculator::NumberBase;
using quarnel::calculator::StackList;

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
        state, calc, nothing, [](Calculator& c) { c.run(Command::Over); },
        [](Calculator& c) { c.run(Command::Drop); });
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

// --- full-width (128-bit) entries ---------------------------------------------

// Random full-width texts in one base: 32 HEX, 39 DEC, 43 OCT or 128 BIN digits.
std::vector<std::string> wideEntries(std::size_t count, NumberBase base) {
    std::mt19937_64 random(7);
    const auto [digits, length, lead] = [base]() -> std::tuple<const char*, std::size_t, char> {
        switch (base) {
        case NumberBase::Dec:
            return {"0123456789", 39, '2'};
        case NumberBase::Oct:
            return {"01234567", 43, '3'};
        case NumberBase::Bin:
            return {"01", 128, '1'};
        case NumberBase::Hex:
            break;
        }
        return {"0123456789ABCDEF", 32, 'F'};
    }();
    const std::size_t radix = std::char_traits<char>::length(digits);
    std::vector<std::string> entries(count, std::string(length, '0'));
    for (std::string& entry : entries) {
        entry[0] = lead; // full width, below 2^128
        for (std::size_t i = 1; i < length; ++i) {
            entry[i] = digits[random() % radix];
        }
    }
    return entries;
}

Calculator& wideCalculator(std::size_t depth) {
    static Calculator calc;
    static std::size_t loaded = 0;
    if (loaded != depth) {
        calc = Calculator();
        calc.loadWordSize(128);
        calc.loadStack(wideEntries(depth, NumberBase::Hex));
        loaded = depth;
    }
    return calc;
}

void BM_WideEnter(benchmark::State& state) {
    Calculator& calc = wideCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, [](Calculator& c) { c.setInputText("FEDCBA9876543210FEDCBA9876543210"); },
        [](Calculator& c) { c.run(Command::Enter); }, [](Calculator& c) { c.run(Command::Drop); });
}

void BM_WideAdd(benchmark::State& state) {
    Calculator& calc = wideCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::Add); },
        [](Calculator& c) {
            c.setInputText("FEDCBA9876543210FEDCBA9876543210");
            c.run(Command::Enter);
        });
}

void BM_WideSwap(benchmark::State& state) {
    Calculator& calc = wideCalculator(static_cast<std::size_t>(state.range(0)));
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::Swap); }, nothing);
}

void BM_WideUndoLast(benchmark::State& state) {
    Calculator& calc = wideCalculator(static_cast<std::size_t>(state.range(0)));
    calc.run(Command::Swap); // an undo copy as deep as the stack
    timeCommand(
        state, calc, nothing, [](Calculator& c) { c.run(Command::UndoLast); }, nothing);
}

// The undo copy alone: a copy of the list, then the first write to the
// original (which must not copy what the copy still shares).
void BM_WideUndoCopy(benchmark::State& state) {
    StackList list = StackList::fromVector(
        wideEntries(static_cast<std::size_t>(state.range(0)), NumberBase::Hex));
    const std::string top = list.back();
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        StackList copy = list;
        list.setBack(top);
        const auto stop = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(copy);
        const double seconds = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(seconds);
        samples.push_back(seconds);
    }
    std::nth_element(samples.begin(),
                     samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2),
                     samples.end());
    state.counters["median_ms"] = samples[samples.size() / 2] * 1e3;
}

// Heap bytes in use (malloc's own count, headers included).
std::size_t heapInUse() {
#if defined(__GLIBC__)
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

// Bytes per stack entry: the heap the list holds, divided by its entries.
void BM_BytesPerEntry(benchmark::State& state) {
    const auto depth = static_cast<std::size_t>(state.range(0));
    const auto base = static_cast<NumberBase>(state.range(1));
    double perEntry = 0;
    for (auto _ : state) {
        std::vector<std::string> entries = wideEntries(depth, base);
        const std::size_t before = heapInUse();
        StackList list;
        for (const std::string& entry : entries) {
            list.push_back(entry);
        }
        perEntry = static_cast<double>(heapInUse() - before) / static_cast<double>(depth);
        benchmark::DoNotOptimize(list);
    }
    state.counters["bytes_per_entry"] = perEntry;
    state.SetLabel(std::string(Calculator::baseName(base)));
}

void wideDepths(benchmark::internal::Benchmark* b) {
    b->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->UseManualTime()->Iterations(200);
}

void bytesArgs(benchmark::internal::Benchmark* b) {
    for (const NumberBase base :
         {NumberBase::Hex, NumberBase::Dec, NumberBase::Oct, NumberBase::Bin}) {
        for (const std::int64_t depth : {1'000, 100'000, 1'000'000}) {
            b->Args({depth, static_cast<std::int64_t>(base)});
        }
    }
    b->Iterations(1)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_WideEnter)->Apply(wideDepths);
BENCHMARK(BM_WideAdd)->Apply(wideDepths);
BENCHMARK(BM_WideSwap)->Apply(wideDepths);
BENCHMARK(BM_WideUndoLast)->Apply(wideDepths);
BENCHMARK(BM_WideUndoCopy)->Apply(wideDepths);
BENCHMARK(BM_BytesPerEntry)->Apply(bytesArgs);

} // namespace

BENCHMARK_MAIN();
