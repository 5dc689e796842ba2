// Decimal digit-string arithmetic, one digit at a time.

#include "Internal.h"
#include "Reference.h"

#include <algorithm>

namespace quarnel::reference {

namespace {

int digitValue(char c) {
    return c - '0';
}
char digitChar(int v) {
    return static_cast<char>('0' + v);
}

// Digits are produced from the last to the first; they are collected in that
// order and turned round once at the end.
std::string lastToFirst(std::string reversed) {
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

// Parses a short decimal text (a carry or an exponent) into a count.
unsigned long long smallValue(std::string_view text) {
    unsigned long long v = 0;
    for (char c : text) {
        v = v * 10 + static_cast<unsigned long long>(digitValue(c));
    }
    return v;
}

} // namespace

std::string DecAdd(std::string_view a, std::string_view b) {
    std::string x(a);
    std::string y(b);
    if (x.size() < y.size()) {
        x = PrependZeros(x, static_cast<int>(y.size() - x.size()));
    } else if (y.size() < x.size()) {
        y = PrependZeros(y, static_cast<int>(x.size() - y.size()));
    }
    std::string digits;
    int carry = 0;
    for (std::size_t i = x.size(); i > 0; --i) {
        const int s = digitValue(x[i - 1]) + digitValue(y[i - 1]) + carry;
        if (s >= 10) {
            digits += digitChar(s % 10);
            carry = s / 10;
        } else {
            digits += digitChar(s);
            carry = 0;
        }
    }
    if (carry != 0) {
        digits += digitChar(carry);
    }
    return lastToFirst(digits);
}

std::string DecMulSmall(std::string_view a, int f) {
    std::string digits;
    int carry = 0;
    for (std::size_t i = a.size(); i > 0; --i) {
        const int p = digitValue(a[i - 1]) * f + carry;
        if (p >= 10) {
            digits += digitChar(p % 10);
            carry = p / 10;
        } else {
            digits += digitChar(p);
            carry = 0;
        }
    }
    if (carry != 0) {
        digits += digitChar(carry);
    }
    return lastToFirst(digits);
}

std::string DecMul(std::string_view a, std::string_view b) {
    const int m = static_cast<int>(b.size());
    if (m == 0) {
        return "0";
    }
    std::string sum = AppendZeros(DecMulSmall(a, digitValue(b[0])), m - 1);
    for (int j = m - 1; j >= 1; --j) {
        const std::string term = AppendZeros(DecMulSmall(a, digitValue(b[j])), m - 1 - j);
        sum = DecAdd(sum, term);
    }
    return sum;
}

std::string DecPowerOf16(std::string_view n) {
    const unsigned long long exponent = smallValue(n);
    switch (exponent) {
    case 0:
        return "1";
    case 1:
        return "16";
    case 2:
        return "256";
    case 3:
        return "4096";
    default:
        break;
    }
    std::string result = "4096";
    for (unsigned long long i = 0; i < exponent - 3; ++i) {
        result = DecMul(result, "16");
    }
    return result;
}

DecDivSmallResult DecDivSmall(std::string_view a, int d) {
    // Only 2, 16 and 256 are in use; a non-positive divisor is refused
    // rather than left undefined.
    if (d <= 0) {
        detail::fail("Division by zero!");
    }
    std::string carry;
    std::string quotient;
    unsigned long long lastRemainder = 0;
    const auto divisor = static_cast<unsigned long long>(d);
    for (char c : a) {
        carry += c;
        const unsigned long long v = smallValue(carry);
        quotient += std::to_string(v / divisor);
        lastRemainder = v % divisor;
        carry = std::to_string(lastRemainder);
    }
    return {StripLeadingZeros(quotient), std::to_string(lastRemainder)};
}

std::string DecSub(std::string_view a, std::string_view b) {
    std::string x(a);
    std::string y(b);
    if (x.size() < y.size()) {
        x = PrependZeros(x, static_cast<int>(y.size() - x.size()));
    } else if (y.size() < x.size()) {
        y = PrependZeros(y, static_cast<int>(x.size() - y.size()));
    }
    std::string digits;
    int borrow = 0;
    for (std::size_t i = x.size(); i > 0; --i) {
        const int t = digitValue(x[i - 1]) - digitValue(y[i - 1]) - borrow;
        if (t < 0) {
            digits += digitChar(t + 10);
            borrow = 1;
        } else {
            digits += digitChar(t);
            borrow = 0;
        }
    }
    return lastToFirst(digits);
}

bool DecEqual(std::string_view a, std::string_view b) {
    return StripLeadingZeros(a) == StripLeadingZeros(b);
}

bool DecGreater(std::string_view a, std::string_view b) {
    const std::string x = StripLeadingZeros(a);
    const std::string y = StripLeadingZeros(b);
    if (DecEqual(x, y)) {
        return false;
    }
    if (x.size() > y.size()) {
        return true;
    }
    if (x.size() < y.size()) {
        return false;
    }
    std::size_t i = 0;
    while (x[i] == y[i]) {
        ++i;
    }
    return x[i] > y[i];
}

bool DecLess(std::string_view a, std::string_view b) {
    return !DecGreater(a, b) && !DecEqual(a, b);
}

int DecFitCount(std::string_view part, std::string_view b) {
    std::string sum(b);
    int k = 1;
    for (;;) {
        sum = DecAdd(sum, b);
        k = k + 1;
        if (DecGreater(sum, part)) {
            return k - 1;
        }
        if (DecEqual(sum, part)) {
            return k;
        }
    }
}

std::string DecDiv(std::string_view a, std::string_view b) {
    if (StripLeadingZeros(b) == "0") {
        detail::fail("Division by zero!");
    }
    const std::string x = StripLeadingZeros(a);
    const std::string y = StripLeadingZeros(b);
    if (DecLess(x, y)) {
        return "0";
    }
    if (DecEqual(x, y)) {
        return "1";
    }
    std::string quotient;
    std::string part;
    for (char digit : x) {
        part += digit;
        if (DecLess(part, y)) {
            quotient += "0";
        } else if (DecEqual(part, y)) {
            quotient += "1";
            part.assign(1, '0');
        } else {
            const int k = DecFitCount(part, y);
            quotient += std::to_string(k);
            part = DecSub(part, DecMulSmall(y, k));
        }
        part = StripLeadingZeros(part);
    }
    return StripLeadingZeros(quotient);
}

} // namespace quarnel::reference
