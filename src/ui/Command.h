#pragma once

namespace quarnel::ui {

// Everything a button, key or menu item of the main window can ask for. The
// window turns each one into exactly one call (a calculator command, a window
// command or one of the hooks other layers plug in) at one dispatch point.
enum class Command {
    None, // submenus and separators

    // digit buttons
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

    // two-operand operations
    Add,
    Subtract,
    Multiply,
    Divide,
    And,
    Or,
    Xor,

    // one-operand operations
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

    // base and word size
    BaseHex,
    BaseDec,
    BaseBin,
    BaseOct,
    SetWordSize,
    RecallWordSize,

    // stack buttons
    Drop,
    Dup,
    Swap,
    Delete,
    Clear,
    View,

    // File menu
    CloseStackView,
    LoadStack,
    SaveStack,
    SetupPrinter,
    PrintStack,
    Exit,

    // Edit menu
    UndoLast,
    RestoreInput,

    // Stack menu
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

    // Options menu
    UseStackNumbering,
    SetMaximumStackDepth,
    StayOnTop,
    ColorBackground,
    ColorStack,
    ColorFont,
    StoreInIniFile,
    StoreInRegistry,

    // Demo menu
    RunDemo,
    QuitDemo,

    // Help menu
    HelpContents,
    HelpSearch,
    About,
};

} // namespace quarnel::ui
