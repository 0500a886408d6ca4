// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date calculations window's arithmetic. Dates are day numbers (day 0 = 30
// December 1899) of the years 1 to 9999; day counts are truncated toward zero.
//
// "Time between dates" breaks a day count |k| into years, months and days:
//   years  = |k| div 365 (whole 365-day years);
//   rest   = |k| mod 365;
//   months = the whole twelfths of a 365-day year in the rest: floor(rest * 12 / 365)
//            (a month is 365/12 = 30 5/12 days, so months runs 0 to 11);
//   days   = the whole days left after those months: floor(rest - months * 365 / 12)
//            (0 to 30).
// So 30 days are 0 months 30 days, 31 days 1 month 0 days, 61 days 2 months 0
// days, 364 days 11 months 29 days, and 365 days 1 year.

#include <cstdint>
#include <string>

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
    std::int64_t months = 0;
    std::int64_t days = 0;
};

// |trunc(dayCount)| broken down by the rule above.
TTimeBetween TimeBetween(long double dayCount);

}  // namespace quillix::tools
