#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace quarnel::ui {

// Every modal window the main window opens goes through this interface, so the
// window tests can answer boxes themselves and notice any box they did not expect.
class WindowDialogs {
  public:
    enum class Answer { Ok, Cancel };

    virtual ~WindowDialogs() = default;

    // A plain box: the application title as caption, no icon, one OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The error box: caption "Error", error icon, one OK button.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // An information box with OK and Cancel.
    virtual Answer confirm(QWidget* parent, const QString& text) = 0;
    // The colour dialog opened on the given colour; empty when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // The About window, modal.
    virtual void about(QWidget* parent) = 0;
    // File choosers for stack files; an empty string when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& filter) = 0;
    // The printer setup and print dialogs; false when cancelled.
    virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
    virtual bool print(QWidget* parent, QPrinter& printer) = 0;
};

} // namespace quarnel::ui
