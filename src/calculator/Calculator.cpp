#include "calculator/Calculator.h"

#include "engine/Engine.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <iterator>

namespace quarnel::calculator {

namespace {

// Stands in until a front end registers itself.
class NullHost final : public CalculatorHost {
  public:
    void showMessage(const std::string&) override {}
    void focusInput() override {}
};

NullHost nullHost;

} // namespace

Calculator::Calculator(CalculatorHost* host) : host_(host) {
    showBase(base_);
}

void Calculator::setHost(CalculatorHost* host) {
    host_ = host;
}

CalculatorHost& Calculator::host() {
    return host_ != nullptr ? *host_ : nullHost;
}

// --- the one way in for commands ------------------------------------------------

// The undo copy of a command that takes one: the stack as it was before the
// command, kept as Undo Last's copy when the command changed the stack (also
// when a failure ends it afterwards), unless the command said that nothing
// before it can be undone.
class Calculator::UndoCopy {
  public:
    explicit UndoCopy(Calculator& calculator)
        : calculator_(calculator), before_(calculator.stack_) {
        calculator_.undoForgotten_ = false;
    }
    UndoCopy(const UndoCopy&) = delete;
    UndoCopy& operator=(const UndoCopy&) = delete;
    ~UndoCopy() {
        if (!calculator_.undoForgotten_ && calculator_.stack_.stamp() != before_.stamp()) {
            calculator_.undoStack_ = std::move(before_);
        }
    }

