#pragma once

// The one calculator state and every calculator command. A window (or the
// terminal front end) forwards each button, key and menu command to one method
// here and then redraws from the read-only state below.
//
// Errors: command errors (too few arguments, invalid argument, division by
// zero) are state: the error text stands in the display and ENT is disabled
// until CLR. Engine errors (a text that is not a number in its base, a
// division by zero after reduction, exhausted memory) leave the command as
// engine::EngineError at the point of the engine call; whatever the command had
// done before that point stays done. The front end catches it at its one
// dispatch point and shows the message.

#include "calculator/CalculatorHost.h"
#include "calculator/Command.h"
#include "calculator/Commands.h"
#include "calculator/Key.h"
#include "calculator/Limits.h"
#include "calculator/StackList.h"
#include "calculator/StackListing.h"
#include "engine/NumberBase.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::calculator {

using engine::NumberBase;

// Enabled state of the menus that StackView mode switches.
struct MenuStates {
    bool edit = true;            // "&Edit" (Undo Last, Restore Input)
    bool stack = true;           // "&Stack"
    bool options = true;         // "&Options"
    bool loadStack = true;       // File / "&Load Stack"
    bool saveStack = true;       // File / "&Save Stack"
    bool closeStackView = false; // File / "&Close StackView"
};

class Calculator {
  public:
    static constexpr int kDisplayLines = 5;
    static constexpr std::size_t kDisplayWidth = 55; // longer entries end in "..."

    explicit Calculator(CalculatorHost* host = nullptr);
    void setHost(CalculatorHost* host);

    // --- commands ----------------------------------------------------------
    // Runs one row of the command table: checks the entries it needs, takes
    // the undo copy when the row says so, and runs its function.
    void run(Command command);
    // A change of the input line made by the user (typing, pasting, deleting):
    // the line takes the text and then validates it (unless SkipInputCheck is
    // set, which only this change clears).
    void setInputText(std::string_view text);
    // Characters typed into the input line: the same as setInputText(
    // inputText() + c) for each character c in turn, in time linear in the
    // text however long the line.
    void typeText(std::string_view text);
    // A key pressed in the input line: runs the key's command from the keyboard
    // map. The front end then lets the key's character (keyBinding(key).typed)
    // reach the line as usual.
    void keyDown(Key key);
    // Text pasted into the input line at `at`, over the `replaced` characters
    // selected there (see Paste.h for what it reads). One number goes in
    // where the caret stands; of several, one a line, all but the last are
    // entered (the first with what stood around the caret) and the last stays
    // in the line, one step for Undo Last. A text that is not such numbers
    // leaves everything as it was and shows a message saying what could not
    // be read. Returns the caret after the pasted text, or nothing when
    // nothing changed.
    std::optional<std::size_t> paste(std::string_view text, std::size_t at = std::string::npos,
                                     std::size_t replaced = 0);
    // Flips bit `bit` (0 = least significant) of the value the readout shows:
    // the input line while it holds text (its old text goes to Restore
    // Input), else level 1 (one step that Undo Last takes back). Does nothing
    // for a bit outside the word, with nothing to flip, or while StackView is
    // shown.
    void flipShownBit(int bit);

    // --- read-only state for the front end ---------------------------------
    const std::array<std::string, kDisplayLines>& displayLines() const {
        return drawn_[current_].lines;
    }
    // Changes whenever the display lines may have changed.
    std::uint64_t displayRevision() const { return displayRevision_; }
    bool enterEnabled() const { return !errorPending_; }
    // "<HEX>" for the base in force, the plain name ("HEX") for the others.
    std::string baseCaption(NumberBase base) const;
    bool digitEnabled(int value) const;
    const std::string& inputText() const { return input_; }
    MenuStates menuStates() const;
    bool stackViewShown() const { return stackViewShown_; }
    // The StackView listing as last built (by VIEW or rebuildListing).
    const StackListing& listing() const { return listing_; }
    bool stackNumbering() const { return stackNumbering_; }
    const StackList& stack() const { return stack_; }
    int wordSize() const { return wordSize_; }
    NumberBase currentBase() const { return base_; }
    int maxStackDepth() const { return maxStackDepth_; }

