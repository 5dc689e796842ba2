#include "storage/StackFileFormat.h"

#include "engine/Engine.h"
#include "storage/IntegerText.h"

namespace quarnel::storage {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* q = p;
        while (q < end && *q != '\r' && *q != '\n') {
            ++q;
        }
        lines.emplace_back(p, static_cast<std::size_t>(q - p));
        if (q < end && *q == '\r') {
            ++q;
            if (q < end && *q == '\n') {
                ++q;
            }
        } else if (q < end) {
            ++q;
        }
        p = q;
    }
    return lines;
}

std::variant<StackFileData, StackFileProblem> parseStackFile(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() < 2) {
        return StackFileProblem{StackFileProblem::Kind::TooFewLines, {}, lines.size() + 1, {}};
    }
    StackFileData data;
    data.base = baseFromStackFileLine(lines[0]);
    const auto wordSize = readIntegerText(lines[1]);
    if (!wordSize) {
        return StackFileProblem{StackFileProblem::Kind::BadWordSize, std::string(lines[1]), 2,
                                data.base};
    }
    data.wordSize = limitWordSize(*wordSize);
    data.entries.reserve(lines.size() - 2);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string_view entry = lines[i];
        if (entry.empty()) {
            continue;
        }
        if (!engine::IsValidNumber(entry, data.base)) {
            return StackFileProblem{StackFileProblem::Kind::InvalidEntry, std::string(entry), i + 1,
                                    data.base};
        }
        data.entries.emplace_back(entry);
    }
    return data;
}

std::vector<std::string> backupFileEntries(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    std::vector<std::string> entries;
    if (lines.size() > 2) {
        entries.reserve(lines.size() - 2);
    }
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (!lines[i].empty()) {
            entries.emplace_back(lines[i]);
        }
    }
    return entries;
}

} // namespace quarnel::storage
