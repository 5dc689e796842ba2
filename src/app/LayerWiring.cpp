#include "app/LayerWiring.h"

#include "ui/MainWindow.h"

namespace quarnel::app {

void wireLayers(ui::MainWindow& window) {
    ui::WindowHooks& hooks = window.hooks();

    // Settings store and stack backup: hooks.loadState (start) and
    // hooks.saveState (close); hooks.storeInIniFile / hooks.storeInRegistry.
    //   -> not connected yet: the window starts from its initial state and
    //      closes without saving.

    // Stack files: hooks.loadStack / hooks.saveStack.
    //   -> not connected yet.

    // Printing: hooks.setupPrinter / hooks.printStack.
    //   -> not connected yet.

    // Demo: hooks.runDemo / hooks.quitDemo, and hooks.demoRunning /
    // hooks.requestDemoQuit for the close.
    //   -> not connected yet.
    (void)hooks;
}

} // namespace quarnel::app
