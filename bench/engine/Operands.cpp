#include "Operands.h"

#include "NativeBaseline.h"

#include <random>

namespace quarnel::bench {

std::vector<std::string> randomOperands(engine::NumberBase base, int bits, std::size_t count,
                                        unsigned seed) {
    std::mt19937_64 rng(seed);
    std::vector<std::string> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Native v = (static_cast<Native>(rng()) << 64) | rng();
        v &= nativeMask(bits);
        v |= Native{1} << (bits - 1);
        out.push_back(nativeFormat(v, base));
    }
    return out;
}

std::string randomDigits(engine::NumberBase base, std::size_t length, unsigned seed) {
    static constexpr char digits[] = "0123456789ABCDEF";
    const unsigned radix = base == engine::NumberBase::Hex   ? 16
                           : base == engine::NumberBase::Oct ? 8
                           : base == engine::NumberBase::Bin ? 2
                                                             : 10;
    std::mt19937 rng(seed);
    std::string s(length, '0');
    for (std::size_t i = 0; i < length; ++i) {
        s[i] = digits[rng() % radix];
    }
    if (length > 0 && s[0] == '0') {
        s[0] = '1';
    }
    return s;
}

} // namespace quarnel::bench
