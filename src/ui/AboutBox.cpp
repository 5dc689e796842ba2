#include "ui/AboutBox.h"

#include "quarnel/Version.h"
#include "ui/Fonts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace quarnel::ui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Quarnel"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(makeFont(FontKind::WindowLarge));
    setFixedSize(298, 176);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 281, 121);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/quarnel-48.png")));
    icon->setScaledContents(true);
    icon->setGeometry(8, 8, 58, 51);

    auto* product = new QLabel(QStringLiteral("Quarnel"), panel);
    product->setObjectName(QStringLiteral("ProductName"));
    product->move(75, 16);

    auto* version =
        new QLabel(QStringLiteral("Version ") + QString::fromLatin1(kShortVersion), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->move(107, 40);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(111, 140, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Centred on the screen rather than on the calculator.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

} // namespace quarnel::ui
