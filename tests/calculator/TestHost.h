#pragma once

#include "calculator/Calculator.h"

#include <ostream>
#include <string>
#include <vector>

namespace quarnel::calculator::test {

// Records what the calculator asks of its window.
class RecordingHost final : public CalculatorHost {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void focusInput() override { ++focusCount; }
    void stackViewShown() override { ++viewShownCount; }

    std::vector<std::string> messages;
    int focusCount = 0;
    int viewShownCount = 0;
};

using Entries = std::vector<std::string>;

// A calculator in a given state: base, word size, stack and input line, with
// LastInput primed to "101" (valid in every base) so that tests see whether a
// command replaced it.
struct Setup {
    NumberBase base = NumberBase::Hex;
    int wordSize = 64;
    Entries stack{};
    std::string input{};
};

inline constexpr const char* kPrimedLastInput = "101";

inline void prepare(Calculator& c, const Setup& setup) {
    c.loadBase(setup.base);
    c.loadWordSize(setup.wordSize);
    c.setInputText(kPrimedLastInput);
    c.del();
    c.loadStack(setup.stack);
    c.loadInputText(setup.input);
}

inline Entries entries(const StackList& list) {
    return list.toVector();
}

namespace {
// Table rows with a name are printed by it in failure messages.
template <typename Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}
} // namespace

} // namespace quarnel::calculator::test
