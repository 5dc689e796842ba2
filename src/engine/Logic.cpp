// AND, OR, XOR, NOT, the shifts and the rotates. In BIN the bitwise operations,
// ASR and the rotates take the operand text as typed, over-long included; SR
// and SRB in DEC divide the full value. Everything else runs on words.

#include "engine/Engine.h"

#include "WordOperation.h"

#include <utility>

namespace quarnel::engine {

namespace {

using detail::Word;

// Bitwise combination of two binary texts aligned at their last digit; the
// shorter counts as padded with zeros. The result is not cut to a word size.
// Digits combine as characters: "0" and "1" differ only in their lowest bit.
template <typename Combine>
std::string combineBitTexts(std::string_view a, std::string_view b, Combine combine) {
    if (a.size() < b.size()) {
        std::swap(a, b);
    }
    const std::size_t extra = a.size() - b.size();
    std::string out(a.size(), '0');
    for (std::size_t i = 0; i < extra; ++i) {
        out[i] = combine(a[i], '0');
    }
    for (std::size_t i = 0; i < b.size(); ++i) {
        out[extra + i] = combine(a[extra + i], b[i]);
    }
    const std::size_t first = out.find('1');
    if (first == std::string::npos) {
        return "0";
    }
    out.erase(0, first);
    return out;
}

template <typename Combine, typename CombineWords>
std::string bitwise(std::string_view first, std::string_view second, NumberBase base, int ws,
                    Combine combine, CombineWords combineWords) {
    if (base == NumberBase::Bin) {
        detail::requireOperands(first, second, base);
        return detail::reportingOutOfMemory(
            [&] { return combineBitTexts(first, second, combine); });
    }
    return detail::onWords(first, second, base, ws, combineWords);
}

// ASR and the rotates: in BIN on the stripped text itself, elsewhere on words.
template <typename TextStep, typename WordStep>
std::string onBitString(std::string_view x, NumberBase base, int ws, TextStep textStep,
                        WordStep wordStep) {
    if (base == NumberBase::Bin) {
        detail::requireOperand(x, base);
        return detail::reportingOutOfMemory(
            [&] { return textStep(detail::strippedView(x), effectiveWordSize(ws)); });
    }
    return detail::onWord(x, base, ws, wordStep);
}

std::string shiftRightInFull(std::string_view x, NumberBase base, int ws, int divisor,
                             std::size_t bits) {
    if (base == NumberBase::Dec) {
        detail::requireOperand(x, base);
        return detail::reportingOutOfMemory([&] { return DecDivSmall(x, divisor).quotient; });
    }
    return detail::onWord(x, base, ws, [bits](Word& a) { shiftRight(a, bits); });
}

} // namespace

std::string AndInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return bitwise(
        first, second, base, ws, [](char x, char y) { return static_cast<char>(x & y); },
        [](Word& a, const Word& b) { andWith(a, b); });
}

std::string OrInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return bitwise(
        first, second, base, ws, [](char x, char y) { return static_cast<char>(x | y); },
        [](Word& a, const Word& b) { orWith(a, b); });
}

std::string XorInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return bitwise(
        first, second, base, ws, [](char x, char y) { return static_cast<char>((x ^ y) | '0'); },
        [](Word& a, const Word& b) { xorWith(a, b); });
}

std::string NotInBase(std::string_view x, NumberBase base, int ws) {
    // In BIN too only the low ws digits of an over-long text survive the final
    // clip, so the complement of the reduced value is the result in every base.
    return detail::onWord(x, base, ws, [](Word& a) { complement(a); });
}

std::string ShiftLeftInBase(std::string_view x, NumberBase base, int ws) {
    return detail::onWord(x, base, ws, [](Word& a) { shiftLeft(a, 1); });
}

std::string ShiftLeftByteInBase(std::string_view x, NumberBase base, int ws) {
    return detail::onWord(x, base, ws, [](Word& a) { shiftLeft(a, 8); });
}

std::string ShiftRightInBase(std::string_view x, NumberBase base, int ws) {
    return shiftRightInFull(x, base, ws, 2, 1);
}

std::string ShiftRightByteInBase(std::string_view x, NumberBase base, int ws) {
    return shiftRightInFull(x, base, ws, 256, 8);
}

std::string ArithShiftRightInBase(std::string_view x, NumberBase base, int ws) {
    return onBitString(
        x, base, ws, [](std::string_view bits, int size) { return DropLowBit(bits, size); },
        [](Word& a) { shiftRight(a, 1); });
}

std::string RotateLeftInBase(std::string_view x, NumberBase base, int ws) {
    return onBitString(
        x, base, ws, [](std::string_view bits, int size) { return RotateBitsLeft(bits, size); },
        [](Word& a) { rotateLeft(a, 1); });
}

std::string RotateRightInBase(std::string_view x, NumberBase base, int ws) {
    return onBitString(
        x, base, ws, [](std::string_view bits, int size) { return RotateBitsRight(bits, size); },
        [](Word& a) { rotateRight(a, 1); });
}

// A field narrower than a byte is left as it is.
std::string RotateLeftByteInBase(std::string_view x, NumberBase base, int ws) {
    return onBitString(
        x, base, ws, [](std::string_view bits, int size) { return RotateBytesLeft(bits, size); },
        [](Word& a) {
            if (a.bits() >= 8) {
                rotateLeft(a, 8);
            }
        });
}

std::string RotateRightByteInBase(std::string_view x, NumberBase base, int ws) {
    return onBitString(
        x, base, ws, [](std::string_view bits, int size) { return RotateBytesRight(bits, size); },
        [](Word& a) {
            if (a.bits() >= 8) {
                rotateRight(a, 8);
            }
        });
}

} // namespace quarnel::engine
