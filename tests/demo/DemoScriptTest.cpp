#include "demo/DemoScript.h"

#include "FakeDemoWindow.h"

#include <gtest/gtest.h>

namespace quarnel::demo {
namespace {

// Every button the script presses exists on the window, and every digit it
// types has a digit button.
TEST(DemoScript, PressesOnlyButtonsTheWindowHas) {
    const QStringList buttons = test::FakeDemoWindow::buttonNames();
    ASSERT_EQ(buttons.size(), 47);
    for (const DemoStep& step : demoScript()) {
        for (const DemoAction& action : step.actions) {
            if (action.kind == DemoAction::Kind::Press) {
                EXPECT_TRUE(buttons.contains(
                    QString::fromLatin1(action.target.data(), qsizetype(action.target.size()))))
                    << action.target;
            }
            if (action.kind == DemoAction::Kind::Type) {
                EXPECT_FALSE(action.target.empty());
                for (const char digit : action.target) {
                    const std::string_view name = digitButtonName(digit);
                    EXPECT_TRUE(
                        buttons.contains(QString::fromLatin1(name.data(), qsizetype(name.size()))))
                        << "digit " << digit;
                }
            }
        }
    }
}

} // namespace
} // namespace quarnel::demo
