// The readout's setting: written once the readout was shown or the store held
// it, and otherwise left out, so that a file without it stays as it was.

#include "storage/ConfText.h"
#include "storage/Settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quarnel::storage {
namespace {

std::optional<std::string> readoutText(bool shown, bool stored) {
    SettingsValues v;
    v.window.readoutShown = shown;
    v.window.readoutStored = stored;
    return writeSettings(v)[static_cast<std::size_t>(Setting::ReadoutShown)];
}

TEST(ReadoutSettingText, WrittenOnlyOnceItMatters) {
    const struct {
        bool shown, stored;
        std::optional<std::string> text;
    } rows[] = {
        {false, false, std::nullopt}, // never shown, not in the store: left out
        {true, false, "1"},
        {false, true, "0"}, // hidden again: the store must hear of it
        {true, true, "1"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(readoutText(row.shown, row.stored), row.text)
            << "shown " << row.shown << " stored " << row.stored;
        // Whatever is written reads back as the state it came from.
        SettingTexts texts;
        texts[static_cast<std::size_t>(Setting::ReadoutShown)] = row.text;
        const WindowOptions back = readSettings(texts, {}).window;
        EXPECT_EQ(back.readoutShown, row.shown);
        EXPECT_EQ(back.readoutStored, row.text.has_value());
    }
}

// A setting left out adds nothing to a file, and keeps the line a file has.
TEST(ReadoutSettingText, LeftOutKeepsTheFileAsItIs) {
    SettingsValues v;
    const SettingTexts hidden = writeSettings(v);
    const std::string fresh = mergeConfText("", hidden, nullptr);
    EXPECT_EQ(fresh.find("Readout"), std::string::npos) << fresh;
    // Merging the same settings again changes nothing.
    EXPECT_EQ(mergeConfText(fresh, hidden, nullptr), fresh);

    const std::string withIt = fresh + "\n[readout]\nShown=1\nOther=x\n";
    const std::string merged = mergeConfText(withIt, hidden, nullptr);
    EXPECT_NE(merged.find("[Readout]\nShown=1\nOther=x\n"), std::string::npos) << merged;

    v.window.readoutShown = true;
    const std::string shown = mergeConfText(withIt, writeSettings(v), nullptr);
    EXPECT_NE(shown.find("[Readout]\nShown=1\nOther=x\n"), std::string::npos) << shown;
    v.window = {};
    v.window.readoutStored = true;
    const std::string off = mergeConfText(withIt, writeSettings(v), nullptr);
    EXPECT_NE(off.find("[Readout]\nShown=0\nOther=x\n"), std::string::npos) << off;
}

} // namespace
} // namespace quarnel::storage
