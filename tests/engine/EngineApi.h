#pragma once

// Both implementations of the engine behind one table of function pointers,
// so every test runs unchanged against the fast engine and the reference.

#include "engine/EngineError.h"
#include "engine/NumberBase.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quarnel::enginetest {

using engine::NumberBase;

using Conversion = std::string (*)(std::string_view, int);
using BinaryOp = std::string (*)(std::string_view, std::string_view, NumberBase, int);
using UnaryOp = std::string (*)(std::string_view, NumberBase, int);
using BitRoutine = std::string (*)(std::string_view, int);

struct ConversionInfo {
    const char* name;
    NumberBase source;
    NumberBase target;
};
struct OperationInfo {
    const char* name;
};

// Table orders; the arrays in EngineApi follow them.
inline constexpr std::array<ConversionInfo, 12> kConversions{{
    {"HexToBin", NumberBase::Hex, NumberBase::Bin},
    {"OctToBin", NumberBase::Oct, NumberBase::Bin},
    {"BinToHex", NumberBase::Bin, NumberBase::Hex},
    {"BinToOct", NumberBase::Bin, NumberBase::Oct},
    {"DecToHex", NumberBase::Dec, NumberBase::Hex},
    {"HexToDec", NumberBase::Hex, NumberBase::Dec},
    {"DecToBin", NumberBase::Dec, NumberBase::Bin},
    {"BinToDec", NumberBase::Bin, NumberBase::Dec},
    {"DecToOct", NumberBase::Dec, NumberBase::Oct},
    {"OctToDec", NumberBase::Oct, NumberBase::Dec},
    {"OctToHex", NumberBase::Oct, NumberBase::Hex},
    {"HexToOct", NumberBase::Hex, NumberBase::Oct},
}};
inline constexpr std::array<OperationInfo, 7> kBinaryOps{{
    {"AddInBase"},
    {"SubInBase"},
    {"MulInBase"},
    {"DivInBase"},
    {"AndInBase"},
    {"OrInBase"},
    {"XorInBase"},
}};
inline constexpr std::array<OperationInfo, 11> kUnaryOps{{
    {"NegInBase"},
    {"NotInBase"},
    {"ShiftLeftInBase"},
    {"ShiftRightInBase"},
    {"ArithShiftRightInBase"},
    {"ShiftLeftByteInBase"},
    {"ShiftRightByteInBase"},
    {"RotateLeftInBase"},
    {"RotateRightInBase"},
    {"RotateLeftByteInBase"},
    {"RotateRightByteInBase"},
}};
inline constexpr std::array<OperationInfo, 5> kBitRoutines{{
    {"DropLowBit"},
    {"RotateBitsLeft"},
    {"RotateBitsRight"},
    {"RotateBytesLeft"},
    {"RotateBytesRight"},
}};
inline constexpr std::array<NumberBase, 4> kBases{NumberBase::Hex, NumberBase::Oct, NumberBase::Bin,
                                                  NumberBase::Dec};

struct EngineApi {
    const char* name;

    bool (*IsValidNumber)(std::string_view, NumberBase);
    std::string (*StripLeadingZeros)(std::string_view);
    std::string (*ReverseString)(std::string_view);
    std::string (*ClipToWordSize)(std::string_view, int);
    std::string (*AppendZeros)(std::string_view, int);
    std::string (*PrependZeros)(std::string_view, int);
    std::int32_t (*IntPower)(std::int32_t, std::int32_t);

    std::string (*DecAdd)(std::string_view, std::string_view);
    std::string (*DecMulSmall)(std::string_view, int);
    std::string (*DecMul)(std::string_view, std::string_view);
    std::string (*DecPowerOf16)(std::string_view);
    // Quotient and remainder.
    std::pair<std::string, std::string> (*DecDivSmall)(std::string_view, int);
    std::string (*DecSub)(std::string_view, std::string_view);
    bool (*DecEqual)(std::string_view, std::string_view);
    bool (*DecGreater)(std::string_view, std::string_view);
    bool (*DecLess)(std::string_view, std::string_view);
    int (*DecFitCount)(std::string_view, std::string_view);
    std::string (*DecDiv)(std::string_view, std::string_view);

    std::array<Conversion, kConversions.size()> conversions;
    std::array<BinaryOp, kBinaryOps.size()> binaryOps;
    std::array<UnaryOp, kUnaryOps.size()> unaryOps;
    std::string (*InvertBits)(std::string_view);
    std::array<BitRoutine, kBitRoutines.size()> bitRoutines;

    Conversion conversion(std::string_view routine) const;
    BinaryOp binaryOp(std::string_view routine) const;
    UnaryOp unaryOp(std::string_view routine) const;
    BitRoutine bitRoutine(std::string_view routine) const;
};

const EngineApi& fastEngine();
const EngineApi& referenceEngine();

// Both, for value-parameterised tests.
std::vector<const EngineApi*> bothEngines();

const char* baseName(NumberBase base);

// Names the implementation in test output instead of printing a pointer.
inline void PrintTo(const EngineApi* api, std::ostream* out) {
    *out << api->name;
}

} // namespace quarnel::enginetest