  private:
    Calculator& calculator_;
    StackList before_;
};

void Calculator::run(Command command) {
    const CommandRow& row = commandRow(command);
    if (row.needs.idleWhileError && errorPending_) {
        return;
    }
    if (!hasWhatItNeeds(row.needs)) {
        return;
    }
    if (!row.undo) {
        (this->*row.run)();
        return;
    }
    const UndoCopy copy(*this);
    (this->*row.run)();
}

bool Calculator::hasWhatItNeeds(const Needs& needs) {
    const std::size_t available = stack_.size() + (!needs.stackOnly && !input_.empty() ? 1 : 0);
    if (available >= needs.levels) {
        return true;
    }
    reportError(ErrorCode::TooFewArguments);
    if (!needs.keepFocusOnError) {
        focusInput();
    }
    return false;
}

// --- display ------------------------------------------------------------------

void Calculator::reportError(ErrorCode code) {
    errorPending_ = true;
    ++displayRevision_;
    DrawnLines& shown = drawn_[current_];
    shown.lines[0] = errorText(code);
    shown.lines[1] = kPressClearText;
    shown.valid[0] = false;
    shown.valid[1] = false;
}

void Calculator::focusInput() {
    host().focusInput();
}

namespace {

// True when the text is already what reducing it would give: digits of the
// base (upper-case hex), no leading zero, and too short to exceed the word
// size. Entries pushed by ENT or made by the engine nearly always are, so the
// listing of a deep stack does not convert every entry twice.
// Per character, one bit for each base in which it is a digit as the engine
// writes it (hex in upper case).
constexpr std::array<std::uint8_t, 256> kNormalDigits = [] {
    std::array<std::uint8_t, 256> table{};
    const auto mark = [&table](char first, char last, NumberBase base) {
        for (char c = first; c <= last; ++c) {
            table[static_cast<unsigned char>(c)] |= std::uint8_t(1u << static_cast<unsigned>(base));
        }
    };
    mark('0', '1', NumberBase::Bin);
    mark('0', '7', NumberBase::Oct);
    mark('0', '9', NumberBase::Dec);
    mark('0', '9', NumberBase::Hex);
    mark('A', 'F', NumberBase::Hex);
    return table;
}();

// `digitsChecked` says every character is known to be a digit of the base.
bool alreadyNormal(std::string_view text, NumberBase base, int ws, bool digitsChecked = false) {
    if (text.empty() || (text[0] == '0' && text.size() > 1)) {
        return false;
    }
    const auto length = static_cast<long long>(text.size());
    const auto bits = static_cast<long long>(ws);
    switch (base) {
    case NumberBase::Hex:
        if (length * 4 > bits) {
            return false;
        }
        break;
    case NumberBase::Oct:
        if (length * 3 > bits) {
            return false;
        }
        break;
    case NumberBase::Bin:
        if (length > bits) {
            return false;
        }
        break;
    case NumberBase::Dec:
        // 10^n <= 2^ws whenever 10n <= 3ws.
        if (length * 10 > bits * 3) {
            return false;
        }
        break;
    }
    if (digitsChecked) {
        return true;
    }
    // No early exit: the text is short, and a loop without one is faster.
    const std::uint8_t bit = std::uint8_t(1u << static_cast<unsigned>(base));
    std::uint8_t all = bit;
    for (const char c : text) {
        all &= kNormalDigits[static_cast<unsigned char>(c)];
    }
    return all != 0;
}

// True when the entry is packed as digits that all belong to the base.
bool packedInBase(const StackEntry& entry, NumberBase base) {
    const unsigned bits = entry.packedDigitBits();
    switch (base) {
    case NumberBase::Hex:
        return bits != 0;
    case NumberBase::Dec:
    case NumberBase::Oct:
        return bits == 1 || bits == 3;
    case NumberBase::Bin:
        return bits == 1;
    }
    return false;
}

} // namespace

std::string normalizedEntry(std::string_view text, NumberBase base, int wordSize) {
    if (alreadyNormal(text, base, wordSize)) {
        return std::string(text);
    }
    // Binary entries are only cut to the word size.
    if (base == NumberBase::Bin) {
        return engine::ClipToWordSize(text, wordSize);
    }
    return engine::ConvertBase(text, base, base, wordSize);
}

void Calculator::normalizeEntryIn(std::string& text) const {
    if (!alreadyNormal(text, base_, wordSize_)) {
        text = normalizedEntry(text, base_, wordSize_);
    }
}

std::string Calculator::normalizeEntry(std::string_view text) const {
    return normalizedEntry(text, base_, wordSize_);
}

std::string Calculator::formatEntry(std::string_view text) const {
    std::string shown = normalizeEntry(text);
    if (shown.size() > kDisplayWidth) {
        shown.resize(kDisplayWidth);
        shown += "...";
    }
    return shown;
}

void Calculator::redrawStack() {
    // Line 1 (top) shows level 5, line 5 (bottom) level 1. Lines are written
    // top to bottom, so an entry the engine refuses stops the redraw there.
    ++displayRevision_;
    if (drawnBase_ != base_ || drawnWordSize_ != wordSize_) {
        drawn_[current_].valid = {};
        drawnBase_ = base_;
        drawnWordSize_ = wordSize_;
    }
    const DrawnLines& before = drawn_[current_];
    current_ ^= 1;
    std::string& entry = operandText_[0]; // one buffer for the shown entries
    std::size_t line = 0;
    try {
        for (; line < kDisplayLines; ++line) {
            drawLine(line, before, entry);
        }
    } catch (...) {
        // The lines from the refused one on stay as they were.
        DrawnLines& now = drawn_[current_];
        for (; line < kDisplayLines; ++line) {
            now.lines[line] = before.lines[line];
            now.entries[line] = before.entries[line];
            now.valid[line] = before.valid[line];
        }
        throw;
    }
}

void Calculator::drawLine(std::size_t line, const DrawnLines& before, std::string& entry) {
    const std::size_t count = stack_.size();
    const std::size_t level = kDisplayLines - line;
    DrawnLines& now = drawn_[current_];
    std::string& shown = now.lines[line];
    now.valid[line] = false;
    if (level > count) {
        shown.clear();
        return;
    }
    const StackEntry& drawn = stack_.entry(count - level);
    // A push moves every entry a line up and an operation on two entries a
    // line down: those places are looked at first.
    std::size_t same = kDisplayLines;
    for (const std::size_t at : {line + 1, line - 1, line, line + 2, line - 2, line + 3, line - 3,
                                 line + 4, line - 4}) {
        if (at < kDisplayLines && before.valid[at] && before.entries[at] == drawn) {
            same = at;
            break;
        }
    }
    if (same != kDisplayLines) {
        shown.assign(before.lines[same]);
    } else {
        // formatEntry, but an entry already in normal form (the common case)
        // is copied into the line's own buffer.
        drawn.copyTo(entry);
        if (alreadyNormal(entry, base_, wordSize_, packedInBase(drawn, base_))) {
            shown.assign(entry);
        } else {
            shown = normalizeEntry(entry);
        }
        if (shown.size() > kDisplayWidth) {
            shown.resize(kDisplayWidth);
            shown += "...";
        }
    }
    now.entries[line] = drawn;
    now.valid[line] = true;
}

void Calculator::forgetUndo() {
    undoStack_ = stack_;
    undoForgotten_ = true;
}

void Calculator::updateDisplay() {
    redrawStack();
    focusInput();
}

// --- input line ---------------------------------------------------------------

void Calculator::changeInput(std::string text) {
    if (text == input_) {
        return;
    }
    input_ = std::move(text);
    inputChecked_ = 0;
    inputEditChange();
}

void Calculator::inputEditChange() {
    if (skipInputCheck_) {
        skipInputCheck_ = false;
        return;
    }
    if (!input_.empty() && !engine::IsValidNumber(input_, base_)) {
        // Removing the last character until the rest is valid leaves exactly
        // the text before the first invalid character; find it in one pass.
        const auto firstInvalid = std::find_if(input_.begin(), input_.end(), [this](char c) {
            return !engine::IsValidNumber(std::string_view(&c, 1), base_);
        });
        input_.erase(firstInvalid, input_.end());
    }
    inputChecked_ = input_.size();
    inputCheckedBase_ = base_;
}

void Calculator::setInputText(std::string_view text) {
    changeInput(std::string(text));
}

void Calculator::typeText(std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (skipInputCheck_) {
        // The check this change would run is skipped, and only this one.
        skipInputCheck_ = false;
        input_ += text.front();
        text.remove_prefix(1);
        if (text.empty()) {
            return;
        }
    }
    const auto isDigit = [this](char c) {
        return engine::IsValidNumber(std::string_view(&c, 1), base_);
    };
    if (inputCheckedBase_ != base_) {
        inputChecked_ = 0;
        inputCheckedBase_ = base_;
    }
    const auto firstInvalid = std::find_if_not(
        input_.begin() + static_cast<std::ptrdiff_t>(inputChecked_), input_.end(), isDigit);
    if (firstInvalid != input_.end()) {
        // The next character's check cuts the line before its first invalid
        // character, and that character goes with it.
        input_.erase(firstInvalid, input_.end());
        text.remove_prefix(1);
    }
    // From here the line is valid, so each character either stays (a digit)
    // or is removed again at once.
    if (engine::IsValidNumber(text, base_)) {
        input_ += text;
    } else {
        std::copy_if(text.begin(), text.end(), std::back_inserter(input_), isDigit);
    }
    inputChecked_ = input_.size();
}

void Calculator::digit(int value) {
    if (!digitEnabled(value)) {
        return;
    }
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    lastInput_ = input_;
    changeInput(input_ + kDigits[static_cast<std::size_t>(value)]);
    focusInput();
}

bool Calculator::digitEnabled(int value) const {
    return value >= 0 && value < 16 && digitEnabled_[static_cast<std::size_t>(value)];
}

// --- ENT ----------------------------------------------------------------------

void Calculator::enter() {
    enterCommand();
}

void Calculator::pushLimited(std::string_view entry) {
    if (maxStackDepth_ != 0 && stack_.size() == static_cast<std::size_t>(maxStackDepth_)) {
        stack_.eraseFront(1);
    }
    stack_.push_back(entry);
}

std::string_view Calculator::stackEntry(std::string_view text, std::string& buffer) {
    // Entered text holds digits only, so only a to f change.
    buffer.assign(text);
    for (char& c : buffer) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return buffer;
}

void Calculator::enterCommand() {
    if (!input_.empty()) {
        if (input_.size() > 1 && input_[0] == '0') {
            changeInput(engine::StripLeadingZeros(input_));
        }
        lastInput_ = input_;
        pushLimited(stackEntry(input_, operandText_[0]));
        // The line is emptied before the redraw, so a redraw that fails on a
        // bad entry never leaves the pushed text standing in the line.
        changeInput(std::string());
        updateDisplay();
    } else {
        std::string top = stack_.back();
        pushLimited(std::move(top));
        updateDisplay();
    }
    focusInput();
}

// --- Undo Last, Restore Input ----------------------------------------------------

void Calculator::undoLast() {
    std::swap(stack_, undoStack_);
    updateDisplay();
}

void Calculator::restoreInput() {
    changeInput(lastInput_);
    focusInput();
}

// --- state entry ----------------------------------------------------------------

std::optional<int> Calculator::readCount(std::string_view text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value, 10);
    if (text.empty() || ec != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

void Calculator::loadBase(NumberBase base) {
    base_ = base;
    showBase(base_);
}

void Calculator::loadWordSize(int bits) {
    wordSize_ = limitWordSize(bits);
}

void Calculator::loadMaxStackDepth(int depth) {
    maxStackDepth_ = limitMaxStackDepth(depth);
}

void Calculator::loadStack(std::vector<std::string> entries) {
    stack_ = StackList::fromVector(std::move(entries));
    redrawStack();
}

void Calculator::replaceStack(std::vector<std::string> entries) {
    stack_ = StackList::fromVector(std::move(entries));
    undoStack_ = stack_;
    updateDisplay();
}

void Calculator::loadInputText(std::string text) {
    input_ = std::move(text);
    inputChecked_ = 0;
}

void Calculator::setStackNumbering(bool on) {
    stackNumbering_ = on;
}

} // namespace quarnel::calculator
