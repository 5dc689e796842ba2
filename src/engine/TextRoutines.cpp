// The auxiliary text routines and the routines on a bit string.

#include "engine/Engine.h"

#include "Radix.h"

#include <algorithm>
#include <array>

namespace quarnel::engine {

namespace {

// One bit per base code: which bases accept the character.
constexpr std::array<std::uint8_t, 256> makeDigitTable() {
    std::array<std::uint8_t, 256> table{};
    const auto bit = [](NumberBase base) {
        return std::uint8_t(1u << static_cast<unsigned>(base));
    };
    for (int c = '0'; c <= '9'; ++c) {
        table[c] |= bit(NumberBase::Hex) | bit(NumberBase::Dec);
    }
    for (int c = '0'; c <= '7'; ++c) {
        table[c] |= bit(NumberBase::Oct);
    }
    table['0'] |= bit(NumberBase::Bin);
    table['1'] |= bit(NumberBase::Bin);
    for (int c = 'A'; c <= 'F'; ++c) {
        table[c] |= bit(NumberBase::Hex);
        table[c + ('a' - 'A')] |= bit(NumberBase::Hex);
    }
    return table;
}

constexpr std::array<std::uint8_t, 256> kDigitTable = makeDigitTable();

// Keeps the last ws characters of s and strips their leading zeros, in place.
std::string clipInPlace(std::string s, int ws) {
    const std::size_t n = static_cast<std::size_t>(effectiveWordSize(ws));
    std::size_t start = s.size() > n ? s.size() - n : 0;
    while (start < s.size() && s[start] == '0') {
        ++start;
    }
    if (start == s.size()) {
        return "0";
    }
    s.erase(0, start);
    return s;
}

// The text left-padded with zeros to ws characters and rotated left by the
// number of characters leftCount(length) gives, then clipped to ws.
template <typename LeftCount>
std::string rotateField(std::string_view bits, int ws, LeftCount leftCount) {
    ws = effectiveWordSize(ws);
    const std::size_t width = static_cast<std::size_t>(ws);
    const std::size_t length = std::max(width, bits.size());
    std::string field;
    field.reserve(length);
    field.append(length - bits.size(), '0');
    field.append(bits);
    const std::size_t k = leftCount(length);
    std::rotate(field.begin(), field.begin() + static_cast<std::ptrdiff_t>(k), field.end());
    return clipInPlace(std::move(field), ws);
}

} // namespace

bool IsValidNumber(std::string_view text, NumberBase base) {
    if (text.empty()) {
        return false;
    }
    const std::uint8_t mask = std::uint8_t(1u << static_cast<unsigned>(base));
    // Four characters between checks.
    const auto* digit = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    for (; i + 4 <= size; i += 4) {
        if ((kDigitTable[digit[i]] & kDigitTable[digit[i + 1]] & kDigitTable[digit[i + 2]] &
             kDigitTable[digit[i + 3]] & mask) == 0) {
            return false;
        }
    }
    for (; i < size; ++i) {
        if ((kDigitTable[digit[i]] & mask) == 0) {
            return false;
        }
    }
    return true;
}

std::string StripLeadingZeros(std::string_view text) {
    const std::string_view rest = detail::skipLeadingZeros(text);
    return rest.empty() ? std::string("0") : std::string(rest);
}

std::string ReverseString(std::string_view text) {
    return std::string(text.rbegin(), text.rend());
}

std::string ClipToWordSize(std::string_view bits, int ws) {
    const std::size_t n = static_cast<std::size_t>(effectiveWordSize(ws));
    if (bits.size() > n) {
        bits.remove_prefix(bits.size() - n);
    }
    return StripLeadingZeros(bits);
}

std::string AppendZeros(std::string_view text, int n) {
    std::string result;
    const std::size_t zeros = n > 0 ? static_cast<std::size_t>(n) : 0;
    result.reserve(text.size() + zeros);
    result.append(text);
    result.append(zeros, '0');
    return result;
}

std::string PrependZeros(std::string_view text, int n) {
    std::string result;
    const std::size_t zeros = n > 0 ? static_cast<std::size_t>(n) : 0;
    result.reserve(text.size() + zeros);
    result.append(zeros, '0');
    result.append(text);
    return result;
}

std::int32_t IntPower(std::int32_t base, std::int32_t exponent) {
    // Unsigned, so that a result out of range wraps instead of overflowing.
    std::uint32_t result = 1;
    std::uint32_t factor = static_cast<std::uint32_t>(base);
    for (std::int32_t e = exponent; e > 0; e >>= 1) {
        if ((e & 1) != 0) {
            result *= factor;
        }
        factor *= factor;
    }
    return static_cast<std::int32_t>(result);
}

std::string InvertBits(std::string_view bits) {
    // A "1" becomes the first leading zero of the result; skip those at once.
    const std::size_t first = bits.find_first_not_of('1');
    if (first == std::string_view::npos) {
        return "0";
    }
    std::string result(bits.size() - first, '0');
    for (std::size_t i = first; i < bits.size(); ++i) {
        if (bits[i] != '1') {
            result[i - first] = '1';
        }
    }
    return result;
}

std::string DropLowBit(std::string_view bits, int ws) {
    if (bits.size() <= 1) {
        return "0";
    }
    bits.remove_suffix(1);
    return ClipToWordSize(bits, ws);
}

std::string RotateBitsLeft(std::string_view bits, int ws) {
    return rotateField(bits, ws, [](std::size_t) { return std::size_t{1}; });
}

std::string RotateBitsRight(std::string_view bits, int ws) {
    return rotateField(bits, ws, [](std::size_t length) { return length - 1; });
}

std::string RotateBytesLeft(std::string_view bits, int ws) {
    return rotateField(bits, ws,
                       [](std::size_t length) { return std::min<std::size_t>(8, length); });
}

std::string RotateBytesRight(std::string_view bits, int ws) {
    return rotateField(
        bits, ws, [](std::size_t length) { return length - std::min<std::size_t>(8, length); });
}

} // namespace quarnel::engine
