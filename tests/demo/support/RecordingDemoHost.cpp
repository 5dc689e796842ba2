#include "RecordingDemoHost.h"

namespace quarnel::demo::test {

template <typename Forward> void RecordingDemoHost::record(DemoEvent event, Forward forward) {
    event.atMs = clock_.now();
    if (before_)
        before_(event);
    forward(event);
    events_.push_back(event);
    if (after_)
        after_(event);
}

void RecordingDemoHost::setCaption(const QString& caption) {
    record({DemoEvent::Kind::Caption, caption}, [&](DemoEvent&) { window_.setCaption(caption); });
}

void RecordingDemoHost::toggleStayOnTop() {
    record({DemoEvent::Kind::ToggleOnTop, {}}, [&](DemoEvent& e) {
        window_.toggleStayOnTop();
        e.flag = window_.stayOnTop();
    });
}

bool RecordingDemoHost::confirmDemo(const QString& text) {
    bool answer = false;
    record({DemoEvent::Kind::Confirm, text}, [&](DemoEvent& e) {
        answer = window_.confirmDemo(text);
        e.flag = answer;
    });
    return answer;
}

void RecordingDemoHost::setMainMenusEnabled(bool enabled) {
    record({DemoEvent::Kind::MainMenus, {}, enabled},
           [&](DemoEvent&) { window_.setMainMenusEnabled(enabled); });
}

void RecordingDemoHost::setDemoMenusRunning(bool running) {
    record({DemoEvent::Kind::DemoMenus, {}, running},
           [&](DemoEvent&) { window_.setDemoMenusRunning(running); });
}

void RecordingDemoHost::pressButton(const QString& objectName) {
    record({DemoEvent::Kind::Press, objectName},
           [&](DemoEvent&) { window_.pressButton(objectName); });
}

void RecordingDemoHost::releaseButton(const QString& objectName) {
    record({DemoEvent::Kind::Release, objectName},
           [&](DemoEvent&) { window_.releaseButton(objectName); });
}

void RecordingDemoHost::runCommand(DemoCommand command) {
    record({DemoEvent::Kind::Command, {}, false, command},
           [&](DemoEvent&) { window_.runCommand(command); });
}

} // namespace quarnel::demo::test
