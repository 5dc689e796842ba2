#include "app/DemoWiring.h"

#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace quarnel::app {

namespace {

ui::Command toCommand(demo::DemoCommand command) {
    switch (command) {
    case demo::DemoCommand::SetMaximumStackDepth:
        return ui::Command::SetMaximumStackDepth;
    case demo::DemoCommand::UndoLast:
        return ui::Command::UndoLast;
    case demo::DemoCommand::CloseStackView:
        return ui::Command::CloseStackView;
    case demo::DemoCommand::Rotate:
        return ui::Command::Rotate;
    case demo::DemoCommand::Clear:
        return ui::Command::Clear;
    }
    return ui::Command::None;
}

} // namespace

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
    if (!button || !button->isEnabled())
        return; // a disabled button takes no click, from the demo either
    const QPointF at = QRectF(button->rect()).center();
    const bool down = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                      down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    // Press: the button is drawn down. Release over it: its click runs.
    QCoreApplication::sendEvent(button, &event);
}

void WindowDemoHost::runCommand(demo::DemoCommand command) {
    window_.execute(toCommand(command));
}

} // namespace quarnel::app
