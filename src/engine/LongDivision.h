#pragma once

// Division of long decimal texts by GNU MP, whose radix conversion and
// division grow well below the square of the length. Short operands stay on
// the engine's own limb division, which is faster for them.

#include "Word.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quarnel::engine::detail {

// Both the divisor and the quotient need at least this many digits before
// the division leaves the engine's own limb code.
inline constexpr std::size_t kLongDivisionDigits = 1'500;

// Whether a div b goes through GNU MP; a and b are digits without leading zeros.
inline bool isLongDivision(std::string_view a, std::string_view b) {
    return b.size() >= kLongDivisionDigits && a.size() >= b.size() + kLongDivisionDigits;
}

// a div b reduced modulo 2^bits, and a div b as decimal digits; a and b are
// decimal digits without leading zeros, b is not zero.
Word divideLongReduced(std::string_view a, std::string_view b, int bits);
std::string divideLongDecimal(std::string_view a, std::string_view b);

} // namespace quarnel::engine::detail