    // --- display helpers (also used by printing) -----------------------------
    // One entry reduced to the word size in the current base, no leading zeros.
    std::string normalizeEntry(std::string_view text) const;
    // normalizeEntry in place: a text already in normal form is left as it is.
    void normalizeEntryIn(std::string& text) const;
    // normalizeEntry, cut to 55 characters followed by "..." when longer.
    std::string formatEntry(std::string_view text) const;
    // The listing lines of the whole stack, deepest first, with "n: " level
    // prefixes while numbering is on, formatted as they are read. Throws
    // EngineError when an entry is not a number in the base.
    StackListing buildListing() const;
    // Rebuilds listing() without changing the mode (a print job does this).
    void rebuildListing();

    // --- state entry for settings, backups and stack files ------------------------
    // Those that redraw set the state first; an entry that is not a number in
    // the base then makes the redraw throw EngineError, the state already set.
    // Sets the base without converting anything, then the captions and digit
    // buttons for it.
    void loadBase(NumberBase base);
    void loadWordSize(int bits);       // limited by limitWordSize
    void loadMaxStackDepth(int depth); // limited by limitMaxStackDepth
    // The stack backup at start: the entries as they are, UndoStack untouched.
    void loadStack(std::vector<std::string> entries);
    // Replaces the stack (Load Stack): Undo Last afterwards cannot bring back
    // the stack held before.
    void replaceStack(std::vector<std::string> entries);
    // Load Stack as a whole: switches to the file's base (converting the input
    // line like a base button), sets its word size (limited to 1..128), and
    // replaces the stack with the entries. When converting the input line
    // fails, nothing has changed.
    void loadStackFile(NumberBase base, int wordSize, std::vector<std::string> entries);
    // The input line's text as saved, taken without validation.
    void loadInputText(std::string text);
    void setStackNumbering(bool on);

    static std::string_view baseName(NumberBase base); // "HEX", "OCT", "BIN", "DEC"
    // The count of the counted commands: a signed 32-bit decimal integer,
    // whatever the base. Empty when the text is not one.
    static std::optional<int> readCount(std::string_view text);

    // The engine operations the operation rows run.
    using TwoOperands = std::string (*)(std::string_view, std::string_view, NumberBase, int);
    using OneOperand = std::string (*)(std::string_view, NumberBase, int);
    using ThreeOperands = std::string (*)(std::string_view, std::string_view, std::string_view,
                                          NumberBase, int);
    using FourOperands = std::string (*)(std::string_view, std::string_view, std::string_view,
                                         std::string_view, NumberBase, int);

  private:
    friend std::span<const CommandRow> commandTable();
    class UndoCopy;

    // --- the functions of the command table -----------------------------------
    template <int value> void digitButton() { digit(value); }
    void enter();
    template <TwoOperands op> void binary() { twoOperands(op); }
    void divide();
    template <OneOperand op> void unary() { oneOperand(op); }
    template <NumberBase base> void baseButton() { changeBase(base); }
    // The bit tools: operations whose counts the engine may refuse, shown as
    // "Invalid argument(s)".
    template <OneOperand op> void countedOne() {
        withOperands(1, [this](const Operands& v) { return op(v[0], base_, wordSize_); });
    }
    template <TwoOperands op> void counted() {
        withOperands(2, [this](const Operands& v) { return op(v[0], v[1], base_, wordSize_); });
    }
    template <ThreeOperands op> void countedThree() {
        withOperands(3,
                     [this](const Operands& v) { return op(v[0], v[1], v[2], base_, wordSize_); });
    }
    template <FourOperands op> void countedFour() {
        withOperands(
            4, [this](const Operands& v) { return op(v[0], v[1], v[2], v[3], base_, wordSize_); });
    }
    void modulo();         // MOD
    void setWordSize();    // STWS
    void recallWordSize(); // RCWS
    void drop();
    void dup();
    void swap();
    void del();
    void clear();
    void view();
    void closeStackView();
    void undoLast();
    void restoreInput();
    void editLevel1();
    void dup2();
    void drop2();
    void dupN();
    void dropN();
    void pick();
    void roll();
    void rollD();
    void over();
    void keep();
    void rotate();
    void echo();
    void depth();
    void maximum();
    void toggleStackNumbering();
    void setMaximumStackDepth();

