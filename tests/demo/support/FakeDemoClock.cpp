#include "FakeDemoClock.h"

namespace quarnel::demo::test {

bool FakeDemoClock::wait(int ms) {
    ++waits_;
    const qint64 end = now_ + ms;
    waiting_ = true;
    interrupted_ = false;
    while (!planned_.empty() && planned_.begin()->first <= end) {
        auto next = planned_.begin();
        now_ = std::max(now_, next->first);
        auto action = std::move(next->second);
        planned_.erase(next);
        action();
        if (interrupted_) {
            waiting_ = false;
            return false;
        }
    }
    now_ = end;
    waiting_ = false;
    return true;
}

void FakeDemoClock::interrupt() {
    if (waiting_)
        interrupted_ = true;
}

void FakeDemoClock::at(qint64 atMs, std::function<void()> action) {
    planned_.emplace(atMs, std::move(action));
}

} // namespace quarnel::demo::test
