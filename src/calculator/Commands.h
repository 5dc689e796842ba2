#pragma once

#include <cstdint>
#include <string_view>

namespace quarnel::calculator {

// Command errors shown in the display (the number is the error code).
enum class ErrorCode : std::uint8_t {
    TooFewArguments = 1,
    InvalidArgument = 2,
    Overflow = 3,
    DivisionByZero = 4,
    InvalidOperation = 5,
};

// The display text of an error code.
std::string_view errorText(ErrorCode code);

// The second display line under every error text.
inline constexpr std::string_view kPressClearText = "Press Clear [CLR]";

} // namespace quarnel::calculator
