#include "Radix.h"

#include "Natural.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace quarnel::engine::detail {

namespace {

constexpr Limb kTen19 = 10'000'000'000'000'000'000ULL;
constexpr std::size_t kChunkDigits = 19;

constexpr char kHexDigits[] = "0123456789ABCDEF";

constexpr char kDigitPairs[] = "00010203040506070809"
                               "10111213141516171819"
                               "20212223242526272829"
                               "30313233343536373839"
                               "40414243444546474849"
                               "50515253545556575859"
                               "60616263646566676869"
                               "70717273747576777879"
                               "80818283848586878889"
                               "90919293949596979899";

constexpr std::array<std::uint8_t, 256> makeHexValues() {
    std::array<std::uint8_t, 256> values{};
    for (int c = 0; c < 10; ++c) {
        values['0' + c] = static_cast<std::uint8_t>(c);
    }
    for (int c = 0; c < 6; ++c) {
        values['A' + c] = static_cast<std::uint8_t>(10 + c);
        values['a' + c] = static_cast<std::uint8_t>(10 + c);
    }
    return values;
}

constexpr std::array<std::uint8_t, 256> kHexValues = makeHexValues();

Limb hexValue(char c) {
    return kHexValues[static_cast<unsigned char>(c)];
}

// Eight decimal digits at once (the first one most significant).
Limb parseEight(const char* p) {
    Limb v;
    std::memcpy(&v, p, 8);
    if constexpr (std::endian::native == std::endian::little) {
        v = ((v & 0x0F0F0F0F0F0F0F0FULL) * 2561) >> 8;
        v = ((v & 0x00FF00FF00FF00FFULL) * 6553601) >> 16;
        return ((v & 0x0000FFFF0000FFFFULL) * 42949672960001ULL) >> 32;
    } else {
        Limb r = 0;
        for (int i = 0; i < 8; ++i) {
            r = r * 10 + static_cast<Limb>(p[i] - '0');
        }
        return r;
    }
}

Limb parseDigits(const char* p, std::size_t count) {
    Limb v = 0;
    while (count >= 8) {
        v = v * 100'000'000ULL + parseEight(p);
        p += 8;
        count -= 8;
    }
    while (count > 0) {
        v = v * 10 + static_cast<Limb>(*p - '0');
        ++p;
        --count;
    }
    return v;
}

// Writes exactly `width` digits of v ending just before `end`.
void writeDigitsPadded(char* end, Limb v, std::size_t width) {
    while (width >= 2) {
        const std::size_t pair = static_cast<std::size_t>(v % 100) * 2;
        v /= 100;
        end -= 2;
        end[0] = kDigitPairs[pair];
        end[1] = kDigitPairs[pair + 1];
        width -= 2;
    }
    if (width == 1) {
        *--end = static_cast<char>('0' + v % 10);
    }
}

std::size_t decimalWidth(Limb v) {
    std::size_t n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

// x := x * factor + addend over all of x's limbs; returns the carry out.
Limb multiplyAdd(Limb* x, std::size_t n, Limb factor, Limb addend) {
    Limb carry = addend;
    for (std::size_t i = 0; i < n; ++i) {
        const DoubleLimb p = static_cast<DoubleLimb>(x[i]) * factor + carry;
        x[i] = static_cast<Limb>(p);
        carry = static_cast<Limb>(p >> 64);
    }
    return carry;
}

Word parseDecimalWord(std::string_view text, int bits) {
    Word w(bits);
    text = skipLeadingZeros(text);
    const std::size_t n = text.size();
    if (n == 0) {
        return w;
    }
    std::size_t first = n % kChunkDigits;
    if (first == 0) {
        first = kChunkDigits;
    }
    w[0] = parseDigits(text.data(), first);
    const std::size_t size = w.size();
    if (size == 1) {
        Limb x = w[0];
        for (std::size_t pos = first; pos < n; pos += kChunkDigits) {
            x = x * kTen19 + parseDigits(text.data() + pos, kChunkDigits);
        }
        w[0] = x;
    } else {
        for (std::size_t pos = first; pos < n; pos += kChunkDigits) {
            multiplyAdd(w.data(), size, kTen19, parseDigits(text.data() + pos, kChunkDigits));
        }
    }
    w.reduce();
    return w;
}

// Collects digit values from the least significant one up into the limbs of a
// word, a register's worth at a time; bits past the last limb are dropped.
class LimbWriter {
  public:
    LimbWriter(Limb* limbs, std::size_t count) : limbs_(limbs), count_(count) {}

    void put(Limb value, unsigned width) {
        acc_ |= value << fill_;
        fill_ += width;
        if (fill_ >= 64) {
            store();
            fill_ -= 64;
            acc_ = fill_ == 0 ? 0 : value >> (width - fill_);
        }
    }
    void finish() {
        if (fill_ != 0) {
            store();
        }
    }

  private:
    void store() {
        if (next_ < count_) {
            limbs_[next_] = acc_;
        }
        ++next_;
    }

    Limb* limbs_;
    std::size_t count_;
    std::size_t next_ = 0;
    Limb acc_ = 0;
    unsigned fill_ = 0;
};

// Sixteen hex digits (the first most significant) as one limb, eight at a
// time in a register. The digits must be valid.
Limb parseEightHex(const char* p) {
    std::uint64_t x;
    std::memcpy(&x, p, 8);
    if constexpr (std::endian::native == std::endian::big) {
        x = __builtin_bswap64(x);
    }
    // '0'-'9' keep their low four bits; letters have bit 6 set and need 9 more.
    x = (x & 0x0F0F0F0F0F0F0F0FULL) + ((x >> 6) & 0x0101010101010101ULL) * 9;
    x = __builtin_bswap64(x); // the last digit in the lowest byte
    x = (x | (x >> 4)) & 0x00FF00FF00FF00FFULL;
    x = (x | (x >> 8)) & 0x0000FFFF0000FFFFULL;
    return (x | (x >> 16)) & 0xFFFFFFFFULL;
}

Limb parseSixteenHex(const char* p) {
    return parseEightHex(p) << 32 | parseEightHex(p + 8);
}

// The eight hex digits of the low 32 bits of v, the most significant first.
void writeEightHex(char* p, Limb v) {
    std::uint64_t x = v & 0xFFFFFFFFULL;
    x = (x | (x << 16)) & 0x0000FFFF0000FFFFULL;
    x = (x | (x << 8)) & 0x00FF00FF00FF00FFULL;
    x = (x | (x << 4)) & 0x0F0F0F0F0F0F0F0FULL;
    x = __builtin_bswap64(x); // the most significant digit in the lowest byte
    // Digits of 10 and more skip the seven characters between '9' and 'A'.
    const std::uint64_t letters = ((x + 0x0606060606060606ULL) >> 4) & 0x0101010101010101ULL;
    x += 0x3030303030303030ULL + letters * 7;
    if constexpr (std::endian::native == std::endian::big) {
        x = __builtin_bswap64(x);
    }
    std::memcpy(p, &x, 8);
}

Word parseHexWord(std::string_view text, int bits) {
    Word w(bits);
    const std::size_t need = (static_cast<std::size_t>(bits) + 3) / 4;
    std::size_t left = text.size() < need ? text.size() : need;
    const char* end = text.data() + text.size();
    Limb* limbs = w.data();
    std::size_t limb = 0;
    for (; left >= 16; left -= 16, end -= 16) {
        limbs[limb++] = parseSixteenHex(end - 16);
    }
    if (left > 0) {
        Limb v = 0;
        for (const char* digit = end - left; digit < end; ++digit) {
            v = v << 4 | hexValue(*digit);
        }
        limbs[limb] = v;
    }
    w.reduce();
    return w;
}

std::string formatHex(const Word& w) {
    const std::size_t bits = w.bitLength();
    if (bits == 0) {
        return "0";
    }
    const std::size_t used = (bits + 63) / 64;
    std::string out(used * 16, '0');
    char* end = out.data() + out.size();
    for (std::size_t i = 0; i < used; ++i, end -= 16) {
        writeEightHex(end - 16, w[i] >> 32);
        writeEightHex(end - 8, w[i]);
    }
    out.erase(0, out.size() - (bits + 3) / 4);
    return out;
}

// Reads a text of `width`-bit digits (hex, octal or binary) into a word. Only
// the digits that can reach the word are read.
template <unsigned width> Word parseGroups(std::string_view text, int bits) {
    Word w(bits);
    const std::size_t need = (static_cast<std::size_t>(bits) + width - 1) / width;
    const std::size_t count = text.size() < need ? text.size() : need;
    const char* digit = text.data() + text.size();
    LimbWriter writer(w.data(), w.size());
    for (std::size_t i = 0; i < count; ++i) {
        writer.put(hexValue(*--digit), width);
    }
    writer.finish();
    w.reduce();
    return w;
}

// Writes a word as `width`-bit digits (hex, octal or binary), without leading
// zeros.
std::string formatGroups(const Word& w, unsigned width) {
    const std::size_t bits = w.bitLength();
    if (bits == 0) {
        return "0";
    }
    const std::size_t digits = (bits + width - 1) / width;
    std::string out(digits, '0');
    char* digit = out.data() + digits;
    const Limb* limbs = w.data();
    const std::size_t count = w.size();
    const Limb mask = (Limb{1} << width) - 1;
    Limb acc = limbs[0];
    unsigned avail = 64;
    std::size_t next = 1;
    for (std::size_t i = 0; i < digits; ++i) {
        Limb value = 0;
        if (avail >= width) {
            value = acc & mask;
            acc >>= width;
            avail -= width;
        } else {
            const Limb high = next < count ? limbs[next] : 0;
            ++next;
            value = (acc | (high << avail)) & mask;
            acc = high >> (width - avail);
            avail = 64 - (width - avail);
        }
        *--digit = kHexDigits[value];
    }
    return out;
}

std::string formatDecimalWord(const Word& w) {
    if (w.size() == 1 || (w.size() == 2 && w[1] == 0)) {
        const Limb v = w[0];
        std::string out(decimalWidth(v), '0');
        writeDigitsPadded(out.data() + out.size(), v, out.size());
        return out;
    }
    Limbs n(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        n[i] = w[i];
    }
    return formatDecimal(std::move(n), 1);
}

} // namespace

std::string_view skipLeadingZeros(std::string_view text) {
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

Word parseWord(std::string_view text, NumberBase base, int bits) {
    switch (base) {
    case NumberBase::Hex:
        return parseHexWord(text, bits);
    case NumberBase::Oct:
        return parseGroups<3>(text, bits);
    case NumberBase::Bin:
        return parseGroups<1>(text, bits);
    case NumberBase::Dec:
        break;
    }
    return parseDecimalWord(text, bits);
}

std::string formatWord(const Word& value, NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return formatHex(value);
    case NumberBase::Oct:
        return formatGroups(value, 3);
    case NumberBase::Bin:
        return formatGroups(value, 1);
    case NumberBase::Dec:
        break;
    }
    return formatDecimalWord(value);
}

DoubleLimb parseDecimalWide(std::string_view digits) {
    if (digits.size() <= kChunkDigits) {
        return parseDigits(digits.data(), digits.size());
    }
    const std::size_t high = digits.size() - kChunkDigits;
    return static_cast<DoubleLimb>(parseDigits(digits.data(), high)) * kTen19 +
           parseDigits(digits.data() + high, kChunkDigits);
}

Limbs parseDecimal(std::string_view digits) {
    digits = skipLeadingZeros(digits);
    Limbs x;
    const std::size_t n = digits.size();
    if (n == 0) {
        return x;
    }
    x.reserve(n / kChunkDigits + 2);
    std::size_t first = n % kChunkDigits;
    if (first == 0) {
        first = kChunkDigits;
    }
    x.pushBack(parseDigits(digits.data(), first));
    for (std::size_t pos = first; pos < n; pos += kChunkDigits) {
        const Limb carry =
            multiplyAdd(x.data(), x.size(), kTen19, parseDigits(digits.data() + pos, kChunkDigits));
        if (carry != 0) {
            x.pushBack(carry);
        }
    }
    x.trim();
    return x;
}

std::string formatDecimal(Limbs value, std::size_t minWidth) {
    value.trim();
    // Chunks of 19 digits, least significant first.
    Limbs chunks;
    while (value.size() > 1) {
        chunks.pushBack(divideBySingle(value.data(), value.size(), kTen19));
        value.trim();
    }
    const Limb top = value.empty() ? 0 : value[0];
    std::size_t digits = chunks.size() * kChunkDigits;
    // Zero has no digits of its own; minWidth decides how it is written.
    const std::size_t topWidth = top != 0 ? decimalWidth(top) : 0;
    digits += topWidth;
    const std::size_t width = digits < minWidth ? minWidth : digits;
    std::string out(width, '0');
    char* end = out.data() + width;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        writeDigitsPadded(end, chunks[i], kChunkDigits);
        end -= kChunkDigits;
    }
    writeDigitsPadded(end, top, topWidth);
    return out;
}

} // namespace quarnel::engine::detail
