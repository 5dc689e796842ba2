// Arithmetic on decimal digit text. The digit-serial routines keep exactly the
// leading zeros their digit loops produce; the others work on limbs.

#include "engine/Engine.h"

#include "DecimalLimbs.h"
#include "Failures.h"
#include "LongDivision.h"
#include "Natural.h"
#include "Radix.h"

#include <climits>
#include <string>

namespace quarnel::engine {

namespace {

using detail::DoubleLimb;
using detail::Limb;
using detail::Limbs;
using detail::skipLeadingZeros;

int digitValue(char c) {
    return c - '0';
}
char digitChar(long long v) {
    return static_cast<char>('0' + v);
}

// Compares texts without leading zeros ("0" for zero): the longer is greater,
// then the first differing character decides.
int compareStripped(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

int compareDecimal(std::string_view a, std::string_view b) {
    return compareStripped(detail::strippedView(a), detail::strippedView(b));
}

// The quotient a div b of two decimal texts, b not zero, in limbs of 18 digits.
Limbs quotientOf(std::string_view a, std::string_view b) {
    return detail::divideDecimal(detail::splitDecimal(a), detail::splitDecimal(b));
}

// Short division of decimal digits, nine at a time: the remainder stays below
// 2^31, so remainder * 10^9 + nine digits fits 64 bits.
DecDivSmallResult divideDigitsBySmall(std::string_view a, unsigned long long divisor) {
    constexpr std::size_t kGroup = 9;
    std::string quotient(a.size(), '0');
    unsigned long long remainder = 0;
    std::size_t pos = 0;
    std::size_t length = a.size() % kGroup;
    if (length == 0) {
        length = kGroup;
    }
    while (pos < a.size()) {
        unsigned long long scale = 1;
        unsigned long long group = 0;
        for (std::size_t i = 0; i < length; ++i) {
            scale *= 10;
            group = group * 10 + static_cast<unsigned long long>(a[pos + i] - '0');
        }
        const unsigned long long v = remainder * scale + group;
        unsigned long long q = v / divisor;
        remainder = v % divisor;
        for (std::size_t i = length; i > 0; --i) {
            quotient[pos + i - 1] = static_cast<char>('0' + q % 10);
            q /= 10;
        }
        pos += length;
        length = kGroup;
    }
    const std::size_t first = quotient.find_first_not_of('0');
    if (first == std::string::npos) {
        quotient.resize(1);
    } else {
        quotient.erase(0, first);
    }
    return {std::move(quotient), std::to_string(remainder)};
}

// The digit loop itself, for text that is not all digits: each character's
// code less that of "0" counts as its digit value.
DecDivSmallResult divideTextBySmall(std::string_view a, unsigned long long divisor) {
    std::string quotient;
    quotient.reserve(a.size());
    unsigned long long remainder = 0;
    for (char c : a) {
        const unsigned long long v =
            remainder * 10 + static_cast<unsigned long long>(static_cast<long long>(digitValue(c)));
        const unsigned long long q = v / divisor;
        remainder = v % divisor;
        // Leading zeros of the quotient are never written.
        if (q < 10) {
            if (q != 0 || !quotient.empty()) {
                quotient += digitChar(static_cast<long long>(q));
            }
        } else {
            quotient += std::to_string(q);
        }
    }
    if (quotient.empty()) {
        quotient.push_back('0');
    }
    return {std::move(quotient), std::to_string(remainder)};
}

} // namespace

std::string DecAdd(std::string_view a, std::string_view b) {
    const std::size_t length = std::max(a.size(), b.size());
    // One more place for a carry out; dropped again when there is none.
    std::string out(length + 1, '0');
    int carry = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const int x = i < a.size() ? digitValue(a[a.size() - 1 - i]) : 0;
        const int y = i < b.size() ? digitValue(b[b.size() - 1 - i]) : 0;
        const int s = x + y + carry;
        if (s >= 10) {
            out[length - i] = digitChar(s % 10);
            carry = s / 10;
        } else {
            out[length - i] = digitChar(s);
            carry = 0;
        }
    }
    if (carry != 0) {
        out[0] = digitChar(carry);
    } else {
        out.erase(0, 1);
    }
    return out;
}

std::string DecMulSmall(std::string_view a, int f) {
    const std::size_t length = a.size();
    std::string out(length + 1, '0');
    long long carry = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const long long p = static_cast<long long>(digitValue(a[length - 1 - i])) * f + carry;
        if (p >= 10) {
            out[length - i] = digitChar(p % 10);
            carry = p / 10;
        } else {
            out[length - i] = digitChar(p);
            carry = 0;
        }
    }
    if (carry != 0) {
        out[0] = digitChar(carry);
    } else {
        out.erase(0, 1);
    }
    return out;
}

