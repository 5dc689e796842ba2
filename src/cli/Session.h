#pragma once

#include "calculator/Calculator.h"
#include "cli/Script.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
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
    // Runs the tokens of one line as run() runs their actions. When a token
    // names an unknown command or key nothing runs, and that token is returned.
    std::optional<std::string> runLine(std::string_view line);
    // The five display lines (with level numbers while numbering is on) and
    // the input line, without trailing blanks. The text is not flushed here:
    // readLine and the end of the program do that.
    void printDisplay();
    // The readout of the value shown, one "[Readout] ..." line per field;
    // nothing when there is no value.
    void printReadout();
    // The next line of `in`, as std::getline reads it. What was printed is
    // flushed first unless more input is already waiting, so a reader that
    // waits for each display gets it, and a long script is not written out a
    // line at a time. `in` should not be tied to the output stream, or every
    // read flushes it anyway.
    bool readLine(std::istream& in, std::string& line);
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
    void runAction(const TokenAction& action);
    // Appends to the output stream, failing it when the text does not fit.
    void put(std::string_view text);
    void runShowingErrors(const TokenAction& action);

    std::ostream& out_;
    std::ostream* notes_ = &out_;
    bool notesApart_ = false;
    bool errorShown_ = false;
    std::string printed_; // printDisplay's buffer, kept for its capacity
    // The five display lines as printDisplay last wrote them.
    struct PrintedLines {
        std::string text;
        std::uint64_t revision = 0;
        bool numbering = false;
        bool drawn = false;
    };
    PrintedLines lines_;
    calculator::Calculator calculator_;
};

} // namespace quarnel::cli
