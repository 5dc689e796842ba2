#pragma once

#include "ui/WindowDialogs.h"

#include <QString>

#include <deque>
#include <optional>
#include <vector>

// Stands in for every modal window of the main window. A test announces each
// box it expects, with the answer to give; any other box fails the test at
// once instead of blocking it.
class StrictDialogs final : public quarnel::ui::WindowDialogs {
  public:
    enum class Kind {
        Message,
        Error,
        Confirm,
        Color,
        About,
        OpenFile,
        SaveFile,
        PrinterSetup,
        Print
    };

    struct Call {
        Kind kind;
        QString text;
        bool parentOnTop; // whether the main window was stay-on-top while the box was open
    };

    struct Expectation {
        Kind kind;
        std::optional<QColor> color; // the colour dialog's answer; empty = cancel
        bool accept = true;          // OK for confirm/printer boxes
    };

    void expect(Kind kind) { expected_.push_back({kind, std::nullopt, true}); }
    void expectColor(std::optional<QColor> answer) {
        expected_.push_back({Kind::Color, answer, true});
    }

    const std::vector<Call>& calls() const { return calls_; }
    // Colour the dialog was opened with, per colour call.
    const std::vector<QColor>& colorInitials() const { return colorInitials_; }
    std::size_t unmetExpectations() const { return expected_.size(); }
    void clear() {
        calls_.clear();
        colorInitials_.clear();
        expected_.clear();
    }

    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void about(QWidget* parent) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    bool print(QWidget* parent, QPrinter& printer) override;

  private:
    // Records the call; returns the matching expectation, or fails the test.
    std::optional<Expectation> take(Kind kind, QWidget* parent, const QString& text);

    std::deque<Expectation> expected_;
    std::vector<Call> calls_;
    std::vector<QColor> colorInitials_;
};
