#pragma once

#include <cstdint>

namespace quarnel::engine {

// The one-byte base code passed to every engine routine that takes a base.
enum class NumberBase : std::uint8_t { Hex = 0, Oct = 1, Bin = 2, Dec = 3 };

// Word size 0 means 64 at every entry point.
inline constexpr int kDefaultWordSize = 64;
constexpr int effectiveWordSize(int ws) {
    return ws <= 0 ? kDefaultWordSize : ws;
}

} // namespace quarnel::engine
