#pragma once

#include <QColor>
#include <QFont>

namespace quarnel::print {

// The display font as the printer should use it. Screen fonts are often sized
// in pixels, which would shrink to specks at printer resolution, so a pixel
// size is turned into the point size it has on the screen it came from.
QFont printerFont(const QFont& screenFont, qreal screenDotsPerInch);

// The colour the listing is printed in: the display's text colour, or black
// when that colour (as it comes out over white paper) is too faint to read.
QColor printerInk(const QColor& screenColour);

} // namespace quarnel::print
