#pragma once

#include "calculator/Calculator.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>

namespace quarnel::calculator {

// What the tests look at that no command shows directly: the undo copy and the
// text Restore Input brings back.
struct CalculatorProbe {
    static const StackList& undo(const Calculator& c) { return c.undoStack_; }
    static const std::string& lastInput(const Calculator& c) { return c.lastInput_; }
    // The state a command leaves for a moment when it rewrites the line itself.
    static void skipNextCheck(Calculator& c) { c.skipInputCheck_ = true; }
};

constexpr engine::NumberBase kBases[] = {engine::NumberBase::Hex, engine::NumberBase::Oct,
                                         engine::NumberBase::Bin, engine::NumberBase::Dec};

inline int radixOf(engine::NumberBase base) {
    return base == engine::NumberBase::Hex   ? 16
           : base == engine::NumberBase::Oct ? 8
           : base == engine::NumberBase::Bin ? 2
                                             : 10;
}

inline std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// `v` written in `radix` with upper-case digits, without leading zeros.
inline std::string inRadix(std::uint64_t v, int radix) {
    char buf[80];
    const auto result = std::to_chars(buf, buf + sizeof buf, v, radix);
    return upper(std::string(buf, result.ptr));
}

// Up to `maxLength` characters drawn from `alphabet`.
template <class Random>
std::string randomText(Random& random, std::string_view alphabet, std::size_t maxLength) {
    std::string text(random() % (maxLength + 1), ' ');
    for (char& ch : text)
        ch = alphabet[random() % alphabet.size()];
    return text;
}

} // namespace quarnel::calculator
