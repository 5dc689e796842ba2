#pragma once

#include <QDialog>

namespace quarnel::ui {

// The About window: program icon, product name and version, and an OK button.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace quarnel::ui
