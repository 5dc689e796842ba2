#pragma once

#include "calculator/Key.h"

#include <Qt>
#include <optional>

namespace quarnel::ui {

// The calculator key a key press in the input line stands for, or nothing when
// the key only types. Keypad operators are told from the main-keyboard
// characters by the keypad modifier. Keys held with Ctrl, Alt or Meta are left
// to the line and the menus (Ctrl+V pastes instead of opening StackView).
std::optional<calculator::Key> translateKey(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace quarnel::ui
