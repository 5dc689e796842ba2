#include "ui/StandardDialogs.h"

#include "ui/AboutBox.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace quarnel::ui {

namespace {

const QString kAppTitle = QStringLiteral("Quarnel");

} // namespace

void StandardDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void StandardDialogs::error(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.exec();
}

WindowDialogs::Answer StandardDialogs::confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, kAppTitle, text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QColor> StandardDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void StandardDialogs::about(QWidget* parent) {
    AboutBox box(parent);
    box.exec();
}

QString StandardDialogs::openFileName(QWidget* parent, const QString& caption,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString StandardDialogs::saveFileName(QWidget* parent, const QString& caption,
                                      const QString& filter) {
    // The caller asks before overwriting: the name it writes may differ from
    // the name typed here (the extension is replaced).
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool StandardDialogs::printerSetup(QWidget* parent, QPrinter& printer) {
    // The printer dialog without what belongs to one job (pages, copies):
    // it picks the printer and, through its properties, the paper; what it
    // picks stays set on `printer` for the next job. Nothing is printed here.
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Setup Printer"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

bool StandardDialogs::print(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace quarnel::ui
