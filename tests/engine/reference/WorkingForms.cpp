// How each base gets into and out of the decimal and binary working forms.
// Decimal operands stay as given (not reduced); so do binary ones.

#include "Internal.h"
#include "Reference.h"

namespace quarnel::reference::detail {

std::string toDecimal(std::string_view x, NumberBase base, int ws) {
    switch (base) {
    case NumberBase::Hex:
        return HexToDec(x, ws);
    case NumberBase::Oct:
        return OctToDec(x, ws);
    case NumberBase::Bin:
        return BinToDec(x, ws);
    case NumberBase::Dec:
        break;
    }
    return std::string(x);
}

std::string fromDecimal(std::string_view r, NumberBase base, int ws) {
    switch (base) {
    case NumberBase::Hex:
        return DecToHex(r, ws);
    case NumberBase::Oct:
        return DecToOct(r, ws);
    case NumberBase::Bin:
        return DecToBin(r, ws);
    case NumberBase::Dec:
        break;
    }
    return BinToDec(DecToBin(r, ws), ws);
}

std::string toBinary(std::string_view x, NumberBase base, int ws) {
    switch (base) {
    case NumberBase::Hex:
        return HexToBin(x, ws);
    case NumberBase::Oct:
        return OctToBin(x, ws);
    case NumberBase::Dec:
        return DecToBin(x, ws);
    case NumberBase::Bin:
        break;
    }
    return std::string(x);
}

std::string fromBinary(std::string_view r, NumberBase base, int ws) {
    switch (base) {
    case NumberBase::Hex:
        return BinToHex(r, ws);
    case NumberBase::Oct:
        return BinToOct(r, ws);
    case NumberBase::Dec:
        return BinToDec(r, ws);
    case NumberBase::Bin:
        break;
    }
    return std::string(r);
}

} // namespace quarnel::reference::detail
