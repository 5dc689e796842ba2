#pragma once

#include "calculator/Calculator.h"
#include "calculator/CalculatorHost.h"
#include "demo/DemoHost.h"
#include "demo/DemoRunner.h"
#include "support/DemoTarget.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

namespace quarnel::demo::test {

// A stand-in for the main window: a real calculator behind the 47 buttons
// (by object name, enabled as the calculator says), the menus the demo locks,
// a caption and the stay-on-top flag. A message box or an engine error fails
// the test, since the demo should raise neither.
class FakeDemoWindow : public DemoHost, public DemoTarget, private calculator::CalculatorHost {
  public:
    FakeDemoWindow();

    // DemoHost and DemoTarget
    QString caption() const override { return caption_; }
    bool stayOnTop() const override { return onTop_; }

    // DemoHost
    void setCaption(const QString& caption) override { caption_ = caption; }
    void toggleStayOnTop() override { onTop_ = !onTop_; }
    bool confirmDemo(const QString& text) override;
    void setMainMenusEnabled(bool enabled) override { mainMenus_ = enabled; }
    void setDemoMenusRunning(bool running) override { demoMenusRunning_ = running; }
    void pressButton(const QString& objectName) override;
    void releaseButton(const QString& objectName) override;
    void runCommand(DemoCommand command) override;

    // DemoTarget
    DemoRunner& demoRunner() override { return runner_; }
    DemoHost& demoHost() override { return *this; }
    calculator::Calculator& calculator() override { return calculator_; }
    void setStayOnTop(bool on) override { onTop_ = on; }
    DemoMenuState menus() const override;
    void answerNextConfirmation(bool ok) override { answer_ = ok; }
    void chooseRunDemo() override;
    void chooseQuitDemo() override;
    bool requestClose() override { return runner_.mayClose(); }
    void pressView() override;

    const QString& buttonDown() const { return down_; }

  private:
    using Click = std::function<void(calculator::Calculator&)>;
    struct Button {
        Click click;
        std::function<bool(const calculator::Calculator&)> enabled;
    };
    static const std::map<QString, Button>& buttons();

    void showMessage(const std::string& text) override;
    void focusInput() override {}
    void dispatch(const std::function<void()>& command);

    calculator::Calculator calculator_;
    DemoRunner runner_;
    QString caption_ = QStringLiteral("Quarnel");
    bool onTop_ = false;
    bool mainMenus_ = true;
    bool demoMenusRunning_ = false;
    bool answer_ = true;
    QString down_;
};

} // namespace quarnel::demo::test
