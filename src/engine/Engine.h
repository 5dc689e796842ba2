#pragma once

// The number engine: every value is digit text in one of four bases, and every
// routine takes text (plus base code and word size) and returns new text.
// Results are normalised (no leading zeros, upper-case hex) and reduced modulo
// 2^ws unless a routine says otherwise. A bad operand throws EngineError.

#include "EngineError.h"
#include "NumberBase.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quarnel::engine {

// --- auxiliary routines -------------------------------------------------------
bool IsValidNumber(std::string_view text, NumberBase base);
std::string StripLeadingZeros(std::string_view text);
std::string ReverseString(std::string_view text);
std::string ClipToWordSize(std::string_view bits, int ws);
std::string AppendZeros(std::string_view text, int n);
std::string PrependZeros(std::string_view text, int n);
// Exponent 0 (or below) gives 1.
std::int32_t IntPower(std::int32_t base, std::int32_t exponent);

// --- decimal digit-string primitives (operands are decimal digit text) -------
std::string DecAdd(std::string_view a, std::string_view b);
std::string DecMulSmall(std::string_view a, int f);
std::string DecMul(std::string_view a, std::string_view b);
std::string DecPowerOf16(std::string_view n);
struct DecDivSmallResult {
    std::string quotient;
    std::string remainder;
};
DecDivSmallResult DecDivSmall(std::string_view a, int d);
std::string DecSub(std::string_view a, std::string_view b); // a >= b
bool DecEqual(std::string_view a, std::string_view b);
bool DecGreater(std::string_view a, std::string_view b);
bool DecLess(std::string_view a, std::string_view b);
int DecFitCount(std::string_view part, std::string_view b); // part > b > 0
std::string DecDiv(std::string_view a, std::string_view b);

// --- conversions: (text, ws) -> normalised text in the target base ------------
// Any base to any base (the same one reduces and normalises); the named
// conversions below are this one.
std::string ConvertBase(std::string_view text, NumberBase from, NumberBase to, int ws);
std::string HexToBin(std::string_view hex, int ws);
std::string OctToBin(std::string_view oct, int ws);
std::string BinToHex(std::string_view bits, int ws);
std::string BinToOct(std::string_view bits, int ws);
std::string DecToHex(std::string_view dec, int ws);
std::string HexToDec(std::string_view hex, int ws);
std::string DecToBin(std::string_view dec, int ws);
std::string BinToDec(std::string_view bits, int ws);
std::string DecToOct(std::string_view dec, int ws);
std::string OctToDec(std::string_view oct, int ws);
std::string OctToHex(std::string_view oct, int ws);
std::string HexToOct(std::string_view hex, int ws);

// --- arithmetic in the current base ------------------------------------------
std::string AddInBase(std::string_view first, std::string_view second, NumberBase base, int ws);
std::string SubInBase(std::string_view first, std::string_view second, NumberBase base, int ws);
std::string MulInBase(std::string_view first, std::string_view second, NumberBase base, int ws);
std::string DivInBase(std::string_view first, std::string_view second, NumberBase base, int ws);
std::string NegInBase(std::string_view x, NumberBase base, int ws);

// --- logic, shifts and rotates -----------------------------------------------
std::string AndInBase(std::string_view first, std::string_view second, NumberBase base, int ws);
std::string OrInBase(std::string_view first, std::string_view second, NumberBase base, int ws);
std::string XorInBase(std::string_view first, std::string_view second, NumberBase base, int ws);
std::string NotInBase(std::string_view x, NumberBase base, int ws);
std::string ShiftLeftInBase(std::string_view x, NumberBase base, int ws);
std::string ShiftRightInBase(std::string_view x, NumberBase base, int ws);
std::string ArithShiftRightInBase(std::string_view x, NumberBase base, int ws);
std::string ShiftLeftByteInBase(std::string_view x, NumberBase base, int ws);
std::string ShiftRightByteInBase(std::string_view x, NumberBase base, int ws);
std::string RotateLeftInBase(std::string_view x, NumberBase base, int ws);
std::string RotateRightInBase(std::string_view x, NumberBase base, int ws);
std::string RotateLeftByteInBase(std::string_view x, NumberBase base, int ws);
std::string RotateRightByteInBase(std::string_view x, NumberBase base, int ws);

// --- bit routines on a BitString ---------------------------------------------
std::string InvertBits(std::string_view bits);
std::string DropLowBit(std::string_view bits, int ws);
std::string RotateBitsLeft(std::string_view bits, int ws);
std::string RotateBitsRight(std::string_view bits, int ws);
std::string RotateBytesLeft(std::string_view bits, int ws);
std::string RotateBytesRight(std::string_view bits, int ws);

} // namespace quarnel::engine
