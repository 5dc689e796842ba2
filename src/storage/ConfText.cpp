#include "storage/ConfText.h"

#include "storage/SettingsAccess.h"

#include <algorithm>
#include <array>

namespace quarnel::storage {

namespace {

// Characters that stand in a value unchanged in Qt's INI layout.
bool isPlainValue(std::string_view value) {
    return std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               c == '$' || c == '+' || c == '-';
    });
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// "[Name]" gives Name.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.size() < 2 || t.front() != '[') {
        return std::nullopt;
    }
    // Qt ends the name at the first "]" and ignores the rest of the line.
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos || close == 0) {
        return std::nullopt;
    }
    return t.substr(1, close - 1);
}

std::optional<std::string_view> keyOf(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#') {
        return std::nullopt;
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return trim(t.substr(0, eq));
}

struct Section {
    std::string_view name; // empty for the lines before the first section
    bool hasHeader = false;
    std::string_view header;             // the header line as written
    std::vector<std::string_view> lines; // without the header
};

std::vector<Section> splitSections(std::string_view text) {
    std::vector<Section> sections(1);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        pos = end + 1;
        if (auto name = sectionName(line)) {
            sections.push_back({*name, true, line, {}});
        } else {
            sections.back().lines.push_back(line);
        }
    }
    return sections;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// Names of sections and keys that another program wrote in a way that every
// reader takes as written.
bool isPlainName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               c == '_' || c == '.' || c == '-' || c == ' ';
    });
}

// A line of another program's that cannot change how the rest of the file
// reads: blank, a comment, a plain section header, or a plain key with a value
// free of quotes and escapes.
bool isPlainForeign(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';') {
        return true;
    }
    if (t.front() == '[') {
        return t.size() >= 2 && t.back() == ']' && isPlainName(t.substr(1, t.size() - 2));
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) {
        return false;
    }
    const std::string_view value = t.substr(eq + 1);
    return isPlainName(trim(t.substr(0, eq))) &&
           value.find_first_of("\"\\;") == std::string_view::npos &&
           (value.empty() || trim(value).front() != '@') &&
           std::all_of(value.begin(), value.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x20; });
}

// Our own spelling of a section name, whatever its case.
std::optional<std::string_view> ownSection(std::string_view name) {
    for (const auto& setting : kSettingKeys) {
        if (equalIgnoringCase(setting.section, name)) {
            return setting.section;
        }
    }
    return std::nullopt;
}

// The settings of one section, in table order.
std::vector<std::size_t> settingsOf(std::string_view section) {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        if (kSettingKeys[i].section == section) {
            rows.push_back(i);
        }
    }
    return rows;
}

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += '\n';
}

void appendSetting(std::string& out, std::size_t row, const SettingTexts& texts) {
    out += kSettingKeys[row].key;
    out += '=';
    out += confValue(texts[row].value_or(std::string()));
    out += '\n';
}

void appendSectionBreak(std::string& out) {
    if (!out.empty() &&
        !(out.size() >= 2 && out[out.size() - 1] == '\n' && out[out.size() - 2] == '\n')) {
        out += '\n';
    }
}

// "Level12" gives 12.
std::optional<std::size_t> levelNumber(std::string_view key) {
    constexpr std::string_view prefix = "Level";
    if (key.size() <= prefix.size() || key.size() > prefix.size() + 15 ||
        key.substr(0, prefix.size()) != prefix) {
        return std::nullopt;
    }
    std::size_t n = 0;
    for (char c : key.substr(prefix.size())) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    return n;
}

} // namespace

std::optional<std::vector<std::string>> readConfBackup(std::string_view text) {
    const std::vector<Section> sections = splitSections(text);
    // Only a file of plain lines is read directly; quotes, escapes and odd
    // headers are left to QSettings, whose reading of them is its own.
    for (const Section& section : sections) {
        if (section.hasHeader && !isPlainForeign(section.header)) {
            return std::nullopt;
        }
        for (std::string_view line : section.lines) {
            const std::string_view t = trim(line);
            if (!t.empty() && t.front() != ';' && !isPlainForeign(line)) {
                return std::nullopt;
            }
        }
    }
    const Section* backup = nullptr;
    for (const Section& section : sections) {
        if (!section.hasHeader || !equalIgnoringCase(section.name, kBackupGroup)) {
            continue;
        }
        if (backup != nullptr || section.name != kBackupGroup) {
            return std::nullopt;
        }
        backup = &section;
    }
    std::vector<std::string> entries;
    if (backup == nullptr) {
        return entries;
    }
    std::vector<std::pair<std::size_t, std::string_view>> numbered;
    numbered.reserve(backup->lines.size());
    for (std::string_view line : backup->lines) {
        if (trim(line).empty()) {
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            return std::nullopt;
        }
        const auto number = levelNumber(line.substr(0, eq));
        const std::string_view value = line.substr(eq + 1);
        if (!number || !isPlainValue(value)) {
            return std::nullopt;
        }
        numbered.emplace_back(*number, value);
    }
    std::sort(numbered.begin(), numbered.end());
    for (std::size_t i = 1; i < numbered.size(); ++i) {
        if (numbered[i].first == numbered[i - 1].first) {
            return std::nullopt;
        }
    }
    entries.reserve(numbered.size());
    for (const auto& [number, value] : numbered) {
        if (!value.empty()) {
            entries.emplace_back(value);
        }
    }
    return entries;
}

