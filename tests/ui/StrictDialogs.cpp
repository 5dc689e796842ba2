#include "StrictDialogs.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace {

const char* kindName(StrictDialogs::Kind kind) {
    static const char* const names[] = {"message box",   "error box",     "OK/Cancel box",
                                        "colour dialog", "About window",  "open dialog",
                                        "save dialog",   "printer setup", "print dialog"};
    return names[static_cast<int>(kind)];
}

} // namespace

std::optional<StrictDialogs::Expectation> StrictDialogs::take(Kind kind, QWidget* parent,
                                                              const QString& text) {
    const bool onTop = parent && parent->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    calls_.push_back({kind, text, onTop});
    if (expected_.empty() || expected_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": " << text.toStdString();
        return std::nullopt;
    }
    Expectation e = expected_.front();
    expected_.pop_front();
    return e;
}

void StrictDialogs::message(QWidget* parent, const QString& text) {
    take(Kind::Message, parent, text);
}

void StrictDialogs::error(QWidget* parent, const QString& text) {
    take(Kind::Error, parent, text);
}

quarnel::ui::WindowDialogs::Answer StrictDialogs::confirm(QWidget* parent, const QString& text) {
    const auto e = take(Kind::Confirm, parent, text);
    return e && e->accept ? Answer::Ok : Answer::Cancel;
}

std::optional<QColor> StrictDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    colorInitials_.push_back(initial);
    const auto e = take(Kind::Color, parent, QString());
    return e ? e->color : std::nullopt;
}

void StrictDialogs::about(QWidget* parent) {
    take(Kind::About, parent, QString());
}

QString StrictDialogs::openFileName(QWidget* parent, const QString& caption, const QString&) {
    take(Kind::OpenFile, parent, caption);
    return {};
}

QString StrictDialogs::saveFileName(QWidget* parent, const QString& caption, const QString&) {
    take(Kind::SaveFile, parent, caption);
    return {};
}

bool StrictDialogs::printerSetup(QWidget* parent, QPrinter&) {
    const auto e = take(Kind::PrinterSetup, parent, QString());
    return e && e->accept;
}

bool StrictDialogs::print(QWidget* parent, QPrinter&) {
    const auto e = take(Kind::Print, parent, QString());
    return e && e->accept;
}
