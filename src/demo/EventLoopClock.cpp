#include "demo/EventLoopClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace quarnel::demo {

bool EventLoopClock::wait(int ms) {
    if (ms <= 0)
        return true;
    if (!QCoreApplication::instance() || QCoreApplication::closingDown())
        return false;

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool elapsed = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        elapsed = true;
        loop.quit();
    });

    QEventLoop* outer = current_;
    const bool outerInterrupted = interrupted_;
    current_ = &loop;
    interrupted_ = false;
    timer.start(ms);
    // An application quit ends every running event loop, this one included,
    // and then the timer has not fired.
    loop.exec();
    current_ = outer;
    const bool cut = interrupted_;
    interrupted_ = outerInterrupted;
    return elapsed && !cut;
}

void EventLoopClock::interrupt() {
    if (current_) {
        interrupted_ = true;
        current_->quit();
    }
}

} // namespace quarnel::demo
