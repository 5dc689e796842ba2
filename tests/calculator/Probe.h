#pragma once

#include "calculator/Calculator.h"

namespace quarnel::calculator {

// What the tests look at that no command shows directly: the undo copy and the
// text Restore Input brings back.
struct CalculatorProbe {
    static const StackList& undo(const Calculator& c) { return c.undoStack_; }
    static const std::string& lastInput(const Calculator& c) { return c.lastInput_; }
    // The state a command leaves for a moment when it rewrites the line itself.
    static void skipNextCheck(Calculator& c) { c.skipInputCheck_ = true; }
};

} // namespace quarnel::calculator
