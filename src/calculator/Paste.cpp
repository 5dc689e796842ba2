#include "calculator/Paste.h"

#include "calculator/Calculator.h"
#include "engine/Engine.h"

#include <algorithm>
#include <array>

namespace quarnel::calculator {

namespace {

using engine::NumberBase;

// The byte length of the blank starting at `at` (ASCII blanks and the
// no-break and thin spaces that copied numbers often carry), or 0.
std::size_t blankLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    switch (byte(at)) {
    case ' ':
    case '\t':
    case '\v':
    case '\f':
        return 1;
    case 0xC2: // U+00A0 no-break space
        return byte(at + 1) == 0xA0 ? 2 : 0;
    case 0xE2: // U+2000..U+200A, U+202F: the typographic spaces
        if (byte(at + 1) == 0x80) {
            const unsigned third = byte(at + 2);
            return (third >= 0x80 && third <= 0x8A) || third == 0xAF ? 3 : 0;
        }
        return 0;
    default:
        return 0;
    }
}

std::size_t separatorLength(std::string_view text, std::size_t at) {
    if (text[at] == '_' || text[at] == '\'') {
        return 1;
    }
    return blankLength(text, at);
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size()) {
        const std::size_t length = blankLength(text, first);
        if (length == 0) {
            break;
        }
        first += length;
    }
    text.remove_prefix(first);
    // Blanks end in their last byte; trying each start from the end finds them.
    for (bool cut = true; cut && !text.empty();) {
        cut = false;
        for (std::size_t length = 1; length <= 3 && length <= text.size(); ++length) {
            if (blankLength(text, text.size() - length) == length) {
                text.remove_suffix(length);
                cut = true;
                break;
            }
        }
    }
    return text;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The line without the separators that stand between two digits; empty when
// a separator stands anywhere else.
std::optional<std::string> withoutDigitSeparators(std::string_view line) {
    std::string packed;
    packed.reserve(line.size());
    std::size_t at = 0;
    while (at < line.size()) {
        if (separatorLength(line, at) == 0) {
            packed += line[at++];
            continue;
        }
        std::size_t next = at;
        while (next < line.size()) {
            const std::size_t length = separatorLength(line, next);
            if (length == 0) {
                break;
            }
            next += length;
        }
        if (packed.empty() || !isHexDigit(packed.back()) || next == line.size() ||
            !isHexDigit(line[next])) {
            return std::nullopt;
        }
        at = next;
    }
    return packed;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithMarker(std::string_view text, char letter) {
    return text.size() >= 2 && text[0] == '0' && lower(text[1]) == letter;
}

// The base a prefix marks, taking the prefix off the text.
std::optional<NumberBase> takePrefix(std::string_view& text) {
    static constexpr std::array<std::pair<char, NumberBase>, 4> kPrefixes{{
        {'x', NumberBase::Hex},
        {'b', NumberBase::Bin},
        {'o', NumberBase::Oct},
        {'d', NumberBase::Dec},
    }};
    for (const auto& [letter, base] : kPrefixes) {
        if (startsWithMarker(text, letter)) {
            text.remove_prefix(2);
            return base;
        }
    }
    if (!text.empty() && text[0] == '$') {
        text.remove_prefix(1);
        return NumberBase::Hex;
    }
    return std::nullopt;
}

// Takes a C integer suffix off the text; false when what ends the text in
// u and l letters is no such suffix.
bool takeCSuffix(std::string_view& text) {
    std::size_t start = text.size();
    while (start > 0 && (lower(text[start - 1]) == 'u' || lower(text[start - 1]) == 'l')) {
        --start;
    }
    std::string suffix;
    for (char c : text.substr(start)) {
        suffix += lower(c);
    }
    static constexpr std::array<std::string_view, 8> kSuffixes{"",   "u",  "l",   "ll",
                                                               "ul", "lu", "ull", "llu"};
    if (std::ranges::find(kSuffixes, suffix) == kSuffixes.end()) {
        return false;
    }
    text.remove_suffix(text.size() - start);
    return true;
}

// The text shown in a message: control characters as '?', cut to 40
// characters (UTF-8 code points) with "..." when longer.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    constexpr std::size_t kKept = kShown - 3;
    std::string shown;
    std::size_t characters = 0;
    std::size_t keptBytes = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            ++characters;
            if (characters == kKept + 1) {
                keptBytes = shown.size();
            }
        }
        shown += byte == '\t' ? ' ' : (byte < 0x20 || byte == 0x7F) ? '?' : c;
    }
    if (characters > kShown) {
        shown.resize(keptBytes);
        shown += "...";
    }
    return '"' + shown + '"';
}

} // namespace

