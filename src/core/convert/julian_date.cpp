// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/julian_date.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "common/calendar.h"
#include "convert/conv_types.h"

namespace quillix {

namespace {

// The value as C's "%f" writes it, but never with the locale's decimal separator.
std::string FixedSixDecimals(double value) {
    char buffer[400];  // the largest double has 309 integer digits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

[[noreturn]] void RaiseNotRepresentable(double julianDate) {
    throw EConversionError(FixedSixDecimals(julianDate) +
                           " Julian cannot be represented as a DateTime");
}

}  // namespace

std::int64_t JulianDayNumber(int year, int month, int day) {
    // The published formula relies on division truncating toward zero, as C's does.
    const std::int64_t y = year, m = month, d = day;
    const std::int64_t a = (m - 14) / 12;
    return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
           (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

double DayNumberFromJulianDate(double julianDate) {
    const double dayNumber = julianDate - kJulianDateOfDayZero;
    if (!DateOfDayNumber(dayNumber)) RaiseNotRepresentable(julianDate);
    return dayNumber;
}

double JulianDateFromDayNumber(double dayNumber) {
    const std::optional<CivilDate> date = DateOfDayNumber(dayNumber);
    if (!date) RaiseNotRepresentable(dayNumber + kJulianDateOfDayZero);
    const double fraction = dayNumber - std::trunc(dayNumber);
    // The Julian day number counts from noon; the date starts half a day earlier.
    return static_cast<double>(JulianDayNumber(date->year, date->month, date->day)) - 0.5 +
           fraction;
}

double DayNumberFromModifiedJulianDate(double modifiedJulianDate) {
    return DayNumberFromJulianDate(modifiedJulianDate + kModifiedJulianDateOffset);
}

double ModifiedJulianDateFromDayNumber(double dayNumber) {
    return JulianDateFromDayNumber(dayNumber) - kModifiedJulianDateOffset;
}

}  // namespace quillix
