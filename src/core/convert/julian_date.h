// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Astronomical Julian dates (and modified Julian dates) against the calculator's
// day numbers, for the "JulianDate" and "ModifiedJulianDate" time units. Day 0 at
// midnight (30 December 1899) is Julian date 2415018.5. Only dates in the years
// 1 to 9999 can be converted.

#include <cstdint>

namespace quillix {

inline constexpr double kJulianDateOfDayZero = 2415018.5;
inline constexpr double kModifiedJulianDateOffset = 2400000.5;

// The Julian day number of a Gregorian date (Fliegel and Van Flandern, 1968).
std::int64_t JulianDayNumber(int year, int month, int day);

// Fail with "%f Julian cannot be represented as a DateTime" (EConversionError)
// when the date lies outside the years 1 to 9999.
double DayNumberFromJulianDate(double julianDate);
double JulianDateFromDayNumber(double dayNumber);
double DayNumberFromModifiedJulianDate(double modifiedJulianDate);
double ModifiedJulianDateFromDayNumber(double dayNumber);

}  // namespace quillix
