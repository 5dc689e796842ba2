#pragma once

namespace quarnel::ui {
class MainWindow;
}

namespace quarnel::app {

// Connects the settings store, the stack files, printing and the demo to the
// window's hooks. Runs once, after the window is built and before its state is
// loaded.
void wireLayers(ui::MainWindow& window);

} // namespace quarnel::app
