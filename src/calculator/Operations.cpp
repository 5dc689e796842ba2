#include "calculator/Calculator.h"

#include "engine/Engine.h"

#include <string>

namespace quarnel::calculator {

namespace {

std::string runArith(ArithOp op, std::string_view first, std::string_view second, NumberBase base,
                     int ws) {
    switch (op) {
    case ArithOp::Add:
        return engine::AddInBase(first, second, base, ws);
    case ArithOp::Subtract:
        return engine::SubInBase(first, second, base, ws);
    case ArithOp::Multiply:
        return engine::MulInBase(first, second, base, ws);
    case ArithOp::Divide:
        return engine::DivInBase(first, second, base, ws);
    case ArithOp::And:
        return engine::AndInBase(first, second, base, ws);
    case ArithOp::Or:
        return engine::OrInBase(first, second, base, ws);
    case ArithOp::Xor:
        return engine::XorInBase(first, second, base, ws);
    }
    return {};
}

std::string runUnary(UnaryOp op, std::string_view x, NumberBase base, int ws) {
    switch (op) {
    case UnaryOp::Neg:
        return engine::NegInBase(x, base, ws);
    case UnaryOp::Not:
        return engine::NotInBase(x, base, ws);
    case UnaryOp::ShiftLeft:
        return engine::ShiftLeftInBase(x, base, ws);
    case UnaryOp::ShiftRight:
        return engine::ShiftRightInBase(x, base, ws);
    case UnaryOp::ArithShiftRight:
        return engine::ArithShiftRightInBase(x, base, ws);
    case UnaryOp::ShiftLeftByte:
        return engine::ShiftLeftByteInBase(x, base, ws);
    case UnaryOp::ShiftRightByte:
        return engine::ShiftRightByteInBase(x, base, ws);
    case UnaryOp::RotateLeft:
        return engine::RotateLeftInBase(x, base, ws);
    case UnaryOp::RotateRight:
        return engine::RotateRightInBase(x, base, ws);
    case UnaryOp::RotateLeftByte:
        return engine::RotateLeftByteInBase(x, base, ws);
    case UnaryOp::RotateRightByte:
        return engine::RotateRightByteInBase(x, base, ws);
    }
    return {};
}

// The direct conversion for a pair of different bases.
std::string convertText(std::string_view text, NumberBase from, NumberBase to, int ws) {
    using B = NumberBase;
    switch (from) {
    case B::Hex:
        return to == B::Oct   ? engine::HexToOct(text, ws)
               : to == B::Bin ? engine::HexToBin(text, ws)
                              : engine::HexToDec(text, ws);
    case B::Oct:
        return to == B::Hex   ? engine::OctToHex(text, ws)
               : to == B::Bin ? engine::OctToBin(text, ws)
                              : engine::OctToDec(text, ws);
    case B::Bin:
        return to == B::Hex   ? engine::BinToHex(text, ws)
               : to == B::Oct ? engine::BinToOct(text, ws)
                              : engine::BinToDec(text, ws);
    case B::Dec:
        return to == B::Hex   ? engine::DecToHex(text, ws)
               : to == B::Oct ? engine::DecToOct(text, ws)
                              : engine::DecToBin(text, ws);
    }
    return std::string(text);
}

std::string convertOrKeep(const std::string& text, NumberBase from, NumberBase to, int ws) {
    return text.empty() ? text : convertText(text, from, to, ws);
}

} // namespace

// --- two- and one-operand operations ------------------------------------------

void Calculator::arithmetic(ArithOp op) {
    operationResult_.clear();
    if (stack_.empty()) {
        reportError(ErrorCode::TooFewArguments);
        return;
    }
    const bool pending = !input_.empty();
    if (!pending && stack_.size() < 2) {
        reportError(ErrorCode::TooFewArguments);
        return;
    }
    // The first operand is always the deeper one.
    if (pending) {
        firstOperand_ = stack_.level(1);
        secondOperand_ = input_;
        lastInput_ = input_;
    } else {
        firstOperand_ = stack_.level(2);
        secondOperand_ = stack_.level(1);
    }
    if (op == ArithOp::Divide && engine::StripLeadingZeros(secondOperand_) == "0") {
        reportError(ErrorCode::DivisionByZero);
        return;
    }
    operationResult_ = runArith(op, firstOperand_, secondOperand_, base_, wordSize_);
    saveUndo();
    // Drop2 without its own redraw: the stack is complete before the one
    // redraw at the end.
    stack_.pop_back();
    if (pending) {
        changeInput(std::string());
    } else {
        stack_.pop_back();
    }
    stack_.push_back(operationResult_);
    updateDisplay();
}

void Calculator::oneArgument(UnaryOp op) {
    operationResult_.clear();
    const bool pending = !input_.empty();
    if (!pending && stack_.empty()) {
        reportError(ErrorCode::TooFewArguments);
        return;
    }
    firstOperand_ = pending ? input_ : stack_.level(1);
    operationResult_ = runUnary(op, firstOperand_, base_, wordSize_);
    saveUndo();
    if (pending) {
        stack_.push_back(operationResult_);
        lastInput_ = input_;
        changeInput(std::string());
    } else {
        stack_.setBack(operationResult_);
    }
    updateDisplay();
}

// --- base -----------------------------------------------------------------------

std::string_view Calculator::baseName(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return "HEX";
    case NumberBase::Oct:
        return "OCT";
    case NumberBase::Bin:
        return "BIN";
    case NumberBase::Dec:
        return "DEC";
    }
    return {};
}

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

void Calculator::baseButton(NumberBase base) {
    if (base != base_) {
        convertBase(base_, base);
        showBase(base_);
        saveUndo();
    }
    focusInput();
}

void Calculator::baseKey(NumberBase base) {
    baseButton(base);
    skipInputCheck_ = false;
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
    if (input_.empty() && stack_.empty()) {
        reportError(ErrorCode::TooFewArguments);
        focusInput();
        return;
    }
    const std::optional<int> bits = readCount(input_.empty() ? stack_.level(1) : input_);
    if (!bits) {
        reportError(ErrorCode::InvalidArgument);
        focusInput();
        return;
    }
    wordSize_ = limitWordSize(*bits);
    dropCommand();
    updateDisplay();
    saveUndo();
    focusInput();
}

void Calculator::recallWordSize() {
    host().showMessage("Current wordsize = " + std::to_string(wordSize_));
    focusInput();
}

} // namespace quarnel::calculator
