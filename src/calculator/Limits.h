#pragma once

#include "engine/NumberBase.h"

#include <cstdint>

namespace quarnel::calculator {

// The word sizes the calculator keeps, and its default (the engine's reading of 0).
inline constexpr int kMinWordSize = 1;
inline constexpr int kMaxWordSize = 128;
using engine::kDefaultWordSize;
// A limited stack holds at least this many entries.
inline constexpr int kMinLimitedDepth = 5;

// 0 or less gives the default, above the maximum gives the maximum.
constexpr int limitWordSize(std::int64_t bits) {
    if (bits <= 0) {
        return kDefaultWordSize;
    }
    return bits > kMaxWordSize ? kMaxWordSize : static_cast<int>(bits);
}

// 0 or less gives 0 (unlimited), 1..4 give 5.
constexpr int limitMaxStackDepth(std::int64_t depth) {
    if (depth <= 0) {
        return 0;
    }
    return depth < kMinLimitedDepth ? kMinLimitedDepth : static_cast<int>(depth);
}

} // namespace quarnel::calculator
