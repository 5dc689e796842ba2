#include "storage/ColourText.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnel::storage {
namespace {

TEST(HexTextToInt, WeighsEachCharacterByItsDistanceFromTheEnd) {
    // clang-format off
    const struct { std::string text; std::uint32_t expected; } cases[] = {
        {"", 0}, {"0", 0}, {"ff", 255}, {"FF", 255}, {"fF", 255}, {"100", 256},
        {"1zz", 256}, // other characters count 0 but keep their place
        {"g1", 1}, {"zzzz", 0}, {"FFFFFFFF", 0xFFFFFFFFu}, {"80000005", 0x80000005u},
        {"123456789", 0x23456789u}, // only the last eight can contribute
        {"FFFFFFFFFFFFFFFF1", 0xFFFFFFF1u},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(HexTextToInt(c.text), c.expected) << "'" << c.text << "'";
    }
}

TEST(ColourText, SavedTextIsTheNameOrEightLowerCaseDigits) {
    // clang-format off
    const struct { ColourValue colour; std::string text; } cases[] = {
        {0x000000, "clBlack"}, {0x0000FF, "clRed"}, {0xFFFFFF, "clWhite"}, {0xC0C0C0, "clSilver"},
        {0x80000000, "clScrollBar"}, {0x8000000F, "clBtnFace"}, {0x80000018, "clInfoBk"}, {0x1FFFFFFF, "clNone"},
        {0x00ff8000, "$00ff8000"}, {0x00000001, "$00000001"}, {0x80000019, "$80000019"}, {0xABCDEF12, "$abcdef12"},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(colourText(c.colour), c.text);
    }
}

TEST(ColourText, EveryNameAndSomeValuesReadBackAsTheyWereSaved) {
    for (int i = 0; i <= 24; ++i) {
        const ColourValue c = systemColour(i);
        ASSERT_TRUE(colourName(c).has_value()) << i;
        EXPECT_EQ(readColourText(colourText(c)), c);
    }
    for (ColourValue c : {0x000080u, 0x008000u, 0x008080u, 0x800000u, 0x800080u, 0x808000u,
                          0x808080u, 0x00FF00u, 0x00FFFFu, 0xFF0000u, 0xFF00FFu, 0xFFFF00u,
                          0x123456u, 0x00fe00ffu, 0xFFFFFFFFu, 0x1FFFFFFFu}) {
        EXPECT_EQ(readColourText(colourText(c)), c) << std::hex << c;
    }
}

TEST(ColourText, RgbHelpersKeepRedInTheLowByte) {
    const ColourValue c = rgbColour(0, 128, 255);
    EXPECT_EQ(c, 0x00ff8000u);
    EXPECT_EQ(redOf(c), 0);
    EXPECT_EQ(greenOf(c), 128);
    EXPECT_EQ(blueOf(c), 255);
    EXPECT_TRUE(isSystemColour(kButtonFaceColour));
    EXPECT_EQ(systemColourIndex(kButtonFaceColour), 15);
    EXPECT_FALSE(isSystemColour(kNoColour));
    EXPECT_FALSE(isSystemColour(systemColour(25)));
}

} // namespace
} // namespace quarnel::storage
