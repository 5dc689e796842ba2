#include "print/PrinterFont.h"

#include <gtest/gtest.h>

// The printed font keeps its family, style and on-screen size, in points (not pixels). Rows:
// pixels (0: sized in points), points, screen dots per inch (0: unknown), points printed.
TEST(PrinterFont, KeepsTheSizeSeenOnScreen) {
    const qreal cases[][4] = {{11, 0, 96, 8.25},
                              {16, 0, 96, 12},
                              {22, 0, 192, 8.25},
                              {11, 0, 0, 8.25},
                              {0, 10.5, 96, 10.5}};
    for (const auto& c : cases) {
        QFont screen(QStringLiteral("DejaVu Sans"), -1, QFont::Bold, true);
        c[0] > 0 ? screen.setPixelSize(static_cast<int>(c[0])) : screen.setPointSizeF(c[1]);
        const QFont printed = quarnel::print::printerFont(screen, c[2]);
        EXPECT_DOUBLE_EQ(printed.pointSizeF(), c[3]) << c[0] << "px at " << c[2];
        EXPECT_TRUE(printed.pixelSize() == -1 && printed.family() == screen.family() &&
                    printed.bold() && printed.italic());
    }
}
