#pragma once

#include "calculator/Command.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quarnel::calculator {

// The keys of the input line that run a command. The window translates its key
// events to these (keypad operators are distinct from the main-keyboard
// characters, though both run the same commands); every key not listed here
// only types into the line. The main-keyboard digit keys, "1" included, only
// type their digit. No key that runs a command types a character that can be
// part of a number.
enum class Key : std::uint8_t {
    Enter,
    Escape,
    PageUp,
    PageDown,
    Delete,
    Ampersand, // AND
    O,         // OR
    X,         // XOR
    KeypadMultiply,
    KeypadPlus,
    KeypadMinus,
    KeypadDivide,
    N, // NOT
    F9,
    L,
    I,
    Z,
    M,
    Q,
    R,
    J,
    K,
    Y,
    S,
    V,
    T,
    W,
    F3,
    F4,
    F5,
    F6,
    // The operator characters of the main keyboard (a laptop has no keypad).
    Plus,
    Minus,
    Asterisk,
    Slash,
    Percent, // MOD
    Less,    // shift level 2 left by level 1 bits
    Greater, // shift level 2 right by level 1 bits
};

// One row of the keyboard map.
struct KeyBinding {
    Key key;
    std::string_view name; // the key's name, e.g. "PageUp", "KP+", "+", "&", "N"
    Command command;       // the row of the command table it runs
    char typed;            // the character the key types after its command, or '\0'
};

// The whole keyboard map, one row per Key, in the order of the enum.
std::span<const KeyBinding> keyMap();

// The row for a key.
const KeyBinding& keyBinding(Key key);

// The key named `name` ("Enter", "KP+", "&", "N", ...), case-insensitive.
std::optional<Key> findKey(std::string_view name);

} // namespace quarnel::calculator
