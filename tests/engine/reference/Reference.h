#pragma once

// A plain, digit-by-digit transcription of the number engine's algorithms,
// kept deliberately slow and literal. The tests, the benchmarks and the fuzz
// harness compare the fast engine against it, so it must not share code with
// the fast engine: only the error type and the base codes are common.

#include "engine/EngineError.h"
#include "engine/NumberBase.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quarnel::reference {

using engine::EngineError;
using engine::NumberBase;
using Text = std::string_view;

bool IsValidNumber(Text text, NumberBase base);
std::string StripLeadingZeros(Text text);
std::string ReverseString(Text text);
std::string ClipToWordSize(Text bits, int ws);
std::string AppendZeros(Text text, int n);
std::string PrependZeros(Text text, int n);
std::int32_t IntPower(std::int32_t base, std::int32_t exponent);

std::string DecAdd(Text a, Text b);
std::string DecMulSmall(Text a, int f);
std::string DecMul(Text a, Text b);
std::string DecPowerOf16(Text n);
struct DecDivSmallResult {
    std::string quotient;
    std::string remainder;
};
DecDivSmallResult DecDivSmall(Text a, int d);
std::string DecSub(Text a, Text b);
bool DecEqual(Text a, Text b);
bool DecGreater(Text a, Text b);
bool DecLess(Text a, Text b);
int DecFitCount(Text part, Text b);
std::string DecDiv(Text a, Text b);

std::string HexToBin(Text hex, int ws);
std::string OctToBin(Text oct, int ws);
std::string BinToHex(Text bits, int ws);
std::string BinToOct(Text bits, int ws);
std::string DecToHex(Text dec, int ws);
std::string HexToDec(Text hex, int ws);
std::string DecToBin(Text dec, int ws);
std::string BinToDec(Text bits, int ws);
std::string DecToOct(Text dec, int ws);
std::string OctToDec(Text oct, int ws);
std::string OctToHex(Text oct, int ws);
std::string HexToOct(Text hex, int ws);

std::string AddInBase(Text first, Text second, NumberBase base, int ws);
std::string SubInBase(Text first, Text second, NumberBase base, int ws);
std::string MulInBase(Text first, Text second, NumberBase base, int ws);
std::string DivInBase(Text first, Text second, NumberBase base, int ws);
std::string NegInBase(Text x, NumberBase base, int ws);
std::string AndInBase(Text first, Text second, NumberBase base, int ws);
std::string OrInBase(Text first, Text second, NumberBase base, int ws);
std::string XorInBase(Text first, Text second, NumberBase base, int ws);
std::string NotInBase(Text x, NumberBase base, int ws);
std::string ShiftLeftInBase(Text x, NumberBase base, int ws);
std::string ShiftRightInBase(Text x, NumberBase base, int ws);
std::string ArithShiftRightInBase(Text x, NumberBase base, int ws);
std::string ShiftLeftByteInBase(Text x, NumberBase base, int ws);
std::string ShiftRightByteInBase(Text x, NumberBase base, int ws);
std::string RotateLeftInBase(Text x, NumberBase base, int ws);
std::string RotateRightInBase(Text x, NumberBase base, int ws);
std::string RotateLeftByteInBase(Text x, NumberBase base, int ws);
std::string RotateRightByteInBase(Text x, NumberBase base, int ws);

std::string InvertBits(Text bits);
std::string DropLowBit(Text bits, int ws);
std::string RotateBitsLeft(Text bits, int ws);
std::string RotateBitsRight(Text bits, int ws);
std::string RotateBytesLeft(Text bits, int ws);
std::string RotateBytesRight(Text bits, int ws);

// Throws EngineError with the message: the stand-in for the error box.
[[noreturn]] void fail(const std::string& message);

} // namespace quarnel::reference
