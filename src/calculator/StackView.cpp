#include "calculator/Calculator.h"

#include <string>
#include <vector>

namespace quarnel::calculator {

std::vector<std::string> Calculator::buildListing() const {
    std::vector<std::string> lines;
    lines.reserve(stack_.size());
    std::size_t level = stack_.size();
    for (const std::string& entry : stack_) {
        std::string line = normalizeEntry(entry);
        if (stackNumbering_) {
            line.insert(0, std::to_string(level) + ": ");
        }
        lines.push_back(std::move(line));
        --level;
    }
    return lines;
}

void Calculator::rebuildListing() {
    listing_ = buildListing();
}

void Calculator::view() {
    // The listing is built before the mode changes, so an entry the engine
    // refuses leaves the window in the mode it was in, menus included.
    listing_ = buildListing();
    stackViewShown_ = true;
    host().stackViewShown();
}

void Calculator::closeStackView() {
    stackViewShown_ = false;
    focusInput();
}

MenuStates Calculator::menuStates() const {
    const bool calculatorMode = !stackViewShown_;
    return {calculatorMode, calculatorMode, calculatorMode,
            calculatorMode, calculatorMode, stackViewShown_};
}

void Calculator::toggleStackNumbering() {
    stackNumbering_ = !stackNumbering_;
}

void Calculator::editLevel1() {
    lastInput_ = input_;
    skipInputCheck_ = true;
    changeInput(std::string());
    std::string taken = stack_.back();
    stack_.pop_back();
    // Level 1 is pending input before the redraw, so a redraw that fails never
    // leaves the entry in neither place.
    changeInput(std::move(taken));
    skipInputCheck_ = false;
    updateDisplay();
    focusInput();
}

} // namespace quarnel::calculator
