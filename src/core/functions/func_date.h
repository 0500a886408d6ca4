// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Date" category (catalogue numbers 42 to 54). A date is a day number
// counted from 30 December 1899 in the proleptic Gregorian calendar; weeks follow
// ISO 8601. Today reads the local date through a clock that tests can replace.

#include "common/calendar.h"
#include "functions/func_types.h"

namespace quillix::funcs {

// The source of today's date. SetTodayClock(nullptr) restores the system clock
// (the local calendar date of the current time).
using TodayClock = CivilDate (*)();
void SetTodayClock(TodayClock clock);
long double Today();

long double Day(long double X);
long double Month(long double X);
long double Year(long double X);
long double DayOfMonth(long double X);
long double DayOfWeek(long double X);
long double DayOfYear(long double X);
long double DaysInMonth(long double X);
long double DaysInYear(long double X);
long double Week(long double X);
long double WeekOfMonth(long double X);
long double WeekOfYear(long double X);
long double IsLeapYear(long double X);

namespace multi {
long double Today(const TExtendedArray& Args, const TExtendedArray& Array1,
                  const TExtendedArray& Array2);
}  // namespace multi

}  // namespace quillix::funcs
