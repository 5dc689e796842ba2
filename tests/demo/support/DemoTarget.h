#pragma once

#include "calculator/Calculator.h"
#include "demo/DemoHost.h"
#include "demo/DemoRunner.h"

#include <QString>

namespace quarnel::demo::test {

// The enabled state of the menus the demo locks and unlocks.
struct DemoMenuState {
    bool file = true;
    bool edit = true;
    bool stack = true;
    bool options = true;
    bool help = true;
    bool runDemo = true;
    bool quitDemo = false;
    friend bool operator==(const DemoMenuState&, const DemoMenuState&) = default;
};

// A window the demo checks can drive: the fake window of these tests, and
// later the real main window, which implements the same few calls.
class DemoTarget {
  public:
    virtual ~DemoTarget() = default;

    // The runner behind the window's Run Demo, Quit Demo and close request.
    virtual DemoRunner& demoRunner() = 0;
    // The window's own implementation of the demo's host calls.
    virtual DemoHost& demoHost() = 0;
    virtual calculator::Calculator& calculator() = 0;

    virtual QString caption() const = 0;
    virtual bool stayOnTop() const = 0;
    virtual void setStayOnTop(bool on) = 0;
    virtual DemoMenuState menus() const = 0;

    // How the next confirmation box will be answered.
    virtual void answerNextConfirmation(bool ok) = 0;

    // The user's own ways in: Demo / Run Demo, Demo / Quit Demo, closing
    // the window (true when the window let itself be closed), and VIEW.
    virtual void chooseRunDemo() = 0;
    virtual void chooseQuitDemo() = 0;
    virtual bool requestClose() = 0;
    virtual void pressView() = 0;
};

} // namespace quarnel::demo::test
