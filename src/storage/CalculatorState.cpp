#include "storage/CalculatorState.h"

#include "calculator/Calculator.h"
#include "engine/Engine.h"
#include "storage/FileAccess.h"
#include "storage/StoredBase.h"

#include <QDir>

#include <optional>

namespace quarnel::storage {

namespace {

constexpr std::size_t kListedRejects = 10;

// The direct conversion for a pair of different bases, as a base change does it.
std::string convertText(std::string_view text, engine::NumberBase from, engine::NumberBase to,
                        int ws) {
    using B = engine::NumberBase;
    switch (from) {
    case B::Hex:
        return to == B::Oct   ? engine::HexToOct(text, ws)
               : to == B::Bin ? engine::HexToBin(text, ws)
                              : engine::HexToDec(text, ws);
    case B::Oct:
        return to == B::Hex   ? engine::OctToHex(text, ws)
               : to == B::Bin ? engine::OctToBin(text, ws)
                              : engine::OctToDec(text, ws);
    case B::Bin:
        return to == B::Hex   ? engine::BinToHex(text, ws)
               : to == B::Oct ? engine::BinToOct(text, ws)
                              : engine::BinToDec(text, ws);
    case B::Dec:
        return to == B::Hex   ? engine::DecToHex(text, ws)
               : to == B::Oct ? engine::DecToOct(text, ws)
                              : engine::DecToBin(text, ws);
    }
    return std::string(text);
}

// A backup entry in the calculator's base, or nothing when it is no number in
// the base its backup was written in.
std::optional<std::string> takeEntry(std::string& entry, engine::NumberBase written,
                                     engine::NumberBase base, int ws) {
    if (!engine::IsValidNumber(entry, written)) {
        return std::nullopt;
    }
    if (written == base) {
        return std::move(entry);
    }
    try {
        return convertText(entry, written, base, ws);
    } catch (const engine::EngineError&) {
        return std::nullopt;
    }
}

QString rejectNotice(const BackupRead& backup, const std::vector<RejectedEntry>& rejected,
                     engine::NumberBase base) {
    const std::string_view word = baseWord(base);
    const QString baseName = QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
    const bool one = rejected.size() == 1;
    const QString what =
        one ? QStringLiteral("an entry that is not a valid %1 number").arg(baseName)
            : QStringLiteral("%1 entries that are not valid %2 numbers")
                  .arg(rejected.size())
                  .arg(baseName);
    QString text = QStringLiteral("The stack backup in %1 holds %2. %3 left off the stack:")
                       .arg(backup.location, what,
                            one ? QStringLiteral("It was") : QStringLiteral("They were"));
    const std::size_t listed = std::min(rejected.size(), kListedRejects);
    for (std::size_t i = 0; i < listed; ++i) {
        text += QStringLiteral("\nentry %1: '%2'")
                    .arg(rejected[i].position + 1)
                    .arg(displayText(rejected[i].text));
    }
    if (rejected.size() > listed) {
        text += QStringLiteral("\n... and %1 more.").arg(rejected.size() - listed);
    }
    return text;
}

} // namespace

LoadReport loadCalculatorState(const SettingsStore& store, calculator::Calculator& calculator,
                               WindowOptions& options) {
    TextsRead texts = store.readTexts();
    const SettingsValues values = readSettings(texts.texts, options);
    options = values.window;
    calculator.setStackNumbering(values.stackNumbering);
    calculator.loadBase(values.base);
    calculator.loadWordSize(values.wordSize);

    LoadReport report;
    report.backup = store.readBackup();
    // Entries are read in the base their backup names (the settings may have
    // been saved by a run in another folder since) and converted as a base
    // change would convert them.
    const engine::NumberBase written = report.backup.base.value_or(values.base);
    std::vector<std::string> accepted;
    accepted.reserve(report.backup.entries.size());
    for (std::size_t i = 0; i < report.backup.entries.size(); ++i) {
        std::string& entry = report.backup.entries[i];
        if (auto taken = takeEntry(entry, written, values.base, values.wordSize)) {
            accepted.push_back(std::move(*taken));
        } else {
            report.rejected.push_back({i, std::move(entry)});
        }
    }
    report.backup.entries.clear();
    calculator.loadStack(std::move(accepted));
    QStringList notes = std::move(texts.notes);
    notes += store.linkNotes();
    if (!report.backup.problem.isEmpty()) {
        notes.append(QStringLiteral("The stack backup %1 could not be read (%2). The stack "
                                    "starts empty.")
                         .arg(report.backup.location, report.backup.problem));
    } else if (!report.rejected.empty()) {
        QString notice = rejectNotice(report.backup, report.rejected, written);
        // Nothing unread is destroyed: the next close overwrites the backup.
        if (auto aside = keepAside(report.backup.path, report.backup.bytes)) {
            notice += QStringLiteral("\nThe backup as it was is kept in %1.")
                          .arg(QDir::toNativeSeparators(*aside));
        } else {
            notice += QStringLiteral("\nA copy of the backup as it was could not be kept.");
        }
        notes.append(notice);
    }
    report.backup.bytes.clear();
    report.notice = notes.join(QStringLiteral("\n\n"));

    if (values.stackView) {
        calculator.run(calculator::Command::View);
    }
    calculator.setInputText(values.inputArgument);
    calculator.loadMaxStackDepth(values.maxStackDepth);
    return report;
}

SaveOutcome saveCalculatorState(const SettingsStore& store,
                                const calculator::Calculator& calculator,
                                const WindowOptions& options, BackupFailure onBackupFailure) {
    SettingsValues values;
    values.window = options;
    values.stackNumbering = calculator.stackNumbering();
    values.base = calculator.currentBase();
    values.wordSize = calculator.wordSize();
    values.stackView = calculator.stackViewShown();
    values.inputArgument = calculator.inputText();
    values.maxStackDepth = calculator.maxStackDepth();

    BackupContent backup;
    backup.base = values.base;
    backup.wordSize = values.wordSize;
    // The texts the backup's views point into, kept until the write is done.
    const std::vector<std::string> texts = calculator.stack().toVector();
    backup.entries.assign(texts.begin(), texts.end());
    return store.write(writeSettings(values), backup, onBackupFailure);
}

} // namespace quarnel::storage
