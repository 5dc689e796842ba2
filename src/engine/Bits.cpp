// Shifts and rotates by a count, the remainder, and the bit tools: counting,
// reversing, single bits, masks and bit fields. Every operand is read reduced
// to the word size, so all of them run on words.

#include "engine/Engine.h"

#include "Failures.h"
#include "Natural.h"
#include "Radix.h"
#include "Word.h"

#include <bit>
#include <cstddef>

namespace quarnel::engine {

namespace {

using detail::DoubleLimb;
using detail::Limb;
using detail::Word;

// Stands for every count too large to be a bit position of any word; sums of
// two of them still fit in a size_t.
constexpr std::size_t kHugeCount = std::size_t{1} << 62;

// The word's value as a count, kHugeCount when it is at least that.
std::size_t countOf(const Word& w) {
    return w.bitLength() >= 63 ? kHugeCount : static_cast<std::size_t>(w[0]);
}

std::size_t wordBits(const Word& w) {
    return static_cast<std::size_t>(w.bits());
}

// The value modulo a small positive number, limb by limb from the top.
std::size_t remainderBy(const Word& w, std::size_t divisor) {
    DoubleLimb r = 0;
    for (std::size_t i = w.size(); i > 0; --i) {
        r = ((r << 64) | w[i - 1]) % divisor;
    }
    return static_cast<std::size_t>(r);
}

Word fromCount(std::size_t value, int bits) {
    Word w(bits);
    w[0] = value;
    w.reduce();
    return w;
}

// The lowest n bits set (n at most the word size).
Word lowMask(int bits, std::size_t n) {
    Word m(bits);
    for (std::size_t i = 0; i < m.size() && i * 64 < n; ++i) {
        const std::size_t left = n - i * 64;
        m[i] = left >= 64 ? ~Limb{0} : (Limb{1} << left) - 1;
    }
    return m;
}

// Clears every bit from bit n up.
void keepLow(Word& w, std::size_t n) {
    for (std::size_t i = n / 64; i < w.size(); ++i) {
        w[i] &= i * 64 < n ? (Limb{1} << (n % 64)) - 1 : 0;
    }
}

bool bitAt(const Word& w, std::size_t bit) {
    return ((w[bit / 64] >> (bit % 64)) & 1U) != 0;
}

void requireBit(const Word& w, std::size_t bit) {
    if (bit >= wordBits(w)) {
        detail::failInvalidArgument();
    }
}

Limb reverseLimb(Limb v) {
    v = ((v >> 1) & 0x5555555555555555ULL) | ((v & 0x5555555555555555ULL) << 1);
    v = ((v >> 2) & 0x3333333333333333ULL) | ((v & 0x3333333333333333ULL) << 2);
    v = ((v >> 4) & 0x0F0F0F0F0F0F0F0FULL) | ((v & 0x0F0F0F0F0F0F0F0FULL) << 4);
    return __builtin_bswap64(v);
}

// Reverses the order of the limbs, applies `flip` to each, and moves the
// result down from the top of the whole limbs to the top of the word.
template <typename Flip> void reverseWhole(Word& a, Flip flip) {
    const std::size_t n = a.size();
    for (std::size_t i = 0; i < n / 2; ++i) {
        const Limb low = a[i];
        a[i] = flip(a[n - 1 - i]);
        a[n - 1 - i] = flip(low);
    }
    if (n % 2 != 0) {
        a[n / 2] = flip(a[n / 2]);
    }
    shiftRight(a, n * 64 - wordBits(a));
}

// Checks every operand's text in order (deepest first), reads them reduced to
// the word size, and writes the word `compute` returns.
template <typename Compute, typename... Texts>
std::string onOperands(NumberBase base, int ws, Compute compute, Texts... texts) {
    (detail::requireOperand(texts, base), ...);
    const int bits = effectiveWordSize(ws);
    return detail::reportingOutOfMemory([&] {
        const Word result = compute(detail::parseWord(texts, base, bits)...);
        return detail::formatWord(result, base);
    });
}

template <typename Step>
std::string counted(std::string_view value, std::string_view count, NumberBase base, int ws,
                    Step step) {
    return onOperands(
        base, ws,
        [&](Word a, const Word& n) {
            step(a, n);
            return a;
        },
        value, count);
}

template <typename Count>
std::string countBits(std::string_view x, NumberBase base, int ws, Count count) {
    return onOperands(
        base, ws, [&](const Word& a) { return fromCount(count(a), a.bits()); }, x);
}

} // namespace

namespace {

// Y shifted by X bits with `shift`; every bit is gone once X reaches the word.
template <void (*shift)(Word&, std::size_t)>
std::string shiftedBy(std::string_view value, std::string_view count, NumberBase base, int ws) {
    return counted(value, count, base, ws, [](Word& a, const Word& n) {
        const std::size_t by = countOf(n);
        if (by >= wordBits(a)) {
            a = Word(a.bits());
        } else {
            shift(a, by);
        }
    });
}

} // namespace

std::string ShiftLeftNInBase(std::string_view value, std::string_view count, NumberBase base,
                             int ws) {
    return shiftedBy<detail::shiftLeft>(value, count, base, ws);
}

std::string ShiftRightNInBase(std::string_view value, std::string_view count, NumberBase base,
                              int ws) {
    return shiftedBy<detail::shiftRight>(value, count, base, ws);
}

std::string ArithShiftRightNInBase(std::string_view value, std::string_view count, NumberBase base,
                                   int ws) {
    return counted(value, count, base, ws, [](Word& a, const Word& n) {
        const std::size_t size = wordBits(a);
        const std::size_t by = countOf(n) < size ? countOf(n) : size;
        const bool negative = bitAt(a, size - 1);
        shiftRight(a, by);
        if (negative) {
            Word fill = lowMask(a.bits(), size - by);
            complement(fill);
            orWith(a, fill);
        }
    });
}

std::string RotateLeftNInBase(std::string_view value, std::string_view count, NumberBase base,
                              int ws) {
    return counted(value, count, base, ws,
                   [](Word& a, const Word& n) { rotateLeft(a, remainderBy(n, wordBits(a))); });
}

std::string RotateRightNInBase(std::string_view value, std::string_view count, NumberBase base,
                               int ws) {
    return counted(value, count, base, ws,
                   [](Word& a, const Word& n) { rotateRight(a, remainderBy(n, wordBits(a))); });
}

std::string ModInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return onOperands(
        base, ws,
        [](const Word& a, const Word& b) {
            if (b.isZero()) {
                detail::failDivisionByZero();
            }
            Word r(a.bits());
            if (a.size() <= 2) {
                const auto wide = [](const Word& w) {
                    return w.size() == 2 ? (static_cast<DoubleLimb>(w[1]) << 64) | w[0]
                                         : static_cast<DoubleLimb>(w[0]);
                };
                const DoubleLimb v = wide(a) % wide(b);
                r[0] = static_cast<Limb>(v);
                if (r.size() == 2) {
                    r[1] = static_cast<Limb>(v >> 64);
                }
                return r;
            }
            detail::Limbs u(a.size());
            detail::Limbs v(b.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                u[i] = a[i];
                v[i] = b[i];
            }
            u.trim();
            v.trim();
            detail::Limbs rest;
            detail::divideNatural(u, v, &rest);
            for (std::size_t i = 0; i < rest.size(); ++i) {
                r[i] = rest[i];
            }
            return r;
        },
        first, second);
}

