#include "calculator/Calculator.h"
#include "calculator/StackListing.h"
#include "engine/Engine.h"

#include <string>
#include <utility>

namespace quarnel::calculator {

StackListing::StackListing(StackList stack, engine::NumberBase base, int wordSize, bool numbering)
    : stack_(std::move(stack)), base_(base), wordSize_(wordSize), numbering_(numbering) {
    // Formatting refuses exactly the entries that are not numbers in the base
    // (binary entries are only cut), so checking the digits here finds the
    // failure a full build would meet first, and formatting that entry throws
    // the very same error before anything is shown.
    if (base_ == engine::NumberBase::Bin) {
        return;
    }
    for (auto&& entry : stack_) {
        if (!engine::IsValidNumber(entry, base_)) {
            normalizedEntry(entry, base_, wordSize_);
        }
    }
}

std::string StackListing::line(std::size_t i) const {
    auto&& entry = stack_[i];
    if (!numbering_) {
        return normalizedEntry(entry, base_, wordSize_);
    }
    std::string line = std::to_string(stack_.size() - i);
    line += ": ";
    line += normalizedEntry(entry, base_, wordSize_);
    return line;
}

StackListing Calculator::buildListing() const {
    return StackListing(stack_, base_, wordSize_, stackNumbering_);
}

void Calculator::rebuildListing() {
    listing_ = buildListing();
}

void Calculator::view() {
    // The listing is checked before the mode changes, so an entry the engine
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
