#include "storage/ColourText.h"

#include <gtest/gtest.h>

namespace quarnel::storage {
namespace {

// (How colours are saved and read: the reading rules tests.)
TEST(ColourText, RgbHelpersKeepRedInTheLowByte) {
    const ColourValue c = rgbColour(0, 128, 255);
    EXPECT_EQ(c, 0x00ff8000u);
    EXPECT_EQ(redOf(c) + 2 * greenOf(c) + 3 * blueOf(c), 0 + 256 + 765);
    EXPECT_EQ(systemColourIndex(kButtonFaceColour), 15);
    EXPECT_FALSE(isSystemColour(kNoColour) || isSystemColour(systemColour(25)));
}

} // namespace
} // namespace quarnel::storage
