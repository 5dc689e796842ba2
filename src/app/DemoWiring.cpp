#include "app/DemoWiring.h"

#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace quarnel::app {

QString WindowDemoHost::caption() const {
    return window_.windowTitle();
}

void WindowDemoHost::setCaption(const QString& caption) {
    window_.setWindowTitle(caption);
}

bool WindowDemoHost::stayOnTop() const {
    return window_.stayOnTop();
}

void WindowDemoHost::toggleStayOnTop() {
    window_.toggleStayOnTop();
}

bool WindowDemoHost::confirmDemo(const QString& text) {
    // The runner has already lowered a stay-on-top window for the question.
    return window_.dialogs().confirm(&window_, text) == ui::WindowDialogs::Answer::Ok;
}

void WindowDemoHost::setMainMenusEnabled(bool enabled) {
    window_.setDemoMenus(!enabled);
}

void WindowDemoHost::setDemoMenusRunning(bool running) {
    window_.setDemoMenus(running);
}

void WindowDemoHost::pressButton(const QString& objectName) {
    sendMouse(objectName, QEvent::MouseButtonPress);
}

void WindowDemoHost::releaseButton(const QString& objectName) {
    sendMouse(objectName, QEvent::MouseButtonRelease);
}

void WindowDemoHost::sendMouse(const QString& objectName, QEvent::Type type) {
    auto* button = window_.findChild<QPushButton*>(objectName);
    if (!button)
        qFatal("The demo script names no button of the window: %s", qPrintable(objectName));
    if (!button->isEnabled())
        return; // a disabled button takes no click, from the demo either
    const QPointF at = QRectF(button->rect()).center();
    const bool down = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    // Press: the button is drawn down. Release over it: its click runs.
    QCoreApplication::sendEvent(button, &event);
}

void WindowDemoHost::runCommand(calculator::Command command) {
    window_.execute(command);
}

} // namespace quarnel::app
