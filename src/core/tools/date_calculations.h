// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date calculations window's arithmetic. Dates are day numbers (day 0 = 30
// December 1899) of the years 1 to 9999; day counts are truncated toward zero.
//
// "Time between dates" tells the span of a day count |k| in calendar terms, as a
// wall calendar would: from the earlier of the two dates, the whole months that
// fit (a month later is the same day of the next month, or that month's last day
// when it is shorter: 31 January + 1 month = 29 February 2000), then the days
// left over; twelve months make a year. So 1 January 2000 to 15 March 2001 is
// 1 year 2 months 14 days, and 31 January to 1 March 2000 is 1 month 1 day.

#include <cstdint>
#include <string>

#include "common/calendar.h"

namespace quillix::tools {

// The answers of the "One Date" page.
struct TOneDateFacts {
    int dayOfYear = 0;    // 1 to 366
    int weekOfYear = 0;   // ISO 8601, 1 to 53
    int daysInMonth = 0;  // 28 to 31
    bool leapYear = false;
};

// Throws ECalcError ("Date is outside the years 1 to 9999") for other dates.
TOneDateFacts OneDateFacts(long double date);

// "Yes" or "No", as the "Leap year:" field shows it.
const char* LeapYearText(bool leapYear);

// The day count as used: truncated toward zero ("Invalid floating point
// operation" beyond the 64-bit range).
std::int64_t WholeDayCount(long double dayCount);

// ending - trunc(dayCount) and beginning + trunc(dayCount). Throw ECalcError when
// the result lies outside the years 1 to 9999.
long double BeginningDate(long double endingDate, long double dayCount);
long double EndingDate(long double beginningDate, long double dayCount);
// ending - beginning: negative when the ending date is the earlier one.
long double DaysBetweenDates(long double beginningDate, long double endingDate);

struct TTimeBetween {
    std::int64_t years = 0;
    std::int64_t months = 0;  // 0 to 11
    std::int64_t days = 0;    // 0 to 30
};

// The span of |trunc(dayCount)| days that starts at the beginning date (its
// whole day) and runs forward for a positive count, backward for a negative
// one, broken down by the rule above. Throws ECalcError when either end lies
// outside the years 1 to 9999.
TTimeBetween TimeBetween(long double beginningDate, long double dayCount);

// The calendar date months whole months after date, clamped to the last day of
// the month it lands in.
CivilDate AddMonthsClamped(const CivilDate& date, std::int64_t months);

}  // namespace quillix::tools
