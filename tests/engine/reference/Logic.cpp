// AND, OR, XOR, NOT, the shifts and the rotates in the current base.

#include "Internal.h"
#include "Reference.h"

#include <new>

namespace quarnel::reference {

namespace {

using detail::fromBinary;
using detail::fromDecimal;
using detail::toBinary;
using detail::toDecimal;

enum class BitOp { And, Or, Xor };

char combine(BitOp op, char a, char b) {
    switch (op) {
    case BitOp::And:
        return a == '1' && b == '1' ? '1' : '0';
    case BitOp::Or:
        return a == '1' || b == '1' ? '1' : '0';
    case BitOp::Xor:
        return (a == '1' && b == '0') || (a == '0' && b == '1') ? '1' : '0';
    }
    return '0';
}

std::string bitwise(BitOp op, std::string_view first, std::string_view second, NumberBase base,
                    int ws) {
    std::string x = ReverseString(toBinary(first, base, ws));
    std::string y = ReverseString(toBinary(second, base, ws));
    while (x.size() < y.size()) {
        x += '0';
    }
    while (y.size() < x.size()) {
        y += '0';
    }
    std::string r;
    for (std::size_t i = 0; i < x.size(); ++i) {
        r += combine(op, x[i], y[i]);
    }
    return StripLeadingZeros(fromBinary(ReverseString(r), base, ws));
}

// ASR and the rotates: on the bit string of the stripped operand.
template <typename BitStep>
std::string viaBitString(std::string_view x, NumberBase base, int ws, BitStep step) {
    detail::validateOperand(x, base);
    ws = engine::effectiveWordSize(ws);
    const std::string bits = toBinary(StripLeadingZeros(x), base, ws);
    return fromBinary(step(bits, ws), base, ws);
}

} // namespace

std::string AndInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    detail::validateOperand(first, base);
    detail::validateOperand(second, base);
    return bitwise(BitOp::And, first, second, base, engine::effectiveWordSize(ws));
}

std::string OrInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    detail::validateOperand(first, base);
    detail::validateOperand(second, base);
    try {
        return bitwise(BitOp::Or, first, second, base, engine::effectiveWordSize(ws));
    } catch (const std::bad_alloc&) {
        detail::fail(engine::kOutOfMemoryMessage);
    }
}

std::string XorInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    detail::validateOperand(first, base);
    detail::validateOperand(second, base);
    return bitwise(BitOp::Xor, first, second, base, engine::effectiveWordSize(ws));
}

std::string NotInBase(std::string_view x, NumberBase base, int ws) {
    detail::validateOperand(x, base);
    ws = engine::effectiveWordSize(ws);
    std::string bits = toBinary(x, base, ws);
    if (static_cast<int>(bits.size()) < ws) {
        bits = PrependZeros(bits, ws - static_cast<int>(bits.size()));
    }
    const std::string inverted = InvertBits(bits);
    if (base == NumberBase::Bin) {
        return ClipToWordSize(inverted, ws);
    }
    return fromBinary(inverted, base, ws);
}

std::string ShiftLeftInBase(std::string_view x, NumberBase base, int ws) {
    detail::validateOperand(x, base);
    ws = engine::effectiveWordSize(ws);
    return fromDecimal(DecMulSmall(toDecimal(x, base, ws), 2), base, ws);
}

std::string ShiftLeftByteInBase(std::string_view x, NumberBase base, int ws) {
    detail::validateOperand(x, base);
    ws = engine::effectiveWordSize(ws);
    return fromDecimal(DecMul(toDecimal(x, base, ws), "256"), base, ws);
}

std::string ShiftRightInBase(std::string_view x, NumberBase base, int ws) {
    detail::validateOperand(x, base);
    ws = engine::effectiveWordSize(ws);
    const std::string q = DecDivSmall(toDecimal(x, base, ws), 2).quotient;
    // In DEC the quotient is the result as it is, a full-length operand included.
    return base == NumberBase::Dec ? q : fromDecimal(q, base, ws);
}

std::string ShiftRightByteInBase(std::string_view x, NumberBase base, int ws) {
    detail::validateOperand(x, base);
    ws = engine::effectiveWordSize(ws);
    const std::string q = DecDivSmall(toDecimal(x, base, ws), 256).quotient;
    return base == NumberBase::Dec ? q : fromDecimal(q, base, ws);
}

std::string ArithShiftRightInBase(std::string_view x, NumberBase base, int ws) {
    return viaBitString(x, base, ws,
                        [](const std::string& bits, int size) { return DropLowBit(bits, size); });
}

std::string RotateLeftInBase(std::string_view x, NumberBase base, int ws) {
    return viaBitString(
        x, base, ws, [](const std::string& bits, int size) { return RotateBitsLeft(bits, size); });
}

std::string RotateRightInBase(std::string_view x, NumberBase base, int ws) {
    return viaBitString(
        x, base, ws, [](const std::string& bits, int size) { return RotateBitsRight(bits, size); });
}

std::string RotateLeftByteInBase(std::string_view x, NumberBase base, int ws) {
    return viaBitString(
        x, base, ws, [](const std::string& bits, int size) { return RotateBytesLeft(bits, size); });
}

std::string RotateRightByteInBase(std::string_view x, NumberBase base, int ws) {
    return viaBitString(x, base, ws, [](const std::string& bits, int size) {
        return RotateBytesRight(bits, size);
    });
}

} // namespace quarnel::reference
