// The demo played once, on the real wired window and a virtual clock: real presses under the
// script's captions; however it ends, the window gets its caption, menus and stay-on-top back.

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

QStringList scriptedPresses() {
    QStringList names;
    for (const demo::DemoStep& step : demo::demoScript())
        for (const demo::DemoAction& action : step.actions) {
            if (action.kind == demo::DemoAction::Kind::Press)
                names.append(qs(action.target));
            for (const char digit :
                 action.kind == demo::DemoAction::Kind::Type ? action.target : "")
                names.append(qs(demo::digitButtonName(digit)));
        }
    return names;
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

TEST_F(DemoTest, WholeDemoPressesTheButtonsUnderItsCaptions) {
    choose(Command::StayOnTop);
    click("ViewButton"); // the demo starts by leaving StackView
    QStringList captions;
    for (const demo::DemoStep& step : demo::demoScript())
        captions.append(qs(step.caption));
    const QStringList presses = scriptedPresses();
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
    calc().loadStack({"12"});
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
