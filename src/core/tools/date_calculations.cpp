// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/date_calculations.h"

#include <algorithm>
#include <cmath>

#include "common/calc_error.h"
#include "common/calendar.h"
#include "common/fp_checks.h"
#include "functions/func_date.h"
#include "functions/numeric_rules.h"

namespace quillix::tools {

namespace {

constexpr std::int64_t kMonthsInYear = 12;

long double CheckedDate(long double date) {
    if (!DateOfDayNumber(date)) RaiseCalcError(kMsgDateOutOfRange);
    return date;
}

}  // namespace

TOneDateFacts OneDateFacts(long double date) {
    TOneDateFacts facts;
    facts.dayOfYear = static_cast<int>(funcs::DayOfYear(date));
    facts.weekOfYear = static_cast<int>(funcs::WeekOfYear(date));
    facts.daysInMonth = static_cast<int>(funcs::DaysInMonth(date));
    facts.leapYear = funcs::IsLeapYear(date) != 0;
    return facts;
}

const char* LeapYearText(bool leapYear) {
    return leapYear ? "Yes" : "No";
}

std::int64_t WholeDayCount(long double dayCount) {
    return IntegerArgument(dayCount);
}

long double BeginningDate(long double endingDate, long double dayCount) {
    const long double k = static_cast<long double>(WholeDayCount(dayCount));
    return CheckedDate(CheckedSubtract(CheckedDate(endingDate), k));
}

long double EndingDate(long double beginningDate, long double dayCount) {
    const long double k = static_cast<long double>(WholeDayCount(dayCount));
    return CheckedDate(CheckedAdd(CheckedDate(beginningDate), k));
}

long double DaysBetweenDates(long double beginningDate, long double endingDate) {
    return CheckedSubtract(CheckedDate(endingDate), CheckedDate(beginningDate));
}

CivilDate AddMonthsClamped(const CivilDate& date, std::int64_t months) {
    const std::int64_t index = std::int64_t{date.year} * kMonthsInYear + (date.month - 1) + months;
    // Months counted from year 0, split with the remainder toward the past.
    const std::int64_t year = (index >= 0 ? index : index - (kMonthsInYear - 1)) / kMonthsInYear;
    const int month = static_cast<int>(index - year * kMonthsInYear) + 1;
    const int lastDay = DaysInMonth(static_cast<int>(year), month);
    return CivilDate{static_cast<int>(year), month, std::min(date.day, lastDay)};
}

TTimeBetween TimeBetween(long double beginningDate, long double dayCount) {
    const long double k = static_cast<long double>(WholeDayCount(dayCount));
    const long double beginning = std::trunc(CheckedDate(beginningDate));
    const long double end = CheckedDate(CheckedAdd(beginning, k));
    const std::int64_t first = static_cast<std::int64_t>(std::min(beginning, end));
    const std::int64_t last = static_cast<std::int64_t>(std::max(beginning, end));
    const CivilDate from = CivilFromDayNumber(first);
    const CivilDate to = CivilFromDayNumber(last);
    // The months from the first date's month to the last date's, one fewer when
    // the day of the month is not reached yet.
    std::int64_t months =
        std::int64_t{to.year - from.year} * kMonthsInYear + (to.month - from.month);
    const auto dayAfter = [&from](std::int64_t m) {
        const CivilDate date = AddMonthsClamped(from, m);
        return DayNumberFromCivil(date.year, date.month, date.day);
    };
    if (dayAfter(months) > last) --months;
    TTimeBetween time;
    time.years = months / kMonthsInYear;
    time.months = months % kMonthsInYear;
    time.days = last - dayAfter(months);
    return time;
}

}  // namespace quillix::tools
