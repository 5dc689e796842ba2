#include "storage/ColourText.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnel::storage {
namespace {

TEST(ColourText, SavedAsTheNameOrEightLowerCaseDigitsAndReadBackAsSaved) {
    // clang-format off
    const struct { ColourValue colour; std::string text; } cases[] = {
        {0x0000FF, "clRed"}, {0x80000000, "clScrollBar"}, {0x1FFFFFFF, "clNone"}, {0x00ff8000, "$00ff8000"},
        {0x00000001, "$00000001"}, {0x80000019, "$80000019"}, {0xABCDEF12, "$abcdef12"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(colourText(c.colour), c.text);
    }
    for (int i = 0; i <= 24; ++i) {
        const ColourValue c = systemColour(i);
        ASSERT_TRUE(colourName(c).has_value()) << i;
        EXPECT_EQ(readColourText(colourText(c)), c);
    }
    for (ColourValue c : {0x000080u, 0x00FF00u, 0xFF0000u, 0x808080u, 0xC0C0C0u, 0xFFFFFFFFu}) {
        EXPECT_EQ(readColourText(colourText(c)), c) << std::hex << c;
    }
}

TEST(ColourText, RgbHelpersKeepRedInTheLowByte) {
    const ColourValue c = rgbColour(0, 128, 255);
    EXPECT_EQ(c, 0x00ff8000u);
    EXPECT_EQ(redOf(c) + 2 * greenOf(c) + 3 * blueOf(c), 0 + 256 + 765);
    EXPECT_EQ(systemColourIndex(kButtonFaceColour), 15);
    EXPECT_FALSE(isSystemColour(kNoColour) || isSystemColour(systemColour(25)));
}

} // namespace
} // namespace quarnel::storage
