#pragma once

#include "storage/ColourValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarnel::storage {

// Sums the hexadecimal digits of a text by their distance from its end, modulo
// 2^32; a character that is not a hexadecimal digit counts 0 but keeps its place.
std::uint32_t HexTextToInt(std::string_view text);

// The colour a stored text names, or nothing when the colour is to stay as it
// is: a name (any case) or "$" followed by hexadecimal digits.
std::optional<ColourValue> readColourText(std::string_view text);

// The text a colour is stored as: its name when it has one, otherwise "$" and
// eight lower-case hexadecimal digits.
std::string colourText(ColourValue colour);

std::optional<ColourValue> colourByName(std::string_view name);
std::optional<std::string_view> colourName(ColourValue colour);

} // namespace quarnel::storage
