#include "calculator/Calculator.h"

#include <array>

namespace quarnel::calculator {

namespace {

using C = Calculator;

constexpr std::array<KeyBinding, 31> kKeyMap{{
    {Key::Enter, "Enter", "ENT", '\0',
     [](C& c) {
         // The ENT button is disabled while an error is pending, and so is the key.
         c.enter();
     }},
    {Key::Escape, "Escape", "CLR", '\0', [](C& c) { c.clear(); }},
    {Key::PageUp, "PageUp", "DUP", '\0', [](C& c) { c.dup(); }},
    {Key::PageDown, "PageDown", "DROP", '\0', [](C& c) { c.drop(); }},
    {Key::Delete, "Delete", "DEL", '\0', [](C& c) { c.del(); }},
    {Key::Ampersand, "&", "AND", '&', [](C& c) { c.arithmetic(ArithOp::And); }},
    {Key::O, "O", "OR", 'O', [](C& c) { c.arithmetic(ArithOp::Or); }},
    {Key::X, "X", "XOR", 'X', [](C& c) { c.arithmetic(ArithOp::Xor); }},
    {Key::KeypadMultiply, "KP*", "*", '*', [](C& c) { c.arithmetic(ArithOp::Multiply); }},
    {Key::KeypadPlus, "KP+", "+", '+', [](C& c) { c.arithmetic(ArithOp::Add); }},
    {Key::KeypadMinus, "KP-", "-", '-', [](C& c) { c.arithmetic(ArithOp::Subtract); }},
    {Key::KeypadDivide, "KP/", "DIV", '/', [](C& c) { c.arithmetic(ArithOp::Divide); }},
    {Key::N, "N", "NOT", 'N', [](C& c) { c.oneArgument(UnaryOp::Not); }},
    {Key::F9, "F9", "NEG", '\0', [](C& c) { c.oneArgument(UnaryOp::Neg); }},
    {Key::L, "L", "SL", 'L', [](C& c) { c.oneArgument(UnaryOp::ShiftLeft); }},
    {Key::I, "I", "SR", 'I', [](C& c) { c.oneArgument(UnaryOp::ShiftRight); }},
    {Key::Z, "Z", "ASR", 'Z', [](C& c) { c.oneArgument(UnaryOp::ArithShiftRight); }},
    {Key::M, "M", "SLB", 'M', [](C& c) { c.oneArgument(UnaryOp::ShiftLeftByte); }},
    {Key::Q, "Q", "SRB", 'Q', [](C& c) { c.oneArgument(UnaryOp::ShiftRightByte); }},
    {Key::R, "R", "RL", 'R', [](C& c) { c.oneArgument(UnaryOp::RotateLeft); }},
    {Key::J, "J", "RR", 'J', [](C& c) { c.oneArgument(UnaryOp::RotateRight); }},
    {Key::K, "K", "RLB", 'K', [](C& c) { c.oneArgument(UnaryOp::RotateLeftByte); }},
    {Key::Y, "Y", "RRB", 'Y', [](C& c) { c.oneArgument(UnaryOp::RotateRightByte); }},
    {Key::S, "S", "SWAP", 'S', [](C& c) { c.swap(); }},
    {Key::V, "V", "VIEW", 'V', [](C& c) { c.view(); }},
    {Key::T, "T", "STWS", 'T', [](C& c) { c.setWordSize(); }},
    {Key::W, "W", "RCWS", 'W', [](C& c) { c.recallWordSize(); }},
    {Key::F3, "F3", "HEX", '\0', [](C& c) { c.baseKey(NumberBase::Hex); }},
    {Key::F4, "F4", "DEC", '\0', [](C& c) { c.baseKey(NumberBase::Dec); }},
    {Key::F5, "F5", "BIN", '\0', [](C& c) { c.baseKey(NumberBase::Bin); }},
    {Key::F6, "F6", "OCT", '\0', [](C& c) { c.baseKey(NumberBase::Oct); }},
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
static_assert(kKeyMap.size() == static_cast<std::size_t>(Key::F6) + 1);

} // namespace

std::span<const KeyBinding> keyMap() {
    return kKeyMap;
}

const KeyBinding& keyBinding(Key key) {
    return kKeyMap[static_cast<std::size_t>(key)];
}

void Calculator::keyDown(Key key) {
    keyBinding(key).run(*this);
}

} // namespace quarnel::calculator
