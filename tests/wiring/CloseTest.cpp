// The close sequence of the wired window: both ways of closing save the
// state, the help viewer goes, and a close that cannot save keeps the window.

#include "WiringFixture.h"

#include "ui/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <functional>

using quarnel::ui::Command;

namespace {

struct CloseWayCase {
    const char* name;
    std::function<void(WiringTest&, quarnel::ui::MainWindow&)> close;
};

void PrintTo(const CloseWayCase& c, std::ostream* os) {
    *os << c.name;
}

class CloseWayTest : public WiringTest, public ::testing::WithParamInterface<CloseWayCase> {
  public:
    void exit() { choose(Command::Exit); }
};

TEST_P(CloseWayTest, ClosesAndSavesTheState) {
    start();
    type(QStringLiteral("2A"));
    click("EnterButton");
    type(QStringLiteral("7"));
    GetParam().close(*this, window());
    QCoreApplication::processEvents();
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(readWhole(backupPath()), QByteArray("1\r\n64\r\n2A\r\n"));
    EXPECT_EQ(QSettings(iniPath(), QSettings::IniFormat)
                  .value(QStringLiteral("RPNScreen/InputArgument"))
                  .toString(),
              QStringLiteral("7"));
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseWayTest,
                         ::testing::Values(CloseWayCase{"CaptionBarClose",
                                                        [](WiringTest&, auto& w) { w.close(); }},
                                           CloseWayCase{"FileExit",
                                                        [](WiringTest& t, auto&) {
                                                            static_cast<CloseWayTest&>(t).exit();
                                                        }}),
                         [](const auto& info) { return std::string(info.param.name); });

class CloseSequenceTest : public WiringTest {};

TEST_F(CloseSequenceTest, HelpViewerGoesEvenWhenTheSaveThenFails) {
    start();
    choose(Command::HelpContents);
    ASSERT_NE(window().helpViewer(), nullptr);
    ASSERT_TRUE(window().helpViewer()->isVisible());

    ASSERT_TRUE(QDir().mkpath(iniPath()));
    dialogs().expectError();
    dialogs().expectConfirm(true);
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(window().helpViewer()->isVisible());
}

TEST_F(CloseSequenceTest, EveryCloseWritesEverySettingChangedOrNot) {
    start();
    ASSERT_TRUE(closeWindow());
    {
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("Modes/WordSize"), QStringLiteral("abc"));
        ini.remove(QStringLiteral("RPNScreen/MaxStackDepth"));
    }
    QFile::remove(backupPath());
    start();
    ASSERT_TRUE(closeWindow());
    QSettings ini(iniPath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Modes/WordSize")).toString(), QStringLiteral("64"));
    EXPECT_EQ(ini.value(QStringLiteral("RPNScreen/MaxStackDepth")).toString(), QStringLiteral("0"));
    EXPECT_EQ(readWhole(backupPath()), QByteArray("1\r\n64\r\n"));
}

TEST_F(CloseSequenceTest, StartedFromAnotherFolderFindsNoBackupThere) {
    start();
    type(QStringLiteral("99"));
    click("EnterButton");
    ASSERT_TRUE(closeWindow());

    ASSERT_TRUE(QDir().mkpath(sandboxFile(QStringLiteral("elsewhere"))));
    ASSERT_TRUE(QDir::setCurrent(sandboxFile(QStringLiteral("elsewhere"))));
    start();
    EXPECT_TRUE(calc().stack().empty()) << "BACKUP.STK lies in the folder the program started in";
    EXPECT_TRUE(window().action(Command::StoreInIniFile)->isChecked());
    discardWindow();
    ASSERT_TRUE(QDir::setCurrent(workDir()));
    start();
    EXPECT_EQ(calc().stack().toVector(), std::vector<std::string>{"99"});
}

} // namespace
