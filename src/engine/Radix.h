#pragma once

// Number text in the four bases to and from limbs.

#include "Limbs.h"
#include "Word.h"
#include "engine/NumberBase.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quarnel::engine::detail {

// The value of valid digit text, reduced to the word size. Only the digits that
// can reach the word are read in HEX, OCT and BIN; DEC is folded in 19-digit
// chunks modulo 2^ws, so the cost stays linear in the text length.
Word parseWord(std::string_view text, NumberBase base, int bits);
// Normalised text: no leading zeros, upper-case hex, "0" for zero.
std::string formatWord(const Word& value, NumberBase base);

// The value of at most 38 decimal digits (always below 2^127).
DoubleLimb parseDecimalWide(std::string_view digits);

// The full value of decimal digit text, leading zeros allowed.
Limbs parseDecimal(std::string_view digits);
// Decimal text of a natural, left-padded with zeros to minWidth digits; zero
// with minWidth 0 gives the empty text.
std::string formatDecimal(Limbs value, std::size_t minWidth);

// The view without its leading "0" characters (possibly empty).
std::string_view skipLeadingZeros(std::string_view text);

// The text without leading zeros, "0" if nothing is left; a view, no copy.
inline std::string_view strippedView(std::string_view text) {
    const std::string_view rest = skipLeadingZeros(text);
    return rest.empty() ? std::string_view("0") : rest;
}

} // namespace quarnel::engine::detail
