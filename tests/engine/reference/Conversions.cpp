// The twelve base conversions: digit groups between binary and hex or octal,
// decimal digit-string arithmetic between decimal and hex, chains for the rest.

#include "Internal.h"
#include "Reference.h"

#include <new>
#include <vector>

namespace quarnel::reference {

namespace {

constexpr const char* kHexWording = " is not a valid hexadecimal number!";
constexpr const char* kOctWording = " is not a valid octal number!";
constexpr const char* kBinWording = " is not a valid binary number!";
constexpr const char* kDecWording = " is not a valid decimal number!";

[[noreturn]] void failOutOfMemory() {
    detail::fail(engine::kOutOfMemoryMessage);
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return c - 'a' + 10;
}

char hexDigit(int v) {
    return "0123456789ABCDEF"[v];
}

// A small value in binary without leading zeros ("0" for 0).
std::string smallToBinary(int v) {
    if (v == 0) {
        return "0";
    }
    std::string digits;
    while (v > 0) {
        digits = static_cast<char>('0' + v % 2) + digits;
        v /= 2;
    }
    return digits;
}

// The value of a group of binary digits.
int groupValue(std::string_view group) {
    int v = 0;
    for (char c : group) {
        v = v * 2 + (c - '0');
    }
    return v;
}

std::string groupsToBinary(std::string_view digits, int groupSize) {
    std::string bits;
    for (char c : digits) {
        const std::string one = smallToBinary(hexDigitValue(c));
        bits += PrependZeros(one, groupSize - static_cast<int>(one.size()));
    }
    return bits;
}

std::string binaryToGroups(std::string_view bits, int ws, int groupSize) {
    std::string text = ClipToWordSize(bits, ws);
    const std::size_t length = text.size();
    const std::size_t size = static_cast<std::size_t>(groupSize);
    std::string result;
    for (std::size_t g = 0; g < length / size; ++g) {
        const std::string last = text.substr(text.size() - size);
        result = hexDigit(groupValue(last)) + result;
        text.erase(text.size() - size);
    }
    if (length % size != 0) {
        result = hexDigit(groupValue(text)) + result;
    }
    return StripLeadingZeros(result);
}

} // namespace

std::string HexToBin(std::string_view hex, int ws) {
    if (!IsValidNumber(hex, NumberBase::Hex)) {
        detail::failInvalid(hex, kHexWording);
    }
    try {
        return ClipToWordSize(StripLeadingZeros(groupsToBinary(hex, 4)), ws);
    } catch (const std::bad_alloc&) {
        failOutOfMemory();
    }
}

std::string OctToBin(std::string_view oct, int ws) {
    if (!IsValidNumber(oct, NumberBase::Oct)) {
        detail::failInvalid(oct, kOctWording);
    }
    try {
        return ClipToWordSize(StripLeadingZeros(groupsToBinary(oct, 3)), ws);
    } catch (const std::bad_alloc&) {
        failOutOfMemory();
    }
}

std::string BinToHex(std::string_view bits, int ws) {
    if (!IsValidNumber(bits, NumberBase::Bin)) {
        detail::failInvalid(bits, kBinWording);
    }
    try {
        return binaryToGroups(bits, ws, 4);
    } catch (const std::bad_alloc&) {
        failOutOfMemory();
    }
}

std::string BinToOct(std::string_view bits, int ws) {
    if (!IsValidNumber(bits, NumberBase::Bin)) {
        detail::failInvalid(bits, kBinWording);
    }
    try {
        return binaryToGroups(bits, ws, 3);
    } catch (const std::bad_alloc&) {
        failOutOfMemory();
    }
}

std::string DecToHex(std::string_view dec, int ws) {
    if (!IsValidNumber(dec, NumberBase::Dec)) {
        detail::failInvalid(dec, kDecWording);
    }
    try {
        std::vector<char> digitList;
        std::string rest(dec);
        do {
            DecDivSmallResult step = DecDivSmall(rest, 16);
            digitList.push_back(hexDigit(std::stoi(step.remainder)));
            rest = step.quotient;
        } while (rest.size() >= 2);
        digitList.push_back(hexDigit(rest[0] - '0'));
        std::string raw;
        for (std::size_t i = digitList.size(); i > 0; --i) {
            raw += digitList[i - 1];
        }
        return BinToHex(HexToBin(raw, ws), ws);
    } catch (const std::bad_alloc&) {
        failOutOfMemory();
    }
}

std::string HexToDec(std::string_view hex, int ws) {
    if (!IsValidNumber(hex, NumberBase::Hex)) {
        detail::failInvalid(hex, kHexWording);
    }
    try {
        const std::string reduced = BinToHex(HexToBin(hex, ws), ws);
        const std::size_t n = reduced.size();
        std::string sum =
            DecMul(DecPowerOf16(std::to_string(n - 1)), std::to_string(hexDigitValue(reduced[0])));
        for (std::size_t i = 2; i <= n; ++i) {
            const std::string term = DecMul(DecPowerOf16(std::to_string(n - i)),
                                            std::to_string(hexDigitValue(reduced[i - 1])));
            sum = DecAdd(sum, term);
        }
        return sum;
    } catch (const std::bad_alloc&) {
        failOutOfMemory();
    }
}

std::string DecToBin(std::string_view dec, int ws) {
    if (!IsValidNumber(dec, NumberBase::Dec)) {
        detail::failInvalid(dec, kDecWording);
    }
    return HexToBin(DecToHex(dec, ws), ws);
}

std::string BinToDec(std::string_view bits, int ws) {
    if (!IsValidNumber(bits, NumberBase::Bin)) {
        detail::failInvalid(bits, kBinWording);
    }
    return HexToDec(BinToHex(ClipToWordSize(bits, ws), ws), ws);
}

std::string DecToOct(std::string_view dec, int ws) {
    if (!IsValidNumber(dec, NumberBase::Dec)) {
        detail::failInvalid(dec, kDecWording);
    }
    return BinToOct(HexToBin(DecToHex(dec, ws), ws), ws);
}

std::string OctToDec(std::string_view oct, int ws) {
    if (!IsValidNumber(oct, NumberBase::Oct)) {
        detail::failInvalid(oct, kOctWording);
    }
    return HexToDec(BinToHex(OctToBin(oct, ws), ws), ws);
}

std::string OctToHex(std::string_view oct, int ws) {
    if (!IsValidNumber(oct, NumberBase::Oct)) {
        detail::failInvalid(oct, kOctWording);
    }
    return BinToHex(ClipToWordSize(OctToBin(oct, ws), ws), ws);
}

std::string HexToOct(std::string_view hex, int ws) {
    if (!IsValidNumber(hex, NumberBase::Hex)) {
        detail::failInvalid(hex, kHexWording);
    }
    return BinToOct(ClipToWordSize(HexToBin(hex, ws), ws), ws);
}

} // namespace quarnel::reference
