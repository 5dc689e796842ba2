#pragma once

// A value of a fixed word size: ceil(ws/64) limbs, always reduced modulo 2^ws.
// Every operation that depends only on the value modulo 2^ws runs on this.

#include "Limbs.h"

#include <cstddef>

namespace quarnel::engine::detail {

class Word {
  public:
    // Zero, for a word size of at least one bit.
    explicit Word(int bits);

    int bits() const { return bits_; }
    std::size_t size() const { return limbs_.size(); }
    Limb* data() { return limbs_.data(); }
    const Limb* data() const { return limbs_.data(); }
    Limb& operator[](std::size_t i) { return limbs_[i]; }
    Limb operator[](std::size_t i) const { return limbs_[i]; }

    // Clears the bits above the word size in the top limb.
    void reduce();
    bool isZero() const;
    // Position of the highest set bit plus one; 0 for zero.
    std::size_t bitLength() const;

  private:
    int bits_;
    Limbs limbs_;
};

void addTo(Word& a, const Word& b);
void subtractFrom(Word& a, const Word& b);
void negate(Word& a);
void complement(Word& a);
void andWith(Word& a, const Word& b);
void orWith(Word& a, const Word& b);
void xorWith(Word& a, const Word& b);
// The low word of the product.
Word multiply(const Word& a, const Word& b);
// The quotient; b must not be zero.
Word divide(const Word& a, const Word& b);
// Bits moved past either end are lost.
void shiftLeft(Word& a, std::size_t n);
void shiftRight(Word& a, std::size_t n);
// Rotation of the whole word-size field; n is taken modulo the word size.
void rotateLeft(Word& a, std::size_t n);
void rotateRight(Word& a, std::size_t n);

} // namespace quarnel::engine::detail
