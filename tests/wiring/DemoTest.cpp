// The demo played on the real window: the demo layer's own checks run
// against the wired window (its host, its runner, its buttons and menus),
// plus what only the real window can show: real mouse presses reaching the
// buttons, and the event-loop clock stopped by Quit Demo or a close.

#include "WiringFixture.h"
#include "support/DemoChecks.h"
#include "support/DemoTarget.h"

#include "app/DemoWiring.h"
#include "demo/DemoScript.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <vector>

using quarnel::ui::Command;
namespace demo = quarnel::demo;
namespace checks = quarnel::demo::test;

namespace quarnel::demo::test {
// Readable test names in ctest's listing.
void PrintTo(const QuitPoint& point, std::ostream* os) {
    *os << point.name;
}
} // namespace quarnel::demo::test

namespace {

class DemoTest : public WiringTest, public checks::DemoTarget {
  protected:
    void SetUp() override {
        WiringTest::SetUp();
        start();
    }

    // DemoTarget over the real window.
    demo::DemoRunner& demoRunner() override { return wiring().demo().runner(); }
    demo::DemoHost& demoHost() override { return wiring().demo().host(); }
    quarnel::calculator::Calculator& calculator() override { return calc(); }
    QString caption() const override { return const_cast<DemoTest*>(this)->window().windowTitle(); }
    bool stayOnTop() const override { return const_cast<DemoTest*>(this)->window().stayOnTop(); }
    void setStayOnTop(bool on) override {
        if (window().stayOnTop() != on)
            choose(Command::StayOnTop);
    }
    checks::DemoMenuState menus() const override {
        auto& w = const_cast<DemoTest*>(this)->window();
        const auto top = [&w](const char* name) {
            QMenu* menu = w.topMenu(QString::fromLatin1(name));
            EXPECT_NE(menu, nullptr) << name;
            return menu && menu->menuAction()->isEnabled();
        };
        return {top("File1"),
                top("Edit1"),
                top("Stack1"),
                top("Options1"),
                top("Help1"),
                w.action(Command::RunDemo)->isEnabled(),
                w.action(Command::QuitDemo)->isEnabled()};
    }
    void answerNextConfirmation(bool ok) override { dialogs().expectConfirm(ok); }
    void chooseRunDemo() override { choose(Command::RunDemo); }
    void chooseQuitDemo() override { choose(Command::QuitDemo); }
    bool requestClose() override { return window().close(); }
    void pressView() override { click("ViewButton"); }

    // Every press and click the window's buttons see, by object name.
    void watchButtons() {
        for (QPushButton* b : window().findChildren<QPushButton*>()) {
            const QString name = b->objectName();
            QObject::connect(b, &QPushButton::pressed, b, [this, name] { pressed_.append(name); });
            QObject::connect(b, &QPushButton::clicked, b, [this, name] { clicked_.append(name); });
        }
    }

