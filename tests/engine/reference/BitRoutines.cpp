// Routines on a binary digit string: inversion, dropping the low bit, and
// rotation of the field padded to the word size.

#include "Internal.h"
#include "Reference.h"

namespace quarnel::reference {

namespace {

std::string padToWordSize(std::string_view bits, int ws) {
    const int length = static_cast<int>(bits.size());
    if (length < ws) {
        return PrependZeros(bits, ws - length);
    }
    return std::string(bits);
}

} // namespace

std::string InvertBits(std::string_view bits) {
    std::string result;
    for (char c : bits) {
        result += c == '1' ? '0' : '1';
    }
    return StripLeadingZeros(result);
}

std::string DropLowBit(std::string_view bits, int ws) {
    if (bits.size() <= 1) {
        return ClipToWordSize("0", ws);
    }
    return ClipToWordSize(bits.substr(0, bits.size() - 1), ws);
}

std::string RotateBitsLeft(std::string_view bits, int ws) {
    ws = engine::effectiveWordSize(ws);
    std::string text = padToWordSize(bits, ws);
    const char first = text.front();
    text.erase(0, 1);
    text += first;
    return ClipToWordSize(text, ws);
}

std::string RotateBitsRight(std::string_view bits, int ws) {
    ws = engine::effectiveWordSize(ws);
    std::string text = padToWordSize(bits, ws);
    const char last = text.back();
    text.erase(text.size() - 1);
    text = last + text;
    return ClipToWordSize(text, ws);
}

std::string RotateBytesLeft(std::string_view bits, int ws) {
    ws = engine::effectiveWordSize(ws);
    std::string text = padToWordSize(bits, ws);
    const std::string taken = text.substr(0, 8);
    text.erase(0, taken.size());
    text += taken;
    return ClipToWordSize(text, ws);
}

std::string RotateBytesRight(std::string_view bits, int ws) {
    ws = engine::effectiveWordSize(ws);
    std::string text = ReverseString(padToWordSize(bits, ws));
    std::string taken = text.substr(0, 8);
    text.erase(0, taken.size());
    taken = ReverseString(taken);
    text = ReverseString(text);
    return ClipToWordSize(taken + text, ws);
}

} // namespace quarnel::reference
