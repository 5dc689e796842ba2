// The twelve base conversions. Each checks its input in the source base and
// returns the value reduced to the word size, normalised, in the target base.

#include "engine/Engine.h"

#include "Failures.h"
#include "Radix.h"

namespace quarnel::engine {

std::string ConvertBase(std::string_view text, NumberBase from, NumberBase to, int ws) {
    detail::requireInBase(text, from);
    return detail::reportingOutOfMemory([&] {
        const detail::Word value = detail::parseWord(text, from, effectiveWordSize(ws));
        return detail::formatWord(value, to);
    });
}

std::string HexToBin(std::string_view hex, int ws) {
    return ConvertBase(hex, NumberBase::Hex, NumberBase::Bin, ws);
}

std::string OctToBin(std::string_view oct, int ws) {
    return ConvertBase(oct, NumberBase::Oct, NumberBase::Bin, ws);
}

std::string BinToHex(std::string_view bits, int ws) {
    return ConvertBase(bits, NumberBase::Bin, NumberBase::Hex, ws);
}

std::string BinToOct(std::string_view bits, int ws) {
    return ConvertBase(bits, NumberBase::Bin, NumberBase::Oct, ws);
}

std::string DecToHex(std::string_view dec, int ws) {
    return ConvertBase(dec, NumberBase::Dec, NumberBase::Hex, ws);
}

std::string HexToDec(std::string_view hex, int ws) {
    return ConvertBase(hex, NumberBase::Hex, NumberBase::Dec, ws);
}

std::string DecToBin(std::string_view dec, int ws) {
    return ConvertBase(dec, NumberBase::Dec, NumberBase::Bin, ws);
}

std::string BinToDec(std::string_view bits, int ws) {
    return ConvertBase(bits, NumberBase::Bin, NumberBase::Dec, ws);
}

std::string DecToOct(std::string_view dec, int ws) {
    return ConvertBase(dec, NumberBase::Dec, NumberBase::Oct, ws);
}

std::string OctToDec(std::string_view oct, int ws) {
    return ConvertBase(oct, NumberBase::Oct, NumberBase::Dec, ws);
}

std::string OctToHex(std::string_view oct, int ws) {
    return ConvertBase(oct, NumberBase::Oct, NumberBase::Hex, ws);
}

std::string HexToOct(std::string_view hex, int ws) {
    return ConvertBase(hex, NumberBase::Hex, NumberBase::Oct, ws);
}

} // namespace quarnel::engine
