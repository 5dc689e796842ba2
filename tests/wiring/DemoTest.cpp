// The demo played on the real wired window, once, on a virtual clock: the
// script's captions and presses reach the window as real mouse events, and
// whether it ends, is declined, quit or closed, the window gets its caption,
// menus and stay-on-top back and CLR runs.

#include "WiringFixture.h"
#include "support/FakeDemoClock.h"

#include "app/DemoWiring.h"
#include "demo/DemoScript.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

using quarnel::ui::Command;
namespace demo = quarnel::demo;

namespace {

QString qs(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

class DemoTest : public WiringTest {
  protected:
    void SetUp() override {
        WiringTest::SetUp();
        start();
        runner().setClock(&clock_);
        for (QPushButton* b : window().findChildren<QPushButton*>()) {
            const QString name = b->objectName();
            QObject::connect(b, &QPushButton::pressed, b, [this, name] { pressed_.append(name); });
            QObject::connect(b, &QPushButton::clicked, b, [this, name] { clicked_.append(name); });
        }
        QObject::connect(&window(), &QWidget::windowTitleChanged, &window(),
                         [this](const QString& title) { captions_.append(title); });
    }
    demo::DemoRunner& runner() { return wiring().demo().runner(); }
    bool menusUnlocked() {
        for (const char* name : {"File1", "Edit1", "Stack1", "Options1", "Help1"})
            if (!window().topMenu(QString::fromLatin1(name))->menuAction()->isEnabled())
                return false;
        return window().action(Command::RunDemo)->isEnabled() &&
               !window().action(Command::QuitDemo)->isEnabled();
    }
    // Runs the demo with the question answered; checks the window is given back.
    void runDemo(bool accept) {
        const QString caption = window().windowTitle();
        const bool onTop = window().stayOnTop();
        dialogs().clear();
        dialogs().expectConfirm(accept);
        choose(Command::RunDemo);
        ASSERT_EQ(dialogs().calls().size(), 1u);
        EXPECT_EQ(dialogs().calls()[0].text, demo::demoConfirmationText(caption));
        EXPECT_FALSE(dialogs().calls()[0].parentOnTop);
        EXPECT_FALSE(runner().isRunning());
        EXPECT_EQ(window().windowTitle(), caption);
        EXPECT_EQ(window().stayOnTop(), onTop);
        EXPECT_TRUE(menusUnlocked());
    }

    demo::test::FakeDemoClock clock_;
    QStringList pressed_, clicked_, captions_;
};

TEST_F(DemoTest, EveryStepNamesAButtonOfTheWindow) {
    for (const demo::DemoStep& step : demo::demoScript())
        for (const demo::DemoAction& action : step.actions)
            for (const char digit :
                 action.kind == demo::DemoAction::Kind::Type ? action.target : "")
                EXPECT_NE(window().findChild<QPushButton*>(qs(demo::digitButtonName(digit))),
                          nullptr);
    for (const demo::DemoStep& step : demo::demoScript())
        for (const demo::DemoAction& action : step.actions)
            if (action.kind == demo::DemoAction::Kind::Press)
                EXPECT_NE(window().findChild<QPushButton*>(qs(action.target)), nullptr)
                    << action.target;
}

TEST_F(DemoTest, WholeDemoPressesTheButtonsUnderItsCaptions) {
    choose(Command::StayOnTop);
    click("ViewButton"); // the demo starts by leaving StackView
    QStringList presses, captions;
    for (const demo::DemoStep& step : demo::demoScript()) {
        captions.append(qs(step.caption));
        for (const demo::DemoAction& action : step.actions) {
            if (action.kind == demo::DemoAction::Kind::Press)
                presses.append(qs(action.target));
            for (const char digit :
                 action.kind == demo::DemoAction::Kind::Type ? action.target : "")
                presses.append(qs(demo::digitButtonName(digit)));
        }
    }
    pressed_.clear();
    runDemo(true);
    EXPECT_EQ(pressed_, presses);
    EXPECT_EQ(clicked_.mid(1), presses); // after the ViewButton click
    captions.append(window().windowTitle());
    EXPECT_EQ(captions_, captions);
    EXPECT_TRUE(calc().stack().empty()) << "CLR ends the demo";
    EXPECT_FALSE(calc().stackViewShown());
    EXPECT_TRUE(closeWindow());
}

TEST_F(DemoTest, DeclinedDemoChangesNothing) {
    type(QStringLiteral("12"));
    click("EnterButton");
    pressed_.clear();
    runDemo(false);
    EXPECT_TRUE(pressed_.isEmpty());
    EXPECT_EQ(calc().stack().size(), 1u);
}

TEST_F(DemoTest, QuitOrCloseStopsItAtOnce) {
    clock_.at(30000, [this] { choose(Command::QuitDemo); });
    runDemo(true);
    EXPECT_EQ(clock_.now(), 30000);
    EXPECT_TRUE(calc().stack().empty());
    clock_.at(clock_.now() + 60000, [this] { EXPECT_FALSE(window().close()); });
    runDemo(true);
    EXPECT_EQ(clock_.now(), 90000);
    EXPECT_TRUE(window().isVisible());
}

// On the real clock a close request ends the pause in progress at once.
TEST_F(DemoTest, CloseOnTheRealClockStopsWithinAMoment) {
    runner().setClock(nullptr);
    QTimer::singleShot(300, &window(), [this] { EXPECT_FALSE(window().close()); });
    QElapsedTimer timer;
    timer.start();
    runDemo(true);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(closeWindow());
}

} // namespace
