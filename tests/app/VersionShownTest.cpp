// About and the splash show the project's version as "major.minor", taken
// from the one version the build sets (so a new version reaches both).

#include "app/SplashScreen.h"
#include "ui/AboutBox.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QStringList>

#include <string>

namespace {

QString shortProjectVersion() {
    const QStringList parts = QStringLiteral(QUARNEL_PROJECT_VERSION).split(QLatin1Char('.'));
    return parts.value(0) + QLatin1Char('.') + parts.value(1);
}

std::string labelText(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text().toStdString() : std::string("(no label ") + name + ")";
}

TEST(VersionShownTest, AboutAndSplashShowTheProjectVersion) {
    const quarnel::ui::AboutBox about;
    EXPECT_EQ(labelText(about, "Version"), "Version " + shortProjectVersion().toStdString());
    const quarnel::app::SplashScreen splash;
    EXPECT_EQ(labelText(splash, "Label5"), "Version " + shortProjectVersion().toStdString() + " ");
}

} // namespace