    // --- shared steps -----------------------------------------------------------
    bool hasWhatItNeeds(const Needs& needs);
    void digit(int value);
    void twoOperands(TwoOperands op);
    void oneOperand(OneOperand op);
    // The operands of an operation, deepest first; text in the input line is
    // the last one.
    using Operands = std::array<std::string, 4>;
    // Takes `count` operands, replaces them with the result of `compute`, or
    // shows "Invalid argument(s)" with nothing changed when the engine
    // refuses a count.
    void withOperands(std::size_t count,
                      const std::function<std::string(const Operands&)>& compute);
    // A divisor that is zero as written: the command error, and true.
    bool divisorIsZero();
    void changeBase(NumberBase base);
    void reportError(ErrorCode code);
    void focusInput();
    void redrawStack();
    // Undo Last cannot go back across this command: the undo copy becomes the
    // stack as it is now.
    void forgetUndo();
    void updateDisplay();
    void showBase(NumberBase base);
    void convertBase(NumberBase from, NumberBase to);
    // Every change of the input line's text goes through here; it runs the
    // validation when the text actually changes.
    void changeInput(std::string text);
    void inputEditChange();
    void enterCommand(); // ENT as other commands perform it
    void pushLimited(std::string_view entry);
    // The stack's form of an entered text, hex digits in upper case, written
    // into `buffer`.
    static std::string_view stackEntry(std::string_view text, std::string& buffer);
    CalculatorHost& host();
    // Level 1 or the input line goes away; the input line's text is kept for
    // Restore Input.
    void dropArgument();
    // Empties the input line after a command used it up.
    void consumeInput();
    // The count N of DupN, DropN, Pick, Roll, RollD and Keep, checked; empty
    // after reporting the error when there is none to use. The count is taken
    // away (from the input line or level 1).
    std::optional<std::size_t> takeCount(bool ownEntryCounts);

    friend struct CalculatorProbe; // the tests' view of the undo copy

    CalculatorHost* host_ = nullptr;

    StackList stack_;
    StackList undoStack_;
    bool undoForgotten_ = false;
    NumberBase base_ = NumberBase::Hex;
    int wordSize_ = kDefaultWordSize;
    bool errorPending_ = false;
    bool skipInputCheck_ = false;
    int maxStackDepth_ = 0;
    std::string lastInput_;
    std::string input_;
    // The first inputChecked_ characters of input_ are digits of
    // inputCheckedBase_: typing does not look at them again.
    std::size_t inputChecked_ = 0;
    NumberBase inputCheckedBase_ = NumberBase::Hex;

    // The display lines, and for each the entry redrawStack drew it from, so
    // that a line whose entry is still shown is copied instead of formatted
    // again. An entry counts only for the base and word size it was drawn in,
    // and not for a line an error wrote. Two sets: the one shown, and the one
    // drawn before it, whose lines the next redraw copies from.
    struct DrawnLines {
        std::array<std::string, kDisplayLines> lines;
        std::array<StackEntry, kDisplayLines> entries;
        std::array<bool, kDisplayLines> valid{};
    };
    std::array<DrawnLines, 2> drawn_;
    std::size_t current_ = 0;
    std::uint64_t displayRevision_ = 0;
    NumberBase drawnBase_ = NumberBase::Hex;
    int drawnWordSize_ = 0;
    std::array<std::string, 2> operandText_; // twoOperands' buffers
    // Line `line` of the display from its entry, or from a line of `before`.
    void drawLine(std::size_t line, const DrawnLines& before, std::string& entry);
    std::array<bool, 16> digitEnabled_{};
    bool stackViewShown_ = false;
    StackListing listing_;
    bool stackNumbering_ = true;
};

} // namespace quarnel::calculator