    QStringList pressed_;
    QStringList clicked_;
};

// The buttons the script presses, in order, as names.
QStringList scriptedPresses() {
    QStringList names;
    for (const demo::DemoStep& step : demo::demoScript()) {
        for (const demo::DemoAction& action : step.actions) {
            if (action.kind == demo::DemoAction::Kind::Press) {
                names.append(QString::fromLatin1(action.target.data(),
                                                 static_cast<qsizetype>(action.target.size())));
            } else if (action.kind == demo::DemoAction::Kind::Type) {
                for (char digit : action.target) {
                    const std::string_view button = demo::digitButtonName(digit);
                    names.append(
                        QString::fromLatin1(button.data(), static_cast<qsizetype>(button.size())));
                }
            }
        }
    }
    return names;
}

TEST_F(DemoTest, WholeDemoOnTheRealWindow) {
    watchButtons();
    checks::checkWholeDemo(*this);
    // Real mouse presses: each scripted button went down and clicked on the
    // release, in the script's order.
    const QStringList expected = scriptedPresses();
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(pressed_, expected);
    EXPECT_EQ(clicked_, expected);
    // Afterwards the window closes normally.
    EXPECT_TRUE(closeWindow());
}

TEST_F(DemoTest, WholeDemoStartedInStackViewWithNumberingOff) {
    choose(Command::UseStackNumbering);
    checks::checkStartsByLeavingStackView(*this);
}

using Way = checks::QuitPoint::Way;
using When = checks::QuitPoint::When;

class DemoQuitTest : public DemoTest, public ::testing::WithParamInterface<checks::QuitPoint> {};

TEST_P(DemoQuitTest, StoppedDemoGivesTheWindowBack) {
    type(QStringLiteral("ABC"));
    click("EnterButton");
    checks::checkQuit(*this, GetParam());
    // A close after the demo goes through and saves.
    EXPECT_TRUE(closeWindow());
}

INSTANTIATE_TEST_SUITE_P(
    Points, DemoQuitTest,
    ::testing::Values(
        checks::QuitPoint{"QuitOnFirstCaption", Way::QuitDemo, When::OnCaption, 0, "", 1},
        checks::QuitPoint{"QuitInAPause", Way::QuitDemo, When::AtTime, 30000},
        checks::QuitPoint{"QuitWhileEnterIsHeld", Way::QuitDemo, When::WhilePressed, 0,
                          "EnterButton", 1},
        checks::QuitPoint{"CloseWhileTheErrorStands", Way::CloseWindow, When::OnCaption, 0, "", 20},
        checks::QuitPoint{"CloseWhileMultiplyIsHeld", Way::CloseWindow, When::WhilePressed, 0,
                          "MultiplyButton", 1},
        checks::QuitPoint{"CloseLateInAPause", Way::CloseWindow, When::AtTime, 200000}),
    [](const auto& info) { return std::string(info.param.name); });

struct OnTopCase {
    const char* name;
    bool startOnTop;
    bool accept;
};

void PrintTo(const OnTopCase& c, std::ostream* os) {
    *os << c.name;
}

class DemoOnTopTest : public DemoTest, public ::testing::WithParamInterface<OnTopCase> {};

TEST_P(DemoOnTopTest, StayOnTopIsLoweredForTheDemoAndComesBack) {
    const OnTopCase& c = GetParam();
    if (c.accept) {
        // Ended at once, so the check sees the whole suspension.
        QObject::connect(
            &window(), &QWidget::windowTitleChanged, &window(), [this] { chooseQuitDemo(); },
            Qt::SingleShotConnection);
    }
    checks::checkStayOnTopSuspended(*this, c.startOnTop, c.accept);
}

INSTANTIATE_TEST_SUITE_P(Cases, DemoOnTopTest,
                         ::testing::Values(OnTopCase{"OnTopAccepted", true, true},
                                           OnTopCase{"OnTopDeclined", true, false},
                                           OnTopCase{"NormalAccepted", false, true},
                                           OnTopCase{"NormalDeclined", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DemoTest, DeclinedDemoChangesNothing) {
    type(QStringLiteral("12"));
    click("EnterButton");
    checks::checkDeclinedDemoChangesNothing(*this);
}

TEST_F(DemoTest, QuestionNamesTheCaption) {
    checks::checkConfirmationText(*this);
}

// --- on the real event-loop clock -----------------------------------------------------

struct RealClockCase {
    const char* name;
    bool byClose; // a close request instead of Quit Demo
};

void PrintTo(const RealClockCase& c, std::ostream* os) {
    *os << c.name;
}

class DemoRealClockTest : public DemoTest, public ::testing::WithParamInterface<RealClockCase> {};

TEST_P(DemoRealClockTest, StopsWithinAMomentAndTheWindowCanThenClose) {
    const RealClockCase& c = GetParam();
    const QString caption = window().windowTitle();
    bool closeRefused = false;
    QTimer::singleShot(300, &window(), [&] {
        EXPECT_TRUE(demoRunner().isRunning());
        if (c.byClose)
            closeRefused = !window().close();
        else
            chooseQuitDemo();
    });
    dialogs().expectConfirm(true);
    QElapsedTimer timer;
    timer.start();
    chooseRunDemo();
    const qint64 took = timer.elapsed();

    EXPECT_GE(took, 300);
    EXPECT_LT(took, 2000) << "the demo did not stop at once";
    EXPECT_FALSE(demoRunner().isRunning());
    EXPECT_EQ(window().windowTitle(), caption);
    EXPECT_TRUE(window().isVisible());
    if (c.byClose) {
        EXPECT_TRUE(closeRefused) << "the window closed under the running demo";
    }
    // Now the close goes through and the state is saved.
    EXPECT_TRUE(closeWindow());
    EXPECT_TRUE(QFile::exists(iniPath()));
}

INSTANTIATE_TEST_SUITE_P(Ways, DemoRealClockTest,
                         ::testing::Values(RealClockCase{"QuitDemo", false},
                                           RealClockCase{"CloseRequest", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
