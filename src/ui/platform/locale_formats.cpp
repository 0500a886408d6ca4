// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/locale_formats.h"

namespace quillix {

QString WithoutTimeZone(const QString& format) {
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c == QLatin1Char('\'') || c != QLatin1Char('t')) kept += c;
    }
    // What the zone stood in: "(t)", a blank before or after it.
    kept.remove(QStringLiteral("()"));
    kept.remove(QStringLiteral("[]"));
    return kept.simplified();
}

QString LongTimeFormatWithoutZone(const QLocale& locale) {
    return WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
}

}  // namespace quillix
