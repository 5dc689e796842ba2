#include "calculator/Calculator.h"

#include <string>
#include <vector>

namespace quarnel::calculator {

namespace {

// Pops the top n entries, returned deepest first (x_n ... x_1).
std::vector<std::string> popTop(StackList& stack, std::size_t n) {
    std::vector<std::string> top(n);
    for (std::size_t i = n; i > 0; --i) {
        top[i - 1] = stack.back();
        stack.pop_back();
    }
    return top;
}

} // namespace

void Calculator::consumeInput() {
    lastInput_ = input_;
    changeInput(std::string());
}

// DROP as the other commands run it to take their argument away.
void Calculator::dropArgument() {
    if (!input_.empty()) {
        consumeInput();
        return;
    }
    stack_.pop_back();
    updateDisplay();
}

void Calculator::drop() {
    dropArgument();
    focusInput();
}

void Calculator::dup() {
    if (input_.empty()) {
        changeInput(stack_.back());
        enterCommand();
    } else {
        enterCommand();
        changeInput(stack_.back());
        focusInput();
    }
}

void Calculator::swap() {
    if (!input_.empty()) {
        std::string level1 = stack_.back();
        stack_.setBack(input_);
        changeInput(std::move(level1));
    } else {
        std::vector<std::string> top = popTop(stack_, 2);
        stack_.push_back(std::move(top[1]));
        stack_.push_back(std::move(top[0]));
    }
    updateDisplay();
}

void Calculator::del() {
    consumeInput();
    focusInput();
}

void Calculator::clear() {
    if (errorPending_) {
        errorPending_ = false;
        updateDisplay();
        focusInput();
        return;
    }
    lastInput_ = input_;
    stack_.clear();
    changeInput(std::string());
    updateDisplay();
    focusInput();
}

void Calculator::drop2() {
    stack_.pop_back();
    if (input_.empty()) {
        stack_.pop_back();
    } else {
        consumeInput();
    }
    updateDisplay();
}

void Calculator::dup2() {
    if (!input_.empty()) {
        // [a b] i -> [a b i b i]
        const std::string b = stack_.back();
        stack_.push_back(input_);
        stack_.push_back(b);
        stack_.push_back(input_);
        consumeInput();
    } else {
        const std::string a = stack_.level(2);
        const std::string b = stack_.level(1);
        stack_.push_back(a);
        stack_.push_back(b);
    }
    updateDisplay();
}

void Calculator::over() {
    if (!input_.empty()) {
        // [a b] i -> [a b i b]
        const std::string b = stack_.back();
        stack_.push_back(input_);
        stack_.push_back(b);
        consumeInput();
    } else {
        stack_.push_back(stack_.level(2));
    }
    updateDisplay();
}

void Calculator::rotate() {
    if (!input_.empty()) {
        // [a b] i -> [b i] a
        std::vector<std::string> top = popTop(stack_, 2);
        stack_.push_back(std::move(top[1]));
        stack_.push_back(input_);
        lastInput_ = input_;
        changeInput(std::move(top[0]));
    } else {
        // [a b c] -> [b c a]
        std::vector<std::string> top = popTop(stack_, 3);
        stack_.push_back(std::move(top[1]));
        stack_.push_back(std::move(top[2]));
        stack_.push_back(std::move(top[0]));
    }
    updateDisplay();
}

void Calculator::echo() {
    lastInput_ = input_;
    skipInputCheck_ = true;
    changeInput(input_ + stack_.back());
    // Appending an empty entry (possible only from a file) changes nothing;
    // the flag must not outlive the command and let a later keystroke pass.
    skipInputCheck_ = false;
}

void Calculator::depth() {
    host().showMessage(std::to_string(stack_.size()) + " object(s) on stack.");
    focusInput();
}

void Calculator::maximum() {
    host().showMessage("Maximum stack depth: " + std::to_string(maxStackDepth_));
    focusInput();
}

std::optional<std::size_t> Calculator::takeCount(bool ownEntryCounts) {
    const bool pending = !input_.empty();
    const std::optional<int> count = readCount(pending ? input_ : stack_.back());
    if (!count) {
        reportError(ErrorCode::InvalidArgument);
        focusInput();
        return std::nullopt;
    }
    // A count taken from level 1 counts its own entry only where the command
    // says so.
    const long long available =
        static_cast<long long>(stack_.size()) - (!ownEntryCounts && !pending ? 1 : 0);
    if (*count > available) {
        reportError(ErrorCode::TooFewArguments);
        focusInput();
        return std::nullopt;
    }
    if (*count <= 0) {
        reportError(ErrorCode::InvalidArgument);
        focusInput();
        return std::nullopt;
    }
    if (pending) {
        consumeInput();
    } else {
        stack_.pop_back();
    }
    return static_cast<std::size_t>(*count);
}

void Calculator::dupN() {
    const std::optional<std::size_t> n = takeCount(false);
    if (!n) {
        return;
    }
    const std::vector<std::string> top = popTop(stack_, *n);
    for (int copy = 0; copy < 2; ++copy) {
        for (const std::string& entry : top) {
            stack_.push_back(entry);
        }
    }
    updateDisplay();
}

void Calculator::dropN() {
    const std::optional<std::size_t> n = takeCount(false);
    if (!n) {
        return;
    }
    for (std::size_t i = 0; i < *n; ++i) {
        stack_.pop_back();
    }
    updateDisplay();
}

void Calculator::pick() {
    const std::optional<std::size_t> n = takeCount(false);
    if (!n) {
        return;
    }
    stack_.push_back(stack_.level(*n));
    updateDisplay();
}

void Calculator::roll() {
    const std::optional<std::size_t> n = takeCount(false);
    if (!n) {
        return;
    }
    std::vector<std::string> top = popTop(stack_, *n);
    for (std::size_t i = 1; i < *n; ++i) {
        stack_.push_back(std::move(top[i]));
    }
    stack_.push_back(std::move(top[0]));
    updateDisplay();
}

void Calculator::rollD() {
    // Taken from level 1, the count's own entry does not count.
    const std::optional<std::size_t> n = takeCount(false);
    if (!n) {
        return;
    }
    // [x_N ... x_2 x_1] -> [x_1 x_N ... x_2]
    std::vector<std::string> top = popTop(stack_, *n);
    stack_.push_back(std::move(top[*n - 1]));
    for (std::size_t i = 0; i + 1 < *n; ++i) {
        stack_.push_back(std::move(top[i]));
    }
    updateDisplay();
    focusInput();
}

void Calculator::keep() {
    // The count's own entry counts.
    const std::optional<std::size_t> n = takeCount(true);
    if (!n) {
        return;
    }
    // With the count typed in, N may be the whole depth: the stack stays as
    // it is, and Undo Last still brings back the same stack.
    stack_.eraseFront(stack_.size() > *n ? stack_.size() - *n : 0);
    updateDisplay();
    focusInput();
}

void Calculator::setMaximumStackDepth() {
    const std::string text = input_.empty() ? stack_.back() : input_;
    dropArgument();
    const std::optional<int> depth = readCount(text);
    // A negative depth would trim the stack to five entries for good; it is
    // refused like the other counts of 0 or less that make no sense.
    if (!depth || *depth < 0) {
        reportError(ErrorCode::InvalidArgument);
        focusInput();
        return;
    }
    if (*depth != maxStackDepth_) {
        maxStackDepth_ = limitMaxStackDepth(*depth);
        if (maxStackDepth_ != 0 && stack_.size() > static_cast<std::size_t>(maxStackDepth_)) {
            stack_.eraseFront(stack_.size() - static_cast<std::size_t>(maxStackDepth_));
            // The removed entries are gone for good: Undo Last must not bring them back.
            forgetUndo();
            updateDisplay();
        }
    }
    focusInput();
}

} // namespace quarnel::calculator
