// The auxiliary routines, the decimal digit-string primitives (one digit at a
// time) and the routines on binary digit strings.

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

// Digits produced from the last to the first, turned round once at the end.
std::string lastToFirst(std::string reversed) {
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

// The value of a short decimal text (a carry or an exponent).
unsigned long long smallValue(Text text) {
    unsigned long long v = 0;
    for (char c : text)
        v = v * 10 + static_cast<unsigned long long>(digitValue(c));
    return v;
}

// Both texts left-padded with zeros to the longer one's length.
void padPair(std::string& x, std::string& y) {
    if (x.size() < y.size())
        x = PrependZeros(x, static_cast<int>(y.size() - x.size()));
    else if (y.size() < x.size())
        y = PrependZeros(y, static_cast<int>(x.size() - y.size()));
}

std::string padToWordSize(Text bits, int ws) {
    const int length = static_cast<int>(bits.size());
    return length < ws ? PrependZeros(bits, ws - length) : std::string(bits);
}

} // namespace

void fail(const std::string& message) {
    throw EngineError(message);
}

bool IsValidNumber(Text text, NumberBase base) {
    bool result = !text.empty();
    for (char c : text) { // every character, no early exit
        const bool dec = c >= '0' && c <= '9';
        const bool ok = base == NumberBase::Hex
                            ? dec || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')
                        : base == NumberBase::Oct ? c >= '0' && c <= '7'
                        : base == NumberBase::Bin ? c == '0' || c == '1'
                                                  : dec;
        if (!ok)
            result = false;
    }
    return result;
}

std::string StripLeadingZeros(Text text) {
    std::string result(text);
    while (!result.empty() && result.front() == '0')
        result.erase(0, 1);
    return result.empty() ? "0" : result;
}

std::string ReverseString(Text text) {
    std::string result;
    for (std::size_t i = text.size(); i > 0; --i)
        result += text[i - 1];
    return result;
}

std::string ClipToWordSize(Text bits, int ws) {
    const std::size_t n = static_cast<std::size_t>(engine::effectiveWordSize(ws));
    std::string text(bits);
    if (text.size() > n)
        text = text.substr(text.size() - n);
    return StripLeadingZeros(text);
}

std::string AppendZeros(Text text, int n) {
    std::string result(text);
    for (int i = 0; i < n; ++i)
        result += '0';
    return result;
}

std::string PrependZeros(Text text, int n) {
    std::string zeros;
    for (int i = 0; i < n; ++i)
        zeros += '0';
    return zeros + std::string(text);
}

std::int32_t IntPower(std::int32_t base, std::int32_t exponent) {
    // Unsigned, so that an out-of-range result wraps instead of being undefined.
    std::uint32_t result = 1;
    for (std::int32_t i = 0; i < exponent; ++i)
        result *= static_cast<std::uint32_t>(base);
    return static_cast<std::int32_t>(result);
}

std::string DecAdd(Text a, Text b) {
    std::string x(a), y(b), digits;
    padPair(x, y);
    int carry = 0;
    for (std::size_t i = x.size(); i > 0; --i) {
        const int s = digitValue(x[i - 1]) + digitValue(y[i - 1]) + carry;
        digits += digitChar(s >= 10 ? s % 10 : s);
        carry = s >= 10 ? s / 10 : 0;
    }
    if (carry != 0)
        digits += digitChar(carry);
    return lastToFirst(digits);
}

std::string DecMulSmall(Text a, int f) {
    std::string digits;
    int carry = 0;
    for (std::size_t i = a.size(); i > 0; --i) {
        const int p = digitValue(a[i - 1]) * f + carry;
        digits += digitChar(p >= 10 ? p % 10 : p);
        carry = p >= 10 ? p / 10 : 0;
    }
    if (carry != 0)
        digits += digitChar(carry);
    return lastToFirst(digits);
}

std::string DecMul(Text a, Text b) {
    const int m = static_cast<int>(b.size());
    if (m == 0)
        return "0";
    std::string sum = AppendZeros(DecMulSmall(a, digitValue(b[0])), m - 1);
    for (int j = m - 1; j >= 1; --j)
        sum = DecAdd(sum, AppendZeros(DecMulSmall(a, digitValue(b[j])), m - 1 - j));
    return sum;
}

