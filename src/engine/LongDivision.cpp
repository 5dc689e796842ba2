#include "LongDivision.h"

#include <gmp.h>

#include <algorithm>

namespace quarnel::engine::detail {

namespace {

class Integer {
  public:
    Integer() { mpz_init(value_); }
    explicit Integer(std::string_view digits) {
        const std::string text(digits);
        mpz_init_set_str(value_, text.c_str(), 10);
    }
    Integer(const Integer&) = delete;
    Integer& operator=(const Integer&) = delete;
    ~Integer() { mpz_clear(value_); }
    mpz_ptr get() { return value_; }

  private:
    mpz_t value_;
};

void quotientOf(Integer& q, std::string_view a, std::string_view b) {
    Integer dividend(a);
    Integer divisor(b);
    mpz_tdiv_q(q.get(), dividend.get(), divisor.get());
}

} // namespace

Word divideLongReduced(std::string_view a, std::string_view b, int bits) {
    Integer q;
    quotientOf(q, a, b);
    // The low limbs of the quotient, then the bits above the word size cleared.
    static_assert(sizeof(mp_limb_t) == sizeof(Limb));
    Word w(bits);
    const std::size_t count = std::min(mpz_size(q.get()), w.size());
    for (std::size_t i = 0; i < count; ++i) {
        w[i] = mpz_getlimbn(q.get(), static_cast<mp_size_t>(i));
    }
    w.reduce();
    return w;
}

std::string divideLongDecimal(std::string_view a, std::string_view b) {
    Integer q;
    quotientOf(q, a, b);
    std::string out(mpz_sizeinbase(q.get(), 10) + 1, '\0');
    mpz_get_str(out.data(), 10, q.get());
    out.resize(out.find('\0'));
    return out;
}

} // namespace quarnel::engine::detail
