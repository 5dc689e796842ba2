#include "demo/EventLoopClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>
#include <optional>

namespace quarnel::demo {
namespace {

double cpuMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// A full pause lasts its time, lets other events run, and leaves the CPU idle.
TEST(EventLoopClock, PausesWithoutSpinningAndKeepsEventsFlowing) {
    EventLoopClock clock;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);

    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuMs();
    EXPECT_TRUE(clock.wait(300));
    const qint64 elapsed = wall.elapsed();
    const double cpu = cpuMs() - cpuBefore;

    EXPECT_GE(elapsed, 300);
    EXPECT_LT(elapsed, 1500);
    EXPECT_GE(ticks, 5) << "events were not processed during the pause";
    EXPECT_LT(cpu, 100.0) << "the pause kept the CPU busy";
}

// Quit Demo cuts the pause in progress short; the next one runs in full. An
// interrupt outside a pause is not kept for the next one.
TEST(EventLoopClock, InterruptEndsThePauseEarly) {
    EventLoopClock clock;
    clock.interrupt();
    EXPECT_TRUE(clock.wait(5));
    EXPECT_TRUE(clock.wait(0));
    QTimer::singleShot(50, [&] { clock.interrupt(); });
    QElapsedTimer wall;
    wall.start();
    EXPECT_FALSE(clock.wait(5000));
    EXPECT_LT(wall.elapsed(), 2000);
    EXPECT_TRUE(clock.wait(10));
}

// When the application quits during a pause, that pause and every later one
// end at once, so the demo cannot hold the program open.
TEST(EventLoopClock, ApplicationQuitEndsThePauses) {
    EventLoopClock clock;
    std::optional<bool> first;
    std::optional<bool> second;
    qint64 elapsed = -1;
    QTimer::singleShot(0, [&] {
        QElapsedTimer wall;
        wall.start();
        first = clock.wait(5000);
        second = clock.wait(1000);
        elapsed = wall.elapsed();
    });
    QTimer::singleShot(50, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();

    ASSERT_TRUE(first.has_value());
    ASSERT_TRUE(second.has_value());
    EXPECT_FALSE(*first);
    EXPECT_FALSE(*second);
    EXPECT_LT(elapsed, 2000);
}

} // namespace
} // namespace quarnel::demo
