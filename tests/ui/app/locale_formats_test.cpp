// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/locale_formats.h"

#include <gtest/gtest.h>

#include <QTime>

namespace quillix {
namespace {

TEST(LocaleFormats, TheTimeZoneLeavesTheFormat) {
    struct Row {
        const char* format;
        const char* without;
    };
    const Row rows[] = {
        {"h:mm:ss AP t", "h:mm:ss AP"}, {"HH:mm:ss t", "HH:mm:ss"},
        {"t HH:mm:ss", "HH:mm:ss"},     {"HH:mm:ss (t)", "HH:mm:ss"},
        {"HH:mm:ss tttt", "HH:mm:ss"},  {"H 'Uhr' mm 'at' t", "H 'Uhr' mm 'at'"},
        {"HH:mm:ss", "HH:mm:ss"},       {"hh''mm t", "hh''mm"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WithoutTimeZone(QString::fromUtf8(row.format)), QString::fromUtf8(row.without))
            << row.format;
}

TEST(LocaleFormats, LongTimesWithoutAZone) {
    const QTime time(13, 2, 3);
    struct Row {
        const char* locale;
        const char* shown;
    };
    const Row rows[] = {{"en_US", "1:02:03\u202fPM"}, {"de_DE", "13:02:03"}, {"en_GB", "13:02:03"}};
    for (const Row& row : rows) {
        const QLocale locale(QString::fromLatin1(row.locale));
        const QString shown = locale.toString(time, LongTimeFormatWithoutZone(locale));
        // The separator before AM/PM differs between locale data versions.
        QString expected = QString::fromUtf8(row.shown);
        if (!shown.contains(QChar(0x202f))) expected.replace(QChar(0x202f), QLatin1Char(' '));
        EXPECT_EQ(shown, expected) << row.locale << ": " << shown.toStdString();
        EXPECT_FALSE(locale.timeFormat(QLocale::LongFormat).isEmpty());
    }
}

}  // namespace
}  // namespace quillix
