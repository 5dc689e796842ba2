#include "print/PrinterFont.h"

#include <gtest/gtest.h>

namespace quarnel::print {
namespace {

struct FontCase {
    const char* name;
    int pixelSize;   // 0: the font is sized in points instead
    qreal pointSize; // used when pixelSize is 0
    qreal screenDpi;
    qreal expectedPoints;
};

class PrinterFontSize : public ::testing::TestWithParam<FontCase> {};

TEST_P(PrinterFontSize, KeepsTheSizeSeenOnScreen) {
    const FontCase& c = GetParam();
    QFont screen(QStringLiteral("DejaVu Sans"));
    if (c.pixelSize > 0)
        screen.setPixelSize(c.pixelSize);
    else
        screen.setPointSizeF(c.pointSize);
    screen.setBold(true);
    screen.setItalic(true);

    const QFont printed = printerFont(screen, c.screenDpi);
    EXPECT_DOUBLE_EQ(printed.pointSizeF(), c.expectedPoints);
    EXPECT_EQ(printed.pixelSize(), -1) << "a pixel size would be read at printer resolution";
    EXPECT_EQ(printed.family(), screen.family());
    EXPECT_TRUE(printed.bold());
    EXPECT_TRUE(printed.italic());
}

INSTANTIATE_TEST_SUITE_P(Sizes, PrinterFontSize,
                         ::testing::Values(FontCase{"display11px", 11, 0, 96, 8.25},
                                           FontCase{"large16px", 16, 0, 96, 12.0},
                                           FontCase{"hiDpi22px", 22, 0, 192, 8.25},
                                           FontCase{"unknownDpiFallsBackTo96", 11, 0, 0, 8.25},
                                           FontCase{"pointSizedUnchanged", 0, 10.5, 96, 10.5}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quarnel::print
