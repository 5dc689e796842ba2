#pragma once

// Decimal naturals in limbs of 18 digits (base 10^18), little-endian and
// trimmed. Division runs in this base, so decimal text is split into limbs in
// linear time instead of being converted to binary first.

#include "Limbs.h"
#include "Word.h"

#include <string>
#include <string_view>

namespace quarnel::engine::detail {

inline constexpr Limb kDecimalLimbBase = 1'000'000'000'000'000'000ULL;

Limbs splitDecimal(std::string_view digits);
std::string joinDecimal(const Limbs& value);
// The quotient u div v; v must not be zero.
Limbs divideDecimal(const Limbs& u, const Limbs& v);
// The value reduced modulo 2^bits.
Word reduceDecimal(const Limbs& value, int bits);

} // namespace quarnel::engine::detail
