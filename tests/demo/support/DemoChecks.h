#pragma once

#include "DemoTarget.h"

namespace quarnel::demo::test {

// Checks of the demo against a window, written once for the fake window of
// the demo tests and the real main window. Each reports through GoogleTest;
// call them from a test body.

// Plays the whole script and follows the window through it: captions, the
// buttons pressed and how long each stays down, the locked menus, the stack
// at each step (the error of step 19 and its clearing included), the stack
// after step 26 before the closing CLR and through Undo Last afterwards, and
// the window as it was at the end.
void checkWholeDemo(DemoTarget& target);

// Where and how a running demo is stopped.
struct QuitPoint {
    const char* name;
    enum class Way { QuitDemo, CloseWindow } way;
    enum class When {
        AtTime,       // at timeMs of virtual time, in whatever wait is running
        WhilePressed, // while the nth press of button (from 1) is held down
        OnCaption,    // as the nth caption (from 1) of the script appears
    } when;
    qint64 timeMs = 0;
    const char* button = "";
    int nth = 1;
};

// Stops the demo at the point and checks that nothing of the script runs
// after it, no time passes, and the window is given back: caption, menus,
// flags, CLR run (only the error cleared when one stands).
void checkQuit(DemoTarget& target, const QuitPoint& point);

// With stay-on-top on, it is off while the question and the demo run and on
// again after, also when the user declines; with it off it is never touched.
void checkStayOnTopSuspended(DemoTarget& target, bool startOnTop, bool accept);

// Cancel in the question: nothing but the question happens.
void checkDeclinedDemoChangesNothing(DemoTarget& target);

// The question names the current caption, line by line as written.
void checkConfirmationText(DemoTarget& target);

// Run Demo from StackView leaves it before the first caption.
void checkStartsByLeavingStackView(DemoTarget& target);

} // namespace quarnel::demo::test
