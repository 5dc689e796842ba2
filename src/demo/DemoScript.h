#pragma once

#include "demo/DemoHost.h"

#include <QString>

#include <string_view>
#include <vector>

namespace quarnel::demo {

// One thing the script does after a step's caption has stood for its pause.
struct DemoAction {
    enum class Kind {
        Press,     // press the button named by target
        Type,      // press the digit buttons for the digits in target
        Call,      // run command directly
        LockMenus, // disable File, Edit, Stack, Options and Help again
    };
    Kind kind;
    std::string_view target;
    calculator::Command command;
    // The pause after the action; 0 for none. For Type, the pause after the
    // last digit (the digits before it are followed by kDigitPauseMs).
    int pauseAfterMs;
};

struct DemoStep {
    std::string_view caption;
    std::vector<DemoAction> actions;
};

// How long each caption stands before the step's actions.
inline constexpr int kCaptionPauseMs = 4000;
// How long a pressed button stays down.
inline constexpr int kButtonHoldMs = 100;
// The pause between two typed digits.
inline constexpr int kDigitPauseMs = 100;

// The demo script, step by step.
const std::vector<DemoStep>& demoScript();

// The object name of the digit button for '0'..'9'; empty for anything else.
std::string_view digitButtonName(char digit);

// The question asked before the demo starts; caption is the window caption,
// which the demo restores when it ends.
QString demoConfirmationText(const QString& caption);

} // namespace quarnel::demo
