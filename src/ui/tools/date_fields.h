// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates in the date tools: a calendar date field for the years 1 to 9999 and
// the conversion between its dates and the calculator's day numbers (day 0 =
// 30 December 1899).

#include <QDate>
#include <QString>

class QDateEdit;
class QWidget;

namespace quillix {

// The day number of a valid date.
long double DayNumberOfDate(const QDate& date);
// The date of a day number (truncated toward zero); an invalid date outside the
// years 1 to 9999.
QDate DateOfDayNumberOrInvalid(long double day);
// Today, by the calculator's clock (which tests can set).
QDate TodayDate();

// A date field with a drop-down calendar, showing today, its years always in
// four digits so that every year from 1 to 9999 reads unambiguously; a date
// can also be typed whole (TTypedDateEdit).
QDateEdit* DateField(QWidget* parent, const QString& accessibleName);

}  // namespace quillix
