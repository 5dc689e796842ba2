#pragma once

#include "calculator/Calculator.h"
#include "cli/Script.h"

#include <ostream>
#include <string>
#include <vector>

namespace quarnel::cli {

// The terminal front end: a calculator in its start state whose message
// boxes, engine errors and StackView listings are printed as lines.
class Session final : public calculator::CalculatorHost {
  public:
    explicit Session(std::ostream& out);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs the actions in order. An engine error abandons the rest of its own
    // action only; the following actions still run.
    void run(const std::vector<Action>& actions);
    // The five display lines (with level numbers while numbering is on) and
    // the input line, without trailing blanks.
    void printDisplay();
    // The readout of the value shown, one "[Readout] ..." line per field;
    // nothing when there is no value.
    void printReadout();
    std::vector<std::string> displayText() const;

    calculator::Calculator& calculator() { return calculator_; }

    void showMessage(const std::string& text) override;
    void focusInput() override {}
    void stackViewShown() override;

  private:
    void runAction(const Action& action);

    std::ostream& out_;
    calculator::Calculator calculator_;
};

} // namespace quarnel::cli
