#pragma once

#include "storage/ColourValue.h"

namespace quarnel::storage {

// The window's part of the remembered state, as plain values. The window fills
// it from its widgets before saving, and before loading with what it shows at
// start (its laid-out size and colours), which loading then overwrites with
// what the store holds.
struct WindowOptions {
    int left = 50;
    int top = 50;
    int height = 0;                             // outer height
    int width = 0;                              // outer width
    ColourValue background = kButtonFaceColour; // main window background
    ColourValue stack = kWindowColour;          // background of the text controls
    ColourValue font = kWindowTextColour;       // font colour of the text controls
    bool stayOnTop = false;
    bool readoutShown = false;
    // The store already holds the readout's setting: hiding it then writes
    // "off"; otherwise a hidden readout leaves the store without the setting.
    bool readoutStored = false;

    friend bool operator==(const WindowOptions&, const WindowOptions&) = default;
};

} // namespace quarnel::storage
