// About and the splash show the project's version as "major.minor", taken
// from the one version the build sets (so a new version reaches both).

#include "app/SplashScreen.h"
#include "ui/AboutBox.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QStringList>

namespace {

QString shortProjectVersion() {
    const QStringList parts = QStringLiteral(QUARNEL_PROJECT_VERSION).split(QLatin1Char('.'));
    return parts.value(0) + QLatin1Char('.') + parts.value(1);
}

QString labelText(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("(no label %1)").arg(QLatin1String(name));
}

TEST(VersionShownTest, AboutAndSplashShowTheProjectVersion) {
    const quarnel::ui::AboutBox about;
    EXPECT_EQ(labelText(about, "Version"), QStringLiteral("Version ") + shortProjectVersion());
    const quarnel::app::SplashScreen splash;
    EXPECT_EQ(labelText(splash, "Label5"),
              QStringLiteral("Version %1 ").arg(shortProjectVersion()));
}

} // namespace
