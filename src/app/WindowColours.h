#pragma once

#include "storage/ColourValue.h"
#include "storage/WindowOptions.h"

#include <QColor>

#include <array>
#include <optional>

namespace quarnel::ui {
class MainWindow;
}

namespace quarnel::app {

// The window's three colours as the settings keep them. The settings speak in
// colour values (RGB, system colours by index, "no colour"); the window draws
// with QColor. Each colour keeps the value it was last given beside the QColor
// the window showed for it, so a colour the user never changed is saved under
// its own name ("clBtnFace") rather than as whatever the palette drew.
class WindowColours {
  public:
    // Takes the window's colours as they are now as the start values, and
    // follows the colour commands from then on.
    explicit WindowColours(ui::MainWindow& window);

    // Puts the loaded colour values on the window. A value equal to the kept
    // one changes nothing; "no colour" leaves the window's colour as it is.
    void apply(const storage::WindowOptions& options);
    // Writes the values to save into `options`: the kept value while the
    // window still shows its colour, otherwise the RGB value of what it shows.
    void fill(storage::WindowOptions& options) const;

    // What the window draws for a colour value; empty for "no colour".
    static std::optional<QColor> toColor(storage::ColourValue value);

  private:
    enum Which { Background, Stack, Font };
    struct Kept {
        storage::ColourValue value;
        QColor shown;
    };

    QColor shown(Which which) const;
    void show(Which which, const QColor& color);
    void apply(Which which, storage::ColourValue value);
    storage::ColourValue valueToSave(Which which) const;
    // The user picked a colour: from now on it is kept as that RGB value,
    // even when it looks like the system colour it replaced.
    void chosen(Which which);

    ui::MainWindow& window_;
    std::array<Kept, 3> kept_;
};

} // namespace quarnel::app
