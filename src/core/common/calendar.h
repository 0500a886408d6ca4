// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Day numbers of the calculator's dates: whole days counted from 30 December 1899
// (day 0) in the proleptic Gregorian calendar, so 1 January 1900 is day 2.

#include <cstdint>
#include <optional>

namespace quillix {

struct CivilDate {
    int year;
    int month;  // 1..12
    int day;    // 1..31
};

inline constexpr int kMinDateYear = 1;
inline constexpr int kMaxDateYear = 9999;

// Day number of a calendar date (any year; no range check).
std::int64_t DayNumberFromCivil(int year, int month, int day);

// Calendar date of a whole day number (any day number within +-2^40).
CivilDate CivilFromDayNumber(std::int64_t dayNumber);

// The calendar date of a day number given as a real, truncated toward zero, or
// nothing when it lies outside the years 1 to 9999 (or is not finite).
std::optional<CivilDate> DateOfDayNumber(long double dayNumber);

// 1 = Monday ... 7 = Sunday.
int IsoWeekday(std::int64_t dayNumber);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

}  // namespace quillix
