#include "demo/DemoRunner.h"

#include "FakeDemoWindow.h"
#include "support/DemoChecks.h"
#include "support/FakeDemoClock.h"
#include "support/RecordingDemoHost.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quarnel::demo::test {
namespace {

TEST(DemoOnWindow, PlaysTheWholeScriptOverAStackAndTypedInput) {
    FakeDemoWindow window;
    window.calculator().loadStack({"FFFF", "1"});
    window.calculator().loadInputText("ABC");
    checkWholeDemo(window);
}

// The second run finds the window as the first left it.
TEST(DemoOnWindow, PlaysTwiceInARow) {
    FakeDemoWindow window;
    checkWholeDemo(window);
    checkWholeDemo(window);
}

class QuitPoints : public ::testing::TestWithParam<QuitPoint> {};

TEST_P(QuitPoints, StopAtOnceAndGiveTheWindowBack) {
    FakeDemoWindow window;
    checkQuit(window, GetParam());
}

using Way = QuitPoint::Way;
using When = QuitPoint::When;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Demo, QuitPoints, ::testing::Values(
    QuitPoint{"quitDuringFirstCaption", Way::QuitDemo, When::AtTime, 1000},
    // Caption 2 stands from 4 s to 8 s, then CLR is held down for 100 ms.
    QuitPoint{"quitDuringClrHold", Way::QuitDemo, When::AtTime, 8050},
    QuitPoint{"quitWhileDupHeldDown", Way::QuitDemo, When::WhilePressed, 0, "DuplicateButton"},
    QuitPoint{"quitWhileTyping", Way::QuitDemo, When::WhilePressed, 0, "FiveButton"},
    QuitPoint{"quitInStackView", Way::QuitDemo, When::OnCaption, 0, "", 17},
    QuitPoint{"quitWhileErrorShown", Way::QuitDemo, When::OnCaption, 0, "", 20},
    QuitPoint{"quitAtLastCaption", Way::QuitDemo, When::OnCaption, 0, "", 26},
    QuitPoint{"closeDuringACaption", Way::CloseWindow, When::AtTime, 30000},
    QuitPoint{"closeWhileErrorPressHeld", Way::CloseWindow, When::WhilePressed, 0, "MultiplyButton", 2},
    QuitPoint{"closeInStackView", Way::CloseWindow, When::OnCaption, 0, "", 17},
    QuitPoint{"closeWhileTypingSecondNumber", Way::CloseWindow, When::WhilePressed, 0, "NilButton", 3}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct OnTopCase {
    const char* name;
    bool startOnTop;
    bool accept;
};

class StayOnTop : public ::testing::TestWithParam<OnTopCase> {};

TEST_P(StayOnTop, IsSuspendedAroundQuestionAndDemo) {
    FakeDemoWindow window;
    checkStayOnTopSuspended(window, GetParam().startOnTop, GetParam().accept);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Demo, StayOnTop, ::testing::Values(
    OnTopCase{"onTopAccepted", true, true}, OnTopCase{"onTopDeclined", true, false},
    OnTopCase{"notOnTopAccepted", false, true}, OnTopCase{"notOnTopDeclined", false, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(DemoOnWindow, DeclinedDemoChangesNothing) {
    FakeDemoWindow window;
    window.calculator().loadStack({"1F", "2"});
    window.calculator().loadInputText("7");
    checkDeclinedDemoChangesNothing(window);
}

TEST(DemoOnWindow, QuestionNamesTheCaption) {
    FakeDemoWindow window;
    checkConfirmationText(window);
}

TEST(DemoOnWindow, StartsByLeavingStackView) {
    FakeDemoWindow window;
    checkStartsByLeavingStackView(window);
}

// The runner's own rules, away from any script.
class DemoRunnerRules : public ::testing::Test {
  protected:
    DemoRunnerRules() : recorder(window, clock) {
        window.demoRunner().setHost(recorder);
        window.demoRunner().setClock(&clock);
    }
    FakeDemoWindow window;
    FakeDemoClock clock;
    RecordingDemoHost recorder;
};

TEST_F(DemoRunnerRules, QuitAndCloseWhileIdleChangeNothing) {
    DemoRunner& runner = window.demoRunner();
    runner.requestQuit();
    EXPECT_FALSE(runner.quitRequested());
    EXPECT_TRUE(runner.mayClose());
    EXPECT_FALSE(runner.quitRequested());
    EXPECT_TRUE(recorder.events().empty());
}

TEST_F(DemoRunnerRules, RunWhileRunningIsIgnored) {
    DemoRunner& runner = window.demoRunner();
    int questions = 0;
    bool tried = false;
    recorder.setAfterEach([&](const DemoEvent& e) {
        if (e.kind == DemoEvent::Kind::Confirm)
            ++questions;
        if (e.kind == DemoEvent::Kind::Caption && !tried) {
            tried = true;
            runner.run(); // as if the menu item had been reached anyway
            runner.requestQuit();
        }
    });
    runner.run();
    EXPECT_TRUE(tried);
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(runner.isRunning());
}

TEST_F(DemoRunnerRules, ApplicationQuitEndsTheDemo) {
    // A wait cut short by anything but Quit Demo (the application quitting)
    // stops the script as well.
    struct QuittingClock : FakeDemoClock {
        bool wait(int ms) override { return ++calls < 5 && FakeDemoClock::wait(ms); }
        int calls = 0;
    } quitting;
    window.demoRunner().setClock(&quitting);
    window.demoRunner().run();
    EXPECT_EQ(quitting.calls, 5);
    EXPECT_FALSE(window.demoRunner().isRunning());
    EXPECT_EQ(window.caption(), QStringLiteral("Quarnel"));
    EXPECT_EQ(window.menus(), DemoMenuState{});
}

TEST_F(DemoRunnerRules, FailingCommandStillGivesTheWindowBack) {
    struct Failing : FakeDemoWindow {
        void runCommand(DemoCommand command) override {
            if (command == DemoCommand::SetMaximumStackDepth)
                throw std::runtime_error("window gone wrong");
            FakeDemoWindow::runCommand(command);
        }
    } failing;
    failing.demoRunner().setClock(&clock);
    failing.setStayOnTop(true);
    EXPECT_THROW(failing.demoRunner().run(), std::runtime_error);
    EXPECT_FALSE(failing.demoRunner().isRunning());
    EXPECT_EQ(failing.caption(), QStringLiteral("Quarnel"));
    EXPECT_EQ(failing.menus(), DemoMenuState{});
    EXPECT_TRUE(failing.stayOnTop());
    EXPECT_TRUE(failing.buttonDown().isEmpty());
}

} // namespace
} // namespace quarnel::demo::test
