#pragma once

#include "demo/DemoHost.h"
#include "demo/DemoRunner.h"

#include <QEvent>

namespace quarnel::ui {
class MainWindow;
}

namespace quarnel::app {

// The demo's view of the real window: its caption, stay-on-top, menus, real
// mouse presses on its buttons and its own commands.
class WindowDemoHost : public demo::DemoHost {
  public:
    explicit WindowDemoHost(ui::MainWindow& window) : window_(window) {}

    QString caption() const override;
    void setCaption(const QString& caption) override;
    bool stayOnTop() const override;
    void toggleStayOnTop() override;
    bool confirmDemo(const QString& text) override;
    void setMainMenusEnabled(bool enabled) override;
    void setDemoMenusRunning(bool running) override;
    void pressButton(const QString& objectName) override;
    void releaseButton(const QString& objectName) override;
    void runCommand(calculator::Command command) override;

  private:
    void sendMouse(const QString& objectName, QEvent::Type type);

    ui::MainWindow& window_;
};

// Run Demo, Quit Demo and the demo's answer to a close request.
class DemoWiring {
  public:
    explicit DemoWiring(ui::MainWindow& window) : host_(window), runner_(host_) {}

    demo::DemoRunner& runner() { return runner_; }
    WindowDemoHost& host() { return host_; }

  private:
    WindowDemoHost host_;
    demo::DemoRunner runner_;
};

} // namespace quarnel::app
