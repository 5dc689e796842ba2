#include "demo/DemoScript.h"

#include <array>

namespace quarnel::demo {

namespace {

constexpr int kStepPauseMs = 4000;

DemoAction press(std::string_view button, int pauseAfterMs = kStepPauseMs) {
    return {DemoAction::Kind::Press, button, calculator::Command::Clear, pauseAfterMs};
}

DemoAction type(std::string_view digits) {
    return {DemoAction::Kind::Type, digits, calculator::Command::Clear, kStepPauseMs};
}

DemoAction call(calculator::Command command, int pauseAfterMs = kStepPauseMs) {
    return {DemoAction::Kind::Call, {}, command, pauseAfterMs};
}

DemoAction lockMenus(int pauseAfterMs) {
    return {DemoAction::Kind::LockMenus, {}, calculator::Command::Clear, pauseAfterMs};
}

} // namespace

const std::vector<DemoStep>& demoScript() {
    // The captions are shown as written, including the "binary number" of
    // step 6, which is typed while the base is decimal.
    static const std::vector<DemoStep> script = {
        {"Demo", {}},
        {"Clear stack and input (if not empty) ->[CLR]", {press("ClearButton")}},
        {"Set binary base to decimal ->[DEC]", {press("DecButton")}},
        {"Set stack depth to unlimited ->Options/Set Maximum Stack Depth",
         {press("NilButton"), call(calculator::Command::SetMaximumStackDepth)}},
        {"Set the wordsize to 64 ->[STWS]", {type("64"), press("SetWordSizeButton")}},
        {"Enter a binary number in the input...", {type("123456789")}},
        {"Put it on the stack ->[ENT]", {press("EnterButton")}},
        {"Add the same argument to the stack ->[DUP]", {press("DuplicateButton")}},
        {"Shift the left bit of the argument ->[SL]", {press("SLButton")}},
        {"Calculate the binary OR of the two arguments ->[OR]", {press("OrButton")}},
        {"Re-use the two original arguments ->Edit/Undo Last", {call(calculator::Command::UndoLast)}},
        {"Convert arguments to octal ->[OCT]", {press("OctButton")}},
        {"Swap arguments on stack ->[SWAP]", {press("SwapButton")}},
        {"Multiply two arguments ->[*]", {press("MultiplyButton")}},
        {"Convert argument to binary ->[BIN]", {press("BinButton")}},
        {"View the argument in StackView mode ->[VIEW]", {press("ViewButton")}},
        // Close StackView enables Edit, Stack and Options, which stay locked
        // while the demo runs.
        {"Go back to Calculator mode ->File/Close StackView",
         {call(calculator::Command::CloseStackView, 0), lockMenus(kStepPauseMs)}},
        {"Generate an error (too few arguments)...", {}},
        {"Multiply two arguments ->[*]", {press("MultiplyButton")}},
        {"Clear the error ->[CLR]", {press("ClearButton")}},
        {"Enter a binary number in the input...", {type("1001011101")}},
        {"Put it on the stack ->[ENT]", {press("EnterButton")}},
        {"Add two more copies to the stack ->[ENT] [ENT]",
         {press("EnterButton", 100), press("EnterButton")}},
        {"Drop the last one ->[DROP]", {press("DropButton")}},
        {"Rotate the left byte of the argument ->[RLB]", {press("RLBButton")}},
        {"Rotate last 3 arguments on the stack ->Stack/Rotate", {call(calculator::Command::Rotate, 2000)}},
    };
    return script;
}

std::string_view digitButtonName(char digit) {
    static constexpr std::array<std::string_view, 10> names = {
        "NilButton",  "OneButton", "TwoButton",   "ThreeButton", "FourButton",
        "FiveButton", "SixButton", "SevenButton", "EightButton", "NineButton",
    };
    if (digit < '0' || digit > '9')
        return {};
    return names[static_cast<std::size_t>(digit - '0')];
}

QString demoConfirmationText(const QString& caption) {
    // Each line break is its own line of the box.
    const QChar br = QLatin1Char('\n');
    return QStringLiteral("If you press the OK button the demo starts.") + br +
           QStringLiteral("This demo takes about 4 minutes and can be started at any time.") + br +
           QStringLiteral("If the current stack contains valuable data for you, press Cancel and "
                          "save it first.") +
           br + QStringLiteral("This demo is self-running (by small creatures inside your PC).") +
           br + QStringLiteral("There's no user interaction needed.") + br +
           QStringLiteral("The window's caption explains what's happening.") + br +
           QStringLiteral("In other words, sit back, relax and watch this calculator doing it all "
                          "himself.") +
           br + QStringLiteral("When the caption of the window reads ") + caption +
           QStringLiteral(" the demo is finished.") + br +
           QStringLiteral("Then it's your turn to do the work...");
}

} // namespace quarnel::demo
