#pragma once

#include "calculator/Limits.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quarnel::storage {

// Reads a stored integer: decimal with an optional sign, or hexadecimal after
// "$" (or after "0x"/"0X" when the text is longer than two characters). The
// value must fit a signed 32-bit integer; anything else does not convert.
std::optional<std::int32_t> readIntegerText(std::string_view text);

// The calculator's limits on the word size and the maximum stack depth.
using calculator::limitMaxStackDepth;
using calculator::limitWordSize;

} // namespace quarnel::storage
