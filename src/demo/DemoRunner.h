#pragma once

#include "demo/DemoClock.h"
#include "demo/DemoHost.h"
#include "demo/DemoScript.h"
#include "demo/EventLoopClock.h"

namespace quarnel::demo {

// Plays the demo script on a window: asks first, locks the menus, shows each
// step's caption, presses the buttons, and at the end (or as soon as a quit is
// asked for) gives the window back as it was and clears the calculator.
class DemoRunner {
  public:
    explicit DemoRunner(DemoHost& host);

    // Run Demo. Returns when the demo has ended or was declined. Does nothing
    // while the demo already runs.
    void run();

    // Quit Demo: everything the script has left is skipped at once.
    void requestQuit();

    // The window's close request. While the demo runs the close is refused and
    // turns into a quit request; returns whether the window may close.
    bool mayClose();

    bool isRunning() const { return running_; }
    bool quitRequested() const { return quitRequested_; }

    // Tests play the script on a virtual clock and watch the host's calls;
    // both may only be swapped while the demo is not running.
    void setClock(DemoClock* clock);
    void setHost(DemoHost& host);

  private:
    void play();
    void perform(const DemoAction& action);
    void pause(int ms);
    void press(std::string_view button, int pauseAfterMs);
    void finish(const QString& savedCaption);

    DemoHost* host_;
    EventLoopClock eventLoopClock_;
    DemoClock* clock_ = &eventLoopClock_;
    bool running_ = false;
    bool quitRequested_ = false;
};

} // namespace quarnel::demo
