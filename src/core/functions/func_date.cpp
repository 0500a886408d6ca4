// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_date.h"

#include <atomic>
#include <ctime>

#include "common/calc_error.h"
#include "functions/numeric_rules.h"

namespace quillix::funcs {

namespace {

CivilDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::atomic<TodayClock> todayClock{&SystemToday};

// The calendar date of X (taken as a double, then truncated toward zero), with
// its own day number; dates outside the years 1 to 9999 are refused.
struct DateOfArgument {
    CivilDate date;
    std::int64_t dayNumber;
};

DateOfArgument DateOf(long double x) {
    const auto date = DateOfDayNumber(ToDouble(x));
    if (!date) RaiseCalcError(kMsgDateOutOfRange);
    return {*date, DayNumberFromCivil(date->year, date->month, date->day)};
}

int IsoWeekdayOf(int year, int month, int day) {
    return IsoWeekday(DayNumberFromCivil(year, month, day));
}

// ISO 8601: week 1 holds the year's first Thursday.
int IsoWeekNumber(const CivilDate& date) {
    const std::int64_t dayNumber = DayNumberFromCivil(date.year, date.month, date.day);
    const std::int64_t dayOfYear = dayNumber - DayNumberFromCivil(date.year, 1, 1) + 1;
    const int week = static_cast<int>((dayOfYear - IsoWeekday(dayNumber) + 10) / 7);
    if (week < 1) return IsoWeekNumber(CivilDate{date.year - 1, 12, 31});
    if (week == 53 && IsoWeekdayOf(date.year, 12, 31) <= 3) return 1;
    return week;
}

// The same Thursday rule within a month.
int WeekNumberInMonth(const CivilDate& date) {
    const int firstWeekday = IsoWeekdayOf(date.year, date.month, 1);
    const int c = firstWeekday <= 4 ? date.day + firstWeekday - 1 : date.day + firstWeekday - 8;
    if (c < 1) {
        const CivilDate previous = date.month == 1
                                       ? CivilDate{date.year - 1, 12, 31}
                                       : CivilDate{date.year, date.month - 1,
                                                   quillix::DaysInMonth(date.year, date.month - 1)};
        return WeekNumberInMonth(previous);
    }
    const int length = quillix::DaysInMonth(date.year, date.month);
    const int lastWeekday = IsoWeekdayOf(date.year, date.month, length);
    if (lastWeekday <= 3 && length - date.day < lastWeekday) return 1;
    return (c + 6) / 7;
}

}  // namespace

void SetTodayClock(TodayClock clock) {
    todayClock.store(clock != nullptr ? clock : &SystemToday);
}

long double Today() {
    const CivilDate today = todayClock.load()();
    return static_cast<long double>(DayNumberFromCivil(today.year, today.month, today.day));
}

long double Day(long double X) {
    return DateOf(X).date.day;
}

long double Month(long double X) {
    return DateOf(X).date.month;
}

long double Year(long double X) {
    return DateOf(X).date.year;
}

long double DayOfMonth(long double X) {
    return Day(X);
}

long double DayOfWeek(long double X) {
    return IsoWeekday(DateOf(X).dayNumber);
}

long double DayOfYear(long double X) {
    // Counted on the date itself, so that the time fraction of a day before 1900
    // (which runs forward from the day's start) cannot move it.
    const DateOfArgument d = DateOf(X);
    return static_cast<long double>(d.dayNumber - DayNumberFromCivil(d.date.year, 1, 1) + 1);
}

long double DaysInMonth(long double X) {
    const CivilDate date = DateOf(X).date;
    return quillix::DaysInMonth(date.year, date.month);
}

long double DaysInYear(long double X) {
    return quillix::IsLeapYear(DateOf(X).date.year) ? 366 : 365;
}

long double Week(long double X) {
    return IsoWeekNumber(DateOf(X).date);
}

long double WeekOfMonth(long double X) {
    return WeekNumberInMonth(DateOf(X).date);
}

long double WeekOfYear(long double X) {
    return Week(X);
}

long double IsLeapYear(long double X) {
    return quillix::IsLeapYear(DateOf(X).date.year) ? 1 : 0;
}

namespace multi {

long double Today(const TExtendedArray&, const TExtendedArray&, const TExtendedArray&) {
    return funcs::Today();
}

}  // namespace multi

}  // namespace quillix::funcs