std::optional<std::string> readPastedNumber(std::string_view line, NumberBase base, int ws) {
    const std::optional<std::string> packed = withoutDigitSeparators(trimBlanks(line));
    if (!packed || packed->empty()) {
        return std::nullopt;
    }
    if (engine::IsValidNumber(*packed, base)) {
        return packed;
    }
    std::string_view text = *packed;
    const bool negative = text.starts_with('-');
    if (negative) {
        text.remove_prefix(1);
    }
    std::optional<NumberBase> marked = takePrefix(text);
    const std::size_t beforeSuffix = text.size();
    if (!takeCSuffix(text)) {
        return std::nullopt;
    }
    const bool cSuffix = text.size() != beforeSuffix;
    if (!marked && !cSuffix && (text.ends_with('h') || text.ends_with('H'))) {
        text.remove_suffix(1);
        marked = NumberBase::Hex;
    }
    const NumberBase from = marked.value_or(base);
    if (!engine::IsValidNumber(text, from)) {
        return std::nullopt;
    }
    std::string value = engine::ConvertBase(text, from, base, ws);
    if (negative) {
        value = engine::NegInBase(value, base, ws);
    }
    return value;
}

PastedText readPastedText(std::string_view text, NumberBase base, int ws) {
    PastedText reading;
    std::size_t lineNumber = 0;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n", at);
        const std::string_view line =
            trimBlanks(text.substr(at, end == std::string_view::npos ? end : end - at));
        ++lineNumber;
        if (!line.empty()) {
            ++reading.lineCount;
            if (!reading.unreadable) {
                if (std::optional<std::string> number = readPastedNumber(line, base, ws)) {
                    reading.numbers.push_back(std::move(*number));
                } else {
                    reading.unreadable = std::string(line);
                    reading.unreadableLine = lineNumber;
                    reading.numbers.clear();
                }
            }
        }
        if (end == std::string_view::npos) {
            break;
        }
        at = end + 1;
        if (text[end] == '\r' && at < text.size() && text[at] == '\n') {
            ++at;
        }
    }
    return reading;
}

std::string pasteRefusal(const PastedText& reading, NumberBase base) {
    const std::string what = quoted(reading.unreadable.value_or(std::string()));
    const std::string where = reading.lineCount > 1
                                  ? "line " + std::to_string(reading.unreadableLine) + ", " + what
                                  : what;
    return "Cannot paste " + where + ": it is neither a " +
           std::string(Calculator::baseName(base)) +
           " number nor a number marked 0x, $, 0b, 0o or 0d.";
}

std::optional<std::size_t> Calculator::paste(std::string_view text, std::size_t at,
                                             std::size_t replaced) {
    const PastedText reading = readPastedText(text, base_, wordSize_);
    if (reading.unreadable) {
        host().showMessage(pasteRefusal(reading, base_));
        return std::nullopt;
    }
    if (reading.numbers.empty()) {
        return std::nullopt;
    }
    at = std::min(at, input_.size());
    replaced = std::min(replaced, input_.size() - at);
    const std::string& first = reading.numbers.front();
    std::string line = input_.substr(0, at) + first + input_.substr(at + replaced);
    if (reading.numbers.size() == 1) {
        changeInput(std::move(line));
        return std::min(at + first.size(), input_.size());
    }
    // Several numbers: as if each line were typed and entered, the first where
    // the caret stands; the last stays in the line. One undo step for all.
    StackList before = stack_;
    for (std::size_t i = 0; i + 1 < reading.numbers.size(); ++i) {
        lastInput_ = engine::StripLeadingZeros(i == 0 ? line : reading.numbers[i]);
        pushLimited(stackEntry(lastInput_, operandText_[0]));
    }
    undoStack_ = std::move(before);
    undoForgotten_ = false;
    changeInput(reading.numbers.back());
    redrawStack();
    return input_.size();
}

// --- copy texts ------------------------------------------------------------------

std::optional<std::string> copyText(const Calculator& calculator) {
    if (!calculator.inputText().empty()) {
        return calculator.inputText();
    }
    if (calculator.stack().empty()) {
        return std::nullopt;
    }
    return calculator.normalizeEntry(calculator.stack().back());
}

bool canCopyAs(const Calculator& calculator) {
    const std::string& input = calculator.inputText();
    if (input.empty() && calculator.stack().empty()) {
        return false;
    }
    return engine::IsValidNumber(input.empty() ? calculator.stack().back() : input,
                                 calculator.currentBase());
}

std::string prefixedText(const Readout& value) {
    switch (value.base) {
    case NumberBase::Hex:
        return "0x" + value.hex;
    case NumberBase::Bin:
        return "0b" + value.bin;
    case NumberBase::Oct:
        return "0o" + value.oct;
    case NumberBase::Dec:
        break;
    }
    return value.dec;
}

bool hasCLiteral(int wordSize) {
    return wordSize <= 64;
}

std::optional<std::string> cLiteral(const Readout& value) {
    if (!hasCLiteral(value.wordSize)) {
        return std::nullopt;
    }
    return "0x" + value.hex + (value.wordSize <= 32 ? "u" : "ull");
}

std::string allBasesText(const Readout& value) {
    return "HEX: " + value.hex + "\nDEC: " + value.dec + "\nOCT: " + value.oct +
           "\nBIN: " + value.bin;
}

} // namespace quarnel::calculator
