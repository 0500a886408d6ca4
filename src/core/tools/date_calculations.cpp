// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/date_calculations.h"

#include "common/calc_error.h"
#include "common/calendar.h"
#include "common/fp_checks.h"
#include "functions/func_date.h"
#include "functions/numeric_rules.h"

namespace quillix::tools {

namespace {

constexpr std::int64_t kDaysInYear = 365;
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

TTimeBetween TimeBetween(long double dayCount) {
    const std::int64_t k = WholeDayCount(dayCount);
    // The magnitude as unsigned, so that the most negative count has one too.
    const std::uint64_t magnitude =
        k < 0 ? 0 - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
    TTimeBetween time;
    time.years = static_cast<std::int64_t>(magnitude / kDaysInYear);
    const std::int64_t rest = static_cast<std::int64_t>(magnitude % kDaysInYear);
    time.months = rest * kMonthsInYear / kDaysInYear;
    // rest - months * 365/12, rounded down, in whole numbers.
    time.days = (rest * kMonthsInYear - time.months * kDaysInYear) / kMonthsInYear;
    return time;
}

}  // namespace quillix::tools
