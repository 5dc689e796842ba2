#pragma once

#include "calculator/Limits.h"
#include "engine/NumberBase.h"
#include "storage/StoredBase.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quarnel::storage {

// A stack file is 8-bit text: the stored base code, the word size in decimal,
// then the entries from the deepest to level 1, one per line, each line ended
// by CR LF.

// Splits text at CR LF, CR or LF. A line end after the last line adds no empty
// line; an empty text has no lines.
std::vector<std::string_view> splitLines(std::string_view text);

// The file text of a stack. `entries` is any range of strings, deepest first.
template <class Entries>
std::string encodeStackFile(engine::NumberBase base, int wordSize, const Entries& entries) {
    std::string header =
        std::to_string(storedBaseCode(base)) + "\r\n" + std::to_string(wordSize) + "\r\n";
    std::size_t size = header.size();
    for (const auto& entry : entries) {
        size += std::string_view(entry).size() + 2;
    }
    std::string text;
    text.reserve(size);
    text += header;
    for (const auto& entry : entries) {
        text += std::string_view(entry);
        text += "\r\n";
    }
    return text;
}

struct StackFileData {
    engine::NumberBase base = engine::NumberBase::Hex;
    int wordSize = calculator::kDefaultWordSize; // already limited to 1..128
    std::vector<std::string> entries;
};

// Why a file cannot be loaded.
struct StackFileProblem {
    enum class Kind {
        TooFewLines,  // fewer than the two header lines
        BadWordSize,  // the second line is not an integer; `text` holds it
        InvalidEntry, // an entry is not a number in the file's base
    };
    Kind kind = Kind::TooFewLines;
    std::string text;
    std::size_t line = 0; // 1-based line of the problem
    engine::NumberBase base = engine::NumberBase::Hex;
};

// Reads a whole stack file. Blank entry lines are not entries and are passed
// over; every other entry must be a number in the file's base.
std::variant<StackFileData, StackFileProblem> parseStackFile(std::string_view text);

// The entries of a backup file: every line after the two header lines (which
// the settings supersede), blank lines passed over, nothing validated.
std::vector<std::string> backupFileEntries(std::string_view text);

} // namespace quarnel::storage
