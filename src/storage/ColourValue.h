#pragma once

#include <cstdint>

namespace quarnel::storage {

// A colour as the settings hold it: 0x00BBGGRR for an RGB colour (red in the
// low byte), 0x80000000 + n for the system colour with index n, and 0x1FFFFFFF
// for "no colour".
using ColourValue = std::uint32_t;

inline constexpr ColourValue kSystemColourBase = 0x80000000u;
inline constexpr ColourValue kNoColour = 0x1FFFFFFFu;

constexpr ColourValue systemColour(int index) {
    return kSystemColourBase + static_cast<ColourValue>(index);
}
// The system colours a window starts with.
inline constexpr ColourValue kButtonFaceColour = systemColour(15);
inline constexpr ColourValue kWindowColour = systemColour(5);
inline constexpr ColourValue kWindowTextColour = systemColour(8);

constexpr bool isSystemColour(ColourValue c) {
    return c >= kSystemColourBase && c <= kSystemColourBase + 24;
}
constexpr int systemColourIndex(ColourValue c) {
    return static_cast<int>(c - kSystemColourBase);
}
constexpr ColourValue rgbColour(int red, int green, int blue) {
    return static_cast<ColourValue>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(ColourValue c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(ColourValue c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(ColourValue c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace quarnel::storage
