#include "Failures.h"

#include "engine/Engine.h"

#include <string>

namespace quarnel::engine {

void ShowEngineError(const std::string& message) {
    throw EngineError(message);
}

namespace detail {

namespace {

const char* conversionWording(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return " is not a valid hexadecimal number!";
    case NumberBase::Oct:
        return " is not a valid octal number!";
    case NumberBase::Bin:
        return " is not a valid binary number!";
    case NumberBase::Dec:
        break;
    }
    return " is not a valid decimal number!";
}

[[noreturn]] void failQuoted(std::string_view text, const char* wording) {
    std::string message;
    message.reserve(text.size() + 48);
    message += '\'';
    message += text;
    message += '\'';
    message += wording;
    ShowEngineError(message);
}

} // namespace

void failInvalidOperand(std::string_view text) {
    failQuoted(text, " is not a valid number in the current base!");
}

void failInvalidInBase(std::string_view text, NumberBase base) {
    failQuoted(text, conversionWording(base));
}

void failDivisionByZero() {
    ShowEngineError("Division by zero!");
}

void failOutOfMemory() {
    ShowEngineError(kOutOfMemoryMessage);
}

void failInvalidArgument() {
    throw InvalidArgumentError();
}

void requireOperand(std::string_view text, NumberBase base) {
    if (!IsValidNumber(text, base)) {
        failInvalidOperand(text);
    }
}

void requireOperands(std::string_view first, std::string_view second, NumberBase base) {
    requireOperand(first, base);
    requireOperand(second, base);
}

void requireInBase(std::string_view text, NumberBase base) {
    if (!IsValidNumber(text, base)) {
        failInvalidInBase(text, base);
    }
}

} // namespace detail

} // namespace quarnel::engine
