#include "Internal.h"
#include "Reference.h"

#include <cstdint>

namespace quarnel::reference {

namespace {

bool isDigitOf(char c, NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    case NumberBase::Oct:
        return c >= '0' && c <= '7';
    case NumberBase::Bin:
        return c == '0' || c == '1';
    case NumberBase::Dec:
        return c >= '0' && c <= '9';
    }
    return false;
}

} // namespace

bool IsValidNumber(std::string_view text, NumberBase base) {
    bool result = !text.empty();
    // Every character is looked at, without an early exit.
    for (char c : text) {
        if (!isDigitOf(c, base)) {
            result = false;
        }
    }
    return result;
}

std::string StripLeadingZeros(std::string_view text) {
    std::string result(text);
    while (!result.empty() && result.front() == '0') {
        result.erase(0, 1);
    }
    if (result.empty()) {
        result = "0";
    }
    return result;
}

std::string ReverseString(std::string_view text) {
    std::string result;
    for (std::size_t i = text.size(); i > 0; --i) {
        result += text[i - 1];
    }
    return result;
}

std::string ClipToWordSize(std::string_view bits, int ws) {
    const std::size_t n = static_cast<std::size_t>(engine::effectiveWordSize(ws));
    std::string text(bits);
    if (text.size() > n) {
        text = text.substr(text.size() - n);
    }
    return StripLeadingZeros(text);
}

std::string AppendZeros(std::string_view text, int n) {
    std::string result(text);
    for (int i = 0; i < n; ++i) {
        result += '0';
    }
    return result;
}

std::string PrependZeros(std::string_view text, int n) {
    std::string zeros;
    for (int i = 0; i < n; ++i) {
        zeros += '0';
    }
    return zeros + std::string(text);
}

std::int32_t IntPower(std::int32_t base, std::int32_t exponent) {
    // Multiplied as unsigned so that an out-of-range result wraps instead of
    // being undefined; only small digit-group powers are in use.
    std::uint32_t result = 1;
    for (std::int32_t i = 0; i < exponent; ++i) {
        result *= static_cast<std::uint32_t>(base);
    }
    return static_cast<std::int32_t>(result);
}

namespace detail {

void fail(const std::string& message) {
    throw EngineError(message);
}

void failInvalid(std::string_view text, const char* wording) {
    fail("'" + std::string(text) + "'" + wording);
}

void validateOperand(std::string_view text, NumberBase base) {
    if (!IsValidNumber(text, base)) {
        failInvalid(text, " is not a valid number in the current base!");
    }
}

} // namespace detail

} // namespace quarnel::reference
