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
    // Level 1 reduced to the word size, whole, on a line of its own; nothing
    // for an empty stack.
    void printResult();

    // Where message boxes, engine errors, StackView listings and (from now on)
    // each newly raised command error go, so that the output stream carries
    // only what printDisplay or printResult write.
    void sendNotesTo(std::ostream& notes);
    // True once a command error or an engine error has been shown.
    bool errorShown() const { return errorShown_; }

    calculator::Calculator& calculator() { return calculator_; }

    void showMessage(const std::string& text) override;
    void focusInput() override {}
    void stackViewShown() override;

  private:
    void runAction(const Action& action);

    std::ostream& out_;
    std::ostream* notes_ = &out_;
    bool notesApart_ = false;
    bool errorShown_ = false;
    calculator::Calculator calculator_;
};

} // namespace quarnel::cli
