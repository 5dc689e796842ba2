#include "LongTextBench.h"

#include "Operands.h"

#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quarnel::bench {

namespace {

using engine::NumberBase;

constexpr std::size_t kLongDigits = 32'767;

const char* baseName(NumberBase base) {
    switch (base) {
    case NumberBase::Hex:
        return "HEX";
    case NumberBase::Oct:
        return "OCT";
    case NumberBase::Bin:
        return "BIN";
    case NumberBase::Dec:
        break;
    }
    return "DEC";
}

using Binary = std::string (*)(std::string_view, std::string_view, NumberBase, int);
using Unary = std::string (*)(std::string_view, NumberBase, int);
using Conversion = std::string (*)(std::string_view, int);

struct NamedBinary {
    const char* name;
    Binary fn;
};
struct NamedUnary {
    const char* name;
    Unary fn;
};
struct NamedConversion {
    const char* name;
    NumberBase source;
    Conversion fn;
};

constexpr NamedBinary kBinary[] = {
    {"AddInBase", engine::AddInBase}, {"SubInBase", engine::SubInBase},
    {"MulInBase", engine::MulInBase}, {"DivInBase", engine::DivInBase},
    {"AndInBase", engine::AndInBase}, {"OrInBase", engine::OrInBase},
    {"XorInBase", engine::XorInBase},
};

constexpr NamedUnary kUnary[] = {
    {"NegInBase", engine::NegInBase},
    {"NotInBase", engine::NotInBase},
    {"ShiftLeftInBase", engine::ShiftLeftInBase},
    {"ShiftRightInBase", engine::ShiftRightInBase},
    {"ArithShiftRightInBase", engine::ArithShiftRightInBase},
    {"ShiftLeftByteInBase", engine::ShiftLeftByteInBase},
    {"ShiftRightByteInBase", engine::ShiftRightByteInBase},
    {"RotateLeftInBase", engine::RotateLeftInBase},
    {"RotateRightInBase", engine::RotateRightInBase},
    {"RotateLeftByteInBase", engine::RotateLeftByteInBase},
    {"RotateRightByteInBase", engine::RotateRightByteInBase},
};

constexpr NamedConversion kConversions[] = {
    {"HexToBin", NumberBase::Hex, engine::HexToBin},
    {"OctToBin", NumberBase::Oct, engine::OctToBin},
    {"BinToHex", NumberBase::Bin, engine::BinToHex},
    {"BinToOct", NumberBase::Bin, engine::BinToOct},
    {"DecToHex", NumberBase::Dec, engine::DecToHex},
    {"HexToDec", NumberBase::Hex, engine::HexToDec},
    {"DecToBin", NumberBase::Dec, engine::DecToBin},
    {"BinToDec", NumberBase::Bin, engine::BinToDec},
    {"DecToOct", NumberBase::Dec, engine::DecToOct},
    {"OctToDec", NumberBase::Oct, engine::OctToDec},
    {"OctToHex", NumberBase::Oct, engine::OctToHex},
    {"HexToOct", NumberBase::Hex, engine::HexToOct},
};

void add(const std::string& name, std::function<std::string()> work) {
    benchmark::RegisterBenchmark(name.c_str(), [work = std::move(work)](benchmark::State& state) {
        for (auto _ : state) {
            std::string r = work();
            benchmark::DoNotOptimize(r);
        }
    })->Unit(benchmark::kMicrosecond);
}

// The display's reduction of an entry: to binary and back in its own base.
std::string reduceForDisplay(std::string_view text, NumberBase base, int ws) {
    switch (base) {
    case NumberBase::Hex:
        return engine::BinToHex(engine::HexToBin(text, ws), ws);
    case NumberBase::Oct:
        return engine::BinToOct(engine::OctToBin(text, ws), ws);
    case NumberBase::Bin:
        return engine::ClipToWordSize(text, ws);
    case NumberBase::Dec:
        break;
    }
    return engine::BinToDec(engine::DecToBin(text, ws), ws);
}

} // namespace

void registerLongTextBenchmarks() {
    constexpr int ws = 128;
    for (NumberBase base : {NumberBase::Hex, NumberBase::Oct, NumberBase::Bin, NumberBase::Dec}) {
        const auto first = std::make_shared<std::string>(randomDigits(base, kLongDigits, 3));
        const auto second = std::make_shared<std::string>(randomDigits(base, kLongDigits, 5));
        const auto half = std::make_shared<std::string>(randomDigits(base, kLongDigits / 2, 7));
        const std::string prefix = std::string("long/");
        const std::string suffix = std::string("/") + baseName(base) + "/32767/128";
        for (const NamedBinary& op : kBinary) {
            add(prefix + op.name + suffix, [=] { return op.fn(*first, *second, base, ws); });
        }
        // A long quotient: the hardest case for DEC, whose operands count in full.
        add(prefix + "DivInBase-halfDivisor" + suffix,
            [=] { return engine::DivInBase(*first, *half, base, ws); });
        for (const NamedUnary& op : kUnary) {
            add(prefix + op.name + suffix, [=] { return op.fn(*first, base, ws); });
        }
        for (const NamedConversion& conv : kConversions) {
            if (conv.source == base) {
                add(prefix + conv.name + suffix, [=] { return conv.fn(*first, ws); });
            }
        }
    }
    // DEC DIV, SR and SRB divide the full value: their growth with the length.
    for (std::size_t length : {std::size_t{1'000}, std::size_t{100'000}, std::size_t{1'000'000}}) {
        const auto dividend =
            std::make_shared<std::string>(randomDigits(NumberBase::Dec, length, 17));
        const auto divisor =
            std::make_shared<std::string>(randomDigits(NumberBase::Dec, length / 2, 19));
        const std::string suffix = "/DEC/" + std::to_string(length) + "/128";
        add("growth/DivInBase-halfDivisor" + suffix,
            [=] { return engine::DivInBase(*dividend, *divisor, NumberBase::Dec, 128); });
        add("growth/ShiftRightInBase" + suffix,
            [=] { return engine::ShiftRightInBase(*dividend, NumberBase::Dec, 128); });
        add("growth/ShiftRightByteInBase" + suffix,
            [=] { return engine::ShiftRightByteInBase(*dividend, NumberBase::Dec, 128); });
    }
    for (std::size_t length : {std::size_t{100'000}, std::size_t{1'000'000}}) {
        for (int size : {64, 128}) {
            for (NumberBase base :
                 {NumberBase::Hex, NumberBase::Oct, NumberBase::Bin, NumberBase::Dec}) {
                const auto text = std::make_shared<std::string>(randomDigits(base, length, 13));
                add(std::string("reduce/") + baseName(base) + "/" + std::to_string(length) + "/" +
                        std::to_string(size),
                    [=] { return reduceForDisplay(*text, base, size); });
            }
        }
    }
}

} // namespace quarnel::bench
