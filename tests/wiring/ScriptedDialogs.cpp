#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QWidget>

std::optional<ScriptedDialogs::Expectation>
ScriptedDialogs::take(Kind kind, QWidget* parent, const QString& text, const QString& filter) {
    const bool onTop = parent && parent->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const bool visible = parent && parent->window()->isVisible();
    calls_.push_back({kind, text, filter, onTop, visible});
    if (expected_.empty() || expected_.front().kind != kind) {
        ADD_FAILURE() << "unexpected box of kind " << static_cast<int>(kind) << ": "
                      << text.toStdString();
        return std::nullopt;
    }
    Expectation e = expected_.front();
    expected_.pop_front();
    return e;
}

void ScriptedDialogs::message(QWidget* parent, const QString& text) {
    take(Kind::Message, parent, text);
}

void ScriptedDialogs::error(QWidget* parent, const QString& text) {
    take(Kind::Error, parent, text);
}

quarnel::ui::WindowDialogs::Answer ScriptedDialogs::confirm(QWidget* parent, const QString& text) {
    const auto e = take(Kind::Confirm, parent, text);
    return e && e->accept ? Answer::Ok : Answer::Cancel;
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget* parent, const QColor& initial) {
    colorInitials_.push_back(initial);
    const auto e = take(Kind::Color, parent, QString());
    return e ? e->color : std::nullopt;
}

void ScriptedDialogs::about(QWidget* parent) {
    take(Kind::About, parent, QString());
}

QString ScriptedDialogs::openFileName(QWidget* parent, const QString& caption,
                                      const QString& filter) {
    const auto e = take(Kind::OpenFile, parent, caption, filter);
    return e ? e->text : QString();
}

QString ScriptedDialogs::saveFileName(QWidget* parent, const QString& caption,
                                      const QString& filter) {
    const auto e = take(Kind::SaveFile, parent, caption, filter);
    return e ? e->text : QString();
}

bool ScriptedDialogs::printerSetup(QWidget* parent, QPrinter&) {
    const auto e = take(Kind::Setup, parent, QString());
    return e && e->accept;
}

bool ScriptedDialogs::print(QWidget* parent, QPrinter& printer) {
    const auto e = take(Kind::Print, parent, QString());
    if (!e || !e->accept)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(e->text);
    return true;
}
