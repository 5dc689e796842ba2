// Known edge cases of every routine, run against the fast engine and the
// reference alike: results and the exact error messages.

#include "EngineApi.h"
#include "Outcome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarnel::enginetest {
namespace {

constexpr NumberBase kHex = NumberBase::Hex;
constexpr NumberBase kOct = NumberBase::Oct;
constexpr NumberBase kBin = NumberBase::Bin;
constexpr NumberBase kDec = NumberBase::Dec;

const std::string kMax64 = "18446744073709551615";
const std::string kMax128 = "340282366920938463463374607431768211455";
const std::string kMax200 = "1606938044258990275541962092341162602522202993782792835301375";
const std::string kPow200 = "1606938044258990275541962092341162602522202993782792835301376";
const std::string kPow64 = "18446744073709551616";

std::string repeat(char c, std::size_t n) {
    return std::string(n, c);
}

std::string invalidIn(const std::string& text) {
    return "'" + text + "' is not a valid number in the current base!";
}

class EngineEdgeCases : public ::testing::TestWithParam<const EngineApi*> {
  protected:
    const EngineApi& api() const { return *GetParam(); }
};

struct ValidityCase {
    std::string text;
    NumberBase base;
    bool valid;
};

TEST_P(EngineEdgeCases, IsValidNumber) {
    const std::vector<ValidityCase> cases = {
        {"", kHex, false},    {"", kOct, false},    {"", kBin, false},    {"", kDec, false},
        {"1a", kHex, true},   {"1a", kDec, false},  {"fF09", kHex, true}, {"g", kHex, false},
        {"8", kOct, false},   {"7", kOct, true},    {"2", kBin, false},   {"01", kBin, true},
        {"12 ", kDec, false}, {"G1", kHex, false},  {"1G", kHex, false},  {"-1", kDec, false},
        {"0x1", kHex, false}, {"0009", kDec, true}, {"10", kBin, true},   {"1.5", kDec, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(api().IsValidNumber(c.text, c.base), c.valid)
            << "'" << c.text << "' in " << baseName(c.base);
    }
}

struct TextCase {
    std::string text;
    int n;
    std::string expected;
};

TEST_P(EngineEdgeCases, TextHelpers) {
    const std::vector<TextCase> strip = {
        {"000", 0, "0"}, {"", 0, "0"}, {"0010", 0, "10"}, {"A0", 0, "A0"}, {"0a", 0, "a"}};
    for (const auto& c : strip) {
        EXPECT_EQ(api().StripLeadingZeros(c.text), c.expected) << "'" << c.text << "'";
    }
    EXPECT_EQ(api().ReverseString("abc"), "cba");
    EXPECT_EQ(api().ReverseString(""), "");

    const std::vector<TextCase> clip = {
        {"101100101", 8, "1100101"},
        {"0001", 8, "1"},
        {"10", 5, "10"},
        {repeat('1', 70), 0, repeat('1', 64)},
        {repeat('1', 70), -3, repeat('1', 64)},
        {"", 4, "0"},
        {"1000", 3, "0"},
    };
    for (const auto& c : clip) {
        EXPECT_EQ(api().ClipToWordSize(c.text, c.n), c.expected) << c.text << " at " << c.n;
    }
    const std::vector<TextCase> append = {{"1", 3, "1000"}, {"1", 0, "1"}, {"1", -2, "1"}};
    for (const auto& c : append) {
        EXPECT_EQ(api().AppendZeros(c.text, c.n), c.expected) << c.text << " + " << c.n;
    }
    const std::vector<TextCase> prepend = {{"1", 2, "001"}, {"1", 0, "1"}, {"", 3, "000"}};
    for (const auto& c : prepend) {
        EXPECT_EQ(api().PrependZeros(c.text, c.n), c.expected) << c.n << " + " << c.text;
    }
}

TEST_P(EngineEdgeCases, IntPower) {
    struct Case {
        int base, exponent, expected;
    };
    const std::vector<Case> cases = {{2, 10, 1024},          {16, 0, 1},  {7, 1, 7}, {2, -1, 1},
                                     {10, 9, 1'000'000'000}, {-2, 3, -8}, {0, 0, 1}, {0, 5, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(api().IntPower(c.base, c.exponent), c.expected) << c.base << "^" << c.exponent;
    }
}

struct DecimalCase {
    const char* routine;
    std::string a;
    std::string b;
    Outcome expected;
};

Outcome callDecimal(const EngineApi& api, const DecimalCase& c) {
    const std::string_view r = c.routine;
    return capture([&]() -> std::string {
        if (r == "DecAdd") {
            return api.DecAdd(c.a, c.b);
        }
        if (r == "DecMulSmall") {
            return api.DecMulSmall(c.a, std::stoi(c.b));
        }
        if (r == "DecMul") {
            return api.DecMul(c.a, c.b);
        }
        if (r == "DecPowerOf16") {
            return api.DecPowerOf16(c.a);
        }
        if (r == "DecDivSmall") {
            auto [q, m] = api.DecDivSmall(c.a, std::stoi(c.b));
            return q + " r " + m;
        }
        if (r == "DecSub") {
            return api.DecSub(c.a, c.b);
        }
        if (r == "DecEqual") {
            return api.DecEqual(c.a, c.b) ? "true" : "false";
        }
        if (r == "DecGreater") {
            return api.DecGreater(c.a, c.b) ? "true" : "false";
        }
        if (r == "DecLess") {
            return api.DecLess(c.a, c.b) ? "true" : "false";
        }
        if (r == "DecFitCount") {
            return std::to_string(api.DecFitCount(c.a, c.b));
        }
        if (r == "DecDiv") {
            return api.DecDiv(c.a, c.b);
        }
        throw std::invalid_argument(c.routine);
    });
}

TEST_P(EngineEdgeCases, DecimalPrimitives) {
    const std::vector<DecimalCase> cases = {
        {"DecAdd", "999", "1", result("1000")},
        {"DecAdd", "007", "1", result("008")},
        {"DecAdd", "5", "95", result("100")},
        {"DecAdd", "0", "0", result("0")},
        {"DecMulSmall", "123", "0", result("000")},
        {"DecMulSmall", "99", "9", result("891")},
        {"DecMulSmall", "5", "2", result("10")},
        {"DecMul", "12", "12", result("144")},
        {"DecMul", "999", "999", result("998001")},
        {"DecMul", "65536", "16", result("1048576")},
        {"DecMul", kPow64, kPow64, result("340282366920938463463374607431768211456")},
        {"DecPowerOf16", "0", "", result("1")},
        {"DecPowerOf16", "1", "", result("16")},
        {"DecPowerOf16", "2", "", result("256")},
        {"DecPowerOf16", "3", "", result("4096")},
        {"DecPowerOf16", "4", "", result("65536")},
        {"DecPowerOf16", "15", "", result("1152921504606846976")},
        {"DecPowerOf16", "16", "", result(kPow64)},
        {"DecPowerOf16", "50", "", result(kPow200)},
        {"DecDivSmall", "4096", "16", result("256 r 0")},
        {"DecDivSmall", "15", "16", result("0 r 15")},
        {"DecDivSmall", "65535", "256", result("255 r 255")},
        {"DecDivSmall", "7", "2", result("3 r 1")},
        {"DecDivSmall", "0", "2", result("0 r 0")},
        {"DecDivSmall", "0010", "2", result("5 r 0")},
        {"DecSub", "100", "99", result("001")},
        {"DecSub", "1000", "1", result("0999")},
        {"DecSub", "5", "5", result("0")},
        {"DecSub", "42", "0", result("42")},
        {"DecEqual", "007", "7", result("true")},
        {"DecEqual", "0", "000", result("true")},
        {"DecEqual", "10", "01", result("false")},
        {"DecGreater", "10", "9", result("true")},
        {"DecGreater", "09", "10", result("false")},
        {"DecGreater", "7", "7", result("false")},
        {"DecGreater", "0123", "122", result("true")},
        {"DecGreater", "121", "122", result("false")},
        {"DecLess", "9", "10", result("true")},
        {"DecLess", "10", "010", result("false")},
        {"DecLess", "11", "10", result("false")},
        {"DecLess", "000", "1", result("true")},
        {"DecFitCount", "45", "7", result("6")},
        {"DecFitCount", "14", "7", result("2")},
        {"DecFitCount", "8", "7", result("1")},
        {"DecFitCount", "63", "7", result("9")},
        {"DecFitCount", "69", "7", result("9")},
        {"DecDiv", "7", "2", result("3")},
        {"DecDiv", "2", "7", result("0")},
        {"DecDiv", "7", "7", result("1")},
        {"DecDiv", "100", "7", result("14")},
        {"DecDiv", "0", "5", result("0")},
        {"DecDiv", "00300", "002", result("150")},
        {"DecDiv", "1000000", "1000", result("1000")},
        {"DecDiv", "340282366920938463463374607431768211456", kPow64, result(kPow64)},
        {"DecDiv", "5", "0", error("Division by zero!")},
        {"DecDiv", "5", "000", error("Division by zero!")},
        {"DecDiv", "0", "0", error("Division by zero!")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(callDecimal(api(), c), c.expected)
            << c.routine << "(" << c.a << ", " << c.b << ")";
    }
}

struct ConversionCase {
    const char* routine;
    std::string text;
    int ws;
    Outcome expected;
};

TEST_P(EngineEdgeCases, Conversions) {
    const std::vector<ConversionCase> cases = {
        {"HexToBin", "ff", 4, result("1111")},
        {"HexToBin", "100", 8, result("0")},
        {"HexToBin", "0000", 8, result("0")},
        {"HexToBin", "0a", 8, result("1010")},
        {"BinToHex", "11111", 64, result("1F")},
        {"BinToHex", "000011111", 64, result("1F")},
        {"DecToHex", "255", 8, result("FF")},
        {"DecToHex", "256", 8, result("0")},
        {"DecToHex", "0", 8, result("0")},
        {"DecToHex", "16", 0, result("10")},
        {"DecToHex", "0000255", 16, result("FF")},
        {"DecToHex", kPow200, 200, result("0")},
        {"DecToHex", kPow200, 201, result("1" + repeat('0', 50))},
        {"HexToDec", repeat('F', 16), 0, result(kMax64)},
        {"HexToDec", repeat('f', 17), 0, result(kMax64)},
        {"HexToDec", repeat('F', 17), -1, result(kMax64)},
        {"HexToDec", "1A", 8, result("26")},
        {"HexToDec", "1FF", 8, result("255")},
        {"HexToDec", repeat('F', 32), 128, result(kMax128)},
        {"HexToDec", repeat('F', 50), 200, result(kMax200)},
        {"HexToDec", "0", 8, result("0")},
        {"DecToBin", kPow64, 0, result("0")},
        {"DecToBin", "5", 2, result("1")},
        {"OctToHex", "777", 4, result("F")},
        {"HexToOct", "FF", 8, result("377")},
        {"BinToDec", "1111111111", 8, result("255")},
        {"OctToDec", "0017", 8, result("15")},
        {"DecToOct", "64", 8, result("100")},
        {"OctToBin", "777", 64, result("111111111")},
        {"BinToOct", "11111111", 8, result("377")},
        {"HexToBin", "12G", 8, error("'12G' is not a valid hexadecimal number!")},
        {"HexToDec", "0x1", 8, error("'0x1' is not a valid hexadecimal number!")},
        {"HexToOct", "", 8, error("'' is not a valid hexadecimal number!")},
        {"OctToBin", "8", 8, error("'8' is not a valid octal number!")},
        {"OctToDec", "019", 8, error("'019' is not a valid octal number!")},
        {"OctToHex", "7a", 8, error("'7a' is not a valid octal number!")},
        {"BinToHex", "2", 8, error("'2' is not a valid binary number!")},
        {"BinToOct", "10 1", 8, error("'10 1' is not a valid binary number!")},
        {"BinToDec", "1111111112", 4, error("'1111111112' is not a valid binary number!")},
        {"DecToHex", "1a", 8, error("'1a' is not a valid decimal number!")},
        {"DecToBin", "-1", 8, error("'-1' is not a valid decimal number!")},
        {"DecToOct", "1.5", 8, error("'1.5' is not a valid decimal number!")},
    };
    for (const auto& c : cases) {
        const Conversion f = api().conversion(c.routine);
        EXPECT_EQ(capture([&] { return f(c.text, c.ws); }), c.expected)
            << c.routine << "(" << c.text << ", " << c.ws << ")";
    }
}

struct BinaryCase {
    const char* routine;
    std::string first;
    std::string second;
    NumberBase base;
    int ws;
    Outcome expected;
};

void checkBinary(const EngineApi& api, const std::vector<BinaryCase>& cases) {
    for (const auto& c : cases) {
        const BinaryOp f = api.binaryOp(c.routine);
        EXPECT_EQ(capture([&] { return f(c.first, c.second, c.base, c.ws); }), c.expected)
            << c.routine << "(" << c.first << ", " << c.second << ") in " << baseName(c.base)
            << " at " << c.ws;
    }
}

TEST_P(EngineEdgeCases, Arithmetic) {
    checkBinary(api(), {
                           {"AddInBase", "FF", "1", kHex, 8, result("0")},
                           {"SubInBase", "0", "1", kHex, 8, result("FF")},
                           {"SubInBase", "5", "7", kDec, 4, result("14")},
                           {"SubInBase", "300", "1", kDec, 8, result("43")},
                           {"SubInBase", "0", "1", kDec, 200, result(kMax200)},
                           {"MulInBase", repeat('F', 16), repeat('F', 16), kHex, 0, result("1")},
                           {"MulInBase", "300", "2", kDec, 8, result("88")},
                           {"DivInBase", "7", "2", kDec, 64, result("3")},
                           {"DivInBase", "10", "3", kHex, 64, result("5")},
                           {"DivInBase", "2", "7", kDec, 64, result("0")},
                           {"DivInBase", "7", "7", kDec, 64, result("1")},
                           {"DivInBase", "300", "2", kDec, 8, result("150")},
                           {"DivInBase", "12C", "2", kHex, 8, result("16")},
                           {"DivInBase", "1000", "0002", kDec, 8, result("244")},
                           {"DivInBase", "5", "100", kHex, 8, error("Division by zero!")},
                           {"DivInBase", "5", "400", kOct, 8, error("Division by zero!")},
                           {"DivInBase", "1", "100000000", kBin, 8, error("Division by zero!")},
                           {"DivInBase", "5", "0", kDec, 8, error("Division by zero!")},
                           {"AddInBase", "0005", "0003", kDec, 64, result("8")},
                           {"AddInBase", "a", "b", kHex, 8, result("15")},
                           {"AddInBase", "11", "1", kBin, 1, result("0")},
                           {"AddInBase", "G", "H", kDec, 64, error(invalidIn("G"))},
                           {"AddInBase", "1", "H", kDec, 64, error(invalidIn("H"))},
                           {"SubInBase", "", "1", kHex, 8, error(invalidIn(""))},
                           {"MulInBase", "0x1F", "1", kHex, 8, error(invalidIn("0x1F"))},
                           {"DivInBase", "12", "0", kBin, 8, error(invalidIn("12"))},
                       });
}

struct UnaryCase {
    const char* routine;
    std::string x;
    NumberBase base;
    int ws;
    Outcome expected;
};

void checkUnary(const EngineApi& api, const std::vector<UnaryCase>& cases) {
    for (const auto& c : cases) {
        const UnaryOp f = api.unaryOp(c.routine);
        EXPECT_EQ(capture([&] { return f(c.x, c.base, c.ws); }), c.expected)
            << c.routine << "(" << c.x << ") in " << baseName(c.base) << " at " << c.ws;
    }
}

TEST_P(EngineEdgeCases, Negation) {
    std::vector<UnaryCase> cases = {
        {"NegInBase", "1", kHex, 8, result("FF")},
        {"NegInBase", "1", kBin, 1, result("1")},
        {"NegInBase", "1", kDec, 0, result(kMax64)},
        {"NegInBase", "100", kHex, 8, result("0")},
        {"NegInBase", "0001", kOct, 3, result("7")},
        {"NegInBase", "F", kDec, 8, error(invalidIn("F"))},
    };
    for (NumberBase base : kBases) {
        for (int ws : {1, 2, 7, 8, 63, 64, 0, 65, 128, 200}) {
            cases.push_back({"NegInBase", "0", base, ws, result("0")});
            cases.push_back({"NegInBase", "000", base, ws, result("0")});
        }
    }
    checkUnary(api(), cases);
}

TEST_P(EngineEdgeCases, Logic) {
    checkBinary(api(),
                {
                    {"AndInBase", "F0", "3C", kHex, 8, result("30")},
                    {"OrInBase", "F0", "3C", kHex, 8, result("FC")},
                    {"XorInBase", "F0", "3C", kHex, 8, result("CC")},
                    {"AndInBase", "5", "0", kHex, 8, result("0")},
                    {"XorInBase", "FF", "FF", kHex, 8, result("0")},
                    {"OrInBase", "f0", "0c", kHex, 8, result("FC")},
                    // In BIN over-long operands take part in full and the result is not reduced.
                    {"OrInBase", "10011", "100", kBin, 4, result("10111")},
                    {"AndInBase", "10011", "11111", kBin, 4, result("10011")},
                    {"XorInBase", "10000", "0", kBin, 4, result("10000")},
                    {"AndInBase", "0001", "1", kBin, 4, result("1")},
                    {"OrInBase", "1FF", "0", kHex, 8, result("FF")},
                    {"AndInBase", "300", "255", kDec, 8, result("44")},
                    {"OrInBase", "1", "Z", kHex, 8, error(invalidIn("Z"))},
                    {"XorInBase", "9", "9", kOct, 8, error(invalidIn("9"))},
                    {"AndInBase", "", "x", kDec, 8, error(invalidIn(""))},
                });
    checkUnary(api(), {
                          {"NotInBase", "0", kHex, 8, result("FF")},
                          {"NotInBase", "FF", kHex, 8, result("0")},
                          {"NotInBase", "0", kDec, 0, result(kMax64)},
                          {"NotInBase", "1", kBin, 1, result("0")},
                          {"NotInBase", "10011", kBin, 4, result("1100")},
                          {"NotInBase", "256", kDec, 8, result("255")},
                          {"NotInBase", "0", kOct, 200, result("3" + repeat('7', 66))},
                          {"NotInBase", "2", kBin, 8, error(invalidIn("2"))},
                      });
}

TEST_P(EngineEdgeCases, Shifts) {
    std::vector<UnaryCase> cases = {
        {"ShiftLeftInBase", "80", kHex, 8, result("0")},
        {"ShiftLeftInBase", "255", kDec, 8, result("254")},
        {"ShiftLeftInBase", "1", kBin, 1, result("0")},
        {"ShiftLeftInBase", "0007", kOct, 6, result("16")},
        {"ShiftLeftInBase", "12", kBin, 8, error(invalidIn("12"))},
        {"ShiftRightInBase", "1", kHex, 64, result("0")},
        {"ShiftRightInBase", "FF", kHex, 64, result("7F")},
        // In DEC the quotient is not reduced, so an over-long operand gives a long result.
        {"ShiftRightInBase", "1000", kDec, 8, result("500")},
        {"ShiftRightInBase", "1FF", kHex, 8, result("7F")},
        {"ShiftRightInBase", "0010", kDec, 8, result("5")},
        {"ArithShiftRightInBase", "80", kHex, 8, result("40")},
        {"ArithShiftRightInBase", "1", kBin, 64, result("0")},
        {"ArithShiftRightInBase", "10011", kBin, 4, result("1001")},
        {"ArithShiftRightInBase", "FF", kHex, 4, result("7")},
        {"ShiftLeftByteInBase", "FF", kHex, 16, result("FF00")},
        {"ShiftLeftByteInBase", "FF", kHex, 8, result("0")},
        {"ShiftRightByteInBase", "FF00", kHex, 16, result("FF")},
        {"ShiftRightByteInBase", "FF", kHex, 16, result("0")},
        {"ShiftRightByteInBase", "65536", kDec, 8, result("256")},
        {"ShiftRightByteInBase", "", kDec, 8, error(invalidIn(""))},
    };
    // At word size 4 a byte shift empties the whole field.
    for (const char* x : {"0", "1", "5", "8", "F", "f"}) {
        cases.push_back({"ShiftLeftByteInBase", x, kHex, 4, result("0")});
        cases.push_back({"ShiftRightByteInBase", x, kHex, 4, result("0")});
    }
    checkUnary(api(), cases);
}

TEST_P(EngineEdgeCases, Rotates) {
    checkUnary(api(),
               {
                   {"RotateLeftInBase", "80", kHex, 8, result("1")},
                   {"RotateRightInBase", "1", kHex, 8, result("80")},
                   {"RotateRightInBase", "0001", kHex, 8, result("80")},
                   {"RotateLeftInBase", "1", kBin, 1, result("1")},
                   {"RotateLeftByteInBase", "1234", kHex, 16, result("3412")},
                   {"RotateLeftByteInBase", "123", kHex, 12, result("312")},
                   {"RotateRightByteInBase", "123", kHex, 12, result("231")},
                   {"RotateLeftByteInBase", "5", kHex, 4, result("5")},
                   {"RotateRightByteInBase", "5", kHex, 4, result("5")},
                   // In BIN an over-long text is rotated as a whole before the low digits are kept.
                   {"RotateLeftInBase", "10011", kBin, 4, result("111")},
                   {"RotateRightInBase", "10110", kBin, 4, result("1011")},
                   {"RotateLeftByteInBase", "1000000001", kBin, 4, result("0")},
                   {"RotateLeftInBase", "", kHex, 8, error(invalidIn(""))},
                   {"RotateRightByteInBase", "8", kOct, 8, error(invalidIn("8"))},
               });
}

TEST_P(EngineEdgeCases, BitRoutines) {
    const std::vector<TextCase> invert = {
        {"1010", 0, "101"}, {"1111", 0, "0"}, {"0", 0, "1"}, {"0000", 0, "1111"}};
    for (const auto& c : invert) {
        EXPECT_EQ(api().InvertBits(c.text), c.expected) << c.text;
    }
    struct Case {
        const char* routine;
        std::string bits;
        int ws;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"DropLowBit", "1", 8, "0"},
        {"DropLowBit", "110", 8, "11"},
        {"DropLowBit", "111111111", 4, "1111"},
        {"DropLowBit", "10", 0, "1"},
        {"RotateBitsLeft", "1", 1, "1"},
        {"RotateBitsLeft", "10000000", 8, "1"},
        {"RotateBitsLeft", "1", 8, "10"},
        {"RotateBitsLeft", "10011", 4, "111"},
        {"RotateBitsRight", "1", 8, "10000000"},
        {"RotateBitsRight", "10110", 4, "1011"},
        {"RotateBitsRight", "1", 0, "1" + repeat('0', 63)},
        {"RotateBytesLeft", "101", 4, "101"},
        {"RotateBytesLeft", "1001000110100", 16, "11010000010010"},
        {"RotateBytesRight", "101", 4, "101"},
        {"RotateBytesRight", "100100011", 12, "1000110001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(api().bitRoutine(c.routine)(c.bits, c.ws), c.expected)
            << c.routine << "(" << c.bits << ", " << c.ws << ")";
    }
}

// Word size 0 stands for 64 everywhere: both must give the same outcome.
TEST_P(EngineEdgeCases, WordSizeZeroMeansSixtyFour) {
    const std::vector<std::string> texts = {"1", "FFFFFFFFFFFFFFFF", "1FFFFFFFFFFFFFFFF",
                                            "10000000000000000", "8000000000000000"};
    for (const auto& info : kConversions) {
        const Conversion f = api().conversion(info.name);
        for (const auto& t : texts) {
            EXPECT_EQ(capture([&] { return f(t, 0); }), capture([&] { return f(t, 64); }))
                << info.name << "(" << t << ")";
        }
    }
    for (NumberBase base : kBases) {
        for (std::size_t i = 0; i < kUnaryOps.size(); ++i) {
            for (const auto& t : texts) {
                const UnaryOp f = api().unaryOps[i];
                EXPECT_EQ(capture([&] { return f(t, base, 0); }),
                          capture([&] { return f(t, base, 64); }))
                    << kUnaryOps[i].name << "(" << t << ") in " << baseName(base);
            }
        }
        for (std::size_t i = 0; i < kBinaryOps.size(); ++i) {
            const BinaryOp f = api().binaryOps[i];
            EXPECT_EQ(capture([&] { return f(texts[1], texts[3], base, 0); }),
                      capture([&] { return f(texts[1], texts[3], base, 64); }))
                << kBinaryOps[i].name << " in " << baseName(base);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Both, EngineEdgeCases, ::testing::ValuesIn(bothEngines()),
                         [](const auto& info) { return std::string(info.param->name); });

} // namespace
} // namespace quarnel::enginetest
