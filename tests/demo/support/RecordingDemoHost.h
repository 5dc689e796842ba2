#pragma once

#include "FakeDemoClock.h"
#include "demo/DemoHost.h"

#include <QString>

#include <functional>
#include <vector>

namespace quarnel::demo::test {

// One call the demo made on its window.
struct DemoEvent {
    enum class Kind {
        Caption,     // text: the new caption
        ToggleOnTop, // flag: stay-on-top after the toggle
        Confirm,     // text: the question; flag: the answer
        MainMenus,   // flag: enabled
        DemoMenus,   // flag: running
        Press,       // text: button object name
        Release,     // text: button object name
        Command,     // command
    };
    Kind kind;
    QString text;
    bool flag = false;
    DemoCommand command = DemoCommand::Clear;
    qint64 atMs = 0; // virtual time of the call
};

// Stands between the demo and the window: records every call with its
// virtual time, passes it on, and lets a check look at the window just before
// or just after any call.
class RecordingDemoHost : public DemoHost {
  public:
    using Watcher = std::function<void(const DemoEvent&)>;

    RecordingDemoHost(DemoHost& window, const FakeDemoClock& clock)
        : window_(window), clock_(clock) {}

    // Called before the window sees the call (the event has no result yet).
    void setBeforeEach(Watcher watcher) { before_ = std::move(watcher); }
    // Called after the window has handled it.
    void setAfterEach(Watcher watcher) { after_ = std::move(watcher); }

    const std::vector<DemoEvent>& events() const { return events_; }

    QString caption() const override { return window_.caption(); }
    void setCaption(const QString& caption) override;
    bool stayOnTop() const override { return window_.stayOnTop(); }
    void toggleStayOnTop() override;
    bool confirmDemo(const QString& text) override;
    void setMainMenusEnabled(bool enabled) override;
    void setDemoMenusRunning(bool running) override;
    void pressButton(const QString& objectName) override;
    void releaseButton(const QString& objectName) override;
    void runCommand(DemoCommand command) override;

  private:
    template <typename Forward> void record(DemoEvent event, Forward forward);

    DemoHost& window_;
    const FakeDemoClock& clock_;
    Watcher before_;
    Watcher after_;
    std::vector<DemoEvent> events_;
};

} // namespace quarnel::demo::test
