#include "cli/Session.h"

#include "calculator/Readout.h"
#include "engine/EngineError.h"

#include <array>
#include <cstring>
#include <istream>
#include <new>
#include <string_view>

namespace quarnel::cli {

namespace {

std::string withoutTrailingBlanks(std::string line) {
    const std::size_t end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    return line;
}

std::string_view trimmed(std::string_view line) {
    const std::size_t end = line.find_last_not_of(' ');
    return line.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

} // namespace

Session::Session(std::ostream& out) : out_(out), calculator_(this) {}

void Session::sendNotesTo(std::ostream& notes) {
    notes_ = &notes;
    notesApart_ = true;
}

void Session::showMessage(const std::string& text) {
    *notes_ << withoutTrailingBlanks("[Quarnel] " + text) << '\n';
}

void Session::stackViewShown() {
    const calculator::StackListing& listing = calculator_.listing();
    for (std::size_t i = 0; i < listing.size(); ++i) {
        *notes_ << withoutTrailingBlanks(listing.line(i)) << '\n';
    }
}

void Session::runAction(const TokenAction& action) {
    switch (action.kind) {
    case Action::Kind::Command:
        calculator_.run(action.command);
        break;
    case Action::Kind::Key: {
        // The key's character still reaches the line when its command failed,
        // as it does in the window.
        const char typed = calculator::keyBinding(action.key).typed;
        const std::string_view character(&typed, typed != '\0' ? 1 : 0);
        try {
            calculator_.keyDown(action.key);
        } catch (...) {
            calculator_.typeText(character);
            throw;
        }
        calculator_.typeText(character);
        break;
    }
    case Action::Kind::Readout:
        printReadout();
        break;
    case Action::Kind::Type:
        calculator_.typeText(action.text);
        break;
    }
}

void Session::runShowingErrors(const TokenAction& action) {
    const bool wasPending = !calculator_.enterEnabled();
    try {
        runAction(action);
    } catch (const engine::EngineError& error) {
        errorShown_ = true;
        *notes_ << withoutTrailingBlanks(std::string("[Error] ") + error.what()) << '\n';
    } catch (const std::bad_alloc&) {
        errorShown_ = true;
        *notes_ << "[Error] " << engine::kOutOfMemoryMessage << '\n';
    }
    if (!wasPending && !calculator_.enterEnabled()) {
        // The display shows the error; without the display it is a note.
        errorShown_ = true;
        if (notesApart_) {
            *notes_ << calculator_.displayLines()[0] << '\n';
        }
    }
}

void Session::run(const std::vector<Action>& actions) {
    for (const Action& action : actions) {
        runShowingErrors({action.kind, action.command, action.key, action.text});
    }
}

std::optional<std::string> Session::runLine(std::string_view line) {
    // Every name is checked before anything runs. The actions of a short line
    // are kept from the check; a long one is read again where it stands, so it
    // is never copied token by token.
    constexpr std::size_t kKept = 8;
    std::array<TokenAction, kKept> kept;
    TokenAction beyond;
    std::size_t count = 0;
    std::size_t pos = 0;
    for (std::string_view token = nextToken(line, pos); !token.empty();
         token = nextToken(line, pos)) {
        if (!readToken(token, count < kKept ? kept[count] : beyond)) {
            return std::string(token);
        }
        ++count;
    }
    if (count <= kKept) {
        for (std::size_t i = 0; i < count; ++i) {
            runShowingErrors(kept[i]);
        }
        return std::nullopt;
    }
    pos = 0;
    for (std::string_view token = nextToken(line, pos); !token.empty();
         token = nextToken(line, pos)) {
        runShowingErrors(*readToken(token));
    }
    return std::nullopt;
}

std::vector<std::string> Session::displayText() const {
    std::vector<std::string> lines;
    const auto& display = calculator_.displayLines();
    for (int line = 0; line < calculator::Calculator::kDisplayLines; ++line) {
        std::string text = display[static_cast<std::size_t>(line)];
        if (calculator_.stackNumbering()) {
            text.insert(0, std::to_string(calculator::Calculator::kDisplayLines - line) + ": ");
        }
        lines.push_back(withoutTrailingBlanks(std::move(text)));
    }
    lines.push_back(withoutTrailingBlanks("> " + calculator_.inputText()));
    return lines;
}

void Session::printResult() {
    const calculator::StackList& stack = calculator_.stack();
    if (!stack.empty()) {
        try {
            // Through a kept buffer: with -r a script prints this every line.
            std::string& text = printed_;
            stack.entry(stack.size() - 1).copyTo(text);
            calculator_.normalizeEntryIn(text);
            text += '\n';
            put(text);
        } catch (const engine::EngineError& error) {
            errorShown_ = true;
            *notes_ << withoutTrailingBlanks(std::string("[Error] ") + error.what()) << '\n';
        }
    }
}

void Session::printReadout() {
    const std::optional<calculator::Readout> r = calculator::readoutOf(calculator_);
    if (!r) {
        return;
    }
    out_ << "[Readout] HEX: " << r->hex << '\n'
         << "[Readout] DEC: " << r->dec << '\n'
         << "[Readout] OCT: " << r->oct << '\n'
         << "[Readout] BIN: " << r->bin << '\n'
         << "[Readout] Signed: " << r->signedDec << '\n'
         << "[Readout] Word size: " << r->wordSize << ", set bits: " << r->setBits
         << ", leading zeros: " << r->leadingZeros << ", trailing zeros: " << r->trailingZeros
         << '\n';
}

void Session::put(std::string_view text) {
    // Straight into the stream's buffer: printDisplay runs millions of times.
    const auto size = static_cast<std::streamsize>(text.size());
    std::streambuf* buffer = out_.rdbuf();
    if (!out_ || buffer == nullptr || buffer->sputn(text.data(), size) != size) {
        out_.setstate(std::ios::badbit);
    }
}

void Session::printDisplay() {
    // The five lines are built again only when the display changed: half of
    // a script's lines only type.
    const bool numbering = calculator_.stackNumbering();
    if (!lines_.drawn || lines_.revision != calculator_.displayRevision() ||
        lines_.numbering != numbering) {
        static_assert(calculator::Calculator::kDisplayLines < 10);
        const auto& display = calculator_.displayLines();
        std::size_t most = 0;
        for (const std::string& shown : display) {
            most += shown.size() + 4; // "N: " and the line end
        }
        std::string& text = lines_.text;
        text.resize(most);
        char* out = text.data();
        for (int line = 0; line < calculator::Calculator::kDisplayLines; ++line) {
            const std::string& shown = display[static_cast<std::size_t>(line)];
            const std::string_view kept = trimmed(shown);
            if (numbering) {
                *out++ = static_cast<char>('0' + calculator::Calculator::kDisplayLines - line);
                *out++ = ':';
                if (!kept.empty()) {
                    *out++ = ' ';
                }
            }
            std::memcpy(out, kept.data(), kept.size());
            out += kept.size();
            *out++ = '\n';
        }
        text.resize(static_cast<std::size_t>(out - text.data()));
        lines_.revision = calculator_.displayRevision();
        lines_.numbering = numbering;
        lines_.drawn = true;
    }
    put(lines_.text);
    const std::string_view input = trimmed(calculator_.inputText());
    if (input.empty()) {
        put(">\n");
        return;
    }
    std::string& text = printed_;
    text.assign("> ");
    text += input;
    text += '\n';
    put(text);
}

bool Session::readLine(std::istream& in, std::string& line) {
    // Whoever reads the output may be waiting for it before it writes more
    // input: everything printed goes out before a read that could wait.
    if (in.rdbuf() == nullptr || in.rdbuf()->in_avail() <= 0) {
        out_.flush();
    }
    return static_cast<bool>(std::getline(in, line));
}

} // namespace quarnel::cli
