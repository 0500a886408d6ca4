// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's time format for the diagnostic log: the locale's long time format
// without its time zone, since the log tells the local time of day and a zone
// name there is only noise (and differs between machines reading one log).

#include <QLocale>
#include <QString>

namespace quillix {

// The format with every time-zone field ("t" and its longer forms) removed,
// with the blanks and empty brackets it leaves; quoted text stays as it is.
QString WithoutTimeZone(const QString& format);
// The locale's long time format without the time zone.
QString LongTimeFormatWithoutZone(const QLocale& locale);

}  // namespace quillix
