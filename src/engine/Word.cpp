#include "Word.h"

#include "Natural.h"

#include <bit>

namespace quarnel::engine::detail {

namespace {

std::size_t limbCount(int bits) {
    return (static_cast<std::size_t>(bits) + 63) / 64;
}

// The significant limbs of a word as a natural number.
Limbs toNatural(const Word& w) {
    Limbs n(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        n[i] = w[i];
    }
    n.trim();
    return n;
}

} // namespace

Word::Word(int bits) : bits_(bits), limbs_(limbCount(bits)) {}

void Word::reduce() {
    const unsigned topBits = static_cast<unsigned>(bits_) % 64;
    if (topBits != 0) {
        limbs_[limbs_.size() - 1] &= (Limb{1} << topBits) - 1;
    }
}

bool Word::isZero() const {
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
        if (limbs_[i] != 0) {
            return false;
        }
    }
    return true;
}

std::size_t Word::bitLength() const {
    for (std::size_t i = limbs_.size(); i > 0; --i) {
        if (limbs_[i - 1] != 0) {
            return (i - 1) * 64 + static_cast<std::size_t>(std::bit_width(limbs_[i - 1]));
        }
    }
    return 0;
}

void addTo(Word& a, const Word& b) {
    Limb carry = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const DoubleLimb s = static_cast<DoubleLimb>(a[i]) + b[i] + carry;
        a[i] = static_cast<Limb>(s);
        carry = static_cast<Limb>(s >> 64);
    }
    a.reduce();
}

void subtractFrom(Word& a, const Word& b) {
    Limb borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Limb x = a[i];
        const Limb y = b[i];
        const Limb d = x - y - borrow;
        borrow = (x < y || (x == y && borrow != 0)) ? 1 : 0;
        a[i] = d;
    }
    a.reduce();
}

void negate(Word& a) {
    // Two's complement: invert, then add one.
    Limb carry = 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Limb v = ~a[i] + carry;
        carry = (carry != 0 && v == 0) ? 1 : 0;
        a[i] = v;
    }
    a.reduce();
}

void complement(Word& a) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] = ~a[i];
    }
    a.reduce();
}

void andWith(Word& a, const Word& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] &= b[i];
    }
}

void orWith(Word& a, const Word& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] |= b[i];
    }
}

void xorWith(Word& a, const Word& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] ^= b[i];
    }
}

Word multiply(const Word& a, const Word& b) {
    Word r(a.bits());
    const std::size_t n = a.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == 0) {
            continue;
        }
        Limb carry = 0;
        for (std::size_t j = 0; i + j < n; ++j) {
            const DoubleLimb p = static_cast<DoubleLimb>(a[i]) * b[j] + r[i + j] + carry;
            r[i + j] = static_cast<Limb>(p);
            carry = static_cast<Limb>(p >> 64);
        }
    }
    r.reduce();
    return r;
}

Word divide(const Word& a, const Word& b) {
    Word q(a.bits());
    if (a.size() <= 2) {
        auto wide = [](const Word& w) {
            DoubleLimb v = w[0];
            if (w.size() == 2) {
                v |= static_cast<DoubleLimb>(w[1]) << 64;
            }
            return v;
        };
        const DoubleLimb quotient = wide(a) / wide(b);
        q[0] = static_cast<Limb>(quotient);
        if (q.size() == 2) {
            q[1] = static_cast<Limb>(quotient >> 64);
        }
        return q;
    }
    const Limbs quotient = divideNatural(toNatural(a), toNatural(b));
    for (std::size_t i = 0; i < quotient.size(); ++i) {
        q[i] = quotient[i];
    }
    return q;
}

void shiftLeft(Word& a, std::size_t n) {
    const std::size_t size = a.size();
    const std::size_t limbShift = n / 64;
    const unsigned bitShift = static_cast<unsigned>(n % 64);
    for (std::size_t i = size; i > 0; --i) {
        const std::size_t dst = i - 1;
        Limb v = 0;
        if (dst >= limbShift) {
            const std::size_t src = dst - limbShift;
            v = a[src] << bitShift;
            if (bitShift != 0 && src > 0) {
                v |= a[src - 1] >> (64 - bitShift);
            }
        }
        a[dst] = v;
    }
    a.reduce();
}

void shiftRight(Word& a, std::size_t n) {
    const std::size_t size = a.size();
    const std::size_t limbShift = n / 64;
    const unsigned bitShift = static_cast<unsigned>(n % 64);
    for (std::size_t dst = 0; dst < size; ++dst) {
        Limb v = 0;
        const std::size_t src = dst + limbShift;
        if (src < size) {
            v = a[src] >> bitShift;
            if (bitShift != 0 && src + 1 < size) {
                v |= a[src + 1] << (64 - bitShift);
            }
        }
        a[dst] = v;
    }
}

void rotateLeft(Word& a, std::size_t n) {
    const std::size_t bits = static_cast<std::size_t>(a.bits());
    n %= bits;
    if (n == 0) {
        return;
    }
    Word low = a;
    shiftRight(low, bits - n);
    shiftLeft(a, n);
    orWith(a, low);
}

void rotateRight(Word& a, std::size_t n) {
    const std::size_t bits = static_cast<std::size_t>(a.bits());
    n %= bits;
    if (n == 0) {
        return;
    }
    rotateLeft(a, bits - n);
}

} // namespace quarnel::engine::detail
