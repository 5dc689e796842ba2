#pragma once

// Pieces shared by the reference's source files; not part of its interface.

#include "engine/NumberBase.h"

#include <string>
#include <string_view>

namespace quarnel::reference::detail {

// Throws EngineError with the message; the reference's stand-in for the
// engine's error box, so it does not need the fast engine's library.
[[noreturn]] void fail(const std::string& message);

// "'<text>'" followed by the wording, the text exactly as received.
[[noreturn]] void failInvalid(std::string_view text, const char* wording);

// The operations' check of an operand in the current base.
void validateOperand(std::string_view text, engine::NumberBase base);

// The working forms of the operations and the way back, by base.
std::string toDecimal(std::string_view x, engine::NumberBase base, int ws);
std::string fromDecimal(std::string_view r, engine::NumberBase base, int ws);
std::string toBinary(std::string_view x, engine::NumberBase base, int ws);
std::string fromBinary(std::string_view r, engine::NumberBase base, int ws);

} // namespace quarnel::reference::detail
