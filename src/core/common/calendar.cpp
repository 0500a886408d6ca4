// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/calendar.h"

#include <cmath>

namespace quillix {

namespace {
// Day number of 1970-01-01 counted from 1899-12-30.
constexpr std::int64_t kUnixEpochDay = 25569;
}  // namespace

// Civil-date arithmetic after H. Hinnant's days_from_civil / civil_from_days.
std::int64_t DayNumberFromCivil(int year, int month, int day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kUnixEpochDay;
}

CivilDate CivilFromDayNumber(std::int64_t dayNumber) {
    const std::int64_t z = dayNumber - kUnixEpochDay + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return CivilDate{static_cast<int>(year), month, day};
}

std::optional<CivilDate> DateOfDayNumber(long double dayNumber) {
    static const std::int64_t first = DayNumberFromCivil(kMinDateYear, 1, 1);
    static const std::int64_t last = DayNumberFromCivil(kMaxDateYear, 12, 31);
    if (!std::isfinite(dayNumber)) return std::nullopt;
    const long double whole = std::trunc(dayNumber);
    if (whole < first || whole > last) return std::nullopt;
    return CivilFromDayNumber(static_cast<std::int64_t>(whole));
}

int IsoWeekday(std::int64_t dayNumber) {
    // Day 0 was a Saturday (6).
    const std::int64_t r = ((dayNumber + 5) % 7 + 7) % 7;  // 0 = Monday
    return static_cast<int>(r) + 1;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[(month - 1) % 12];
}

}  // namespace quillix
