#pragma once

// The engine's error reports, each thrown through ShowEngineError.

#include "engine/EngineError.h"
#include "engine/NumberBase.h"

#include <new>
#include <string_view>

namespace quarnel::engine::detail {

// An operand of an operation that is not number text in the current base.
[[noreturn]] void failInvalidOperand(std::string_view text);
// The input of a conversion, worded after its source base.
[[noreturn]] void failInvalidInBase(std::string_view text, NumberBase base);
[[noreturn]] void failDivisionByZero();
[[noreturn]] void failOutOfMemory();
// A count the operation cannot use (InvalidArgumentError).
[[noreturn]] void failInvalidArgument();

void requireOperand(std::string_view text, NumberBase base);
// The first operand is checked first; only one of them is ever reported.
void requireOperands(std::string_view first, std::string_view second, NumberBase base);
void requireInBase(std::string_view text, NumberBase base);

// Runs the work and turns exhausted memory into the engine's own report.
template <typename Work> auto reportingOutOfMemory(Work&& work) -> decltype(work()) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        failOutOfMemory();
    }
}

} // namespace quarnel::engine::detail
