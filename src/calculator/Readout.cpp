#include "calculator/Readout.h"

#include "calculator/Calculator.h"
#include "engine/Engine.h"

#include <algorithm>

namespace quarnel::calculator {

using engine::NumberBase;

Readout makeReadout(std::string_view text, NumberBase base, int ws) {
    Readout r;
    r.wordSize = ws;
    r.base = base;
    r.hex = engine::ConvertBase(text, base, NumberBase::Hex, ws);
    r.dec = engine::ConvertBase(text, base, NumberBase::Dec, ws);
    r.oct = engine::ConvertBase(text, base, NumberBase::Oct, ws);
    r.bin = engine::ConvertBase(text, base, NumberBase::Bin, ws);

    const bool zero = r.bin == "0";
    r.setBits = static_cast<int>(std::ranges::count(r.bin, '1'));
    r.leadingZeros = zero ? ws : ws - static_cast<int>(r.bin.size());
    const std::size_t lastOne = r.bin.find_last_of('1');
    r.trailingZeros = zero ? ws : static_cast<int>(r.bin.size() - 1 - lastOne);

    // The top bit of the word set: the value stands for value - 2^ws.
    const bool negative = !zero && r.leadingZeros == 0;
    r.signedDec = negative ? "-" + engine::NegInBase(r.dec, NumberBase::Dec, ws) : r.dec;
    return r;
}

std::optional<Readout> readoutOf(const Calculator& calculator) {
    const std::string& input = calculator.inputText();
    if (input.empty() && calculator.stack().empty()) {
        return std::nullopt;
    }
    const std::string text = input.empty() ? std::string(calculator.stack().back()) : input;
    try {
        return makeReadout(text, calculator.currentBase(), calculator.wordSize());
    } catch (const engine::EngineError&) {
        return std::nullopt;
    }
}

} // namespace quarnel::calculator
