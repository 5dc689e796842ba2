// The twelve base conversions (digit groups between binary and hex or octal,
// decimal digit-string arithmetic between decimal and hex, chains for the
// rest) and the operations in the current base on their working forms.

#include "Reference.h"

#include <new>
#include <vector>

namespace quarnel::reference {

namespace {

constexpr const char* kHexWording = " is not a valid hexadecimal number!";
constexpr const char* kOctWording = " is not a valid octal number!";
constexpr const char* kBinWording = " is not a valid binary number!";
constexpr const char* kDecWording = " is not a valid decimal number!";
constexpr const char* kOperandWording = " is not a valid number in the current base!";

// "'<text>'" and the wording when the text is not a number in the base.
Text valid(Text text, NumberBase base, const char* wording) {
    if (!IsValidNumber(text, base))
        fail("'" + std::string(text) + "'" + wording);
    return text;
}

// A conversion that validates its input, then reports running out of memory itself.
template <typename Work>
std::string guarded(Text text, NumberBase base, const char* wording, Work work) {
    valid(text, base, wording);
    try {
        return work();
    } catch (const std::bad_alloc&) {
        fail(engine::kOutOfMemoryMessage);
    }
}

int hexDigitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c - 'a' + 10;
}
char hexDigit(int v) {
    return "0123456789ABCDEF"[v];
}

std::string smallToBinary(int v) {
    std::string digits = v == 0 ? "0" : "";
    for (; v > 0; v /= 2)
        digits = static_cast<char>('0' + v % 2) + digits;
    return digits;
}

int groupValue(Text group) {
    int v = 0;
    for (char c : group)
        v = v * 2 + (c - '0');
    return v;
}

std::string groupsToBinary(Text digits, int groupSize, int ws) {
    std::string bits;
    for (char c : digits) {
        const std::string one = smallToBinary(hexDigitValue(c));
        bits += PrependZeros(one, groupSize - static_cast<int>(one.size()));
    }
    return ClipToWordSize(StripLeadingZeros(bits), ws);
}

std::string binaryToGroups(Text bits, int ws, std::size_t size) {
    std::string text = ClipToWordSize(bits, ws), result;
    const std::size_t length = text.size();
    for (std::size_t g = 0; g < length / size; ++g) {
        result = hexDigit(groupValue(text.substr(text.size() - size))) + result;
        text.erase(text.size() - size);
    }
    if (length % size != 0)
        result = hexDigit(groupValue(text)) + result;
    return StripLeadingZeros(result);
}

// Into and out of the working forms; DEC into decimal and BIN into binary
// stay as given, not reduced.
std::string toDecimal(Text x, NumberBase base, int ws) {
    return base == NumberBase::Hex   ? HexToDec(x, ws)
           : base == NumberBase::Oct ? OctToDec(x, ws)
           : base == NumberBase::Bin ? BinToDec(x, ws)
                                     : std::string(x);
}
std::string fromDecimal(Text r, NumberBase base, int ws) {
    return base == NumberBase::Hex   ? DecToHex(r, ws)
           : base == NumberBase::Oct ? DecToOct(r, ws)
           : base == NumberBase::Bin ? DecToBin(r, ws)
                                     : BinToDec(DecToBin(r, ws), ws);
}
std::string toBinary(Text x, NumberBase base, int ws) {
    return base == NumberBase::Hex   ? HexToBin(x, ws)
           : base == NumberBase::Oct ? OctToBin(x, ws)
           : base == NumberBase::Dec ? DecToBin(x, ws)
                                     : std::string(x);
}
std::string fromBinary(Text r, NumberBase base, int ws) {
    return base == NumberBase::Hex   ? BinToHex(r, ws)
           : base == NumberBase::Oct ? BinToOct(r, ws)
           : base == NumberBase::Dec ? BinToDec(r, ws)
                                     : std::string(r);
}

// +, -, *, DIV: validated, stripped, on decimal text, reduced on the way back.
template <typename Compute>
std::string arithmetic(Text first, Text second, NumberBase base, int ws, Compute compute) {
    valid(first, base, kOperandWording);
    valid(second, base, kOperandWording);
    ws = engine::effectiveWordSize(ws);
    const std::string a = toDecimal(StripLeadingZeros(first), base, ws);
    const std::string b = toDecimal(StripLeadingZeros(second), base, ws);
    return fromDecimal(compute(a, b, ws), base, ws);
}

// AND, OR, XOR: position by position on the reversed bit strings.
template <typename Combine>
std::string bitwise(Text first, Text second, NumberBase base, int ws, Combine combine) {
    valid(first, base, kOperandWording);
    valid(second, base, kOperandWording);
    ws = engine::effectiveWordSize(ws);
    std::string x = ReverseString(toBinary(first, base, ws));
    std::string y = ReverseString(toBinary(second, base, ws));
    while (x.size() < y.size())
        x += '0';
    while (y.size() < x.size())
        y += '0';
    std::string r;
    for (std::size_t i = 0; i < x.size(); ++i)
        r += combine(x[i] == '1', y[i] == '1') ? '1' : '0';
    return StripLeadingZeros(fromBinary(ReverseString(r), base, ws));
}

// ASR and the rotates: on the bit string of the stripped operand.
std::string viaBitString(Text x, NumberBase base, int ws, std::string (*step)(Text, int)) {
    valid(x, base, kOperandWording);
    ws = engine::effectiveWordSize(ws);
    return fromBinary(step(toBinary(StripLeadingZeros(x), base, ws), ws), base, ws);
}

// SR and SRB: the quotient, in DEC as it is (a full-length operand included).
std::string shiftRight(Text x, NumberBase base, int ws, int divisor) {
    valid(x, base, kOperandWording);
    ws = engine::effectiveWordSize(ws);
    const std::string q = DecDivSmall(toDecimal(x, base, ws), divisor).quotient;
    return base == NumberBase::Dec ? q : fromDecimal(q, base, ws);
}

} // namespace

