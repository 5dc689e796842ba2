#include "ui/ButtonTable.h"

#include <array>

namespace quarnel::ui {

namespace {

// Column lefts and row tops of the grid.
constexpr int c0 = 7, c1 = 52, c2 = 98, c3 = 150, c4 = 202, c5 = 247, c6 = 293, c7 = 338;
constexpr int r0 = 104, r1 = 130, r2 = 156, r3 = 182, r4 = 208, r5 = 234;
constexpr int w = 41;   // the common width
constexpr int wOp = 40; // the operator column
constexpr int h = 20;

using enum FontKind;
using enum Command;

constexpr std::array<ButtonSpec, kButtonCount> kButtons{{
    // row 1
    {"DButton", "D", c0, r0, w, h, Window, "Digit D", DigitD},
    {"EButton", "E", c1, r0, w, h, Window, "Digit E", DigitE},
    {"FButton", "F", c2, r0, w, h, Window, "Digit F", DigitF},
    {"OrButton", "OR", c4, r0, w, h, Window, "Bitwise OR of level 2 and level 1 (key O)", Or},
    {"XORButton", "XOR", c5, r0, w, h, Window, "Bitwise exclusive OR (key X)", Xor},
    {"AndButton", "AND", c6, r0, w, h, Window, "Bitwise AND of level 2 and level 1 (key &)", And},
    {"NotButton", "NOT", c7, r0, w, h, Window, "Invert every bit of level 1 (key N)", Not},
    // row 2
    {"AButton", "A", c0, r1, w, h, WindowLarge, "Digit A", DigitA},
    {"BButton", "B", c1, r1, w, h, Window, "Digit B", DigitB},
    {"CButton", "C", c2, r1, w, h, Window, "Digit C", DigitC},
    {"NEGButton", "NEG", c3, r1, 39, h, Window, "Two's complement of level 1 (F9)", Neg},
    {"RLButton", "RL", c4, r1, w, h, Window, "Rotate level 1 left by one bit (key R)", RotateLeft},
    {"SLButton", "SL", c5, r1, w, h, Window, "Shift level 1 left by one bit (key L)", ShiftLeft},
    {"SRButton", "SR", c6, r1, w, h, Window, "Shift level 1 right by one bit (key I)", ShiftRight},
    {"RRButton", "RR", c7, r1, w, h, Window, "Rotate level 1 right by one bit (key J)",
     RotateRight},
    // row 3
    {"SevenButton", "7", c0, r2, w, h, Window, "Digit 7", Digit7},
    {"EightButton", "8", c1, r2, w, h, Window, "Digit 8", Digit8},
    {"NineButton", "9", c2, r2, w, h, Window, "Digit 9", Digit9},
    {"DivButton", "DIV", c3, r2, wOp, h, Window, "Divide level 2 by level 1 (keypad /)", Divide},
    {"RLBButton", "RLB", c4, r2, w, h, Window, "Rotate level 1 left by one byte (key K)",
     RotateLeftByte},
    {"SLBButton", "SLB", c5, r2, w, h, Window, "Shift level 1 left by one byte (key M)",
     ShiftLeftByte},
    {"SRBButton", "SRB", c6, r2, w, h, Window, "Shift level 1 right by one byte (key Q)",
     ShiftRightByte},
    {"RRBButton", "RRB", c7, r2, w, h, Window, "Rotate level 1 right by one byte (key Y)",
     RotateRightByte},
    // row 4
    {"FourButton", "4", c0, r3, w, h, Window, "Digit 4", Digit4},
    {"FiveButton", "5", c1, r3, w, h, Window, "Digit 5", Digit5},
    {"SixButton", "6", c2, r3, w, h, Window, "Digit 6", Digit6},
    {"MultiplyButton", "*", c3, r3, wOp, h, Operator, "Multiply level 2 by level 1 (keypad *)",
     Multiply},
    {"ASRButton", "ASR", c4, r3, w, h, Window,
     "Arithmetic shift right, as SR on unsigned values (key Z)", ArithShiftRight},
    {"SetWordSizeButton", "STWS", c5, r3, w, h, Window,
     "Set the word size in bits from level 1 or the input (key T)", SetWordSize},
    {"RecallWordSizeButton", "RCWS", c6, r3, w, h, Window, "Show the word size (key W)",
     RecallWordSize},
    {"DuplicateButton", "DUP", c7, r3, w, h, Window, "Duplicate level 1 (Page Up)", Dup},
    // row 5
    {"OneButton", "1", c0, r4, w, h, Window, "Digit 1", Digit1},
    {"TwoButton", "2", c1, r4, w, h, Window, "Digit 2", Digit2},
    {"ThreeButton", "3", c2, r4, w, h, Window, "Digit 3", Digit3},
    {"MinusButton", "-", c3, r4, wOp, h, Operator, "Subtract level 1 from level 2 (keypad -)",
     Subtract},
    {"HexButton", "<HEX>", c4, r4, w, h, Window, "Hexadecimal (F3)", BaseHex},
    {"DecButton", "DEC", c5, r4, w, h, Window, "Decimal (F4)", BaseDec},
    {"BinButton", "BIN", c6, r4, w, h, Window, "Binary (F5)", BaseBin},
    {"OctButton", "OCT", c7, r4, w, h, Window, "Octal (F6)", BaseOct},
    // row 6
    {"NilButton", "0", c0, r5, w, h, Window, "Digit 0", Digit0},
    {"EnterButton", "ENT", c1, r5, w, h, Window, "Push the input onto the stack (Enter)", Enter},
    {"ViewButton", "VIEW", c2, r5, w, h, Window, "List the whole stack (key V)", View},
    {"PlusButton", "+", c3, r5, wOp, h, Operator, "Add level 2 and level 1 (keypad +)", Add},
    {"DropButton", "DROP", c4, r5, w, h, Window, "Remove level 1 or the input (Page Down)", Drop},
    {"SwapButton", "SWAP", c5, r5, w, h, Window, "Exchange level 2 and level 1 (key S)", Swap},
    {"ClearButton", "CLR", c6, r5, w, h, Window, "Clear the error, or the stack and input (Esc)",
     Clear},
    {"DeleteButton", "DEL", c7, r5, w, h, Window, "Empty the input line (Delete)", Delete},
}};

} // namespace

std::span<const ButtonSpec> buttonTable() {
    return kButtons;
}

} // namespace quarnel::ui
