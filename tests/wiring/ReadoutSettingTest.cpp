// The readout's setting across restarts, in both stores: a store that never
// held it stays as it is, and one that holds it is read and kept up to date
// beside whatever else the file holds.

#include "WiringFixture.h"

#include "ui/ReadoutPanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using quarnel::ui::Command;

namespace {

struct StoreCase {
    const char* name;
    bool native;
};
void PrintTo(const StoreCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadoutSettingTest : public WiringTest, public ::testing::WithParamInterface<StoreCase> {
  protected:
    QString settingsPath() const { return GetParam().native ? nativePath() : iniPath(); }
    QByteArray settingsText() const { return readWhole(settingsPath()); }
    void useStore() {
        if (GetParam().native != window().stateInRegistry())
            choose(Command::StoreInRegistry);
    }
    bool shown() {
        auto* panel =
            window().findChild<quarnel::ui::ReadoutPanel*>(QStringLiteral("ReadoutPanel"));
        EXPECT_EQ(panel->isVisible(), window().action(Command::ShowReadout)->isChecked());
        return panel->isVisible();
    }
};

TEST_P(ReadoutSettingTest, ShownAndHiddenAcrossRestarts) {
    start();
    useStore();
    const int hiddenHeight = window().frameGeometry().height();
    choose(Command::ShowReadout);
    window().move(140, 110);
    QCoreApplication::processEvents();
    const QRect shownFrame = window().frameGeometry();
    ASSERT_GT(shownFrame.height(), hiddenHeight);
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(settingsText().contains("[Readout]\nShown=1")) << settingsText().toStdString();

    start();
    EXPECT_TRUE(shown());
    QCoreApplication::processEvents();
    // The taller window comes back where it was, at its size.
    EXPECT_EQ(window().frameGeometry(), shownFrame);
    choose(Command::ShowReadout);
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(settingsText().contains("[Readout]\nShown=0")) << settingsText().toStdString();

    start();
    EXPECT_FALSE(shown());
    EXPECT_EQ(window().frameGeometry().height(), hiddenHeight);
}

// Hidden at the start, then shown and hidden again before the close: the
// store never held it and stays without it. Once a save during the run (the
// desktop's request) wrote it, hiding it writes it off.
TEST_P(ReadoutSettingTest, HiddenAgainBeforeTheClose) {
    for (const bool savedBetween : {false, true}) {
        start();
        useStore();
        EXPECT_FALSE(shown());
        choose(Command::ShowReadout);
        if (savedBetween)
            window().saveUnattended();
        choose(Command::ShowReadout);
        ASSERT_TRUE(closeWindow());
        const QByteArray text = settingsText();
        ASSERT_FALSE(text.isEmpty());
        if (savedBetween)
            EXPECT_TRUE(text.contains("[Readout]\nShown=0")) << text.toStdString();
        else
            EXPECT_FALSE(text.contains("Readout")) << text.toStdString();
    }
}

TEST_P(ReadoutSettingTest, ReadBesideSectionsOfOthers) {
    QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
    writeWhole(settingsPath(), "[Zeta]\nx=1\n\n[readout]\nshown=2\nExtra=keep\n");
    if (GetParam().native)
        QFile::remove(iniPath()); // the per-user store is read only without an INI file
    start();
    EXPECT_TRUE(shown());
    ASSERT_TRUE(closeWindow());
    const QByteArray text = settingsText();
    EXPECT_TRUE(text.contains("[Zeta]\nx=1\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Readout]\nShown=1\nExtra=keep\n")) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Stores, ReadoutSettingTest,
                         ::testing::Values(StoreCase{"IniFile", false}, StoreCase{"Native", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
