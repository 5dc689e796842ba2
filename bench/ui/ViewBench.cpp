// StackView over deep stacks of full 128-bit entries: making the listing in
// the core, the window showing it (offscreen), the memory that adds, and the
// start of a saved session in StackView against one in Calculator mode.

#include "app/LayerWiring.h"
#include "app/StorageWiring.h"
#include "calculator/Calculator.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using quarnel::calculator::Calculator;
using quarnel::calculator::Command;
using quarnel::ui::MainWindow;

namespace {

QTemporaryDir* gRoot = nullptr;

std::vector<std::string> fullEntries(std::size_t count) {
    std::vector<std::string> entries;
    entries.reserve(count);
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < count; ++i) {
        std::string e(32, '0');
        for (int d = 0; d < 32; ++d) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            e[static_cast<std::size_t>(d)] = kDigits[x & 0xF];
        }
        e[0] = kDigits[1 + (x >> 8) % 15]; // no leading zero
        entries.push_back(std::move(e));
    }
    return entries;
}

void fill(Calculator& calc, std::size_t count) {
    calc.loadWordSize(128);
    calc.loadStack(fullEntries(count));
}

// Resident memory of the process, in MB.
double residentMb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
    }
    return 0;
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// The core's part of VIEW: the listing, and the lines a window shows at once.
void BM_Listing(benchmark::State& state) {
    Calculator calc;
    fill(calc, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const auto listing = calc.buildListing();
        for (std::size_t i = 0; i < 40 && i < listing.size(); ++i)
            benchmark::DoNotOptimize(listing.line(i));
    }
}
BENCHMARK(BM_Listing)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// VIEW in a shown window until it has painted; Close StackView between runs.
void BM_ViewWindow(benchmark::State& state) {
    MainWindow window;
    fill(window.calculator(), static_cast<std::size_t>(state.range(0)));
    window.redraw();
    window.show();
    settle();
    const double before = residentMb();
    bool first = true;
    for (auto _ : state) {
        window.execute(Command::View);
        settle();
        if (first) {
            state.counters["rss_added_MB"] = residentMb() - before;
            first = false;
        }
        state.PauseTiming();
        window.execute(Command::CloseStackView);
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ViewWindow)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A saved session of a million entries, closed in the given mode, started
// again: window, settings and backup read, VIEW when the mode says so, shown.
void BM_StartUp(benchmark::State& state, bool stackView) {
    const QString program = gRoot->filePath(stackView ? QStringLiteral("view/quarnel")
                                                      : QStringLiteral("calc/quarnel"));
    QDir().mkpath(QFileInfo(program).path());
    QDir::setCurrent(QFileInfo(program).path());
    {
        MainWindow saved;
        fill(saved.calculator(), 1'000'000);
        if (stackView)
            saved.execute(Command::View);
        quarnel::app::StorageWiring storage(saved, program);
        if (!storage.save())
            state.SkipWithError("save failed");
    }
    bool first = true;
    for (auto _ : state) {
        const double before = residentMb();
        auto window = std::make_unique<MainWindow>();
        quarnel::app::wireLayers(*window, program);
        window->loadState();
        window->show();
        settle();
        if (first) {
            state.counters["rss_added_MB"] = residentMb() - before;
            first = false;
        }
        if (window->calculator().stackViewShown() != stackView)
            state.SkipWithError("the mode was not restored");
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_StartUp, Calculator, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_StartUp, StackView, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir root;
    gRoot = &root;
    qputenv("HOME", QFile::encodeName(root.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("config"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir::setCurrent(QDir::tempPath());
    return 0;
}
