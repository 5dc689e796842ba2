// Stack files of a million entries, and the close (settings and stack backup)
// with a hundred thousand, in both stores. Runs in a temporary home and
// program folder.

#include "calculator/Calculator.h"
#include "storage/CalculatorState.h"
#include "storage/SettingsStore.h"
#include "storage/StackFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

using quarnel::calculator::Calculator;
using namespace quarnel::storage;

namespace {

QTemporaryDir* gRoot = nullptr;

QString rootPath(const QString& name) {
    return gRoot->filePath(name);
}

// Full 64-bit values in HEX, as a long session leaves them.
std::unique_ptr<Calculator> calculatorWith(std::size_t count) {
    std::vector<std::string> entries;
    entries.reserve(count);
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < count; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::string e(16, '0');
        for (int d = 0; d < 16; ++d) {
            e[static_cast<std::size_t>(d)] = kDigits[(x >> (60 - 4 * d)) & 0xF];
        }
        entries.push_back(std::move(e));
    }
    auto calc = std::make_unique<Calculator>();
    calc->loadStack(std::move(entries));
    return calc;
}

void BM_SaveStackFile(benchmark::State& state) {
    const auto calc = calculatorWith(static_cast<std::size_t>(state.range(0)));
    const QString path = rootPath(QStringLiteral("bench.STK"));
    for (auto _ : state) {
        if (saveStackFile(path, *calc)) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BM_SaveStackFile)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadStackFile(benchmark::State& state) {
    const QString path = rootPath(QStringLiteral("load.STK"));
    saveStackFile(path, *calculatorWith(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        Calculator calc;
        if (loadStackFile(path, calc)) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(calc.stack().size());
    }
}
BENCHMARK(BM_LoadStackFile)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The close writes over what the previous close left, as in real use.
void BM_Close(benchmark::State& state, StoreKind kind) {
    const auto calc = calculatorWith(static_cast<std::size_t>(state.range(0)));
    SettingsStore store(rootPath(QStringLiteral("program/quarnel")));
    store.setKind(kind);
    WindowOptions options;
    options.height = 320;
    options.width = 394;
    saveCalculatorState(store, *calc, options);
    for (auto _ : state) {
        if (!saveCalculatorState(store, *calc, options).saved()) {
            state.SkipWithError("close failed");
        }
    }
}
BENCHMARK_CAPTURE(BM_Close, IniFile, StoreKind::IniFile)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Close, Native, StoreKind::Native)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_Start(benchmark::State& state, StoreKind kind) {
    const auto saved = calculatorWith(static_cast<std::size_t>(state.range(0)));
    SettingsStore store(rootPath(QStringLiteral("program/quarnel")));
    store.setKind(kind);
    saveCalculatorState(store, *saved, WindowOptions{});
    for (auto _ : state) {
        Calculator calc;
        WindowOptions options;
        loadCalculatorState(store, calc, options);
        benchmark::DoNotOptimize(calc.stack().size());
    }
}
BENCHMARK_CAPTURE(BM_Start, IniFile, StoreKind::IniFile)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_Start, Native, StoreKind::Native)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir root;
    gRoot = &root;
    QDir(root.path()).mkpath(QStringLiteral("program"));
    QDir(root.path()).mkpath(QStringLiteral("work"));
    QDir(root.path()).mkpath(QStringLiteral("config"));
    qputenv("HOME", QFile::encodeName(root.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    QDir::setCurrent(root.filePath(QStringLiteral("work")));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