std::string DecMul(std::string_view a, std::string_view b) {
    if (b.empty()) {
        return "0";
    }
    // The digit-serial sum of shifted partial products is as wide as a
    // shifted by all but one place of b, or the product if that is wider.
    const std::size_t width = a.size() + b.size() - 1;
    return detail::formatDecimal(
        detail::multiplyNatural(detail::parseDecimal(a), detail::parseDecimal(b)), width);
}

std::string DecPowerOf16(std::string_view n) {
    unsigned long long exponent = 0;
    for (char c : n) {
        exponent = exponent * 10 + static_cast<unsigned long long>(digitValue(c));
    }
    Limbs power((exponent * 4) / 64 + 1);
    power[power.size() - 1] = Limb{1} << ((exponent * 4) % 64);
    return detail::formatDecimal(std::move(power), 1);
}

DecDivSmallResult DecDivSmall(std::string_view a, int d) {
    if (d <= 0) {
        detail::failDivisionByZero();
    }
    if (IsValidNumber(a, NumberBase::Dec)) {
        return divideDigitsBySmall(a, static_cast<unsigned long long>(d));
    }
    return divideTextBySmall(a, static_cast<unsigned long long>(d));
}

std::string DecSub(std::string_view a, std::string_view b) {
    const std::size_t length = std::max(a.size(), b.size());
    std::string out(length, '0');
    int borrow = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const int x = i < a.size() ? digitValue(a[a.size() - 1 - i]) : 0;
        const int y = i < b.size() ? digitValue(b[b.size() - 1 - i]) : 0;
        const int t = x - y - borrow;
        if (t < 0) {
            out[length - 1 - i] = digitChar(t + 10);
            borrow = 1;
        } else {
            out[length - 1 - i] = digitChar(t);
            borrow = 0;
        }
    }
    return out;
}

bool DecEqual(std::string_view a, std::string_view b) {
    return compareDecimal(a, b) == 0;
}

bool DecGreater(std::string_view a, std::string_view b) {
    return compareDecimal(a, b) > 0;
}

bool DecLess(std::string_view a, std::string_view b) {
    return compareDecimal(a, b) < 0;
}

int DecFitCount(std::string_view part, std::string_view b) {
    if (skipLeadingZeros(b).empty()) {
        // Adding zero never passes a nonzero part: report it as fitting without end.
        return skipLeadingZeros(part).empty() ? 2 : INT_MAX;
    }
    // Counting starts at one, so a part below twice b still gives 1.
    const Limbs q = quotientOf(part, b);
    if (q.size() > 1 || (q.size() == 1 && q[0] > static_cast<Limb>(INT_MAX))) {
        return INT_MAX;
    }
    const int k = q.empty() ? 0 : static_cast<int>(q[0]);
    return k < 1 ? 1 : k;
}

std::string DecDiv(std::string_view a, std::string_view b) {
    if (skipLeadingZeros(b).empty()) {
        detail::failDivisionByZero();
    }
    const std::string_view u = skipLeadingZeros(a);
    const std::string_view v = skipLeadingZeros(b);
    if (detail::isLongDivision(u, v) && IsValidNumber(u, NumberBase::Dec) &&
        IsValidNumber(v, NumberBase::Dec)) {
        return detail::divideLongDecimal(u, v);
    }
    return detail::joinDecimal(quotientOf(a, b));
}

} // namespace quarnel::engine
