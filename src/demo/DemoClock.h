#pragma once

namespace quarnel::demo {

// Where the demo's pauses come from. The window uses the event loop clock;
// tests use a virtual clock so the whole script plays in a moment.
class DemoClock {
  public:
    virtual ~DemoClock() = default;

    // Pauses for ms milliseconds while the window stays responsive. Returns
    // true when the full time has passed and false when the pause was cut
    // short, by interrupt() or because the application is quitting.
    virtual bool wait(int ms) = 0;

    // Cuts the pause in progress short; does nothing when none is.
    virtual void interrupt() = 0;
};

} // namespace quarnel::demo
