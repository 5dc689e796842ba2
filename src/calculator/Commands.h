#pragma once

#include <cstdint>
#include <string_view>

namespace quarnel::calculator {

// The seven two-operand operations (one shared handler, told apart by this).
enum class ArithOp : std::uint8_t { Add, Subtract, Multiply, Divide, And, Or, Xor };

// The eleven one-operand operations.
enum class UnaryOp : std::uint8_t {
    Neg,
    Not,
    ShiftLeft,
    ShiftRight,
    ArithShiftRight,
    ShiftLeftByte,
    ShiftRightByte,
    RotateLeft,
    RotateRight,
    RotateLeftByte,
    RotateRightByte,
};

// The counted stack commands that share one handler.
enum class CountedOp : std::uint8_t { DupN, DropN, Pick, Roll };

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

// Button captions, as the window shows them and the terminal names them.
std::string_view arithCaption(ArithOp op);
std::string_view unaryCaption(UnaryOp op);

} // namespace quarnel::calculator
