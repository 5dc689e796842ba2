#include "DecimalLimbs.h"

#include "Natural.h"
#include "Radix.h"

#include <cstdint>

namespace quarnel::engine::detail {

namespace {

constexpr Limb kBase = kDecimalLimbBase;
constexpr std::size_t kLimbDigits = 18;

Limb digitsValue(std::string_view digits) {
    Limb v = 0;
    for (char c : digits) {
        v = v * 10 + static_cast<Limb>(c - '0');
    }
    return v;
}

void writePadded(char* end, Limb v, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        *--end = static_cast<char>('0' + v % 10);
        v /= 10;
    }
}

int compareDecimalLimbs(const Limbs& a, const Limbs& b) {
    return compareNatural(a, b);
}

// x * f in place (f below the base); returns the limb carried out.
Limb multiplySmall(Limbs& x, Limb f) {
    Limb carry = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const DoubleLimb p = static_cast<DoubleLimb>(x[i]) * f + carry;
        Limb low;
        carry = divideWide(static_cast<Limb>(p >> 64), static_cast<Limb>(p), kBase, low);
        x[i] = low;
    }
    return carry;
}

} // namespace

Limbs splitDecimal(std::string_view digits) {
    digits = skipLeadingZeros(digits);
    Limbs x;
    x.reserve(digits.size() / kLimbDigits + 1);
    std::size_t end = digits.size();
    while (end >= kLimbDigits) {
        x.pushBack(digitsValue(digits.substr(end - kLimbDigits, kLimbDigits)));
        end -= kLimbDigits;
    }
    if (end > 0) {
        x.pushBack(digitsValue(digits.substr(0, end)));
    }
    x.trim();
    return x;
}

std::string joinDecimal(const Limbs& value) {
    if (value.empty()) {
        return "0";
    }
    const Limb top = value.back();
    std::size_t topWidth = 1;
    for (Limb t = top; t >= 10; t /= 10) {
        ++topWidth;
    }
    const std::size_t width = topWidth + (value.size() - 1) * kLimbDigits;
    std::string out(width, '0');
    char* end = out.data() + width;
    for (std::size_t i = 0; i + 1 < value.size(); ++i) {
        writePadded(end, value[i], kLimbDigits);
        end -= kLimbDigits;
    }
    writePadded(end, top, topWidth);
    return out;
}

Word reduceDecimal(const Limbs& value, int bits) {
    Word w(bits);
    const std::size_t size = w.size();
    for (std::size_t i = value.size(); i > 0; --i) {
        Limb carry = value[i - 1];
        for (std::size_t k = 0; k < size; ++k) {
            const DoubleLimb p = static_cast<DoubleLimb>(w[k]) * kBase + carry;
            w[k] = static_cast<Limb>(p);
            carry = static_cast<Limb>(p >> 64);
        }
    }
    w.reduce();
    return w;
}

Limbs divideDecimal(const Limbs& u, const Limbs& v) {
    Limbs q;
    if (compareDecimalLimbs(u, v) < 0) {
        return q;
    }
    const std::size_t n = v.size();
    const std::size_t m = u.size();
    if (n == 1) {
        q.resize(m);
        Limb r = 0;
        for (std::size_t i = m; i > 0; --i) {
            const DoubleLimb x = static_cast<DoubleLimb>(r) * kBase + u[i - 1];
            q[i - 1] = divideWide(static_cast<Limb>(x >> 64), static_cast<Limb>(x), v[0], r);
        }
        q.trim();
        return q;
    }

    // Scale both so that the divisor's top limb is at least half the base; then
    // a quotient limb estimated from the top limbs is at most one too large.
    const Limb f = kBase / (v[n - 1] + 1);
    Limbs vn = v;
    multiplySmall(vn, f);
    Limbs un = u;
    un.pushBack(multiplySmall(un, f));

    // Per divisor limb, floor(limb * 2^64 / base): the product of a quotient
    // limb and a divisor limb then splits at the base with multiplications only.
    Limbs reciprocal(n);
    for (std::size_t i = 0; i < n; ++i) {
        Limb unused;
        reciprocal[i] = divideWide(vn[i], 0, kBase, unused);
    }

    const Limb top = vn[n - 1];
    const Limb next = vn[n - 2];
    const auto base = static_cast<std::int64_t>(kBase);
    q.resize(m - n + 1);
    for (std::size_t j = m - n + 1; j > 0; --j) {
        const std::size_t k = j - 1;
        const DoubleLimb head = static_cast<DoubleLimb>(un[k + n]) * kBase + un[k + n - 1];
        Limb rhat;
        Limb qhat = divideWide(static_cast<Limb>(head >> 64), static_cast<Limb>(head), top, rhat);
        while (qhat >= kBase || static_cast<DoubleLimb>(qhat) * next >
                                    static_cast<DoubleLimb>(rhat) * kBase + un[k + n - 2]) {
            --qhat;
            rhat += top;
            if (rhat >= kBase) {
                break;
            }
        }

        // Branch-free, and only the borrow (0 to 2) runs from limb to limb: the
        // signs are as good as random, and this loop is the whole cost.
        Limb carriedHigh = 0;
        Limb borrow = 0;
        for (std::size_t i = 0; i < n; ++i) {
            Limb high = static_cast<Limb>((static_cast<DoubleLimb>(qhat) * reciprocal[i]) >> 64);
            Limb low = qhat * vn[i] - high * kBase;
            const Limb over = low >= kBase ? 1 : 0;
            low -= over * kBase;
            high += over;
            const std::int64_t x = static_cast<std::int64_t>(un[i + k]) -
                                   static_cast<std::int64_t>(low) -
                                   static_cast<std::int64_t>(carriedHigh);
            carriedHigh = high;
            // t lies in [-2 * base, base).
            const std::int64_t t = x - static_cast<std::int64_t>(borrow);
            borrow = static_cast<Limb>(t < 0) + static_cast<Limb>(t < -base);
            un[i + k] = static_cast<Limb>(t + base * static_cast<std::int64_t>(borrow));
        }
        const Limb carry = carriedHigh + borrow;
        const std::int64_t t =
            static_cast<std::int64_t>(un[k + n]) - static_cast<std::int64_t>(carry);
        if (t < 0) {
            // One too many: add the divisor back.
            --qhat;
            Limb c = 0;
            for (std::size_t i = 0; i < n; ++i) {
                Limb s = un[i + k] + vn[i] + c;
                c = 0;
                if (s >= kBase) {
                    s -= kBase;
                    c = 1;
                }
                un[i + k] = s;
            }
            un[k + n] = static_cast<Limb>(t + static_cast<std::int64_t>(c));
        } else {
            un[k + n] = static_cast<Limb>(t);
        }
        q[k] = qhat;
    }
    q.trim();
    return q;
}

} // namespace quarnel::engine::detail