std::string DecPowerOf16(Text n) {
    const unsigned long long exponent = smallValue(n);
    if (exponent <= 3)
        return exponent == 0 ? "1" : exponent == 1 ? "16" : exponent == 2 ? "256" : "4096";
    std::string result = "4096";
    for (unsigned long long i = 0; i < exponent - 3; ++i)
        result = DecMul(result, "16");
    return result;
}

DecDivSmallResult DecDivSmall(Text a, int d) {
    if (d <= 0) // only 2, 16 and 256 are in use: refused rather than undefined
        fail("Division by zero!");
    std::string carry, quotient;
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

std::string DecSub(Text a, Text b) {
    std::string x(a), y(b), digits;
    padPair(x, y);
    int borrow = 0;
    for (std::size_t i = x.size(); i > 0; --i) {
        const int t = digitValue(x[i - 1]) - digitValue(y[i - 1]) - borrow;
        digits += digitChar(t < 0 ? t + 10 : t);
        borrow = t < 0 ? 1 : 0;
    }
    return lastToFirst(digits);
}

bool DecEqual(Text a, Text b) {
    return StripLeadingZeros(a) == StripLeadingZeros(b);
}

bool DecGreater(Text a, Text b) {
    const std::string x = StripLeadingZeros(a), y = StripLeadingZeros(b);
    if (DecEqual(x, y))
        return false;
    if (x.size() != y.size())
        return x.size() > y.size();
    std::size_t i = 0;
    while (x[i] == y[i])
        ++i;
    return x[i] > y[i];
}

bool DecLess(Text a, Text b) {
    return !DecGreater(a, b) && !DecEqual(a, b);
}

int DecFitCount(Text part, Text b) {
    std::string sum(b);
    for (int k = 2;; ++k) {
        sum = DecAdd(sum, b);
        if (DecGreater(sum, part))
            return k - 1;
        if (DecEqual(sum, part))
            return k;
    }
}

std::string DecDiv(Text a, Text b) {
    if (StripLeadingZeros(b) == "0")
        fail("Division by zero!");
    const std::string x = StripLeadingZeros(a), y = StripLeadingZeros(b);
    if (DecLess(x, y))
        return "0";
    if (DecEqual(x, y))
        return "1";
    std::string quotient, part;
    for (char digit : x) {
        part += digit;
        if (DecLess(part, y)) {
            quotient += "0";
        } else if (DecEqual(part, y)) {
            quotient += "1";
            part = "0";
        } else {
            const int k = DecFitCount(part, y);
            quotient += std::to_string(k);
            part = DecSub(part, DecMulSmall(y, k));
        }
        part = StripLeadingZeros(part);
    }
    return StripLeadingZeros(quotient);
}

std::string InvertBits(Text bits) {
    std::string result;
    for (char c : bits)
        result += c == '1' ? '0' : '1';
    return StripLeadingZeros(result);
}

std::string DropLowBit(Text bits, int ws) {
    return ClipToWordSize(bits.size() <= 1 ? Text("0") : bits.substr(0, bits.size() - 1), ws);
}

std::string RotateBitsLeft(Text bits, int ws) {
    ws = engine::effectiveWordSize(ws);
    const std::string text = padToWordSize(bits, ws);
    return ClipToWordSize(text.substr(1) + text.front(), ws);
}

std::string RotateBitsRight(Text bits, int ws) {
    ws = engine::effectiveWordSize(ws);
    const std::string text = padToWordSize(bits, ws);
    return ClipToWordSize(text.back() + text.substr(0, text.size() - 1), ws);
}

std::string RotateBytesLeft(Text bits, int ws) {
    ws = engine::effectiveWordSize(ws);
    std::string text = padToWordSize(bits, ws);
    const std::string taken = text.substr(0, 8);
    text.erase(0, taken.size());
    return ClipToWordSize(text + taken, ws);
}

std::string RotateBytesRight(Text bits, int ws) {
    ws = engine::effectiveWordSize(ws);
    std::string text = ReverseString(padToWordSize(bits, ws));
    const std::string taken = text.substr(0, 8);
    text.erase(0, taken.size());
    return ClipToWordSize(ReverseString(taken) + ReverseString(text), ws);
}

} // namespace quarnel::reference
