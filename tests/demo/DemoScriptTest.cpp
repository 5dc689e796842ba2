#include "demo/DemoScript.h"

#include "FakeDemoWindow.h"

#include <gtest/gtest.h>

#include <set>

namespace quarnel::demo {
namespace {

TEST(DemoScript, HasTwentySixStepsWithCaptions) {
    const auto& script = demoScript();
    ASSERT_EQ(script.size(), 26u);
    for (const DemoStep& step : script)
        EXPECT_FALSE(step.caption.empty());
}

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

struct DigitCase {
    char digit;
    const char* button;
};

class DigitButtons : public ::testing::TestWithParam<DigitCase> {};

TEST_P(DigitButtons, MapDigitToButton) {
    EXPECT_EQ(digitButtonName(GetParam().digit), GetParam().button);
}

INSTANTIATE_TEST_SUITE_P(Digits, DigitButtons,
                         ::testing::Values(DigitCase{'0', "NilButton"}, DigitCase{'1', "OneButton"},
                                           DigitCase{'5', "FiveButton"},
                                           DigitCase{'9', "NineButton"}, DigitCase{'A', ""},
                                           DigitCase{'/', ""}, DigitCase{':', ""}));

} // namespace
} // namespace quarnel::demo