std::string PopCountInBase(std::string_view x, NumberBase base, int ws) {
    return countBits(x, base, ws, [](const Word& a) {
        std::size_t n = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            n += static_cast<std::size_t>(std::popcount(a[i]));
        }
        return n;
    });
}

std::string CountLeadingZerosInBase(std::string_view x, NumberBase base, int ws) {
    return countBits(x, base, ws, [](const Word& a) { return wordBits(a) - a.bitLength(); });
}

std::string CountTrailingZerosInBase(std::string_view x, NumberBase base, int ws) {
    return countBits(x, base, ws, [](const Word& a) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i] != 0) {
                return i * 64 + static_cast<std::size_t>(std::countr_zero(a[i]));
            }
        }
        return wordBits(a);
    });
}

std::string ByteSwapInBase(std::string_view x, NumberBase base, int ws) {
    return onOperands(
        base, ws,
        [](Word a) {
            if (a.bits() % 8 != 0) {
                detail::failInvalidArgument();
            }
            reverseWhole(a, [](Limb v) { return __builtin_bswap64(v); });
            return a;
        },
        x);
}

std::string BitReverseInBase(std::string_view x, NumberBase base, int ws) {
    return onOperands(
        base, ws,
        [](Word a) {
            reverseWhole(a, reverseLimb);
            return a;
        },
        x);
}

