#include "ui/KeyTranslation.h"

#include <array>

namespace quarnel::ui {

namespace {

using calculator::Key;

// Rows are tried in order; the first that fits the key wins.
struct KeyRow {
    int qtKey;
    bool keypadOnly;
    Key key;
};

constexpr std::array<KeyRow, 39> kRows{{
    {Qt::Key_Return, false, Key::Enter},
    {Qt::Key_Enter, false, Key::Enter},
    {Qt::Key_Escape, false, Key::Escape},
    {Qt::Key_PageUp, false, Key::PageUp},
    {Qt::Key_PageDown, false, Key::PageDown},
    {Qt::Key_Delete, false, Key::Delete},
    {Qt::Key_Ampersand, false, Key::Ampersand},
    {Qt::Key_O, false, Key::O},
    {Qt::Key_X, false, Key::X},
    {Qt::Key_Asterisk, true, Key::KeypadMultiply},
    {Qt::Key_Plus, true, Key::KeypadPlus},
    {Qt::Key_Minus, true, Key::KeypadMinus},
    {Qt::Key_Slash, true, Key::KeypadDivide},
    {Qt::Key_N, false, Key::N},
    {Qt::Key_F9, false, Key::F9},
    {Qt::Key_L, false, Key::L},
    {Qt::Key_I, false, Key::I},
    {Qt::Key_Z, false, Key::Z},
    {Qt::Key_M, false, Key::M},
    {Qt::Key_Q, false, Key::Q},
    {Qt::Key_R, false, Key::R},
    {Qt::Key_J, false, Key::J},
    {Qt::Key_K, false, Key::K},
    {Qt::Key_Y, false, Key::Y},
    {Qt::Key_S, false, Key::S},
    {Qt::Key_V, false, Key::V},
    {Qt::Key_T, false, Key::T},
    {Qt::Key_W, false, Key::W},
    {Qt::Key_F3, false, Key::F3},
    {Qt::Key_F4, false, Key::F4},
    {Qt::Key_F5, false, Key::F5},
    {Qt::Key_F6, false, Key::F6},
    // After the keypad's rows, which a key with the keypad modifier meets first.
    {Qt::Key_Plus, false, Key::Plus},
    {Qt::Key_Minus, false, Key::Minus},
    {Qt::Key_Asterisk, false, Key::Asterisk},
    {Qt::Key_Slash, false, Key::Slash},
    {Qt::Key_Percent, false, Key::Percent},
    {Qt::Key_Less, false, Key::Less},
    {Qt::Key_Greater, false, Key::Greater},
}};

} // namespace

std::optional<calculator::Key> translateKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    for (const KeyRow& row : kRows) {
        if (row.qtKey == qtKey && (keypad || !row.keypadOnly))
            return row.key;
    }
    return std::nullopt;
}

} // namespace quarnel::ui
