// The close sequence of the wired window: both ways of closing save the
// whole state, whether it changed or not.

#include "WiringFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

using quarnel::ui::Command;

namespace {

class CloseSequenceTest : public WiringTest {};

TEST_F(CloseSequenceTest, CaptionBarAndFileExitBothSaveTheState) {
    for (bool viaMenu : {false, true}) {
        start();
        type(QStringLiteral("2A"), "EnterButton");
        type(QString::number(viaMenu));
        if (viaMenu)
            choose(Command::Exit);
        else
            window().close();
        QCoreApplication::processEvents();
        EXPECT_FALSE(window().isVisible());
        EXPECT_EQ(readWhole(backupPath()), QByteArray("1\r\n64\r\n2A\r\n"));
        QSettings ini(iniPath(), QSettings::IniFormat);
        EXPECT_EQ(ini.value(QStringLiteral("RPNScreen/InputArgument")).toString(),
                  QString::number(viaMenu));
        ASSERT_TRUE(QFile::remove(backupPath()));
    }
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

} // namespace
