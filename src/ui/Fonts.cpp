#include "ui/Fonts.h"

#include <QFontMetricsF>
#include <QStringList>

namespace quarnel::ui {

namespace {

QStringList fallbacksFor(const QString& family) {
    const QString lower = family.toLower();
    if (lower.contains(QLatin1String("courier")) || lower.contains(QLatin1String("mono")))
        return {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")};
    const bool serif =
        lower.contains(QLatin1String("serif")) && !lower.contains(QLatin1String("sans"));
    if (lower.contains(QLatin1String("times")) || serif)
        return {QStringLiteral("DejaVu Serif"), QStringLiteral("Serif")};
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
}

} // namespace

QFont fontWithFallback(const QString& family, int pixelHeight, bool bold) {
    QFont font;
    QStringList families{family};
    families += fallbacksFor(family);
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    if (families.last() == QLatin1String("Monospace"))
        font.setStyleHint(QFont::Monospace);
    else if (families.last() == QLatin1String("Serif"))
        font.setStyleHint(QFont::Serif);
    else
        font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont fittedFont(QFont font, const QString& text, int width) {
    constexpr int kSmallest = 6;
    while (font.pixelSize() > kSmallest && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QFont makeFont(FontKind kind) {
    switch (kind) {
    case FontKind::Window:
        return fontWithFallback(QStringLiteral("MS Sans Serif"), 10);
    case FontKind::WindowLarge:
        return fontWithFallback(QStringLiteral("MS Sans Serif"), 11);
    case FontKind::Operator:
        return fontWithFallback(QStringLiteral("Courier"), 13);
    }
    return fontWithFallback(QStringLiteral("MS Sans Serif"), 10);
}

} // namespace quarnel::ui
