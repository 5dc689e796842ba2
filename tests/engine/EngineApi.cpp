#include "EngineApi.h"

#include "Mismatches.h"

#include "engine/Engine.h"
#include "reference/Reference.h"

#include <stdexcept>

namespace quarnel::enginetest {

namespace {

template <typename Table, typename Info>
auto lookUp(const Table& table, const Info& infos, std::string_view routine) {
    for (std::size_t i = 0; i < infos.size(); ++i) {
        if (routine == infos[i].name) {
            return table[i];
        }
    }
    throw std::invalid_argument("no routine named " + std::string(routine));
}

} // namespace

// Builds the table for one namespace; the order of each array follows the
// info tables in EngineApi.h.
#define QUARNEL_ENGINE_API(ns, label)                                                              \
    EngineApi {                                                                                    \
        label, &ns::IsValidNumber, &ns::StripLeadingZeros, &ns::ReverseString,                     \
            &ns::ClipToWordSize, &ns::AppendZeros, &ns::PrependZeros, &ns::IntPower, &ns::DecAdd,  \
            &ns::DecMulSmall, &ns::DecMul, &ns::DecPowerOf16,                                      \
            [](std::string_view a, int d) {                                                        \
                auto r = ns::DecDivSmall(a, d);                                                    \
                return std::pair<std::string, std::string>(std::move(r.quotient),                  \
                                                           std::move(r.remainder));                \
            },                                                                                     \
            &ns::DecSub, &ns::DecEqual, &ns::DecGreater, &ns::DecLess, &ns::DecFitCount,           \
            &ns::DecDiv, {&ns::HexToBin, &ns::OctToBin, &ns::BinToHex, &ns::BinToOct,              \
                          &ns::DecToHex, &ns::HexToDec, &ns::DecToBin, &ns::BinToDec,              \
                          &ns::DecToOct, &ns::OctToDec, &ns::OctToHex, &ns::HexToOct},             \
            {&ns::AddInBase, &ns::SubInBase, &ns::MulInBase, &ns::DivInBase,                       \
             &ns::AndInBase, &ns::OrInBase,  &ns::XorInBase},                                      \
            {&ns::NegInBase,                                                                       \
             &ns::NotInBase,                                                                       \
             &ns::ShiftLeftInBase,                                                                 \
             &ns::ShiftRightInBase,                                                                \
             &ns::ArithShiftRightInBase,                                                           \
             &ns::ShiftLeftByteInBase,                                                             \
             &ns::ShiftRightByteInBase,                                                            \
             &ns::RotateLeftInBase,                                                                \
             &ns::RotateRightInBase,                                                               \
             &ns::RotateLeftByteInBase,                                                            \
             &ns::RotateRightByteInBase},                                                          \
            &ns::InvertBits, {                                                                     \
            &ns::DropLowBit, &ns::RotateBitsLeft, &ns::RotateBitsRight, &ns::RotateBytesLeft,      \
                &ns::RotateBytesRight                                                              \
        }                                                                                          \
    }

Conversion EngineApi::conversion(std::string_view routine) const {
    return lookUp(conversions, kConversions, routine);
}
BinaryOp EngineApi::binaryOp(std::string_view routine) const {
    return lookUp(binaryOps, kBinaryOps, routine);
}
UnaryOp EngineApi::unaryOp(std::string_view routine) const {
    return lookUp(unaryOps, kUnaryOps, routine);
}
BitRoutine EngineApi::bitRoutine(std::string_view routine) const {
    return lookUp(bitRoutines, kBitRoutines, routine);
}

#ifdef QUARNEL_TESTS_WITHOUT_FAST_ENGINE
const EngineApi& fastEngine() {
    return referenceEngine();
}
std::vector<const EngineApi*> bothEngines() {
    return {&referenceEngine()};
}
#else
const EngineApi& fastEngine() {
    static const EngineApi api = QUARNEL_ENGINE_API(engine, "Fast");
    return api;
}
std::vector<const EngineApi*> bothEngines() {
    return {&fastEngine(), &referenceEngine()};
}
#endif

const EngineApi& referenceEngine() {
    static const EngineApi api = QUARNEL_ENGINE_API(reference, "Reference");
    return api;
}

const char* baseName(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return "HEX";
    case NumberBase::Oct:
        return "OCT";
    case NumberBase::Bin:
        return "BIN";
    case NumberBase::Dec:
        return "DEC";
    }
    return "?";
}

std::string describe(const char* routine, const std::string& a, int ws) {
    return std::string(routine) + "('" + a + "', ws " + std::to_string(ws) + ")";
}

std::string describe(const char* routine, const std::string& a, NumberBase base, int ws) {
    return std::string(routine) + "('" + a + "', " + baseName(base) + ", ws " + std::to_string(ws) +
           ")";
}

std::string describe(const char* routine, const std::string& a, const std::string& b,
                     NumberBase base, int ws) {
    return std::string(routine) + "('" + a + "', '" + b + "', " + baseName(base) + ", ws " +
           std::to_string(ws) + ")";
}

} // namespace quarnel::enginetest
