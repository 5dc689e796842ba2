#pragma once

#include "demo/DemoClock.h"

class QEventLoop;

namespace quarnel::demo {

// Pauses by running a nested event loop until a timer fires: the window keeps
// repainting and answering clicks (Quit Demo among them), and the process
// sleeps in between instead of spinning.
class EventLoopClock : public DemoClock {
  public:
    bool wait(int ms) override;
    void interrupt() override;

  private:
    QEventLoop* current_ = nullptr;
    bool interrupted_ = false;
};

} // namespace quarnel::demo
