#include "app/SplashScreen.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QRegion>
#include <QScreen>

using quarnel::app::SplashScreen;

TEST(SplashScreenTest, BorderlessCentredAboveOtherWindowsShowingOnlyItsPanel) {
    SplashScreen splash;
    EXPECT_EQ(splash.size(), QSize(465, 237));
    EXPECT_TRUE(splash.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((splash.geometry().center() - centre).manhattanLength(), 2);
    EXPECT_EQ(splash.mask(), QRegion(80, 50, 306, 137));
    // The layout is the code's own table; what it must give: eight drawn icons
    // and the name, all inside the panel that the mask leaves visible.
    auto* panel = splash.findChild<QWidget*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(splash.mask().contains(panel->geometry()));
    QStringList texts;
    int icons = 0;
    for (const QLabel* label : panel->findChildren<QLabel*>()) {
        EXPECT_TRUE(panel->rect().contains(label->geometry())) << label->objectName().toStdString();
        icons += !label->pixmap().isNull();
        texts << label->text();
    }
    EXPECT_EQ(icons, 8);
    EXPECT_TRUE(texts.contains(QStringLiteral("Quarnel")));
}
