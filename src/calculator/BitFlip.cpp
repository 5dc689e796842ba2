#include "calculator/Calculator.h"

#include "engine/Engine.h"

namespace quarnel::calculator {

void Calculator::flipShownBit(int bit) {
    if (bit < 0 || bit >= wordSize_ || stackViewShown_ || (input_.empty() && stack_.empty())) {
        return;
    }
    // The one-bit value in the current base, then XOR: the same reduction
    // and digit rules as the XOR command.
    std::string oneBit(static_cast<std::size_t>(bit) + 1, '0');
    oneBit.front() = '1';
    const std::string mask = engine::ConvertBase(oneBit, NumberBase::Bin, base_, wordSize_);
    if (!input_.empty()) {
        std::string flipped = engine::XorInBase(input_, mask, base_, wordSize_);
        lastInput_ = input_;
        changeInput(std::move(flipped));
        focusInput();
        return;
    }
    std::string flipped = engine::XorInBase(stack_.back(), mask, base_, wordSize_);
    // The undo copy, as every command that writes the stack takes it; the
    // engine has already accepted the entry, so the write follows for sure.
    undoStack_ = stack_;
    stack_.setBack(std::move(flipped));
    updateDisplay();
}

} // namespace quarnel::calculator
