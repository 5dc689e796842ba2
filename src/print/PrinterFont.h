#pragma once

#include <QFont>

namespace quarnel::print {

// The display font as the printer should use it. Screen fonts are often sized
// in pixels, which would shrink to specks at printer resolution, so a pixel
// size is turned into the point size it has on the screen it came from.
QFont printerFont(const QFont& screenFont, qreal screenDotsPerInch);

} // namespace quarnel::print
