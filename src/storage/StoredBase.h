#pragma once

#include "engine/NumberBase.h"

#include <optional>
#include <string_view>

namespace quarnel::storage {

using engine::NumberBase;

// The code a base is stored under, in the settings and in a stack file's
// first line: 1 HEX, 2 DEC, 3 BIN, 4 OCT.
constexpr int storedBaseCode(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return 1;
    case NumberBase::Dec:
        return 2;
    case NumberBase::Bin:
        return 3;
    case NumberBase::Oct:
        return 4;
    }
    return 1;
}

// The base a stored code names; any other code names none.
constexpr std::optional<NumberBase> baseFromStoredCode(int code) {
    switch (code) {
    case 1:
        return NumberBase::Hex;
    case 2:
        return NumberBase::Dec;
    case 3:
        return NumberBase::Bin;
    case 4:
        return NumberBase::Oct;
    default:
        return std::nullopt;
    }
}

// A stack file's first line: "2" DEC, "3" BIN, "4" OCT, anything else HEX.
constexpr NumberBase baseFromStackFileLine(std::string_view line) {
    if (line == "2") {
        return NumberBase::Dec;
    }
    if (line == "3") {
        return NumberBase::Bin;
    }
    if (line == "4") {
        return NumberBase::Oct;
    }
    return NumberBase::Hex;
}

// "hexadecimal", "octal", ... as the engine's messages name the bases.
constexpr std::string_view baseWord(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return "hexadecimal";
    case NumberBase::Oct:
        return "octal";
    case NumberBase::Bin:
        return "binary";
    case NumberBase::Dec:
        return "decimal";
    }
    return "hexadecimal";
}

} // namespace quarnel::storage
