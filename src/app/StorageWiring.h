#pragma once

#include "app/WindowColours.h"
#include "storage/SettingsStore.h"
#include "storage/WindowOptions.h"

#include <QString>

namespace quarnel::ui {
class MainWindow;
}

namespace quarnel::app {

// The window's side of the settings store and the stack files: loading at
// start, saving at close with the questions a failed save needs, the two store
// toggles, and Load Stack / Save Stack through the window's file dialogs.
class StorageWiring {
  public:
    // `programPath` names the program file the INI file lies beside.
    StorageWiring(ui::MainWindow& window, const QString& programPath);

    // Start: the saved state over the initial one. Never stops the start: a
    // problem with the backup is told in a plain box once the window is up.
    void load();
    // Close: true when the window may close.
    bool save();
    // "In Ini File" and "In Registry": both switch to the other store.
    void toggleStore();
    void loadStack();
    void saveStack();

    const storage::SettingsStore& store() const { return store_; }

  private:
    storage::WindowOptions currentOptions() const;
    bool saveUnattended(storage::SaveOutcome outcome, const storage::WindowOptions& options);
    void applyOptions(const storage::WindowOptions& options);

    ui::MainWindow& window_;
    storage::SettingsStore store_;
    WindowColours colours_;
    bool readoutStored_ = false; // the store holds the readout's setting
};

} // namespace quarnel::app
