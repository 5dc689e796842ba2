#include "storage/ColourText.h"

#include <array>

namespace quarnel::storage {

namespace {

struct NamedColour {
    std::string_view name;
    ColourValue value;
};

constexpr ColourValue sys(int index) {
    return kSystemColourBase + static_cast<ColourValue>(index);
}

constexpr std::array<NamedColour, 42> kNamedColours{{
    {"clBlack", 0x000000},        {"clMaroon", 0x000080},
    {"clGreen", 0x008000},        {"clOlive", 0x008080},
    {"clNavy", 0x800000},         {"clPurple", 0x800080},
    {"clTeal", 0x808000},         {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},       {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},         {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},         {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},         {"clWhite", 0xFFFFFF},
    {"clScrollBar", sys(0)},      {"clBackground", sys(1)},
    {"clActiveCaption", sys(2)},  {"clInactiveCaption", sys(3)},
    {"clMenu", sys(4)},           {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},    {"clMenuText", sys(7)},
    {"clWindowText", sys(8)},     {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)},  {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)},  {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)}, {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)},     {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},       {"clInactiveCaptionText", sys(19)},
    {"clBtnHighlight", sys(20)},  {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},       {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},        {"clNone", kNoColour},
}};

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::uint32_t HexTextToInt(std::string_view text) {
    // Weights are powers of 16 modulo 2^32, so from the ninth character from the
    // end on every weight is 0; the loop still walks them, as the rule says.
    std::uint32_t sum = 0;
    std::uint32_t weight = 1;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const int digit = hexDigitValue(*it);
        if (digit > 0) {
            sum += static_cast<std::uint32_t>(digit) * weight;
        }
        weight *= 16;
    }
    return sum;
}

std::optional<ColourValue> readColourText(std::string_view text) {
    if (!text.empty() && text.front() == '$') {
        const std::string_view digits = text.substr(1);
        // A damaged "$" text keeps the colour instead of turning it black.
        if (digits.empty()) {
            return std::nullopt;
        }
        for (char c : digits) {
            if (hexDigitValue(c) < 0) {
                return std::nullopt;
            }
        }
        return HexTextToInt(digits);
    }
    return colourByName(text);
}

std::string colourText(ColourValue colour) {
    if (auto name = colourName(colour)) {
        return std::string(*name);
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(9, '0');
    text[0] = '$';
    for (int i = 8; i >= 1; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[colour & 0xF];
        colour >>= 4;
    }
    return text;
}

std::optional<ColourValue> colourByName(std::string_view name) {
    for (const auto& entry : kNamedColours) {
        if (equalIgnoringCase(entry.name, name)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> colourName(ColourValue colour) {
    for (const auto& entry : kNamedColours) {
        if (entry.value == colour) {
            return entry.name;
        }
    }
    return std::nullopt;
}

} // namespace quarnel::storage
