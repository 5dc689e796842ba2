#include "print/PageHeader.h"

namespace quarnel::print {

QString headerTimestamp(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), QLocale::LongFormat);
}

QStringList pageHeader(const QDateTime& when, int pageNumber, const QLocale& locale) {
    return {
        QStringLiteral("   "),
        QStringLiteral("Contents of QUARNEL stack [ ") + headerTimestamp(when, locale) +
            QStringLiteral(" ]") + QStringLiteral(" Page") + QString::number(pageNumber),
        QString(79, QLatin1Char('-')),
    };
}

} // namespace quarnel::print
