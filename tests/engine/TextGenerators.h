#pragma once

// Operand texts for the differential tests: every small value in each base
// with its variants, and seeded random texts of any word size.

#include "engine/NumberBase.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace quarnel::enginetest {

using engine::NumberBase;

// The value written in the base, upper-case, no leading zeros.
std::string writeValue(std::uint64_t value, NumberBase base);

// How many digits the largest ws-bit value has in the base (ws up to 63).
int digitsForWordSize(NumberBase base, int ws);

// Every value of the word size in the base, then each with a leading zero,
// then each made one digit longer than the word size allows.
std::vector<std::string> smallWordTexts(NumberBase base, int ws);

// Texts that are not numbers in the base (the empty text among them).
std::vector<std::string> invalidTexts(NumberBase base);

class RandomTexts {
  public:
    explicit RandomTexts(std::uint64_t seed) : rng_(seed) {}

    int below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }

    // A word size up to 200, small ones more often, and the boundaries 0, 1,
    // 63, 64, 65, 127, 128, 129 and 200 among others.
    int wordSize();

    // An operand in the base for the word size: any length up to and a little
    // beyond the word size, boundary values, leading zeros, lower-case hex.
    std::string operand(NumberBase base, int ws);

    // Mostly a valid operand, sometimes one that is not a number in the base.
    std::string operandOrInvalid(NumberBase base, int ws, int invalidPercent);

    std::string digits(const char* alphabet, int length);
    std::string decimal(int maxLength);
    std::string bits(int maxLength);

  private:
    std::string boundary(NumberBase base, int ws);
    std::mt19937_64 rng_;
};

} // namespace quarnel::enginetest
