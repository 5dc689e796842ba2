#include "print/PrinterFont.h"

#include <cmath>

namespace quarnel::print {

QFont printerFont(const QFont& screenFont, qreal screenDotsPerInch) {
    QFont font = screenFont;
    if (screenFont.pixelSize() > 0) {
        const qreal dpi = screenDotsPerInch > 0 ? screenDotsPerInch : 96.0;
        font.setPointSizeF(screenFont.pixelSize() * 72.0 / dpi);
    }
    return font;
}

QColor printerInk(const QColor& screenColour) {
    // Text needs a contrast of at least 3:1 against the paper to be read;
    // that is a relative luminance of at most 0.3 against white. A partly
    // transparent colour is judged as it shows over the paper.
    constexpr double kFaintest = 1.05 / 3.0 - 0.05;
    const QColor rgb = screenColour.toRgb();
    const double alpha = rgb.alphaF();
    const auto channel = [alpha](float value) {
        const double over = value * alpha + (1.0 - alpha);
        return over <= 0.04045 ? over / 12.92 : std::pow((over + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
                             0.0722 * channel(rgb.blueF());
    return luminance > kFaintest ? QColor(Qt::black) : rgb;
}

} // namespace quarnel::print
