#pragma once

#include "calculator/Calculator.h"

namespace quarnel::calculator {

// What the tests look at that no command shows directly: the undo copy and the
// text Restore Input brings back.
struct CalculatorProbe {
    static const StackList& undo(const Calculator& c) { return c.undoStack_; }
    static const std::string& lastInput(const Calculator& c) { return c.lastInput_; }
};

} // namespace quarnel::calculator
