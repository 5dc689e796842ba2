// +, -, *, DIV and NEG: on decimal digit strings whatever the base, reduced
// to the word size on the way back.

#include "Internal.h"
#include "Reference.h"

namespace quarnel::reference {

namespace {

using detail::fromDecimal;
using detail::toDecimal;

template <typename Compute>
std::string twoOperands(std::string_view first, std::string_view second, NumberBase base, int ws,
                        Compute compute) {
    detail::validateOperand(first, base);
    detail::validateOperand(second, base);
    ws = engine::effectiveWordSize(ws);
    const std::string a = toDecimal(StripLeadingZeros(first), base, ws);
    const std::string b = toDecimal(StripLeadingZeros(second), base, ws);
    return fromDecimal(compute(a, b, ws), base, ws);
}

} // namespace

std::string AddInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return twoOperands(
        first, second, base, ws,
        [](const std::string& a, const std::string& b, int) { return DecAdd(a, b); });
}

std::string SubInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return twoOperands(first, second, base, ws,
                       [](const std::string& a, const std::string& b, int size) {
                           std::string c = NotInBase(b, NumberBase::Dec, size);
                           c = DecAdd(c, "1");
                           return DecAdd(a, c);
                       });
}

std::string MulInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return twoOperands(
        first, second, base, ws,
        [](const std::string& a, const std::string& b, int) { return DecMul(a, b); });
}

std::string DivInBase(std::string_view first, std::string_view second, NumberBase base, int ws) {
    return twoOperands(
        first, second, base, ws,
        [](const std::string& a, const std::string& b, int) { return DecDiv(a, b); });
}

std::string NegInBase(std::string_view x, NumberBase base, int ws) {
    detail::validateOperand(x, base);
    ws = engine::effectiveWordSize(ws);
    const std::string d = toDecimal(StripLeadingZeros(x), base, ws);
    std::string c = NotInBase(d, NumberBase::Dec, ws);
    c = DecAdd(c, "1");
    return fromDecimal(c, base, ws);
}

} // namespace quarnel::reference
