#pragma once

// The readout: one value in every base at once, read signed, and counted.

#include "engine/NumberBase.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarnel::calculator {

class Calculator;

struct Readout {
    // The value reduced to the word size, in each base, upper case, no
    // leading zeros, no grouping.
    std::string hex;
    std::string dec;
    std::string oct;
    std::string bin;
    // The value read as a two's-complement number of the word size, in
    // decimal, with a leading "-" when negative.
    std::string signedDec;
    int wordSize = 0;
    engine::NumberBase base = engine::NumberBase::Hex;
    int setBits = 0;
    int leadingZeros = 0;  // within the word; the word size for 0
    int trailingZeros = 0; // the word size for 0
};

// The readout of `text`, a number in `base`, at word size `ws`. Throws
// engine::EngineError when the text is not a number in its base.
Readout makeReadout(std::string_view text, engine::NumberBase base, int ws);

// The readout of the value the calculator shows: the input line while it
// holds text, else level 1. Empty when there is neither, or when that text is
// not a number of the current base.
std::optional<Readout> readoutOf(const Calculator& calculator);

} // namespace quarnel::calculator