std::string HexToBin(Text hex, int ws) {
    return guarded(hex, NumberBase::Hex, kHexWording, [&] { return groupsToBinary(hex, 4, ws); });
}

std::string OctToBin(Text oct, int ws) {
    return guarded(oct, NumberBase::Oct, kOctWording, [&] { return groupsToBinary(oct, 3, ws); });
}

std::string BinToHex(Text bits, int ws) {
    return guarded(bits, NumberBase::Bin, kBinWording, [&] { return binaryToGroups(bits, ws, 4); });
}

std::string BinToOct(Text bits, int ws) {
    return guarded(bits, NumberBase::Bin, kBinWording, [&] { return binaryToGroups(bits, ws, 3); });
}

std::string DecToHex(Text dec, int ws) {
    return guarded(dec, NumberBase::Dec, kDecWording, [&] {
        std::vector<char> digitList;
        std::string rest(dec), raw;
        do {
            DecDivSmallResult step = DecDivSmall(rest, 16);
            digitList.push_back(hexDigit(std::stoi(step.remainder)));
            rest = step.quotient;
        } while (rest.size() >= 2);
        digitList.push_back(hexDigit(rest[0] - '0'));
        for (std::size_t i = digitList.size(); i > 0; --i)
            raw += digitList[i - 1];
        return BinToHex(HexToBin(raw, ws), ws);
    });
}

std::string HexToDec(Text hex, int ws) {
    return guarded(hex, NumberBase::Hex, kHexWording, [&] {
        const std::string reduced = BinToHex(HexToBin(hex, ws), ws);
        const std::size_t n = reduced.size();
        const auto term = [&](std::size_t i) { // the digit at position i (1..n)
            return DecMul(DecPowerOf16(std::to_string(n - i)),
                          std::to_string(hexDigitValue(reduced[i - 1])));
        };
        std::string sum = term(1);
        for (std::size_t i = 2; i <= n; ++i)
            sum = DecAdd(sum, term(i));
        return sum;
    });
}

std::string DecToBin(Text dec, int ws) {
    return HexToBin(DecToHex(valid(dec, NumberBase::Dec, kDecWording), ws), ws);
}

std::string BinToDec(Text bits, int ws) {
    return HexToDec(BinToHex(ClipToWordSize(valid(bits, NumberBase::Bin, kBinWording), ws), ws),
                    ws);
}

std::string DecToOct(Text dec, int ws) {
    return BinToOct(HexToBin(DecToHex(valid(dec, NumberBase::Dec, kDecWording), ws), ws), ws);
}

std::string OctToDec(Text oct, int ws) {
    return HexToDec(BinToHex(OctToBin(valid(oct, NumberBase::Oct, kOctWording), ws), ws), ws);
}

