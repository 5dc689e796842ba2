// Feeds arbitrary bytes to the stack-file readers, the settings-file readers
// and the per-user settings file's merge and read-back, and stops when:
// - the direct backup reader and QSettings disagree on a file both accept;
// - a merged file, with the old file's foreign lines kept only where plain or
//   not at all, does not read back as exactly the settings and backup saved
//   (the save falls back to these, so they must always hold).

#include "storage/ConfText.h"
#include "storage/SettingsAccess.h"
#include "storage/StackFileFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace s = quarnel::storage;

QString scratchFile() {
    static QTemporaryDir dir;
    static unsigned counter = 0;
    // A new name each time: QSettings caches what it read by file name.
    return dir.filePath(QStringLiteral("f%1.conf").arg(++counter));
}

QString writeScratch(std::string_view text) {
    const QString path = scratchFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
}

void fail(const char* what, std::string_view old) {
    std::fprintf(stderr, "%s\n--- old file ---\n%.*s\n", what, int(old.size()), old.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "storage_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The stack file readers take any bytes.
    (void)s::parseStackFile(input);
    (void)s::backupFileEntries(input);

    // The parts: the old file, then the texts and backup entries, split at 0x01.
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (std::size_t i = 0; i <= input.size(); ++i) {
        if (i == input.size() || input[i] == '\x01') {
            parts.push_back(input.substr(from, i - from));
            from = i + 1;
        }
    }
    const std::string_view old = parts[0];

    // The direct backup reader agrees with QSettings whenever it answers.
    {
        const QString path = writeScratch(old);
        if (auto direct = s::readConfBackup(old)) {
            QSettings settings(path, QSettings::IniFormat);
            if (*direct != s::readBackupGroup(settings))
                fail("the direct backup reader and QSettings disagree", old);
        }
        QFile::remove(path);
    }

    // The program's values are ASCII text without NUL.
    auto ascii = [](std::string_view part) {
        std::string t;
        for (char c : part)
            if ((c & 0x7F) != 0)
                t += char(c & 0x7F);
        return t;
    };
    s::SettingTexts texts;
    std::vector<std::string> entries;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (i - 1 < texts.size())
            texts[i - 1] = ascii(parts[i]);
        else if (!ascii(parts[i]).empty())
            entries.push_back(ascii(parts[i]));
    }
    const std::vector<std::string_view> backup(entries.begin(), entries.end());
    for (s::ForeignLines keep : {s::ForeignLines::Plain, s::ForeignLines::None}) {
        const std::string merged = s::mergeConfText(old, texts, &backup, keep);
        const QString path = writeScratch(merged);
        QSettings settings(path, QSettings::IniFormat);
        const s::SettingTexts read = s::readSettingTexts(settings);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (read[i].value_or(std::string()) != texts[i].value_or(std::string()))
                fail(keep == s::ForeignLines::Plain ? "a plain line changed a setting"
                                                    : "a setting did not read back",
                     old);
        }
        if (s::readBackupGroup(settings) != entries)
            fail("the backup did not read back", old);
        QFile::remove(path);
    }
    return 0;
}
