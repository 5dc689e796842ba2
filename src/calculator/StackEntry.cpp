#include "calculator/StackEntry.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

namespace quarnel::calculator {

struct StackEntry::HeapText {
    std::size_t refs = 1; // copies stay on one thread, as their lists do
    std::string text;
};

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Per character: the narrowest digit set holding it (0 binary, 1 octal,
// 2 0-9A-F, 3 none) and its digit value.
struct DigitInfo {
    unsigned char set;
    unsigned char value;
};
constexpr std::array<DigitInfo, 256> kDigitInfo = [] {
    std::array<DigitInfo, 256> table{};
    for (DigitInfo& info : table) {
        info = {3, 0};
    }
    for (unsigned v = 0; v < 16; ++v) {
        const auto c = static_cast<unsigned char>(kHexDigits[v]);
        table[c] = {static_cast<unsigned char>(v < 2   ? 0
                                               : v < 8 ? 1
                                                       : 2),
                    static_cast<unsigned char>(v)};
    }
    return table;
}();

// The digit sets (bit 0 binary, 1 octal, 2 0-9A-F) holding a digit of each set.
constexpr std::array<unsigned, 4> kSetsHolding = {0b111, 0b110, 0b100, 0};

const DigitInfo& digitInfo(char c) {
    return kDigitInfo[static_cast<unsigned char>(c)];
}

// The digits of every byte value, lowest bits first: 8 binary or 2 hex digits.
template <std::size_t digits> constexpr std::array<std::array<char, digits>, 256> byteDigits() {
    std::array<std::array<char, digits>, 256> table{};
    constexpr unsigned width = 8 / digits;
    for (unsigned byte = 0; byte < 256; ++byte) {
        for (unsigned d = 0; d < digits; ++d) {
            table[byte][d] = kHexDigits[(byte >> (d * width)) & ((1U << width) - 1)];
        }
    }
    return table;
}
constexpr auto kBinBytes = byteDigits<8>();
constexpr auto kHexBytes = byteDigits<2>();

// Writes `length` digits packed `digits` to a byte, a whole byte at a time.
template <std::size_t digits>
void unpack(const unsigned char* payload, std::size_t length,
            const std::array<std::array<char, digits>, 256>& table, char* out) {
    const std::size_t whole = length / digits;
    for (std::size_t i = 0; i < whole; ++i) {
        std::memcpy(out + i * digits, table[payload[i]].data(), digits);
    }
    if (length % digits != 0) {
        std::memcpy(out + whole * digits, table[payload[whole]].data(), length % digits);
    }
}

} // namespace

StackEntry::HeapText* StackEntry::heap() const {
    HeapText* text = nullptr;
    std::memcpy(&text, bytes_ + kPointerAt, sizeof text);
    return text;
}

void StackEntry::holdHeap() noexcept {
    ++heap()->refs;
}

void StackEntry::releaseHeap() noexcept {
    HeapText* text = heap();
    if (--text->refs == 0) {
        delete text;
    }
}

StackEntry::StackEntry(std::string_view text) {
    clearBytes();
    const std::size_t length = text.size();
    unsigned char* payload = bytes_ + 2;
    if (length <= kPayload) {
        bytes_[0] = static_cast<unsigned char>(Kind::Plain);
        bytes_[1] = static_cast<unsigned char>(length);
        std::memcpy(payload, text.data(), length);
        return;
    }
    const char* digits = text.data();
    // One bit for each digit set (binary, octal, 0-9A-F) holding every digit.
    unsigned sets = 0;
    if (length <= kPayload * 2) {
        // Packed two digits a byte (the first in the low half) while the sets
        // are found; binary and octal digits alone are packed again, narrower.
        sets = 0b111;
        unsigned char* out = payload;
        std::size_t i = 0;
        for (; i + 1 < length; i += 2) {
            const DigitInfo& first = digitInfo(digits[i]);
            const DigitInfo& second = digitInfo(digits[i + 1]);
            sets &= kSetsHolding[first.set] & kSetsHolding[second.set];
            *out++ = static_cast<unsigned char>(first.value | second.value << 4);
        }
        if (i < length) {
            const DigitInfo& last = digitInfo(digits[i]);
            sets &= kSetsHolding[last.set];
            *out = last.value;
        }
        if (sets == 0b100) {
            bytes_[0] = static_cast<unsigned char>(Kind::Hex);
            bytes_[1] = static_cast<unsigned char>(length);
            return;
        }
        std::memset(payload, 0, kPayload);
    } else if (length <= kPayload * 8) {
        sets = 0b111;
        for (std::size_t i = 0; i < length; ++i) {
            sets &= kSetsHolding[digitInfo(digits[i]).set];
        }
    }
    const int set = sets == 0 ? 3 : std::countr_zero(sets);
    static constexpr unsigned kWidth[] = {1, 3, 4};
    if (set < 2 && length * kWidth[set] <= kPayload * 8) {
        const unsigned width = kWidth[set];
        bytes_[0] = static_cast<unsigned char>(set == 0 ? Kind::Bin : Kind::Oct);
        bytes_[1] = static_cast<unsigned char>(length);
        // The digits go in from the first, lowest bits first, each byte
        // written once.
        unsigned acc = 0;
        unsigned fill = 0;
        for (std::size_t i = 0; i < length; ++i) {
            acc |= static_cast<unsigned>(digitInfo(digits[i]).value) << fill;
            fill += width;
            if (fill >= 8) {
                *payload++ = static_cast<unsigned char>(acc);
                acc >>= 8;
                fill -= 8;
            }
        }
        if (fill != 0) {
            *payload = static_cast<unsigned char>(acc);
        }
        return;
    }
    bytes_[0] = static_cast<unsigned char>(Kind::Heap);
    auto* held = new HeapText;
    held->text = text;
    std::memcpy(bytes_ + kPointerAt, &held, sizeof held);
}

std::size_t StackEntry::size() const {
    return kind() == Kind::Heap ? heap()->text.size() : bytes_[1];
}

std::string StackEntry::text() const {
    std::string text;
    copyTo(text);
    return text;
}

void StackEntry::copyTo(std::string& out) const {
    const Kind k = kind();
    if (k == Kind::Heap) {
        out = heap()->text;
        return;
    }
    const std::size_t length = bytes_[1];
    const unsigned char* payload = bytes_ + 2;
    if (k == Kind::Plain) {
        out.assign(reinterpret_cast<const char*>(payload), length);
        return;
    }
    out.resize(length);
    switch (k) {
    case Kind::Bin:
        unpack<8>(payload, length, kBinBytes, out.data());
        break;
    case Kind::Hex:
        unpack<2>(payload, length, kHexBytes, out.data());
        break;
    default: {
        std::size_t bit = 0;
        for (char& c : out) {
            const std::size_t at = bit / 8;
            const unsigned shift = bit % 8;
            unsigned window = payload[at];
            if (shift + 3 > 8) {
                window |= static_cast<unsigned>(payload[at + 1]) << 8;
            }
            c = static_cast<char>('0' + ((window >> shift) & 7U));
            bit += 3;
        }
    }
    }
}

bool StackEntry::sameHeapText(const StackEntry& a, const StackEntry& b) {
    return a.heap()->text == b.heap()->text;
}

} // namespace quarnel::calculator