std::string OctToHex(Text oct, int ws) {
    return BinToHex(ClipToWordSize(OctToBin(valid(oct, NumberBase::Oct, kOctWording), ws), ws), ws);
}

std::string HexToOct(Text hex, int ws) {
    return BinToOct(ClipToWordSize(HexToBin(valid(hex, NumberBase::Hex, kHexWording), ws), ws), ws);
}

std::string AddInBase(Text first, Text second, NumberBase base, int ws) {
    return arithmetic(first, second, base, ws, [](Text a, Text b, int) { return DecAdd(a, b); });
}

std::string SubInBase(Text first, Text second, NumberBase base, int ws) {
    return arithmetic(first, second, base, ws, [](Text a, Text b, int size) {
        return DecAdd(a, DecAdd(NotInBase(b, NumberBase::Dec, size), "1"));
    });
}

std::string MulInBase(Text first, Text second, NumberBase base, int ws) {
    return arithmetic(first, second, base, ws, [](Text a, Text b, int) { return DecMul(a, b); });
}

std::string DivInBase(Text first, Text second, NumberBase base, int ws) {
    return arithmetic(first, second, base, ws, [](Text a, Text b, int) { return DecDiv(a, b); });
}

std::string NegInBase(Text x, NumberBase base, int ws) {
    valid(x, base, kOperandWording);
    ws = engine::effectiveWordSize(ws);
    const std::string d = toDecimal(StripLeadingZeros(x), base, ws);
    return fromDecimal(DecAdd(NotInBase(d, NumberBase::Dec, ws), "1"), base, ws);
}

std::string AndInBase(Text first, Text second, NumberBase base, int ws) {
    return bitwise(first, second, base, ws, [](bool a, bool b) { return a && b; });
}

std::string OrInBase(Text first, Text second, NumberBase base, int ws) {
    try {
        return bitwise(first, second, base, ws, [](bool a, bool b) { return a || b; });
    } catch (const std::bad_alloc&) {
        fail(engine::kOutOfMemoryMessage);
    }
}

std::string XorInBase(Text first, Text second, NumberBase base, int ws) {
    return bitwise(first, second, base, ws, [](bool a, bool b) { return a != b; });
}

std::string NotInBase(Text x, NumberBase base, int ws) {
    valid(x, base, kOperandWording);
    ws = engine::effectiveWordSize(ws);
    std::string bits = toBinary(x, base, ws);
    if (static_cast<int>(bits.size()) < ws)
        bits = PrependZeros(bits, ws - static_cast<int>(bits.size()));
    const std::string inverted = InvertBits(bits);
    return base == NumberBase::Bin ? ClipToWordSize(inverted, ws) : fromBinary(inverted, base, ws);
}

std::string ShiftLeftInBase(Text x, NumberBase base, int ws) {
    valid(x, base, kOperandWording);
    ws = engine::effectiveWordSize(ws);
    return fromDecimal(DecMulSmall(toDecimal(x, base, ws), 2), base, ws);
}

std::string ShiftLeftByteInBase(Text x, NumberBase base, int ws) {
    valid(x, base, kOperandWording);
    ws = engine::effectiveWordSize(ws);
    return fromDecimal(DecMul(toDecimal(x, base, ws), "256"), base, ws);
}

std::string ShiftRightInBase(Text x, NumberBase base, int ws) {
    return shiftRight(x, base, ws, 2);
}

std::string ShiftRightByteInBase(Text x, NumberBase base, int ws) {
    return shiftRight(x, base, ws, 256);
}

std::string ArithShiftRightInBase(Text x, NumberBase base, int ws) {
    return viaBitString(x, base, ws, DropLowBit);
}

std::string RotateLeftInBase(Text x, NumberBase base, int ws) {
    return viaBitString(x, base, ws, RotateBitsLeft);
}

std::string RotateRightInBase(Text x, NumberBase base, int ws) {
    return viaBitString(x, base, ws, RotateBitsRight);
}

std::string RotateLeftByteInBase(Text x, NumberBase base, int ws) {
    return viaBitString(x, base, ws, RotateBytesLeft);
}

std::string RotateRightByteInBase(Text x, NumberBase base, int ws) {
    return viaBitString(x, base, ws, RotateBytesRight);
}

} // namespace quarnel::reference
