#pragma once

#include "engine/NumberBase.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quarnel::calculator {

class Calculator;

// Every calculator command, in the order of the command table.
enum class Command : std::uint8_t {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    DigitA,
    DigitB,
    DigitC,
    DigitD,
    DigitE,
    DigitF,
    Enter,
    Add,
    Subtract,
    Multiply,
    Divide,
    And,
    Or,
    Xor,
    Not,
    Neg,
    ShiftLeft,
    ShiftRight,
    ArithShiftRight,
    ShiftLeftByte,
    ShiftRightByte,
    RotateLeft,
    RotateRight,
    RotateLeftByte,
    RotateRightByte,
    BaseHex,
    BaseDec,
    BaseBin,
    BaseOct,
    SetWordSize,
    RecallWordSize,
    Drop,
    Dup,
    Swap,
    Delete,
    Clear,
    View,
    CloseStackView,
    UndoLast,
    RestoreInput,
    EditLevel1,
    Dup2,
    Drop2,
    DupN,
    DropN,
    Pick,
    Roll,
    RollD,
    Over,
    Keep,
    Rotate,
    Echo,
    Depth,
    Maximum,
    UseStackNumbering,
    SetMaximumStackDepth,
    ShiftLeftN,
    ShiftRightN,
    ArithShiftRightN,
    RotateLeftN,
    RotateRightN,
    Mod,
    PopCount,
    CountLeadingZeros,
    CountTrailingZeros,
    ByteSwap,
    BitReverse,
    SetBit,
    ClearBit,
    FlipBit,
    TestBit,
    MaskLeft,
    MaskRight,
    SignExtend,
    FieldExtract,
    FieldDeposit,
};

// What a command needs before it runs. Too few entries report "Too few
// arguments" and the command does not run.
struct Needs {
    // Entries needed; text in the input line counts as one above level 1
    // unless stackOnly is set.
    std::uint8_t levels = 0;
    bool stackOnly = false;
    // The operations and Edit leave the focus where it was after the error.
    bool keepFocusOnError = false;
    // ENT does nothing at all while an error is pending (its button is disabled).
    bool idleWhileError = false;
};

// One row of the command table.
struct CommandRow {
    Command command;
    std::string_view name;    // the terminal's name for it ("ENT", "Dup2", "SetMax")
    std::string_view caption; // as its button or menu item shows it, with the access key
    void (Calculator::*run)();
    Needs needs;
    // Takes the undo copy: Undo Last brings back the stack held before the
    // command when the command changed it.
    bool undo;
    // What it does, in a few words, for tool tips and accessible descriptions.
    std::string_view description;
};

// The whole table, one row per Command, in the order of the enum.
std::span<const CommandRow> commandTable();
const CommandRow& commandRow(Command command);

// The row named `name` (the terminal's names), case-insensitive.
std::optional<Command> findCommand(std::string_view name);

// Digit button 0..15, base button.
constexpr Command digitCommand(int value) {
    return static_cast<Command>(static_cast<int>(Command::Digit0) + value);
}
Command baseCommand(engine::NumberBase base);

// Case-insensitive comparison of ASCII names.
bool sameName(std::string_view a, std::string_view b);

} // namespace quarnel::calculator
