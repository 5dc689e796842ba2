#include "calculator/Calculator.h"

#include <array>

namespace quarnel::calculator {

namespace {

using enum Command;

constexpr std::array<KeyBinding, 38> kKeyMap{{
    {Key::Enter, "Enter", Enter, '\0'},
    {Key::Escape, "Escape", Clear, '\0'},
    {Key::PageUp, "PageUp", Dup, '\0'},
    {Key::PageDown, "PageDown", Drop, '\0'},
    {Key::Delete, "Delete", Delete, '\0'},
    {Key::Ampersand, "&", And, '&'},
    {Key::O, "O", Or, 'O'},
    {Key::X, "X", Xor, 'X'},
    {Key::KeypadMultiply, "KP*", Multiply, '*'},
    {Key::KeypadPlus, "KP+", Add, '+'},
    {Key::KeypadMinus, "KP-", Subtract, '-'},
    {Key::KeypadDivide, "KP/", Divide, '/'},
    {Key::N, "N", Not, 'N'},
    {Key::F9, "F9", Neg, '\0'},
    {Key::L, "L", ShiftLeft, 'L'},
    {Key::I, "I", ShiftRight, 'I'},
    {Key::Z, "Z", ArithShiftRight, 'Z'},
    {Key::M, "M", ShiftLeftByte, 'M'},
    {Key::Q, "Q", ShiftRightByte, 'Q'},
    {Key::R, "R", RotateLeft, 'R'},
    {Key::J, "J", RotateRight, 'J'},
    {Key::K, "K", RotateLeftByte, 'K'},
    {Key::Y, "Y", RotateRightByte, 'Y'},
    {Key::S, "S", Swap, 'S'},
    {Key::V, "V", View, 'V'},
    {Key::T, "T", SetWordSize, 'T'},
    {Key::W, "W", RecallWordSize, 'W'},
    {Key::F3, "F3", BaseHex, '\0'},
    {Key::F4, "F4", BaseDec, '\0'},
    {Key::F5, "F5", BaseBin, '\0'},
    {Key::F6, "F6", BaseOct, '\0'},
    {Key::Plus, "+", Add, '+'},
    {Key::Minus, "-", Subtract, '-'},
    {Key::Asterisk, "*", Multiply, '*'},
    {Key::Slash, "/", Divide, '/'},
    {Key::Percent, "%", Mod, '%'},
    {Key::Less, "<", ShiftLeftN, '<'},
    {Key::Greater, ">", ShiftRightN, '>'},
}};

// The rows stand in the order of the enum, so a key finds its row by index.
constexpr bool rowsInEnumOrder() {
    for (std::size_t i = 0; i < kKeyMap.size(); ++i) {
        if (static_cast<std::size_t>(kKeyMap[i].key) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInEnumOrder());
static_assert(kKeyMap.size() == static_cast<std::size_t>(Key::Greater) + 1);

} // namespace

std::span<const KeyBinding> keyMap() {
    return kKeyMap;
}

const KeyBinding& keyBinding(Key key) {
    return kKeyMap[static_cast<std::size_t>(key)];
}

std::optional<Key> findKey(std::string_view name) {
    for (const KeyBinding& binding : kKeyMap) {
        if (sameName(binding.name, name)) {
            return binding.key;
        }
    }
    return std::nullopt;
}

void Calculator::keyDown(Key key) {
    run(keyBinding(key).command);
}

} // namespace quarnel::calculator
