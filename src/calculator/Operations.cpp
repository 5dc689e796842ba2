#include "calculator/Calculator.h"

#include "engine/Engine.h"

#include <string>

namespace quarnel::calculator {

namespace {

std::string convertOrKeep(const std::string& text, NumberBase from, NumberBase to, int ws) {
    return text.empty() ? text : engine::ConvertBase(text, from, to, ws);
}

} // namespace

// --- two- and one-operand operations ------------------------------------------

bool Calculator::divisorIsZero() {
    // A divisor that is zero as written is a command error; one that becomes
    // zero only after reduction is left to the engine.
    const std::string& divisor = input_.empty() ? stack_.level(1) : input_;
    if (engine::StripLeadingZeros(divisor) != "0") {
        return false;
    }
    if (!input_.empty()) {
        lastInput_ = input_;
    }
    reportError(ErrorCode::DivisionByZero);
    return true;
}

void Calculator::divide() {
    if (!divisorIsZero()) {
        twoOperands(engine::DivInBase);
    }
}

void Calculator::modulo() {
    if (!divisorIsZero()) {
        withOperands(2, [this](const Operands& v) {
            return engine::ModInBase(v[0], v[1], base_, wordSize_);
        });
    }
}

void Calculator::withOperands(std::size_t count,
                              const std::function<std::string(const Operands&)>& compute) {
    const bool pending = !input_.empty();
    const std::size_t fromStack = pending ? count - 1 : count;
    Operands operands{};
    for (std::size_t i = 0; i < fromStack; ++i) {
        operands[i] = stack_.level(fromStack - i);
    }
    if (pending) {
        // Kept for Restore Input as soon as the line supplies an operand, as
        // the other operations do.
        lastInput_ = input_;
        operands[count - 1] = input_;
    }
    std::string result;
    try {
        result = compute(operands);
    } catch (const engine::InvalidArgumentError&) {
        reportError(ErrorCode::InvalidArgument);
        return;
    }
    for (std::size_t i = 0; i < fromStack; ++i) {
        stack_.pop_back();
    }
    stack_.push_back(std::move(result));
    if (pending) {
        changeInput(std::string());
    }
    updateDisplay();
}

void Calculator::twoOperands(TwoOperands op) {
    // The first operand is always the deeper one.
    const bool pending = !input_.empty();
    // The operands are read into buffers kept from call to call.
    std::string& first = operandText_[0];
    std::string& second = operandText_[1];
    const std::size_t size = stack_.size();
    stack_.entry(pending ? size - 1 : size - 2).copyTo(first);
    if (pending) {
        lastInput_ = input_;
    } else {
        stack_.entry(size - 1).copyTo(second);
    }
    std::string result = op(first, pending ? input_ : second, base_, wordSize_);
    stack_.pop_back();
    if (pending) {
        changeInput(std::string());
    } else {
        stack_.pop_back();
    }
    stack_.push_back(std::move(result));
    updateDisplay();
}

void Calculator::oneOperand(OneOperand op) {
    const bool pending = !input_.empty();
    std::string result = op(pending ? input_ : stack_.level(1), base_, wordSize_);
    if (pending) {
        stack_.push_back(std::move(result));
        consumeInput();
    } else {
        stack_.setBack(std::move(result));
    }
    updateDisplay();
}

// --- base -----------------------------------------------------------------------

std::string Calculator::baseCaption(NumberBase base) const {
    const std::string name(baseName(base));
    return base == base_ ? "<" + name + ">" : name;
}

void Calculator::showBase(NumberBase base) {
    int highest = 15;
    switch (base) {
    case NumberBase::Hex:
        highest = 15;
        break;
    case NumberBase::Dec:
        highest = 9;
        break;
    case NumberBase::Oct:
        highest = 7;
        break;
    case NumberBase::Bin:
        highest = 1;
        break;
    }
    for (int d = 0; d < 16; ++d) {
        digitEnabled_[static_cast<std::size_t>(d)] = d <= highest;
    }
}

void Calculator::convertBase(NumberBase from, NumberBase to) {
    // Everything is converted before anything is replaced: an entry the engine
    // refuses (possible only from a stack file) leaves the stack, the line and
    // the base as they were, and all entries keep agreeing with the base.
    std::string input = convertOrKeep(input_, from, to, wordSize_);
    StackList converted;
    for (const std::string& entry : stack_) {
        converted.push_back(convertOrKeep(entry, from, to, wordSize_));
    }

    skipInputCheck_ = true;
    stack_ = std::move(converted);
    changeInput(std::move(input));
    skipInputCheck_ = false;
    lastInput_ = input_;
    base_ = to;
    updateDisplay();
}

void Calculator::changeBase(NumberBase base) {
    if (base != base_) {
        convertBase(base_, base);
        showBase(base_);
        forgetUndo();
    }
    focusInput();
}

void Calculator::loadStackFile(NumberBase base, int wordSize, std::vector<std::string> entries) {
    // The only step that can fail comes first, so a refused file changes nothing.
    std::string input = base != base_ ? convertOrKeep(input_, base_, base, wordSize_) : input_;
    if (base != base_) {
        skipInputCheck_ = true;
        changeInput(std::move(input));
        skipInputCheck_ = false;
        lastInput_ = input_;
        base_ = base;
        showBase(base_);
    }
    wordSize_ = limitWordSize(wordSize);
    stack_ = StackList::fromVector(std::move(entries));
    undoStack_ = stack_;
    updateDisplay();
}

// --- word size --------------------------------------------------------------------

void Calculator::setWordSize() {
    const std::optional<int> bits = readCount(input_.empty() ? stack_.level(1) : input_);
    if (!bits) {
        reportError(ErrorCode::InvalidArgument);
        focusInput();
        return;
    }
    wordSize_ = limitWordSize(*bits);
    dropArgument();
    updateDisplay();
    forgetUndo();
    focusInput();
}

void Calculator::recallWordSize() {
    host().showMessage("Current wordsize = " + std::to_string(wordSize_));
    focusInput();
}

} // namespace quarnel::calculator
