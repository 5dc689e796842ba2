#include "app/SplashScreen.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QRegion>
#include <QScreen>

using quarnel::app::SplashScreen;

TEST(SplashScreenTest, BorderlessCentredAndAboveOtherWindows) {
    SplashScreen splash;
    EXPECT_EQ(splash.size(), QSize(465, 237));
    const Qt::WindowFlags flags = splash.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE((splash.geometry().center() - screen.center()).manhattanLength(), 2);
    // Only the panel is drawn.
    EXPECT_EQ(splash.mask(), QRegion(80, 50, 306, 137));
}

TEST(SplashScreenTest, PanelCarriesEightIconsInAVAndTwoLabels) {
    SplashScreen splash;
    auto* panel = splash.findChild<QWidget*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(80, 50, 306, 137));

    const QPoint at[] = {{20, 14},  {27, 20}, {34, 27}, {41, 34},
                         {102, 14}, {61, 34}, {88, 20}, {75, 27}};
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("Image%1").arg(i + 1);
        auto* image = panel->findChild<QLabel*>(name);
        ASSERT_NE(image, nullptr) << name.toStdString();
        EXPECT_EQ(image->pos(), at[i]) << name.toStdString();
        EXPECT_EQ(image->size(), QSize(32, 32)) << name.toStdString();
        EXPECT_FALSE(image->pixmap().isNull());
    }

    const struct {
        const char* name;
        const char* text;
        QPoint pos;
        const char* family;
        Qt::GlobalColor color;
    } labels[] = {
        {"Label3", "Quarnel", {67, 75}, "Technical", Qt::yellow},
        {"Label5", "Version 1.0 ", {149, 20}, "Times New Roman", Qt::red},
    };
    for (const auto& l : labels) {
        SCOPED_TRACE(l.name);
        auto* label = panel->findChild<QLabel*>(QString::fromLatin1(l.name));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromLatin1(l.text));
        EXPECT_EQ(label->pos(), l.pos);
        EXPECT_EQ(label->font().families().value(0), QString::fromLatin1(l.family));
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->font().pixelSize(), 17);
        EXPECT_EQ(QFontInfo(label->font()).pixelSize(), 17);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(l.color));
        // The text fits on the panel.
        EXPECT_TRUE(panel->rect().contains(label->geometry()));
    }
}