namespace {

template <typename Change>
std::string onBit(std::string_view value, std::string_view bit, NumberBase base, int ws,
                  Change change) {
    return counted(value, bit, base, ws, [&](Word& a, const Word& n) {
        const std::size_t at = countOf(n);
        requireBit(a, at);
        change(a[at / 64], Limb{1} << (at % 64));
    });
}

template <typename Build>
std::string onMask(std::string_view count, NumberBase base, int ws, Build build) {
    return onOperands(
        base, ws,
        [&](const Word& n) {
            const std::size_t width = countOf(n);
            if (width > static_cast<std::size_t>(n.bits())) {
                detail::failInvalidArgument();
            }
            return build(n.bits(), width);
        },
        count);
}

// start + width within the word, else the count is invalid.
void requireField(int bits, std::size_t start, std::size_t width) {
    if (start + width > static_cast<std::size_t>(bits)) {
        detail::failInvalidArgument();
    }
}

} // namespace

std::string SetBitInBase(std::string_view value, std::string_view bit, NumberBase base, int ws) {
    return onBit(value, bit, base, ws, [](Limb& limb, Limb mask) { limb |= mask; });
}

std::string ClearBitInBase(std::string_view value, std::string_view bit, NumberBase base, int ws) {
    return onBit(value, bit, base, ws, [](Limb& limb, Limb mask) { limb &= ~mask; });
}

std::string FlipBitInBase(std::string_view value, std::string_view bit, NumberBase base, int ws) {
    return onBit(value, bit, base, ws, [](Limb& limb, Limb mask) { limb ^= mask; });
}

std::string TestBitInBase(std::string_view value, std::string_view bit, NumberBase base, int ws) {
    return onOperands(
        base, ws,
        [](const Word& a, const Word& n) {
            const std::size_t at = countOf(n);
            requireBit(a, at);
            return fromCount(bitAt(a, at) ? 1 : 0, a.bits());
        },
        value, bit);
}

std::string MaskLeftInBase(std::string_view count, NumberBase base, int ws) {
    return onMask(count, base, ws, [](int bits, std::size_t width) {
        Word m = lowMask(bits, static_cast<std::size_t>(bits) - width);
        complement(m);
        return m;
    });
}

std::string MaskRightInBase(std::string_view count, NumberBase base, int ws) {
    if (base == NumberBase::Dec) {
        return onMask(count, base, ws,
                      [](int bits, std::size_t width) { return lowMask(bits, width); });
    }
    // In a power-of-two base the mask is its top digit and a run of the
    // highest digit, written directly.
    detail::requireOperand(count, base);
    const int bits = effectiveWordSize(ws);
    return detail::reportingOutOfMemory([&] {
        const std::size_t width = countOf(detail::parseWord(count, base, bits));
        if (width > static_cast<std::size_t>(bits)) {
            detail::failInvalidArgument();
        }
        const unsigned digitBits = base == NumberBase::Hex ? 4U : base == NumberBase::Oct ? 3U : 1U;
        constexpr std::string_view kDigits = "0123456789ABCDEF";
        std::string text;
        if (width % digitBits != 0 || width == 0) {
            text += kDigits[(1U << (width % digitBits)) - 1];
        }
        text.append(width / digitBits, kDigits[(1U << digitBits) - 1]);
        return text;
    });
}

std::string SignExtendInBase(std::string_view value, std::string_view width, NumberBase base,
                             int ws) {
    return counted(value, width, base, ws, [](Word& a, const Word& n) {
        const std::size_t from = countOf(n);
        if (from == 0 || from > wordBits(a)) {
            detail::failInvalidArgument();
        }
        Word high = lowMask(a.bits(), from);
        if (bitAt(a, from - 1)) {
            complement(high);
            orWith(a, high);
        } else {
            andWith(a, high);
        }
    });
}

std::string FieldExtractInBase(std::string_view value, std::string_view start,
                               std::string_view width, NumberBase base, int ws) {
    return onOperands(
        base, ws,
        [](Word a, const Word& s, const Word& w) {
            const std::size_t from = countOf(s);
            const std::size_t size = countOf(w);
            requireField(a.bits(), from, size);
            shiftRight(a, from);
            keepLow(a, size);
            return a;
        },
        value, start, width);
}

std::string FieldDepositInBase(std::string_view target, std::string_view source,
                               std::string_view start, std::string_view width, NumberBase base,
                               int ws) {
    return onOperands(
        base, ws,
        [](Word a, Word b, const Word& s, const Word& w) {
            const std::size_t from = countOf(s);
            const std::size_t size = countOf(w);
            requireField(a.bits(), from, size);
            if (size == 0) {
                return a;
            }
            Word field = lowMask(a.bits(), size);
            andWith(b, field);
            shiftLeft(b, from);
            shiftLeft(field, from);
            complement(field);
            andWith(a, field);
            orWith(a, b);
            return a;
        },
        target, source, start, width);
}

} // namespace quarnel::engine
