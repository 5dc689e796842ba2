#pragma once

#include "demo/DemoClock.h"

#include <QtGlobal>

#include <functional>
#include <map>

namespace quarnel::demo::test {

// A virtual clock: a wait moves the time on at once, so the whole script
// plays in a moment. Actions can be planted at chosen times; an action that
// interrupts the clock cuts the wait in progress short at that time.
class FakeDemoClock : public DemoClock {
  public:
    bool wait(int ms) override;
    void interrupt() override;

    // Runs action when the virtual time reaches atMs during a wait.
    void at(qint64 atMs, std::function<void()> action);

    qint64 now() const { return now_; }
    int waitCount() const { return waits_; }

  private:
    qint64 now_ = 0;
    int waits_ = 0;
    bool waiting_ = false;
    bool interrupted_ = false;
    std::multimap<qint64, std::function<void()>> planned_;
};

} // namespace quarnel::demo::test
