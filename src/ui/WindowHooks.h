#pragma once

#include <functional>

namespace quarnel::ui {

// The places where the settings store, the stack files, printing and the demo
// plug into the window. An empty hook leaves its menu command without effect.
struct WindowHooks {
    // Start: reads the saved state over the initial one (settings and the stack
    // backup). Runs once, from MainWindow::loadState().
    std::function<void()> loadState;
    // Close: writes the settings and the stack backup. Returns false after
    // telling the user what went wrong; the window then stays open.
    std::function<bool()> saveState;

    // File menu.
    std::function<void()> loadStack;
    std::function<void()> saveStack;
    std::function<void()> setupPrinter;
    std::function<void()> printStack;

    // Options / Save Calculator State. Without a hook the window only moves
    // the check mark.
    std::function<void()> storeInIniFile;
    std::function<void()> storeInRegistry;

    // Demo menu, and the demo's answer to the close sequence.
    std::function<void()> runDemo;
    std::function<void()> quitDemo;
    std::function<bool()> demoRunning;
    std::function<void()> requestDemoQuit;
};

} // namespace quarnel::ui
