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

// --- counted shifts and rotates, remainder, bit tools --------------------------
// Every operand, counts included, is number text in the base read reduced to
// the word size; the deepest stack level comes first. A count the operation
// cannot use throws InvalidArgumentError after the operands' text is checked.
// Shift `value` by `count` bits; a count of ws or more shifts everything out
// (ASR then leaves copies of the top bit).
std::string ShiftLeftNInBase(std::string_view value, std::string_view count, NumberBase base,
                             int ws);
std::string ShiftRightNInBase(std::string_view value, std::string_view count, NumberBase base,
                              int ws);
std::string ArithShiftRightNInBase(std::string_view value, std::string_view count, NumberBase base,
                                   int ws);
// Rotate by count mod ws.
std::string RotateLeftNInBase(std::string_view value, std::string_view count, NumberBase base,
                              int ws);
std::string RotateRightNInBase(std::string_view value, std::string_view count, NumberBase base,
                               int ws);
// Unsigned remainder; a divisor that is zero after reduction is an EngineError.
std::string ModInBase(std::string_view first, std::string_view second, NumberBase base, int ws);
std::string PopCountInBase(std::string_view x, NumberBase base, int ws);
// Zero bits above the highest set bit or below the lowest; ws for zero.
std::string CountLeadingZerosInBase(std::string_view x, NumberBase base, int ws);
std::string CountTrailingZerosInBase(std::string_view x, NumberBase base, int ws);
// The ws/8 bytes in reverse order; ws must be a multiple of 8.
std::string ByteSwapInBase(std::string_view x, NumberBase base, int ws);
std::string BitReverseInBase(std::string_view x, NumberBase base, int ws);
// Bit `bit` (0 the lowest, below ws) of value set, cleared or flipped; TestBit
// gives 1 or 0.
std::string SetBitInBase(std::string_view value, std::string_view bit, NumberBase base, int ws);
std::string ClearBitInBase(std::string_view value, std::string_view bit, NumberBase base, int ws);
std::string FlipBitInBase(std::string_view value, std::string_view bit, NumberBase base, int ws);
std::string TestBitInBase(std::string_view value, std::string_view bit, NumberBase base, int ws);
// The `count` highest or lowest bits of the word set (count at most ws).
std::string MaskLeftInBase(std::string_view count, NumberBase base, int ws);
std::string MaskRightInBase(std::string_view count, NumberBase base, int ws);
// Bit width-1 of value copied into every higher bit (width 1..ws).
std::string SignExtendInBase(std::string_view value, std::string_view width, NumberBase base,
                             int ws);
// The field of `width` bits from bit `start`, moved down to bit 0; start +
// width at most ws.
std::string FieldExtractInBase(std::string_view value, std::string_view start,
                               std::string_view width, NumberBase base, int ws);
// target with that field replaced by the low `width` bits of source.
std::string FieldDepositInBase(std::string_view target, std::string_view source,
                               std::string_view start, std::string_view width, NumberBase base,
                               int ws);

// --- bit routines on a BitString ---------------------------------------------
std::string InvertBits(std::string_view bits);
std::string DropLowBit(std::string_view bits, int ws);
std::string RotateBitsLeft(std::string_view bits, int ws);
std::string RotateBitsRight(std::string_view bits, int ws);
std::string RotateBytesLeft(std::string_view bits, int ws);
std::string RotateBytesRight(std::string_view bits, int ws);

} // namespace quarnel::engine
