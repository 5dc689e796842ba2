#include "demo/DemoRunner.h"

namespace quarnel::demo {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

DemoRunner::DemoRunner(DemoHost& host) : host_(&host) {}

void DemoRunner::setClock(DemoClock* clock) {
    if (!running_)
        clock_ = clock ? clock : &eventLoopClock_;
}

void DemoRunner::setHost(DemoHost& host) {
    if (!running_)
        host_ = &host;
}

void DemoRunner::run() {
    if (running_)
        return;
    const bool wasOnTop = host_->stayOnTop();
    if (wasOnTop)
        host_->toggleStayOnTop();

    if (host_->confirmDemo(demoConfirmationText(host_->caption()))) {
        running_ = true;
        quitRequested_ = false;
        host_->runCommand(calculator::Command::CloseStackView);
        const QString savedCaption = host_->caption();
        host_->setMainMenusEnabled(false);
        host_->setDemoMenusRunning(true);
        try {
            play();
        } catch (...) {
            // The window must not stay locked when a command fails in a way
            // its dispatch did not catch.
            finish(savedCaption);
            if (wasOnTop)
                host_->toggleStayOnTop();
            throw;
        }
        finish(savedCaption);
    }

    if (wasOnTop)
        host_->toggleStayOnTop();
}

void DemoRunner::finish(const QString& savedCaption) {
    host_->setCaption(savedCaption);
    host_->setMainMenusEnabled(true);
    host_->setDemoMenusRunning(false);
    quitRequested_ = false;
    host_->runCommand(calculator::Command::Clear);
    running_ = false;
}

void DemoRunner::requestQuit() {
    if (!running_)
        return;
    quitRequested_ = true;
    clock_->interrupt();
}

bool DemoRunner::mayClose() {
    if (!running_)
        return true;
    requestQuit();
    return false;
}

void DemoRunner::play() {
    for (const DemoStep& step : demoScript()) {
        if (!quitRequested_)
            host_->setCaption(toQString(step.caption));
        pause(kCaptionPauseMs);
        for (const DemoAction& action : step.actions)
            perform(action);
    }
}

void DemoRunner::perform(const DemoAction& action) {
    switch (action.kind) {
    case DemoAction::Kind::Press:
        press(action.target, action.pauseAfterMs);
        break;
    case DemoAction::Kind::Type:
        for (std::size_t i = 0; i < action.target.size(); ++i) {
            const bool last = i + 1 == action.target.size();
            press(digitButtonName(action.target[i]), last ? action.pauseAfterMs : kDigitPauseMs);
        }
        break;
    case DemoAction::Kind::Call:
        if (!quitRequested_)
            host_->runCommand(action.command);
        pause(action.pauseAfterMs);
        break;
    case DemoAction::Kind::LockMenus:
        if (!quitRequested_)
            host_->setMainMenusEnabled(false);
        pause(action.pauseAfterMs);
        break;
    }
}

void DemoRunner::press(std::string_view button, int pauseAfterMs) {
    if (!quitRequested_) {
        const QString name = toQString(button);
        host_->pressButton(name);
        // The button goes up again even when a quit cuts the hold short, so
        // it is never left drawn down.
        const bool held = quitRequested_ || clock_->wait(kButtonHoldMs);
        host_->releaseButton(name);
        if (!held)
            quitRequested_ = true;
    }
    pause(pauseAfterMs);
}

void DemoRunner::pause(int ms) {
    if (quitRequested_ || ms <= 0)
        return;
    if (!clock_->wait(ms))
        quitRequested_ = true;
}

} // namespace quarnel::demo
