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
constexpr Needs threeOperands{3, false, true};
constexpr Needs fourOperands{4, false, true};
constexpr Needs enterNeeds{1, false, false, true};
constexpr bool undo = true;
constexpr bool noUndo = false;

} // namespace

std::span<const CommandRow> commandTable() {
    // clang-format off
    static constexpr auto table = std::to_array<CommandRow>({
        {Digit0, "0", "0", &C::digitButton<0>, none, noUndo, "Type the digit 0"},
        {Digit1, "1", "1", &C::digitButton<1>, none, noUndo, "Type the digit 1"},
        {Digit2, "2", "2", &C::digitButton<2>, none, noUndo, "Type the digit 2"},
        {Digit3, "3", "3", &C::digitButton<3>, none, noUndo, "Type the digit 3"},
        {Digit4, "4", "4", &C::digitButton<4>, none, noUndo, "Type the digit 4"},
        {Digit5, "5", "5", &C::digitButton<5>, none, noUndo, "Type the digit 5"},
        {Digit6, "6", "6", &C::digitButton<6>, none, noUndo, "Type the digit 6"},
        {Digit7, "7", "7", &C::digitButton<7>, none, noUndo, "Type the digit 7"},
        {Digit8, "8", "8", &C::digitButton<8>, none, noUndo, "Type the digit 8"},
        {Digit9, "9", "9", &C::digitButton<9>, none, noUndo, "Type the digit 9"},
        {DigitA, "A", "A", &C::digitButton<10>, none, noUndo, "Type the digit A"},
        {DigitB, "B", "B", &C::digitButton<11>, none, noUndo, "Type the digit B"},
        {DigitC, "C", "C", &C::digitButton<12>, none, noUndo, "Type the digit C"},
        {DigitD, "D", "D", &C::digitButton<13>, none, noUndo, "Type the digit D"},
        {DigitE, "E", "E", &C::digitButton<14>, none, noUndo, "Type the digit E"},
        {DigitF, "F", "F", &C::digitButton<15>, none, noUndo, "Type the digit F"},
        {Enter, "ENT", "ENT", &C::enter, enterNeeds, undo, "Push the input line onto the stack, or duplicate level 1"},
        {Add, "+", "+", &C::binary<engine::AddInBase>, operands, undo, "Add level 1 to level 2"},
        {Subtract, "-", "-", &C::binary<engine::SubInBase>, operands, undo, "Subtract level 1 from level 2"},
        {Multiply, "*", "*", &C::binary<engine::MulInBase>, operands, undo, "Multiply level 2 by level 1"},
        {Divide, "DIV", "DIV", &C::divide, operands, undo, "Divide level 2 by level 1, unsigned"},
        {And, "AND", "AND", &C::binary<engine::AndInBase>, operands, undo, "Bitwise AND of levels 1 and 2"},
        {Or, "OR", "OR", &C::binary<engine::OrInBase>, operands, undo, "Bitwise OR of levels 1 and 2"},
        {Xor, "XOR", "XOR", &C::binary<engine::XorInBase>, operands, undo, "Bitwise exclusive OR of levels 1 and 2"},
        {Not, "NOT", "NOT", &C::unary<engine::NotInBase>, operand, undo, "Invert every bit of level 1"},
        {Neg, "NEG", "NEG", &C::unary<engine::NegInBase>, operand, undo, "Two's complement negation of level 1"},
        {ShiftLeft, "SL", "SL", &C::unary<engine::ShiftLeftInBase>, operand, undo, "Shift left by one bit"},
        {ShiftRight, "SR", "SR", &C::unary<engine::ShiftRightInBase>, operand, undo, "Shift right by one bit, filling with zero"},
        {ArithShiftRight, "ASR", "ASR", &C::unary<engine::ArithShiftRightInBase>, operand, undo, "Shift right by one bit, keeping the top bit"},
        {ShiftLeftByte, "SLB", "SLB", &C::unary<engine::ShiftLeftByteInBase>, operand, undo, "Shift left by one byte"},
        {ShiftRightByte, "SRB", "SRB", &C::unary<engine::ShiftRightByteInBase>, operand, undo, "Shift right by one byte, filling with zeros"},
        {RotateLeft, "RL", "RL", &C::unary<engine::RotateLeftInBase>, operand, undo, "Rotate left by one bit"},
        {RotateRight, "RR", "RR", &C::unary<engine::RotateRightInBase>, operand, undo, "Rotate right by one bit"},
        {RotateLeftByte, "RLB", "RLB", &C::unary<engine::RotateLeftByteInBase>, operand, undo, "Rotate left by one byte"},
        {RotateRightByte, "RRB", "RRB", &C::unary<engine::RotateRightByteInBase>, operand, undo, "Rotate right by one byte"},
        // A base change and STWS leave nothing to undo (forgetUndo).
        {BaseHex, "HEX", "HEX", &C::baseButton<NumberBase::Hex>, none, noUndo, "Show and type numbers in hexadecimal"},
        {BaseDec, "DEC", "DEC", &C::baseButton<NumberBase::Dec>, none, noUndo, "Show and type numbers in decimal"},
        {BaseBin, "BIN", "BIN", &C::baseButton<NumberBase::Bin>, none, noUndo, "Show and type numbers in binary"},
        {BaseOct, "OCT", "OCT", &C::baseButton<NumberBase::Oct>, none, noUndo, "Show and type numbers in octal"},
        {SetWordSize, "STWS", "STWS", &C::setWordSize, one, noUndo, "Set the word size to level 1 bits"},
        {RecallWordSize, "RCWS", "RCWS", &C::recallWordSize, none, noUndo, "Push the word size"},
        {Drop, "DROP", "DROP", &C::drop, one, undo, "Remove level 1"},
        {Dup, "DUP", "DUP", &C::dup, one, undo, "Duplicate level 1"},
        {Swap, "SWAP", "SWAP", &C::swap, two, undo, "Exchange levels 1 and 2"},
        {Delete, "DEL", "DEL", &C::del, none, noUndo, "Empty the input line"},
        {Clear, "CLR", "CLR", &C::clear, none, undo, "Clear the stack, the input line and any error"},
        {View, "VIEW", "VIEW", &C::view, none, noUndo, "Show the whole stack as an editable listing"},
        {CloseStackView, "CloseView", "&Close StackView", &C::closeStackView, none, noUndo, "Leave the stack listing"},
        {UndoLast, "Undo", "&Undo Last", &C::undoLast, none, noUndo, "Bring back the stack as it was before the last command"},
        {RestoreInput, "Restore", "&Restore Input", &C::restoreInput, none, noUndo, "Bring back the last input line"},
        {EditLevel1, "Edit", "Edi&t", &C::editLevel1, {1, true, true}, undo, "Move level 1 into the input line for editing"},
        {Dup2, "Dup2", "Du&p2", &C::dup2, two, undo, "Duplicate levels 1 and 2"},
        {Drop2, "Drop2", "&Drop2", &C::drop2, two, undo, "Remove levels 1 and 2"},
        {DupN, "DupN", "D&upN", &C::dupN, one, undo, "Duplicate the top N entries"},
        {DropN, "DropN", "Drop&N", &C::dropN, one, undo, "Remove the top N entries"},
        {Pick, "Pick", "P&ick", &C::pick, one, undo, "Copy level N to level 1"},
        {Roll, "Roll", "Ro&ll", &C::roll, one, undo, "Move level N to level 1"},
        {RollD, "RollD", "R&ollD", &C::rollD, one, undo, "Move level 1 down to level N"},
        {Over, "Over", "O&ver", &C::over, two, undo, "Copy level 2 to level 1"},
        {Keep, "Keep", "&Keep", &C::keep, one, undo, "Keep only the top N entries"},
        {Rotate, "Rotate", "&Rotate", &C::rotate, three, undo, "Move level 3 to level 1"},
        {Echo, "Echo", "E&cho", &C::echo, {1, true}, noUndo, "Copy level 1 into the input line"},
        {Depth, "Depth", "D&epth", &C::depth, none, noUndo, "Push the number of entries"},
        {Maximum, "Maximum", "&Maximum", &C::maximum, none, noUndo, "Push the maximum stack depth"},
        {UseStackNumbering, "Numbering", "&Use Stack Numbering", &C::toggleStackNumbering, none, noUndo, "Show or hide the level numbers"},
        {SetMaximumStackDepth, "SetMax", "Set &Maximum Stack Depth", &C::setMaximumStackDepth, one, undo, "Set the maximum stack depth to level 1"},
        {ShiftLeftN, "SLN", "Shift &Left by X", &C::counted<engine::ShiftLeftNInBase>, operands, undo, "Shift Y left by X bits"},
        {ShiftRightN, "SRN", "Shift &Right by X", &C::counted<engine::ShiftRightNInBase>, operands, undo, "Shift Y right by X bits, filling with zeros"},
        {ArithShiftRightN, "ASRN", "&Arithmetic Shift Right by X", &C::counted<engine::ArithShiftRightNInBase>, operands, undo, "Shift Y right by X bits, copying its top bit"},
        {RotateLeftN, "RLN", "R&otate Left by X", &C::counted<engine::RotateLeftNInBase>, operands, undo, "Rotate Y left by X bits"},
        {RotateRightN, "RRN", "Rotat&e Right by X", &C::counted<engine::RotateRightNInBase>, operands, undo, "Rotate Y right by X bits"},
        {Mod, "MOD", "&MOD", &C::modulo, operands, undo, "Remainder of Y divided by X, unsigned"},
        {PopCount, "POPCNT", "Pop&ulation Count", &C::countedOne<engine::PopCountInBase>, operand, undo, "Number of set bits of X"},
        {CountLeadingZeros, "CLZ", "Count Lea&ding Zeros", &C::countedOne<engine::CountLeadingZerosInBase>, operand, undo, "Number of zero bits above the highest set bit of X"},
        {CountTrailingZeros, "CTZ", "Count &Trailing Zeros", &C::countedOne<engine::CountTrailingZerosInBase>, operand, undo, "Number of zero bits below the lowest set bit of X"},
        {ByteSwap, "BSWAP", "&Byte Swap", &C::countedOne<engine::ByteSwapInBase>, operand, undo, "Reverse the order of the bytes of X"},
        {BitReverse, "BREV", "Bit Re&verse", &C::countedOne<engine::BitReverseInBase>, operand, undo, "Reverse the order of the bits of X"},
        {SetBit, "SETB", "&Set Bit X", &C::counted<engine::SetBitInBase>, operands, undo, "Set bit X of Y"},
        {ClearBit, "CLRB", "&Clear Bit X", &C::counted<engine::ClearBitInBase>, operands, undo, "Clear bit X of Y"},
        {FlipBit, "FLIPB", "&Flip Bit X", &C::counted<engine::FlipBitInBase>, operands, undo, "Flip bit X of Y"},
        {TestBit, "TESTB", "Test B&it X", &C::counted<engine::TestBitInBase>, operands, undo, "1 if bit X of Y is set, else 0"},
        {MaskLeft, "MASKL", "Mask &High X Bits", &C::countedOne<engine::MaskLeftInBase>, operand, undo, "A value with the X highest bits set"},
        {MaskRight, "MASKR", "Mask Lo&w X Bits", &C::countedOne<engine::MaskRightInBase>, operand, undo, "A value with the X lowest bits set"},
        {SignExtend, "SEXT", "Sig&n Extend", &C::counted<engine::SignExtendInBase>, operands, undo, "Extend the sign of the low X bits of Y to the word"},
        {FieldExtract, "FEXT", "Field E&xtract", &C::countedThree<engine::FieldExtractInBase>, threeOperands, undo, "The X-bit field of Z from bit Y, moved down to bit 0"},
        {FieldDeposit, "FDEP", "Field De&posit", &C::countedFour<engine::FieldDepositInBase>, fourOperands, undo, "W with its X-bit field from bit Y replaced by the low bits of Z"},
    });
    // clang-format on
    static_assert(table.size() == static_cast<std::size_t>(FieldDeposit) + 1);
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
