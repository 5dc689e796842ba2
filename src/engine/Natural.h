#pragma once

// Unbounded natural numbers as trimmed little-endian limbs (no high zero limb;
// zero has no limbs), for the few places where a value is used in full.

#include "Limbs.h"

#include <cstddef>

namespace quarnel::engine::detail {

int compareNatural(const Limbs& a, const Limbs& b);
Limbs multiplyNatural(const Limbs& a, const Limbs& b);
// Quotient of u by v (v not zero); the remainder too when asked for.
Limbs divideNatural(const Limbs& u, const Limbs& v, Limbs* remainder = nullptr);
// Divides x[0..n) in place by a single nonzero limb and returns the remainder.
Limb divideBySingle(Limb* x, std::size_t n, Limb divisor);

// The quotient limb of (high:low) / divisor; high must be below divisor.
inline Limb divideWide(Limb high, Limb low, Limb divisor, Limb& remainder) {
#if defined(__x86_64__)
    Limb quotient;
    __asm__("divq %[d]" : "=a"(quotient), "=d"(remainder) : "a"(low), "d"(high), [d] "rm"(divisor));
    return quotient;
#else
    const DoubleLimb n = (static_cast<DoubleLimb>(high) << 64) | low;
    remainder = static_cast<Limb>(n % divisor);
    return static_cast<Limb>(n / divisor);
#endif
}

} // namespace quarnel::engine::detail
