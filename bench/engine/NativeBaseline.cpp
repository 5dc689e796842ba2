#include "NativeBaseline.h"

#include <cstdint>

namespace quarnel::bench {

namespace {

constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000ULL;

std::string formatSmall(std::uint64_t v, std::size_t width) {
    char buffer[20];
    char* p = buffer + sizeof buffer;
    do {
        *--p = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    std::string s(p, buffer + sizeof buffer);
    if (s.size() < width) {
        s.insert(0, width - s.size(), '0');
    }
    return s;
}

} // namespace

Native nativeMask(int ws) {
    return ws >= 128 ? ~Native{0} : (Native{1} << ws) - 1;
}

Native nativeParse(std::string_view text, engine::NumberBase base, int ws) {
    Native v = 0;
    switch (base) {
    case engine::NumberBase::Hex:
        for (char c : text) {
            const unsigned d = c <= '9' ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
            v = (v << 4) | d;
        }
        break;
    case engine::NumberBase::Oct:
        for (char c : text) {
            v = (v << 3) | unsigned(c - '0');
        }
        break;
    case engine::NumberBase::Bin:
        for (char c : text) {
            v = (v << 1) | unsigned(c - '0');
        }
        break;
    case engine::NumberBase::Dec: {
        // 19 digits at a time in a 64-bit register, then one wide step.
        std::size_t i = 0;
        while (i < text.size()) {
            std::uint64_t chunk = 0;
            std::uint64_t scale = 1;
            for (int k = 0; k < 19 && i < text.size(); ++k, ++i) {
                chunk = chunk * 10 + unsigned(text[i] - '0');
                scale *= 10;
            }
            v = v * scale + chunk;
        }
        break;
    }
    }
    return v & nativeMask(ws);
}

std::string nativeFormat(Native value, engine::NumberBase base) {
    static constexpr char digits[] = "0123456789ABCDEF";
    if (base == engine::NumberBase::Dec) {
        if ((value >> 64) == 0) {
            return formatSmall(static_cast<std::uint64_t>(value), 1);
        }
        const Native high = value / kTen19;
        const auto low = static_cast<std::uint64_t>(value % kTen19);
        if ((high >> 64) == 0) {
            return formatSmall(static_cast<std::uint64_t>(high), 1) + formatSmall(low, 19);
        }
        const auto top = static_cast<std::uint64_t>(high / kTen19);
        const auto mid = static_cast<std::uint64_t>(high % kTen19);
        return formatSmall(top, 1) + formatSmall(mid, 19) + formatSmall(low, 19);
    }
    const unsigned shift = base == engine::NumberBase::Hex   ? 4
                           : base == engine::NumberBase::Oct ? 3
                                                             : 1;
    const unsigned mask = (1u << shift) - 1;
    char buffer[130];
    char* p = buffer + sizeof buffer;
    do {
        *--p = digits[static_cast<unsigned>(value) & mask];
        value >>= shift;
    } while (value != 0);
    return std::string(p, buffer + sizeof buffer);
}

} // namespace quarnel::bench
