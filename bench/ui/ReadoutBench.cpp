// The readout: its redraw for a 128-bit value in BIN, and a click on the bit
// grid until the window is drawn again, with a million entries on the stack.
// Runs on the offscreen platform unless another is asked for.

#include "ui/MainWindow.h"
#include "ui/ReadoutPanel.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

using quarnel::ui::MainWindow;
using quarnel::ui::ReadoutPanel;

namespace {

// A shown window in BIN at 128 bits with the readout open and `depth`
// 128-bit entries on the stack.
std::unique_ptr<MainWindow> windowWith(std::size_t depth) {
    auto window = std::make_unique<MainWindow>();
    auto& calc = window->calculator();
    calc.loadBase(quarnel::engine::NumberBase::Bin);
    calc.loadWordSize(128);
    std::vector<std::string> entries;
    entries.reserve(depth);
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (std::size_t i = 0; i < depth; ++i) {
        std::string e(128, '0');
        for (char& bit : e) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            bit = static_cast<char>('0' + (x & 1));
        }
        e[0] = '1';
        entries.push_back(std::move(e));
    }
    calc.loadStack(std::move(entries));
    window->setReadoutShown(true);
    window->show();
    window->redraw();
    QCoreApplication::processEvents();
    return window;
}

void BM_ReadoutRedraw128(benchmark::State& state) {
    const auto window = windowWith(1);
    ReadoutPanel* panel = window->readoutPanel();
    for (auto _ : state) {
        window->redraw();
        panel->repaint();
    }
}
BENCHMARK(BM_ReadoutRedraw128)->Unit(benchmark::kMicrosecond);

// The split of the above: the panel's own painting, and the window's redraw
// without painting.
void BM_ReadoutPaintOnly128(benchmark::State& state) {
    const auto window = windowWith(1);
    ReadoutPanel* panel = window->readoutPanel();
    for (auto _ : state)
        panel->repaint();
}
BENCHMARK(BM_ReadoutPaintOnly128)->Unit(benchmark::kMicrosecond);

void BM_WindowRedrawOnly128(benchmark::State& state) {
    const auto window = windowWith(1);
    for (auto _ : state)
        window->redraw();
}
BENCHMARK(BM_WindowRedrawOnly128)->Unit(benchmark::kMicrosecond);

void BM_BitClickToRedrawnWindow(benchmark::State& state) {
    const auto window = windowWith(static_cast<std::size_t>(state.range(0)));
    ReadoutPanel* panel = window->readoutPanel();
    int bit = 0;
    for (auto _ : state) {
        QTest::mouseClick(panel->bitGrid(), Qt::LeftButton, {}, panel->bitRect(bit).center());
        window->repaint();
        bit = (bit + 37) % 128;
    }
    if (window->calculator().stack().size() != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("the click changed the depth");
}
BENCHMARK(BM_BitClickToRedrawnWindow)->Arg(1)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
