#include "cli/Session.h"

#include "calculator/Readout.h"
#include "engine/EngineError.h"

#include <new>

namespace quarnel::cli {

namespace {

std::string withoutTrailingBlanks(std::string line) {
    const std::size_t end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    return line;
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

void Session::runAction(const Action& action) {
    switch (action.kind) {
    case Action::Kind::Command:
        calculator_.run(action.command);
        break;
    case Action::Kind::Key: {
        // The key's character still reaches the line when its command failed,
        // as it does in the window.
        const char typed = calculator::keyBinding(action.key).typed;
        try {
            calculator_.keyDown(action.key);
        } catch (...) {
            if (typed != '\0') {
                calculator_.setInputText(calculator_.inputText() + typed);
            }
            throw;
        }
        if (typed != '\0') {
            calculator_.setInputText(calculator_.inputText() + typed);
        }
        break;
    }
    case Action::Kind::Readout:
        printReadout();
        break;
    case Action::Kind::Type:
        for (const char c : action.text) {
            calculator_.setInputText(calculator_.inputText() + c);
        }
        break;
    }
}

void Session::run(const std::vector<Action>& actions) {
    for (const Action& action : actions) {
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
    if (!calculator_.stack().empty()) {
        try {
            out_ << calculator_.normalizeEntry(calculator_.stack().level(1)) << '\n';
        } catch (const engine::EngineError& error) {
            errorShown_ = true;
            *notes_ << withoutTrailingBlanks(std::string("[Error] ") + error.what()) << '\n';
        }
    }
    out_.flush();
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

void Session::printDisplay() {
    for (const std::string& line : displayText()) {
        out_ << line << '\n';
    }
    out_.flush();
}

} // namespace quarnel::cli