std::string confValue(std::string_view value) {
    if (isPlainValue(value)) {
        return std::string(value);
    }
    std::string out = "\"";
    if (!value.empty() && value.front() == '@') {
        out += '@'; // a leading @ would announce a typed value
    }
    for (char c : value) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string mergeConfText(std::string_view oldText, const SettingTexts& texts,
                          const std::vector<std::string_view>* backup, ForeignLines keep,
                          std::vector<std::string>* dropped) {
    std::size_t backupSize = 0;
    if (backup != nullptr) {
        for (std::string_view entry : *backup) {
            backupSize += entry.size() + 16;
        }
    }
    const auto keepForeign = [&](std::string_view line) {
        const bool kept = keep == ForeignLines::All ||
                          (keep == ForeignLines::Plain && isPlainForeign(line)) ||
                          trim(line).empty();
        if (!kept && dropped != nullptr) {
            dropped->emplace_back(line);
        }
        return kept;
    };

    const std::vector<Section> sections = splitSections(oldText);
    std::array<bool, kSettingCount> written{};
    std::string out;
    out.reserve(oldText.size() + backupSize + 512);

    for (const Section& section : sections) {
        if (backup != nullptr && section.hasHeader &&
            equalIgnoringCase(section.name, kBackupGroup)) {
            continue; // replaced below
        }
        const auto own = section.hasHeader ? ownSection(section.name) : std::nullopt;
        if (section.hasHeader && !own && !keepForeign(section.header)) {
            // Its lines would fall into the section before: they go with it.
            if (dropped != nullptr) {
                dropped->insert(dropped->end(), section.lines.begin(), section.lines.end());
            }
            continue;
        }
        const std::vector<std::size_t> rows = own ? settingsOf(*own) : std::vector<std::size_t>{};
        if (section.hasHeader) {
            appendSectionBreak(out);
            if (own) {
                out += '[';
                out += *own;
                out += "]\n";
            } else {
                appendLine(out, section.header);
            }
        }
        // Trailing blank lines stay after the settings added to the section.
        std::size_t body = section.lines.size();
        while (body > 0 && trim(section.lines[body - 1]).empty()) {
            --body;
        }
        for (std::size_t i = 0; i < body; ++i) {
            const std::string_view line = section.lines[i];
            const auto key = keyOf(line);
            const auto row =
                key ? std::find_if(rows.begin(), rows.end(),
                                   [&](std::size_t r) {
                                       return equalIgnoringCase(kSettingKeys[r].key, *key);
                                   })
                    : rows.end();
            if (row == rows.end() || !texts[*row]) {
                // A setting left out keeps its line like any other.
                if (keepForeign(line)) {
                    appendLine(out, line);
                }
            } else if (!written[*row]) {
                appendSetting(out, *row, texts);
                written[*row] = true;
            }
        }
        for (std::size_t r : rows) {
            if (!written[r] && texts[r]) {
                appendSetting(out, r, texts);
                written[r] = true;
            }
        }
        for (std::size_t i = body; i < section.lines.size(); ++i) {
            appendLine(out, section.lines[i]);
        }
    }

    // Sections the file did not have yet, in the order of the table.
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        if (written[i] || !texts[i]) {
            continue;
        }
        appendSectionBreak(out);
        out += '[';
        out += kSettingKeys[i].section;
        out += "]\n";
        for (std::size_t r : settingsOf(kSettingKeys[i].section)) {
            if (!written[r] && texts[r]) {
                appendSetting(out, r, texts);
                written[r] = true;
            }
        }
    }

    if (backup != nullptr && !backup->empty()) {
        appendSectionBreak(out);
        out += '[';
        out += kBackupGroup;
        out += "]\n";
        for (std::size_t i = 0; i < backup->size(); ++i) {
            out += "Level";
            out += std::to_string(i);
            out += '=';
            out += confValue((*backup)[i]);
            out += '\n';
        }
    }
    return out;
}

} // namespace quarnel::storage
