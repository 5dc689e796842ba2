#pragma once

// The common frame of the operations whose result depends only on the operands'
// values modulo 2^ws: check, read into words, compute, write back.

#include "Failures.h"
#include "Radix.h"
#include "Word.h"

#include <string>
#include <string_view>

namespace quarnel::engine::detail {

template <typename Compute>
std::string onWords(std::string_view first, std::string_view second, NumberBase base, int ws,
                    Compute compute) {
    requireOperands(first, second, base);
    const int bits = effectiveWordSize(ws);
    return reportingOutOfMemory([&] {
        Word a = parseWord(first, base, bits);
        const Word b = parseWord(second, base, bits);
        compute(a, b);
        return formatWord(a, base);
    });
}

template <typename Compute>
std::string onWord(std::string_view x, NumberBase base, int ws, Compute compute) {
    requireOperand(x, base);
    const int bits = effectiveWordSize(ws);
    return reportingOutOfMemory([&] {
        Word a = parseWord(x, base, bits);
        compute(a);
        return formatWord(a, base);
    });
}

} // namespace quarnel::engine::detail
