#include "Natural.h"

#include <bit>

namespace quarnel::engine::detail {

int compareNatural(const Limbs& a, const Limbs& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = a.size(); i > 0; --i) {
        if (a[i - 1] != b[i - 1]) {
            return a[i - 1] < b[i - 1] ? -1 : 1;
        }
    }
    return 0;
}

Limbs multiplyNatural(const Limbs& a, const Limbs& b) {
    Limbs r;
    if (a.empty() || b.empty()) {
        return r;
    }
    r.resize(a.size() + b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        Limb carry = 0;
        const Limb ai = a[i];
        for (std::size_t j = 0; j < b.size(); ++j) {
            const DoubleLimb p = static_cast<DoubleLimb>(ai) * b[j] + r[i + j] + carry;
            r[i + j] = static_cast<Limb>(p);
            carry = static_cast<Limb>(p >> 64);
        }
        r[i + b.size()] = carry;
    }
    r.trim();
    return r;
}

Limb divideBySingle(Limb* x, std::size_t n, Limb divisor) {
    Limb remainder = 0;
    for (std::size_t i = n; i > 0; --i) {
        x[i - 1] = divideWide(remainder, x[i - 1], divisor, remainder);
    }
    return remainder;
}

Limbs divideNatural(const Limbs& u, const Limbs& v, Limbs* remainder) {
    Limbs q;
    if (compareNatural(u, v) < 0) {
        if (remainder != nullptr) {
            *remainder = u;
        }
        return q;
    }
    const std::size_t n = v.size();
    const std::size_t m = u.size();
    if (n == 1) {
        q = u;
        const Limb r = divideBySingle(q.data(), q.size(), v[0]);
        q.trim();
        if (remainder != nullptr) {
            *remainder = Limbs();
            if (r != 0) {
                remainder->pushBack(r);
            }
        }
        return q;
    }

    // Long division with normalised divisor: each quotient limb is estimated
    // from the top two limbs and corrected at most twice.
    const unsigned shift = static_cast<unsigned>(std::countl_zero(v[n - 1]));
    Limbs vn(n);
    Limbs un(m + 1);
    for (std::size_t i = n - 1; i > 0; --i) {
        vn[i] = (v[i] << shift) | (shift != 0 ? v[i - 1] >> (64 - shift) : 0);
    }
    vn[0] = v[0] << shift;
    un[m] = shift != 0 ? u[m - 1] >> (64 - shift) : 0;
    for (std::size_t i = m - 1; i > 0; --i) {
        un[i] = (u[i] << shift) | (shift != 0 ? u[i - 1] >> (64 - shift) : 0);
    }
    un[0] = u[0] << shift;

    q.resize(m - n + 1);
    const Limb top = vn[n - 1];
    const Limb next = vn[n - 2];
    for (std::size_t j = m - n + 1; j > 0; --j) {
        const std::size_t k = j - 1;
        Limb qhat;
        Limb rhat;
        bool rhatOverflow = false;
        if (un[k + n] >= top) {
            // The estimate would not fit a limb; start from the largest one.
            qhat = ~Limb{0};
            const DoubleLimb r = static_cast<DoubleLimb>(un[k + n - 1]) + top;
            rhat = static_cast<Limb>(r);
            rhatOverflow = (r >> 64) != 0;
        } else {
            qhat = divideWide(un[k + n], un[k + n - 1], top, rhat);
        }
        while (!rhatOverflow && static_cast<DoubleLimb>(qhat) * next >
                                    ((static_cast<DoubleLimb>(rhat) << 64) | un[k + n - 2])) {
            --qhat;
            const DoubleLimb r = static_cast<DoubleLimb>(rhat) + top;
            rhat = static_cast<Limb>(r);
            rhatOverflow = (r >> 64) != 0;
        }

        Limb borrow = 0;
        Limb carry = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const DoubleLimb p = static_cast<DoubleLimb>(qhat) * vn[i] + carry;
            carry = static_cast<Limb>(p >> 64);
            const Limb low = static_cast<Limb>(p);
            const Limb x = un[i + k];
            const Limb d = x - low - borrow;
            borrow = (x < low || (x == low && borrow != 0)) ? 1 : 0;
            un[i + k] = d;
        }
        const Limb x = un[k + n];
        un[k + n] = x - carry - borrow;
        const bool negative = x < carry || (x == carry && borrow != 0);

        if (negative) {
            // The estimate was one too large: add the divisor back.
            --qhat;
            Limb c = 0;
            for (std::size_t i = 0; i < n; ++i) {
                const DoubleLimb s = static_cast<DoubleLimb>(un[i + k]) + vn[i] + c;
                un[i + k] = static_cast<Limb>(s);
                c = static_cast<Limb>(s >> 64);
            }
            un[k + n] += c;
        }
        q[k] = qhat;
    }
    q.trim();

    if (remainder != nullptr) {
        Limbs r(n);
        for (std::size_t i = 0; i < n; ++i) {
            r[i] = (un[i] >> shift) | (shift != 0 ? un[i + 1] << (64 - shift) : 0);
        }
        r.trim();
        *remainder = std::move(r);
    }
    return q;
}

} // namespace quarnel::engine::detail
