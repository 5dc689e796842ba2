#pragma once

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <functional>

namespace quarnel::print {

// How the listing looks on paper: the stack display's font and text colour,
// and the resolution of the screen that font was sized for.
struct PrintStyle {
    QFont font;
    QColor color = Qt::black;
    qreal screenDotsPerInch = 96.0;
};

struct PrintOptions {
    // The moment each page header shows; the current local time when empty.
    std::function<QDateTime()> clock;
    QLocale locale = QLocale::system();
    // Called now and then with the lines written so far and the total, and
    // once at the end; returning false cancels the job.
    std::function<bool(qsizetype done, qsizetype total)> progress;
    // How many lines are written between two progress calls.
    qsizetype progressInterval = 500;
};

enum class PrintStatus { Printed, Cancelled, Failed };

struct PrintResult {
    PrintStatus status = PrintStatus::Failed;
    QString errorMessage; // set when status is Failed, ready to show the user
    int pages = 0;        // pages started by the job
};

// Prints the listing lines under a header that is repeated, with a fresh
// time and the page number, at the top of every page. The printer must
// already be set up (printer dialog or setup dialog); nothing else is read or
// changed.
PrintResult printListing(QPrinter& printer, const QStringList& lines, const PrintStyle& style,
                         const PrintOptions& options = {});
// The same for a listing whose lines are made one at a time as they are
// printed: line(i) for i in 0..count-1.
PrintResult printListing(QPrinter& printer, qsizetype count,
                         const std::function<QString(qsizetype)>& line, const PrintStyle& style,
                         const PrintOptions& options = {});

} // namespace quarnel::print
