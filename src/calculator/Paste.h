#pragma once

// Text that reaches the input line at once (pasted, dropped, the X11 primary
// selection) is read as a whole, unlike typing, which is validated character
// by character. A line of such text is a number when, after dropping blanks
// around it and blanks, underscores and apostrophes between its digits, it is
// a number of the current base as it stands, or it is one of
//
//   [-] (0x | 0X | $) hex digits [C suffix]     [-] hex digits (h | H)
//   [-] (0b | 0B) binary digits [C suffix]      [-] (0o | 0O) octal digits [C suffix]
//   [-] (0d | 0D) decimal digits [C suffix]     [-] digits of the current base [C suffix]
//
// where a C suffix is u, l, ll, ul, lu, ull or llu in any case. A marked number
// is converted into the current base at the word size; a leading "-" gives its
// two's complement at the word size, as NEG does.

#include "calculator/Readout.h"
#include "engine/NumberBase.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::calculator {

class Calculator;

// One pasted line read as a number of `base`: the text as it stands when it
// is one already (digits of either case, not reduced), else the marked number
// converted and reduced to `ws` bits. Empty when the line is not a number.
std::optional<std::string> readPastedNumber(std::string_view line, engine::NumberBase base, int ws);

// A whole pasted text, one number a line; blank lines are passed over.
struct PastedText {
    std::vector<std::string> numbers; // empty for a text of blanks only
    // The first line that is not a number (blanks around it dropped), and its
    // line number counted from 1; numbers is then empty.
    std::optional<std::string> unreadable;
    std::size_t unreadableLine = 0;
    std::size_t lineCount = 0; // lines that are not blank
};

PastedText readPastedText(std::string_view text, engine::NumberBase base, int ws);

// What the user is told about a text that could not be read; the line is
// quoted, shortened when long, control characters shown as '?'.
std::string pasteRefusal(const PastedText& reading, engine::NumberBase base);

// --- the texts Copy and Copy As put on the clipboard -------------------------

// Copy: the input line's text while it holds text, else level 1 whole (not
// cut like the display), reduced to the word size in the current base.
// Empty when there is neither. Throws engine::EngineError when level 1 is not
// a number of the base.
std::optional<std::string> copyText(const Calculator& calculator);

// Copy As has a value to give: the input line, or else level 1, is a number
// of the current base.
bool canCopyAs(const Calculator& calculator);

// The value with its base's prefix: 0x..., 0b..., 0o..., decimal bare.
std::string prefixedText(const Readout& value);

// The value as a C literal: 0x...u for word sizes up to 32 bits, 0x...ull up
// to 64. Empty above 64 bits, where C has no such literal.
std::optional<std::string> cLiteral(const Readout& value);
bool hasCLiteral(int wordSize);

// "HEX: ...", "DEC: ...", "OCT: ...", "BIN: ...", one a line.
std::string allBasesText(const Readout& value);

} // namespace quarnel::calculator
