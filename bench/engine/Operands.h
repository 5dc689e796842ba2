#pragma once

// Seeded random operand texts for the benchmarks.

#include "engine/NumberBase.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quarnel::bench {

// Random values of exactly `bits` bits (top bit set) written in the base.
std::vector<std::string> randomOperands(engine::NumberBase base, int bits, std::size_t count,
                                        unsigned seed);
// Random digit text of the given length with a nonzero first digit.
std::string randomDigits(engine::NumberBase base, std::size_t length, unsigned seed);

} // namespace quarnel::bench
