#include "print/PrinterFont.h"

namespace quarnel::print {

QFont printerFont(const QFont& screenFont, qreal screenDotsPerInch) {
    QFont font = screenFont;
    if (screenFont.pixelSize() > 0) {
        const qreal dpi = screenDotsPerInch > 0 ? screenDotsPerInch : 96.0;
        font.setPointSizeF(screenFont.pixelSize() * 72.0 / dpi);
    }
    return font;
}

} // namespace quarnel::print
