#pragma once

#include <string>

namespace quarnel::calculator {

// What the calculator needs from the window (or terminal) that shows it.
// Engine errors are not reported here: they leave the command as EngineError
// and the front end's dispatch point shows them.
class CalculatorHost {
  public:
    virtual ~CalculatorHost() = default;

    // A plain modal message box with the application title and one OK button
    // (RCWS, Depth, Maximum). The window suspends stay-on-top around it.
    virtual void showMessage(const std::string& text) = 0;

    // Keyboard focus to the input line, caret after the last character,
    // nothing selected.
    virtual void focusInput() = 0;

    // VIEW has rebuilt the listing and StackView is now shown.
    virtual void stackViewShown() {}
};

} // namespace quarnel::calculator
