#include "storage/CalculatorState.h"

#include "calculator/Calculator.h"
#include "engine/Engine.h"
#include "storage/FileAccess.h"
#include "storage/StoredBase.h"

namespace quarnel::storage {

namespace {

constexpr std::size_t kListedRejects = 10;

QString rejectNotice(const BackupRead& backup, const std::vector<RejectedEntry>& rejected,
                     engine::NumberBase base) {
    QString text =
        QStringLiteral("The stack backup in %1 holds %2 that %3 not %4 "
                       "number%5. %6 left off the stack:")
            .arg(backup.location,
                 rejected.size() == 1 ? QStringLiteral("an entry")
                                      : QStringLiteral("%1 entries").arg(rejected.size()),
                 rejected.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                 QString::fromLatin1(baseWord(base).data(),
                                     static_cast<qsizetype>(baseWord(base).size())),
                 rejected.size() == 1 ? QString() : QStringLiteral("s"),
                 rejected.size() == 1 ? QStringLiteral("It was") : QStringLiteral("They were"));
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
    const SettingsValues values = readSettings(store.readTexts(), options);
    options = values.window;
    calculator.setStackNumbering(values.stackNumbering);
    calculator.loadBase(values.base);
    calculator.loadWordSize(values.wordSize);

    LoadReport report;
    report.backup = store.readBackup();
    std::vector<std::string> accepted;
    accepted.reserve(report.backup.entries.size());
    for (std::size_t i = 0; i < report.backup.entries.size(); ++i) {
        std::string& entry = report.backup.entries[i];
        if (engine::IsValidNumber(entry, values.base)) {
            accepted.push_back(std::move(entry));
        } else {
            report.rejected.push_back({i, std::move(entry)});
        }
    }
    report.backup.entries.clear();
    calculator.loadStack(std::move(accepted));
    if (!report.backup.problem.isEmpty()) {
        report.notice = QStringLiteral("The stack backup %1 could not be read (%2). The stack "
                                       "starts empty.")
                            .arg(report.backup.location, report.backup.problem);
    } else if (!report.rejected.empty()) {
        report.notice = rejectNotice(report.backup, report.rejected, values.base);
    }

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
    backup.entries.reserve(calculator.stack().size());
    for (const std::string& entry : calculator.stack()) {
        backup.entries.emplace_back(entry);
    }
    return store.write(writeSettings(values), backup, onBackupFailure);
}

} // namespace quarnel::storage
