// Known cases of the routines, with results worked out by hand, run against
// both the fast engine and the reference: they pin the reference itself,
// which the differential tests take as the oracle.

#include "Support.h"

#include <gtest/gtest.h>

namespace quarnel::enginetest {
namespace {

constexpr NumberBase H = NumberBase::Hex, O = NumberBase::Oct, B = NumberBase::Bin,
                     D = NumberBase::Dec;
const std::string kInvalid = " is not a valid number in the current base!";
const std::string kF16(16, 'F');

struct Case {
    const char* routine;
    std::string a, b;
    NumberBase base;
    int ws;
    std::string expected;
};

// clang-format off
const Case kCases[] = {
    {"IsValidNumber", "", "", H, 0, "false"}, {"IsValidNumber", "1a", "", H, 0, "true"}, {"IsValidNumber", "1a", "", D, 0, "false"},
    {"IsValidNumber", "8", "", O, 0, "false"}, {"IsValidNumber", "2", "", B, 0, "false"}, {"StripLeadingZeros", "000", "", D, 0, "0"},
    {"StripLeadingZeros", "", "", D, 0, "0"}, {"StripLeadingZeros", "0010", "", D, 0, "10"},
    {"ClipToWordSize", "101100101", "", B, 8, "1100101"}, {"ClipToWordSize", std::string(70, '1'), "", B, 0, std::string(64, '1')},
    {"AppendZeros", "1", "", D, -2, "1"}, {"PrependZeros", "1", "", D, 2, "001"}, {"IntPower", "2", "", D, 10, "1024"},
    {"HexToBin", "ff", "", H, 4, "1111"}, {"HexToBin", "100", "", H, 8, "0"}, {"BinToHex", "11111", "", B, 64, "1F"},
    {"DecToHex", "255", "", D, 8, "FF"}, {"DecToHex", "256", "", D, 8, "0"}, {"DecToHex", "16", "", D, 0, "10"},
    {"HexToDec", kF16, "", H, 0, "18446744073709551615"}, {"HexToDec", "1FF", "", H, 8, "255"},
    {"HexToDec", kF16 + kF16, "", H, 128, "340282366920938463463374607431768211455"}, {"DecToBin", "18446744073709551616", "", D, 0, "0"},
    {"OctToHex", "777", "", O, 4, "F"}, {"HexToOct", "FF", "", H, 8, "377"},
    {"HexToBin", "12G", "", H, 8, "error: '12G' is not a valid hexadecimal number!"},
    {"OctToDec", "8", "", O, 8, "error: '8' is not a valid octal number!"},
    {"BinToOct", "0012", "", B, 8, "error: '0012' is not a valid binary number!"},
    {"DecToOct", "1a", "", D, 8, "error: '1a' is not a valid decimal number!"}, {"DecPowerOf16", "4", "", D, 0, "65536"},
    {"DecPowerOf16", "15", "", D, 0, "1152921504606846976"}, {"DecDivSmall", "4096", "", D, 16, "256 r 0"},
    {"DecDivSmall", "15", "", D, 16, "0 r 15"}, {"DecMulSmall", "123", "", D, 0, "000"}, {"DecSub", "100", "1", D, 0, "099"},
    {"DecFitCount", "27", "9", D, 0, "3"}, {"DecDiv", "7", "00", D, 0, "error: Division by zero!"}, {"AddInBase", "FF", "1", H, 8, "0"},
    {"SubInBase", "0", "1", H, 8, "FF"}, {"SubInBase", "5", "7", D, 4, "14"}, {"MulInBase", kF16, kF16, H, 0, "1"},
    {"DivInBase", "7", "2", D, 0, "3"}, {"DivInBase", "10", "3", H, 0, "5"}, {"DivInBase", "2", "7", D, 0, "0"},
    {"DivInBase", "5", "100", H, 8, "error: Division by zero!"}, {"DivInBase", "300", "2", D, 8, "150"},
    {"DivInBase", "12C", "2", H, 8, "16"}, {"AddInBase", "0005", "0003", D, 0, "8"}, {"AddInBase", "G", "x", D, 0, "error: 'G'" + kInvalid},
    {"OrInBase", "1", "01 ", B, 0, "error: '01 '" + kInvalid}, {"NegInBase", "0", "", H, 8, "0"}, {"NegInBase", "1", "", H, 8, "FF"},
    {"NegInBase", "1", "", B, 1, "1"}, {"AndInBase", "F0", "3C", H, 8, "30"}, {"OrInBase", "F0", "3C", H, 8, "FC"},
    {"XorInBase", "F0", "3C", H, 8, "CC"}, {"NotInBase", "0", "", D, 0, "18446744073709551615"}, {"NotInBase", "1", "", B, 1, "0"},
    {"ShiftLeftInBase", "255", "", D, 8, "254"}, {"ShiftLeftInBase", "80", "", H, 8, "0"}, {"ShiftRightInBase", "FF", "", H, 0, "7F"},
    {"ArithShiftRightInBase", "80", "", H, 8, "40"}, {"ShiftLeftByteInBase", "FF", "", H, 16, "FF00"},
    {"ShiftRightByteInBase", "FF00", "", H, 0, "FF"}, {"ShiftRightByteInBase", "F", "", H, 4, "0"},
    {"RotateLeftInBase", "80", "", H, 8, "1"}, {"RotateRightInBase", "1", "", H, 8, "80"},
    {"RotateLeftByteInBase", "1234", "", H, 16, "3412"}, {"RotateLeftByteInBase", "123", "", H, 12, "312"},
    {"RotateRightByteInBase", "123", "", H, 12, "231"}, {"RotateRightByteInBase", "5", "", H, 4, "5"},
    {"RotateLeftInBase", "10011", "", B, 4, "111"},
};
// clang-format on

TEST(EngineEdgeCases, BothEnginesGiveTheWorkedResults) {
    for (const Case& c : kCases) {
        const Routine& r = routine(c.routine);
        const Args args{c.a, c.b, c.base, c.ws};
        EXPECT_EQ(outcome(r.fast, args), c.expected)
            << "engine: " << c.routine << "(" << c.a << ")";
        EXPECT_EQ(outcome(r.reference, args), c.expected)
            << "reference: " << c.routine << "(" << c.a << ")";
    }
}

} // namespace
} // namespace quarnel::enginetest
