#pragma once

#include "ui/WindowDialogs.h"

namespace quarnel::ui {

// The real dialogs of the running program.
class StandardDialogs final : public WindowDialogs {
  public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    Answer confirm(QWidget* parent, const QString& text) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void about(QWidget* parent) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    bool printerSetup(QWidget* parent, QPrinter& printer) override;
    bool print(QWidget* parent, QPrinter& printer) override;
};

} // namespace quarnel::ui
