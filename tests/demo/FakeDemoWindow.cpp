#include "FakeDemoWindow.h"

#include "engine/EngineError.h"

#include <gtest/gtest.h>

namespace quarnel::demo::test {

using calculator::ArithOp;
using calculator::Calculator;
using calculator::UnaryOp;
using engine::NumberBase;

const std::map<QString, FakeDemoWindow::Button>& FakeDemoWindow::buttons() {
    static const std::map<QString, Button> table = [] {
        const auto always = [](const Calculator&) { return true; };
        std::map<QString, Button> t;
        // clang-format off
        const char* digits[16] = {"NilButton", "OneButton", "TwoButton", "ThreeButton", "FourButton",
            "FiveButton", "SixButton", "SevenButton", "EightButton", "NineButton", "AButton",
            "BButton", "CButton", "DButton", "EButton", "FButton"};
        const std::pair<const char*, ArithOp> arith[] = {{"PlusButton", ArithOp::Add},
            {"MinusButton", ArithOp::Subtract}, {"MultiplyButton", ArithOp::Multiply},
            {"DivButton", ArithOp::Divide}, {"AndButton", ArithOp::And}, {"OrButton", ArithOp::Or},
            {"XORButton", ArithOp::Xor}};
        const std::pair<const char*, UnaryOp> unary[] = {{"NotButton", UnaryOp::Not},
            {"NEGButton", UnaryOp::Neg}, {"SLButton", UnaryOp::ShiftLeft},
            {"SRButton", UnaryOp::ShiftRight}, {"ASRButton", UnaryOp::ArithShiftRight},
            {"RLButton", UnaryOp::RotateLeft}, {"RRButton", UnaryOp::RotateRight},
            {"SLBButton", UnaryOp::ShiftLeftByte}, {"SRBButton", UnaryOp::ShiftRightByte},
            {"RLBButton", UnaryOp::RotateLeftByte}, {"RRBButton", UnaryOp::RotateRightByte}};
        const std::pair<const char*, NumberBase> bases[] = {{"HexButton", NumberBase::Hex},
            {"DecButton", NumberBase::Dec}, {"OctButton", NumberBase::Oct},
            {"BinButton", NumberBase::Bin}};
        const std::pair<const char*, void (Calculator::*)()> plain[] = {
            {"SetWordSizeButton", &Calculator::setWordSize},
            {"RecallWordSizeButton", &Calculator::recallWordSize}, {"DropButton", &Calculator::drop},
            {"DuplicateButton", &Calculator::dup}, {"SwapButton", &Calculator::swap},
            {"DeleteButton", &Calculator::del}, {"ClearButton", &Calculator::clear},
            {"ViewButton", &Calculator::view}};
        // clang-format on
        for (int d = 0; d < 16; ++d)
            t[digits[d]] = {[d](Calculator& c) { c.digit(d); },
                            [d](const Calculator& c) { return c.digitEnabled(d); }};
        t["EnterButton"] = {[](Calculator& c) { c.enter(); },
                            [](const Calculator& c) { return c.enterEnabled(); }};
        for (const auto& [name, op] : arith)
            t[name] = {[op](Calculator& c) { c.arithmetic(op); }, always};
        for (const auto& [name, op] : unary)
            t[name] = {[op](Calculator& c) { c.oneArgument(op); }, always};
        for (const auto& [name, base] : bases)
            t[name] = {[base](Calculator& c) { c.baseButton(base); }, always};
        for (const auto& [name, call] : plain)
            t[name] = {[call](Calculator& c) { (c.*call)(); }, always};
        return t;
    }();
    return table;
}

FakeDemoWindow::FakeDemoWindow() : calculator_(this), runner_(*this) {}

bool FakeDemoWindow::confirmDemo(const QString&) {
    return answer_;
}

void FakeDemoWindow::pressButton(const QString& objectName) {
    EXPECT_TRUE(down_.isEmpty()) << down_.toStdString() << " is still down";
    EXPECT_TRUE(buttons().count(objectName)) << "no button " << objectName.toStdString();
    down_ = objectName;
}

void FakeDemoWindow::releaseButton(const QString& objectName) {
    EXPECT_EQ(down_, objectName) << "released a button that is not down";
    down_.clear();
    const auto it = buttons().find(objectName);
    // A disabled button takes no click, as on the screen.
    if (it == buttons().end() || !it->second.enabled(calculator_))
        return;
    dispatch([&] { it->second.click(calculator_); });
}

void FakeDemoWindow::runCommand(DemoCommand command) {
    dispatch([&] {
        // clang-format off
        switch (command) {
        case DemoCommand::SetMaximumStackDepth: calculator_.setMaximumStackDepth(); break;
        case DemoCommand::UndoLast: calculator_.undoLast(); break;
        case DemoCommand::CloseStackView: calculator_.closeStackView(); break;
        case DemoCommand::Rotate: calculator_.rotate(); break;
        case DemoCommand::Clear: calculator_.clear(); break;
        }
        // clang-format on
    });
}

void FakeDemoWindow::dispatch(const std::function<void()>& command) {
    try {
        command();
    } catch (const engine::EngineError& e) {
        ADD_FAILURE() << "engine error during the demo: " << e.what();
    }
}

DemoMenuState FakeDemoWindow::menus() const {
    const calculator::MenuStates mode = calculator_.menuStates();
    return {
        mainMenus_, mainMenus_ && mode.edit, mainMenus_ && mode.stack, mainMenus_ && mode.options,
        mainMenus_, !demoMenusRunning_,      demoMenusRunning_};
}

void FakeDemoWindow::chooseRunDemo() {
    if (menus().runDemo)
        runner_.run();
}

void FakeDemoWindow::chooseQuitDemo() {
    if (menus().quitDemo)
        runner_.requestQuit();
}

void FakeDemoWindow::pressView() {
    pressButton(QStringLiteral("ViewButton"));
    releaseButton(QStringLiteral("ViewButton"));
}

void FakeDemoWindow::showMessage(const std::string& text) {
    ADD_FAILURE() << "unexpected message box: " << text;
}

} // namespace quarnel::demo::test
