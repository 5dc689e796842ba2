#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quarnel::storage {

// Reads a stored integer: decimal with an optional sign, or hexadecimal after
// "$" (or after "0x"/"0X" when the text is longer than two characters). The
// value must fit a signed 32-bit integer; anything else does not convert.
std::optional<std::int32_t> readIntegerText(std::string_view text);

// The word size the calculator keeps: 0 or below means 64, above 128 is 128.
constexpr int limitWordSize(std::int64_t ws) {
    if (ws <= 0) {
        return 64;
    }
    return ws > 128 ? 128 : static_cast<int>(ws);
}

// The maximum stack depth: 0 or below is unlimited (0), 1 to 4 become 5.
constexpr int limitMaxStackDepth(std::int32_t depth) {
    if (depth <= 0) {
        return 0;
    }
    return depth < 5 ? 5 : depth;
}

} // namespace quarnel::storage
