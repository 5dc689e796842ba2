#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace quarnel::print {

// The three lines that open every printed page: a blank line of three spaces,
// the title with the moment of printing and the page number, and a rule of 79
// hyphens.
QStringList pageHeader(const QDateTime& when, int pageNumber, const QLocale& locale);

// The local short date, a space and the long time, as the title line shows them.
QString headerTimestamp(const QDateTime& when, const QLocale& locale);

} // namespace quarnel::print
