#include "WindowFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// Median time in milliseconds from an input event to the repainted display.
template <typename Input> double medianMs(int rounds, Input&& input) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        input();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

// A deep stack must not slow a click or key down: each command redraws only
// what the window shows. The bound here is loose enough for a busy machine
// and still catches work that grows with the stack.
TEST_F(WindowTest, ClicksAndKeysStayFastOnADeepStack) {
    std::vector<std::string> entries;
    for (int i = 0; i < 1000; ++i)
        entries.push_back(std::to_string(1000000 + i * 7919));
    calc().loadStack(entries);
    window().redraw();

    const double dup = medianMs(31, [this] { click({"DuplicateButton"}); });
    const double drop = medianMs(31, [this] { click({"DropButton"}); });
    const double plusKey = medianMs(31, [this] {
        type(QStringLiteral("1"));
        QTest::keyClick(input(), Qt::Key_Plus, Qt::KeypadModifier);
    });
    const double swapKey = medianMs(31, [this] { QTest::keyClick(input(), Qt::Key_S); });
    EXPECT_EQ(calc().stack().size(), 1000u);
    for (double ms : {dup, drop, plusKey, swapKey})
        EXPECT_LT(ms, 25.0);
}
