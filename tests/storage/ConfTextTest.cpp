#include "Sandbox.h"

#include "storage/ConfText.h"
#include "storage/SettingsAccess.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <string>

namespace quarnel::storage {
namespace {

using namespace test;

SettingTexts sampleTexts() {
    SettingsValues v;
    v.window = {-30, 12, 300, 400, 0x00ff8000};
    v.inputArgument = "1F";
    return writeSettings(v);
}

TEST(ConfText, QtReadsBackWhatIsMergedIntoAnyOldFile) {
    // clang-format off
    const struct { const char* name; QByteArray old; QStringList keptKeys; /* foreign keys that must survive */ } cases[] = {
        {"no file", "", {}},
        {"our own earlier file", "[Color]\nBackGround=clRed\nFont=clRed\nStack=clRed\n\n[Position]\nLeft=1\nTop=2\n\n[BackUpStack]\nLevel0=1\nLevel1=2\nLevel10=3\n", {}},
        {"foreign sections and keys", "[General]\nfoo=bar\n\n[Position]\nExtra=keep me\nLeft=1\n\n[Zeta]\nx=1\n", {"foo", "Position/Extra", "Zeta/x"}},
        {"CR LF line ends and blank lines", "[Position]\r\nLeft=1\r\n\r\n\r\n[Other]\r\nk=v\r\n", {"Other/k"}},
        {"a key twice", "[Modes]\nBase=2\nBase=3\nWordSize=8\n", {}},
        {"backup in the middle", "[BackUpStack]\nLevel0=AA\n\n[Keep]\na=1\n", {"Keep/a"}},
    };
    // clang-format on
    const std::vector<std::string_view> backup = {"F", "0", "ABC", "1", "2", "3",
                                                  "4", "5", "6",   "7", "8", "9"};
    for (const auto& c : cases) {
        Sandbox box;
        const QString path = box.path(QStringLiteral("merged.conf"));
        const std::string merged = mergeConfText(std::string_view(c.old.constData(), c.old.size()),
                                                 sampleTexts(), &backup);
        writeBytes(path, QByteArray::fromStdString(merged));
        QSettings back(path, QSettings::IniFormat);
        EXPECT_EQ(readSettingTexts(back), sampleTexts()) << c.name;
        EXPECT_EQ(readBackupGroup(back), std::vector<std::string>(backup.begin(), backup.end()))
            << c.name;
        for (const QString& key : c.keptKeys) {
            EXPECT_TRUE(back.allKeys().contains(key)) << c.name << " lost " << key.toStdString();
        }
        // Nothing but the fourteen, the twelve backup values and the kept keys.
        EXPECT_EQ(back.allKeys().size(), 14 + 12 + c.keptKeys.size()) << c.name;
    }
}

TEST(ConfText, EmptyStackLeavesNoBackupSection) {
    const std::string old = "[BackUpStack]\nLevel0=1\n[Position]\nLeft=3\n";
    const std::vector<std::string_view> none;
    EXPECT_EQ(mergeConfText(old, sampleTexts(), &none).find("BackUpStack"), std::string::npos);
}

TEST(ConfText, BackupReadDirectlyMatchesWhatQSettingsReads) {
    // clang-format off
    const struct { const char* name; QByteArray text; bool direct; /* read without QSettings */ } cases[] = {
        {"no section", "[Position]\nLeft=1\n", true}, {"in order", "[BackUpStack]\nLevel0=A\nLevel1=B\nLevel2=C\n", true},
        {"names sorted as text", "[BackUpStack]\nLevel0=0\nLevel1=1\nLevel10=10\nLevel11=11\nLevel2=2\nLevel3=3\nLevel4=4\nLevel5=5\nLevel6=6\nLevel7=7\nLevel8=8\nLevel9=9\n", true},
        {"gaps and empty values", "[BackUpStack]\nLevel7=7\nLevel3=\nLevel1=1\n", true}, {"CR LF", "[BackUpStack]\r\nLevel1=B\r\nLevel0=A\r\n", true},
        {"among other sections", "[A]\nx=1\n\n[BackUpStack]\nLevel1=2\nLevel0=1\n\n[Z]\ny=2\n", true},
        {"quoted value", "[BackUpStack]\nLevel0=\"a,b\"\nLevel1=C\n", false}, {"escaped value", "[BackUpStack]\nLevel0=a\\tb\n", false},
        {"other name", "[BackUpStack]\nLevel0=A\nFoo=B\n", false}, {"section in another case", "[backupstack]\nLevel0=A\n", false},
        {"section twice", "[BackUpStack]\nLevel0=A\n[BackUpStack]\nLevel1=B\n", false}, {"name twice", "[BackUpStack]\nLevel0=A\nLevel00=B\n", false},
        {"text after the name", "[BackUpStack]tion]\nLeft=1\n", false}, {"escaped name", "[Back%55pStack]\nLevel0=1\n", false},
        {"unclosed header", "[PositLeft=1\n[BackUpStack]Leveft=1\n", false},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto direct = readConfBackup(std::string_view(c.text.constData(), c.text.size()));
        EXPECT_EQ(direct.has_value(), c.direct) << c.name;
        if (direct) {
            Sandbox box;
            const QString path = box.path(QStringLiteral("read.conf"));
            writeBytes(path, c.text);
            QSettings settings(path, QSettings::IniFormat);
            EXPECT_EQ(*direct, readBackupGroup(settings)) << c.name;
        }
    }
}

} // namespace
} // namespace quarnel::storage
