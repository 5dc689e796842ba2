#include "storage/SettingsAccess.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace quarnel::storage {

namespace {

// The name among `names` that matches `wanted`: the exact one, else the first
// that differs only in case.
std::optional<QString> findName(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) {
        return wanted;
    }
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    return std::nullopt;
}

std::optional<std::string> textOf(const QVariant& value) {
    if (!value.isValid()) {
        return std::nullopt;
    }
    // An unquoted text with commas comes back from an INI file as a list.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    }
    if (!value.canConvert<QString>()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Level12" gives 12; names of another shape give nothing.
std::optional<qulonglong> levelNumber(const QString& name) {
    static const QString prefix = QStringLiteral("Level");
    if (!name.startsWith(prefix, Qt::CaseInsensitive) || name.size() == prefix.size()) {
        return std::nullopt;
    }
    const QStringView digits = QStringView(name).mid(prefix.size());
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const qulonglong number = digits.toULongLong(&ok);
    return ok ? std::optional<qulonglong>(number) : std::nullopt;
}

} // namespace

SettingTexts readSettingTexts(QSettings& settings) {
    SettingTexts texts;
    // The exact names are looked up directly; listing a section's keys walks
    // every key of the store (the backup may hold many), so it is done only
    // for a setting that is missing under its exact name.
    std::optional<QStringList> sections;
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const QString section = toQString(kSettingKeys[i].section);
        const QString key = toQString(kSettingKeys[i].key);
        const QString exact = section + QLatin1Char('/') + key;
        if (settings.contains(exact)) {
            texts[i] = textOf(settings.value(exact));
            continue;
        }
        if (!sections) {
            sections = settings.childGroups();
        }
        const auto foundSection = findName(*sections, section);
        if (!foundSection) {
            continue;
        }
        settings.beginGroup(*foundSection);
        if (const auto foundKey = findName(settings.childKeys(), key)) {
            texts[i] = textOf(settings.value(*foundKey));
        }
        settings.endGroup();
    }
    return texts;
}

void writeSettingTexts(QSettings& settings, const SettingTexts& texts) {
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        if (!texts[i]) {
            continue; // left out
        }
        const QString name =
            toQString(kSettingKeys[i].section) + QLatin1Char('/') + toQString(kSettingKeys[i].key);
        settings.setValue(name, toQString(texts[i].value_or(std::string())));
    }
}

std::vector<std::string> readBackupGroup(QSettings& settings) {
    std::vector<std::string> entries;
    const auto group = findName(settings.childGroups(), QString::fromLatin1(kBackupGroup));
    if (!group) {
        return entries;
    }
    settings.beginGroup(*group);
    const QStringList names = settings.childKeys();
    struct Named {
        std::optional<qulonglong> number;
        qsizetype listed;
    };
    std::vector<Named> order;
    order.reserve(static_cast<std::size_t>(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) {
        order.push_back({levelNumber(names[i]), i});
    }
    std::stable_sort(order.begin(), order.end(), [](const Named& a, const Named& b) {
        if (a.number && b.number) {
            return *a.number < *b.number;
        }
        return a.number.has_value() && !b.number.has_value();
    });
    entries.reserve(order.size());
    for (const Named& n : order) {
        auto text = textOf(settings.value(names[n.listed]));
        if (text && !text->empty()) {
            entries.push_back(std::move(*text));
        }
    }
    settings.endGroup();
    return entries;
}

void writeBackupGroup(QSettings& settings, const std::vector<std::string_view>& entries) {
    settings.remove(QString::fromLatin1(kBackupGroup));
    if (entries.empty()) {
        return;
    }
    settings.beginGroup(QString::fromLatin1(kBackupGroup));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        settings.setValue(QStringLiteral("Level%1").arg(i), toQString(entries[i]));
    }
    settings.endGroup();
}

} // namespace quarnel::storage
