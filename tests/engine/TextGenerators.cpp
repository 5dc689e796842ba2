#include "TextGenerators.h"

#include "reference/Reference.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quarnel::enginetest {

namespace {

int radix(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return 16;
    case NumberBase::Oct:
        return 8;
    case NumberBase::Bin:
        return 2;
    case NumberBase::Dec:
        break;
    }
    return 10;
}

const char* digitSet(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return "0123456789ABCDEFabcdef";
    case NumberBase::Oct:
        return "01234567";
    case NumberBase::Bin:
        return "01";
    case NumberBase::Dec:
        break;
    }
    return "0123456789";
}

const char* upperDigitSet(NumberBase base) {
    return base == NumberBase::Hex ? "0123456789ABCDEF" : digitSet(base);
}

// A character that is not a digit of the base, including some that are
// digits of other bases.
char foreignCharacter(NumberBase base, int pick) {
    static constexpr std::array<char, 10> common{'G', 'z', ' ', '-', '+', '.', 'x', '/', ':', '@'};
    switch (pick % 3) {
    case 0:
        if (base == NumberBase::Bin) {
            return '2';
        }
        if (base == NumberBase::Oct) {
            return '8';
        }
        if (base == NumberBase::Dec) {
            return 'a';
        }
        break;
    case 1:
        if (base != NumberBase::Hex) {
            return 'F';
        }
        break;
    default:
        break;
    }
    return common[static_cast<std::size_t>(pick) % common.size()];
}

} // namespace

std::string writeValue(std::uint64_t value, NumberBase base) {
    const auto r = static_cast<std::uint64_t>(radix(base));
    std::string text;
    do {
        text += "0123456789ABCDEF"[value % r];
        value /= r;
    } while (value != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

int digitsForWordSize(NumberBase base, int ws) {
    const std::uint64_t largest = ws >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << ws) - 1;
    return static_cast<int>(writeValue(largest, base).size());
}

std::vector<std::string> smallWordTexts(NumberBase base, int ws) {
    const std::uint64_t count = std::uint64_t{1} << ws;
    const int width = digitsForWordSize(base, ws);
    const int r = radix(base);
    std::vector<std::string> texts;
    for (std::uint64_t v = 0; v < count; ++v) {
        texts.push_back(writeValue(v, base));
    }
    for (std::uint64_t v = 0; v < count; ++v) {
        texts.push_back("0" + writeValue(v, base));
    }
    for (std::uint64_t v = 0; v < count; ++v) {
        std::string low = writeValue(v, base);
        low.insert(0, static_cast<std::size_t>(width) - low.size(), '0');
        const char lead = "123456789ABCDEF"[v % static_cast<std::uint64_t>(r - 1)];
        texts.push_back(lead + low);
    }
    return texts;
}

std::vector<std::string> invalidTexts(NumberBase base) {
    std::vector<std::string> texts{""};
    for (int pick = 0; pick < 6; ++pick) {
        const char bad = foreignCharacter(base, pick);
        texts.push_back(std::string(1, bad));
        texts.push_back(std::string("1") + bad);
        texts.push_back(std::string(1, bad) + "0");
    }
    texts.push_back("01 ");
    return texts;
}

int RandomTexts::wordSize() {
    static constexpr std::array<int, 16> boundaries{0,  1,  2,  7,   8,   9,   31,  32,
                                                    63, 64, 65, 127, 128, 129, 199, 200};
    if (chance(12)) {
        return boundaries[static_cast<std::size_t>(below(boundaries.size()))];
    }
    // Every size up to 200, the smaller ones more often: the reference's
    // cost grows with the cube of the word size.
    const int limit = 1 + below(200);
    return 1 + below(chance(50) ? limit : 1 + below(limit));
}

std::string RandomTexts::digits(const char* alphabet, int length) {
    const int size = static_cast<int>(std::strlen(alphabet));
    std::string text;
    for (int i = 0; i < length; ++i) {
        text += alphabet[below(size)];
    }
    return text;
}

std::string RandomTexts::decimal(int maxLength) {
    return digits("0123456789", 1 + below(maxLength));
}

std::string RandomTexts::bits(int maxLength) {
    return digits("01", 1 + below(maxLength));
}

std::string RandomTexts::boundary(NumberBase base, int ws) {
    const int n = engine::effectiveWordSize(ws);
    std::string b;
    switch (below(6)) {
    case 0:
        b = "0";
        break;
    case 1:
        b = std::string(static_cast<std::size_t>(n), '1');
        break;
    case 2:
        b = "1" + std::string(static_cast<std::size_t>(n - 1), '0');
        break;
    case 3:
        b = "1" + std::string(static_cast<std::size_t>(n), '0');
        break;
    case 4:
        b = std::string(static_cast<std::size_t>(n + 1), '1');
        break;
    default:
        b = "1";
        break;
    }
    // Written in the base through the reference, with room for the extra bit.
    switch (base) {
    case NumberBase::Hex:
        return reference::BinToHex(b, n + 8);
    case NumberBase::Oct:
        return reference::BinToOct(b, n + 8);
    case NumberBase::Dec:
        return reference::BinToDec(b, n + 8);
    case NumberBase::Bin:
        break;
    }
    return b;
}

std::string RandomTexts::operand(NumberBase base, int ws) {
    const int n = engine::effectiveWordSize(ws);
    std::string text;
    if (chance(15)) {
        text = boundary(base, ws);
    } else {
        const int width = base == NumberBase::Bin   ? n
                          : base == NumberBase::Hex ? (n + 3) / 4
                          : base == NumberBase::Oct ? (n + 2) / 3
                                                    : (n * 30103 + 99999) / 100000;
        int length = 1 + below(width);
        if (chance(25)) {
            length = width;
        } else if (chance(12)) {
            length = width + 1 + below(base == NumberBase::Bin ? 12 : 4);
        }
        text = digits(chance(30) ? digitSet(base) : upperDigitSet(base), length);
    }
    if (chance(12)) {
        text.insert(0, static_cast<std::size_t>(1 + below(3)), '0');
    }
    return text;
}

std::string RandomTexts::operandOrInvalid(NumberBase base, int ws, int invalidPercent) {
    std::string text = operand(base, ws);
    if (!chance(invalidPercent)) {
        return text;
    }
    if (chance(10)) {
        return "";
    }
    const char bad = foreignCharacter(base, below(30));
    text[static_cast<std::size_t>(below(static_cast<int>(text.size())))] = bad;
    return text;
}

} // namespace quarnel::enginetest
