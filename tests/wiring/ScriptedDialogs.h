#pragma once

#include "ui/WindowDialogs.h"

#include <QColor>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

// The one stand-in for the dialogs of the window tests and the wiring tests.
// Answers every modal window of the main window from a script the test sets
// up beforehand: file names for the file dialogs, a PDF file for the print
// dialog, OK or Cancel for questions. A box the script does not expect fails
// the test at once (and is answered with Cancel) instead of blocking it.
class ScriptedDialogs final : public quarnel::ui::WindowDialogs {
  public:
    enum class Kind { Message, Error, Confirm, Color, About, OpenFile, SaveFile, Setup, Print };

    struct Call {
        Kind kind;
        QString text;       // message, question or dialog caption
        QString filter;     // file dialogs
        bool parentOnTop;   // the main window's stay-on-top while the box was open
        bool parentVisible; // whether the main window was shown by then
    };

    // A box of this kind, answered with OK.
    void expect(Kind kind) { push(kind); }
    void expectMessage() { push(Kind::Message); }
    void expectConfirm(bool ok) { push(Kind::Confirm, ok); }
    void expectColor(std::optional<QColor> answer) { push(Kind::Color, true, {}, answer); }
    // An empty name cancels the dialog.
    void expectOpenFile(const QString& name) { push(Kind::OpenFile, true, name); }
    void expectSaveFile(const QString& name) { push(Kind::SaveFile, true, name); }
    void expectSetup(bool ok) { push(Kind::Setup, ok); }
    // Accepts the print dialog with the printer writing a PDF to `pdfPath`;
    // an empty path cancels it.
    void expectPrint(const QString& pdfPath) { push(Kind::Print, !pdfPath.isEmpty(), pdfPath); }

    const std::vector<Call>& calls() const { return calls_; }
    // The colour each colour dialog opened with.
    const std::vector<QColor>& colorInitials() const { return colorInitials_; }
    std::size_t unmet() const { return expected_.size(); }
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
    struct Expectation {
        Kind kind;
        bool accept = true;
        QString text;
        std::optional<QColor> color;
    };

    void push(Kind kind, bool accept = true, const QString& text = {},
              std::optional<QColor> color = std::nullopt) {
        expected_.push_back(Expectation{kind, accept, text, color});
    }
    std::optional<Expectation> take(Kind kind, QWidget* parent, const QString& text,
                                    const QString& filter = {});

    std::deque<Expectation> expected_;
    std::vector<QColor> colorInitials_;
    std::vector<Call> calls_;
};
