#include "calculator/Calculator.h"

#include "engine/Engine.h"

#include <algorithm>
#include <array>

namespace quarnel::calculator {

namespace {

using C = Calculator;
using enum Command;

// The entries a row needs.
constexpr Needs none{};
constexpr Needs one{1};
constexpr Needs two{2};
constexpr Needs three{3};
constexpr Needs operand{1, false, true};  // the one-operand operations
constexpr Needs operands{2, false, true}; // the two-operand operations
constexpr Needs enterNeeds{1, false, false, true};
constexpr bool undo = true;
constexpr bool noUndo = false;

} // namespace

std::span<const CommandRow> commandTable() {
    // clang-format off
    static constexpr auto table = std::to_array<CommandRow>({
        {Digit0, "0", "0", &C::digitButton<0>, none, noUndo},
        {Digit1, "1", "1", &C::digitButton<1>, none, noUndo},
        {Digit2, "2", "2", &C::digitButton<2>, none, noUndo},
        {Digit3, "3", "3", &C::digitButton<3>, none, noUndo},
        {Digit4, "4", "4", &C::digitButton<4>, none, noUndo},
        {Digit5, "5", "5", &C::digitButton<5>, none, noUndo},
        {Digit6, "6", "6", &C::digitButton<6>, none, noUndo},
        {Digit7, "7", "7", &C::digitButton<7>, none, noUndo},
        {Digit8, "8", "8", &C::digitButton<8>, none, noUndo},
        {Digit9, "9", "9", &C::digitButton<9>, none, noUndo},
        {DigitA, "A", "A", &C::digitButton<10>, none, noUndo},
        {DigitB, "B", "B", &C::digitButton<11>, none, noUndo},
        {DigitC, "C", "C", &C::digitButton<12>, none, noUndo},
        {DigitD, "D", "D", &C::digitButton<13>, none, noUndo},
        {DigitE, "E", "E", &C::digitButton<14>, none, noUndo},
        {DigitF, "F", "F", &C::digitButton<15>, none, noUndo},
        {Enter, "ENT", "ENT", &C::enter, enterNeeds, undo},
        {Add, "+", "+", &C::binary<engine::AddInBase>, operands, undo},
        {Subtract, "-", "-", &C::binary<engine::SubInBase>, operands, undo},
        {Multiply, "*", "*", &C::binary<engine::MulInBase>, operands, undo},
        {Divide, "DIV", "DIV", &C::divide, operands, undo},
        {And, "AND", "AND", &C::binary<engine::AndInBase>, operands, undo},
        {Or, "OR", "OR", &C::binary<engine::OrInBase>, operands, undo},
        {Xor, "XOR", "XOR", &C::binary<engine::XorInBase>, operands, undo},
        {Not, "NOT", "NOT", &C::unary<engine::NotInBase>, operand, undo},
        {Neg, "NEG", "NEG", &C::unary<engine::NegInBase>, operand, undo},
        {ShiftLeft, "SL", "SL", &C::unary<engine::ShiftLeftInBase>, operand, undo},
        {ShiftRight, "SR", "SR", &C::unary<engine::ShiftRightInBase>, operand, undo},
        {ArithShiftRight, "ASR", "ASR", &C::unary<engine::ArithShiftRightInBase>, operand, undo},
        {ShiftLeftByte, "SLB", "SLB", &C::unary<engine::ShiftLeftByteInBase>, operand, undo},
        {ShiftRightByte, "SRB", "SRB", &C::unary<engine::ShiftRightByteInBase>, operand, undo},
        {RotateLeft, "RL", "RL", &C::unary<engine::RotateLeftInBase>, operand, undo},
        {RotateRight, "RR", "RR", &C::unary<engine::RotateRightInBase>, operand, undo},
        {RotateLeftByte, "RLB", "RLB", &C::unary<engine::RotateLeftByteInBase>, operand, undo},
        {RotateRightByte, "RRB", "RRB", &C::unary<engine::RotateRightByteInBase>, operand, undo},
        // A base change and STWS leave nothing to undo (forgetUndo).
        {BaseHex, "HEX", "HEX", &C::baseButton<NumberBase::Hex>, none, noUndo},
        {BaseDec, "DEC", "DEC", &C::baseButton<NumberBase::Dec>, none, noUndo},
        {BaseBin, "BIN", "BIN", &C::baseButton<NumberBase::Bin>, none, noUndo},
        {BaseOct, "OCT", "OCT", &C::baseButton<NumberBase::Oct>, none, noUndo},
        {SetWordSize, "STWS", "STWS", &C::setWordSize, one, noUndo},
        {RecallWordSize, "RCWS", "RCWS", &C::recallWordSize, none, noUndo},
        {Drop, "DROP", "DROP", &C::drop, one, undo},
        {Dup, "DUP", "DUP", &C::dup, one, undo},
        {Swap, "SWAP", "SWAP", &C::swap, two, undo},
        {Delete, "DEL", "DEL", &C::del, none, noUndo},
        {Clear, "CLR", "CLR", &C::clear, none, undo},
        {View, "VIEW", "VIEW", &C::view, none, noUndo},
        {CloseStackView, "CloseView", "&Close StackView", &C::closeStackView, none, noUndo},
        {UndoLast, "Undo", "&Undo Last", &C::undoLast, none, noUndo},
        {RestoreInput, "Restore", "&Restore Input", &C::restoreInput, none, noUndo},
        {EditLevel1, "Edit", "Edi&t", &C::editLevel1, {1, true, true}, undo},
        {Dup2, "Dup2", "Du&p2", &C::dup2, two, undo},
        {Drop2, "Drop2", "&Drop2", &C::drop2, two, undo},
        {DupN, "DupN", "D&upN", &C::dupN, one, undo},
        {DropN, "DropN", "Drop&N", &C::dropN, one, undo},
        {Pick, "Pick", "P&ick", &C::pick, one, undo},
        {Roll, "Roll", "Ro&ll", &C::roll, one, undo},
        {RollD, "RollD", "R&ollD", &C::rollD, one, undo},
        {Over, "Over", "O&ver", &C::over, two, undo},
        {Keep, "Keep", "&Keep", &C::keep, one, undo},
        {Rotate, "Rotate", "&Rotate", &C::rotate, three, undo},
        {Echo, "Echo", "E&cho", &C::echo, {1, true}, noUndo},
        {Depth, "Depth", "D&epth", &C::depth, none, noUndo},
        {Maximum, "Maximum", "&Maximum", &C::maximum, none, noUndo},
        {UseStackNumbering, "Numbering", "&Use Stack Numbering", &C::toggleStackNumbering, none, noUndo},
        {SetMaximumStackDepth, "SetMax", "Set &Maximum Stack Depth", &C::setMaximumStackDepth, one, undo},
    });
    // clang-format on
    static_assert(table.size() == static_cast<std::size_t>(SetMaximumStackDepth) + 1);
    static_assert([] {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (static_cast<std::size_t>(table[i].command) != i) {
                return false;
            }
        }
        return true;
    }());
    return table;
}

const CommandRow& commandRow(Command command) {
    return commandTable()[static_cast<std::size_t>(command)];
}

std::optional<Command> findCommand(std::string_view name) {
    for (const CommandRow& row : commandTable()) {
        if (sameName(row.name, name)) {
            return row.command;
        }
    }
    return std::nullopt;
}

Command baseCommand(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return BaseHex;
    case NumberBase::Oct:
        return BaseOct;
    case NumberBase::Bin:
        return BaseBin;
    case NumberBase::Dec:
        break;
    }
    return BaseDec;
}

std::string_view Calculator::baseName(NumberBase base) {
    return commandRow(baseCommand(base)).caption;
}

bool sameName(std::string_view a, std::string_view b) {
    const auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
    return std::ranges::equal(
        a, b, [&](unsigned char x, unsigned char y) { return upper(x) == upper(y); });
}

} // namespace quarnel::calculator
