// +, -, *, DIV and NEG. All wrap modulo 2^ws, so they run on words; only DIV
// in DEC divides the operands' full values and reduces the quotient.

#include "engine/Engine.h"

#include "DecimalLimbs.h"
#include "LongDivision.h"
#include "WordOperation.h"

namespace quarnel::engine {

namespace {

using detail::Word;

// The value of decimal digits without leading zeros, if it is below 2^128.
bool fitsWide(std::string_view digits, detail::DoubleLimb& value) {
    if (digits.size() <= 38) {
        value = detail::parseDecimalWide(digits);
        return true;
    }
    if (digits.size() > 39) {
        return false;
    }
    const detail::DoubleLimb head = detail::parseDecimalWide(digits.substr(0, 38));
    const auto last = static_cast<unsigned>(digits[38] - '0');
    return !__builtin_mul_overflow(head, 10, &value) &&
           !__builtin_add_overflow(value, last, &value);
}

std::string divideDecimalInFull(std::string_view first, std::string_view second, int bits) {
    first = detail::skipLeadingZeros(first);
    second = detail::skipLeadingZeros(second);
    if (second.empty()) {
        detail::failDivisionByZero();
    }
    Word q(bits);
    detail::DoubleLimb a = 0;
    detail::DoubleLimb b = 0;
    if (fitsWide(first, a) && fitsWide(second, b)) {
        const detail::DoubleLimb v = a / b;
        q[0] = static_cast<detail::Limb>(v);
        if (q.size() > 1) {
            q[1] = static_cast<detail::Limb>(v >> 64);
        }
        q.reduce();
    } else if (detail::isLongDivision(first, second)) {
        q = detail::divideLongReduced(first, second, bits);
    } else {
        q = detail::reduceDecimal(
            detail::divideDecimal(detail::splitDecimal(first), detail::splitDecimal(second)), bits);
    }
    return detail::formatWord(q, NumberBase::Dec);
}

} // namespace

std::string AddInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return detail::onWords(first, second, base, ws, [](Word& a, const Word& b) { addTo(a, b); });
}

std::string SubInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return detail::onWords(first, second, base, ws,
                           [](Word& a, const Word& b) { subtractFrom(a, b); });
}

std::string MulInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return detail::onWords(first, second, base, ws,
                           [](Word& a, const Word& b) { a = multiply(a, b); });
}

std::string DivInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    if (base == NumberBase::Dec) {
        // DEC operands take part with their full value; only the quotient is reduced.
        detail::requireOperands(first, second, base);
        const int bits = effectiveWordSize(ws);
        return detail::reportingOutOfMemory(
            [&] { return divideDecimalInFull(first, second, bits); });
    }
    return detail::onWords(first, second, base, ws, [](Word& a, const Word& b) {
        // A divisor that is nonzero as typed can still reduce to zero.
        if (b.isZero()) {
            detail::failDivisionByZero();
        }
        a = divide(a, b);
    });
}

std::string NegInBase(std::string_view x, NumberBase base, int ws) {
    return detail::onWord(x, base, ws, [](Word& a) { negate(a); });
}

} // namespace quarnel::engine
