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
using enum calculator::Command;

constexpr std::array<ButtonSpec, kButtonCount> kButtons{{
    // row 1
    {"DButton", c0, r0, w, h, Window, "Digit D", DigitD},
    {"EButton", c1, r0, w, h, Window, "Digit E", DigitE},
    {"FButton", c2, r0, w, h, Window, "Digit F", DigitF},
    {"OrButton", c4, r0, w, h, Window, "Bitwise OR of level 2 and level 1 (key O)", Or},
    {"XORButton", c5, r0, w, h, Window, "Bitwise exclusive OR (key X)", Xor},
    {"AndButton", c6, r0, w, h, Window, "Bitwise AND of level 2 and level 1 (key &)", And},
    {"NotButton", c7, r0, w, h, Window, "Invert every bit of level 1 (key N)", Not},
    // row 2
    {"AButton", c0, r1, w, h, WindowLarge, "Digit A", DigitA},
    {"BButton", c1, r1, w, h, Window, "Digit B", DigitB},
    {"CButton", c2, r1, w, h, Window, "Digit C", DigitC},
    {"NEGButton", c3, r1, 39, h, Window, "Two's complement of level 1 (F9)", Neg},
    {"RLButton", c4, r1, w, h, Window, "Rotate level 1 left by one bit (key R)", RotateLeft},
    {"SLButton", c5, r1, w, h, Window, "Shift level 1 left by one bit (key L)", ShiftLeft},
    {"SRButton", c6, r1, w, h, Window, "Shift level 1 right by one bit (key I)", ShiftRight},
    {"RRButton", c7, r1, w, h, Window, "Rotate level 1 right by one bit (key J)",
     RotateRight},
    // row 3
    {"SevenButton", c0, r2, w, h, Window, "Digit 7", Digit7},
    {"EightButton", c1, r2, w, h, Window, "Digit 8", Digit8},
    {"NineButton", c2, r2, w, h, Window, "Digit 9", Digit9},
    {"DivButton", c3, r2, wOp, h, Window, "Divide level 2 by level 1 (keypad /)", Divide},
    {"RLBButton", c4, r2, w, h, Window, "Rotate level 1 left by one byte (key K)",
     RotateLeftByte},
    {"SLBButton", c5, r2, w, h, Window, "Shift level 1 left by one byte (key M)",
     ShiftLeftByte},
    {"SRBButton", c6, r2, w, h, Window, "Shift level 1 right by one byte (key Q)",
     ShiftRightByte},
    {"RRBButton", c7, r2, w, h, Window, "Rotate level 1 right by one byte (key Y)",
     RotateRightByte},
    // row 4
    {"FourButton", c0, r3, w, h, Window, "Digit 4", Digit4},
    {"FiveButton", c1, r3, w, h, Window, "Digit 5", Digit5},
    {"SixButton", c2, r3, w, h, Window, "Digit 6", Digit6},
    {"MultiplyButton", c3, r3, wOp, h, Operator, "Multiply level 2 by level 1 (keypad *)",
     Multiply},
    {"ASRButton", c4, r3, w, h, Window,
     "Arithmetic shift right, as SR on unsigned values (key Z)", ArithShiftRight},
    {"SetWordSizeButton", c5, r3, w, h, Window,
     "Set the word size in bits from level 1 or the input (key T)", SetWordSize},
    {"RecallWordSizeButton", c6, r3, w, h, Window, "Show the word size (key W)",
     RecallWordSize},
    {"DuplicateButton", c7, r3, w, h, Window, "Duplicate level 1 (Page Up)", Dup},
    // row 5
    {"OneButton", c0, r4, w, h, Window, "Digit 1", Digit1},
    {"TwoButton", c1, r4, w, h, Window, "Digit 2", Digit2},
    {"ThreeButton", c2, r4, w, h, Window, "Digit 3", Digit3},
    {"MinusButton", c3, r4, wOp, h, Operator, "Subtract level 1 from level 2 (keypad -)",
     Subtract},
    {"HexButton", c4, r4, w, h, Window, "Hexadecimal (F3)", BaseHex},
    {"DecButton", c5, r4, w, h, Window, "Decimal (F4)", BaseDec},
    {"BinButton", c6, r4, w, h, Window, "Binary (F5)", BaseBin},
    {"OctButton", c7, r4, w, h, Window, "Octal (F6)", BaseOct},
    // row 6
    {"NilButton", c0, r5, w, h, Window, "Digit 0", Digit0},
    {"EnterButton", c1, r5, w, h, Window, "Push the input onto the stack (Enter)", Enter},
    {"ViewButton", c2, r5, w, h, Window, "List the whole stack (key V)", View},
    {"PlusButton", c3, r5, wOp, h, Operator, "Add level 2 and level 1 (keypad +)", Add},
    {"DropButton", c4, r5, w, h, Window, "Remove level 1 or the input (Page Down)", Drop},
    {"SwapButton", c5, r5, w, h, Window, "Exchange level 2 and level 1 (key S)", Swap},
    {"ClearButton", c6, r5, w, h, Window, "Clear the error, or the stack and input (Esc)",
     Clear},
    {"DeleteButton", c7, r5, w, h, Window, "Empty the input line (Delete)", Delete},
}};

} // namespace

std::span<const ButtonSpec> buttonTable() {
    return kButtons;
}

} // namespace quarnel::ui
