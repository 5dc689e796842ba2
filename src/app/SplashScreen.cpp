#include "app/SplashScreen.h"

#include "quarnel/Version.h"
#include "ui/Fonts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRegion>
#include <QScreen>

#include <array>

namespace quarnel::app {

namespace {

const QColor kPanelColor{128, 0, 128}; // purple
constexpr int kBorderWidth = 2;        // between the outer line and the bevel
constexpr int kBevelWidth = 3;

// Where the eight icons sit on the panel: four descending from the left, four
// rising to the right.
constexpr std::array<QPoint, 8> kIconPositions{{
    {20, 14},
    {27, 20},
    {34, 27},
    {41, 34},
    {102, 14},
    {61, 34},
    {88, 20},
    {75, 27},
}};

QLabel* makeLabel(const QString& text, const QString& name, const QFont& font, const QColor& color,
                  QPoint at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->adjustSize();
    label->move(at);
    return label;
}

} // namespace

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWidth, kHeight);
    QFont font = ui::fontWithFallback(QStringLiteral("Technical"), 22, true);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    setPalette(palette);

    // Only the panel is drawn: the window is cut to it.
    setMask(QRegion(panelRect()));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(panelRect());
    panel->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QPixmap icon(QStringLiteral(":/icons/quarnel-32.png"));
    for (std::size_t i = 0; i < kIconPositions.size(); ++i) {
        auto* image = new QLabel(panel);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        image->setPixmap(icon);
        image->setGeometry(QRect(kIconPositions[i], icon.size()));
    }

    makeLabel(QStringLiteral("Quarnel"), QStringLiteral("Label3"),
              ui::fontWithFallback(QStringLiteral("Technical"), 17, true), Qt::yellow, {67, 75},
              panel);
    makeLabel(QStringLiteral("Version %1 ").arg(QString::fromLatin1(kShortVersion)),
              QStringLiteral("Label5"),
              ui::fontWithFallback(QStringLiteral("Times New Roman"), 17, true), Qt::red, {149, 20},
              panel);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = panelRect();
    painter.fillRect(r, kPanelColor);
    // Single-line border.
    painter.setPen(Qt::black);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    // Raised bevel inside the border width.
    r.adjust(1 + kBorderWidth, 1 + kBorderWidth, -1 - kBorderWidth, -1 - kBorderWidth);
    const QColor light = kPanelColor.lighter(170);
    const QColor dark = kPanelColor.darker(200);
    for (int i = 0; i < kBevelWidth; ++i) {
        const QRect edge = r.adjusted(i, i, -i - 1, -i - 1);
        painter.setPen(light);
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    }
    if (!painted_) {
        painted_ = true;
        emit shown();
    }
}

} // namespace quarnel::app
