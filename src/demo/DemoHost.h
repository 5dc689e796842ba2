#pragma once

#include "calculator/Command.h"

#include <QString>

namespace quarnel::demo {

// What the demo needs from the main window. The window implements it by
// running its own commands, so everything the demo does looks and behaves
// exactly as if the user had done it.
class DemoHost {
  public:
    virtual ~DemoHost() = default;

    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;

    // The Stay on Top option and its menu command (which flips it).
    virtual bool stayOnTop() const = 0;
    virtual void toggleStayOnTop() = 0;

    // An information box with OK and Cancel; true when the user chose OK.
    virtual bool confirmDemo(const QString& text) = 0;

    // The top-level menus File, Edit, Stack, Options and Help. Enabling gives
    // Edit, Stack and Options back the state the current mode calls for, so a
    // demo stopped while StackView is shown leaves them disabled as StackView
    // requires.
    virtual void setMainMenusEnabled(bool enabled) = 0;
    // While running: Quit Demo enabled and Run Demo disabled; otherwise the
    // reverse.
    virtual void setDemoMenusRunning(bool running) = 0;

    // A left mouse button going down on the button with this object name: the
    // button is drawn pressed. releaseButton lets it go up again, and the
    // button's click runs exactly as for a user's click. A name that no button
    // has is a fault of the script.
    virtual void pressButton(const QString& objectName) = 0;
    virtual void releaseButton(const QString& objectName) = 0;

    // Runs a calculator command (a menu command of the script, or the final
    // CLR) through the window's usual dispatch (errors are shown as for the
    // user, and the window redraws).
    virtual void runCommand(calculator::Command command) = 0;
};

} // namespace quarnel::demo
