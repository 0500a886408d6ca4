// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/date_calculations.h"

#include <gtest/gtest.h>

#include <string>

#include "common/calc_error.h"
#include "common/calendar.h"
#include "functions/numeric_rules.h"
#include "support/error_message.h"

namespace quillix::tools {
namespace {

long double Date(int year, int month, int day) {
    return static_cast<long double>(DayNumberFromCivil(year, month, day));
}

std::string DateError(auto action) {
    return test::MessageOf<ECalcError>(action, "no error");
}

TEST(DateCalculations, FactsOfOneDate) {
    struct Row {
        long double date;
        int dayOfYear;
        int week;
        int daysInMonth;
        const char* leap;
    };
    const Row rows[] = {
        {Date(2024, 12, 31), 366, 1, 31, "Yes"},       {Date(2021, 1, 1), 1, 53, 31, "No"},
        {Date(2024, 2, 29) + 0.75L, 60, 9, 29, "Yes"}, {Date(1900, 2, 28), 59, 9, 28, "No"},
        {Date(2000, 2, 1), 32, 5, 29, "Yes"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<double>(row.date));
        const TOneDateFacts facts = OneDateFacts(row.date);
        EXPECT_EQ(facts.dayOfYear, row.dayOfYear);
        EXPECT_EQ(facts.weekOfYear, row.week);
        EXPECT_EQ(facts.daysInMonth, row.daysInMonth);
        EXPECT_STREQ(LeapYearText(facts.leapYear), row.leap);
    }
    EXPECT_EQ(DateError([] { OneDateFacts(Date(10000, 1, 1)); }), kMsgDateOutOfRange);
}

TEST(DateCalculations, TheDateValueOfADay) {
    EXPECT_EQ(Date(2000, 1, 1), 36526);
    EXPECT_EQ(Date(1899, 12, 30), 0);
}

TEST(DateCalculations, TwoDatesWithATruncatedDayCount) {
    const long double march2024 = Date(2024, 3, 1);
    const long double march2023 = Date(2023, 3, 1);
    EXPECT_EQ(DaysBetweenDates(march2024, march2023), -366);
    EXPECT_EQ(DaysBetweenDates(march2023, march2024), 366);
    struct Row {
        long double count;
        long double added;
    };
    const Row rows[] = {{10.9L, 10}, {-10.9L, -10}, {0.99L, 0}, {366, 366}};
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<double>(row.count));
        EXPECT_EQ(EndingDate(march2023, row.count), march2023 + row.added);
        EXPECT_EQ(BeginningDate(march2024, row.count), march2024 - row.added);
    }
}

TEST(DateCalculations, DatesOutsideTheCalendarAreRefused) {
    const long double last = Date(9999, 12, 31);
    const long double first = Date(1, 1, 1);
    EXPECT_EQ(EndingDate(last, 0.5L), last);
    EXPECT_EQ(DateError([&] { EndingDate(last, 1); }), kMsgDateOutOfRange);
    EXPECT_EQ(DateError([&] { BeginningDate(first, 1); }), kMsgDateOutOfRange);
    EXPECT_EQ(DateError([&] { DaysBetweenDates(first - 5, last); }), kMsgDateOutOfRange);
    EXPECT_EQ(DateError([&] { EndingDate(first, 1e30L); }), kMsgInvalidOperation);
}

TEST(DateCalculations, TimeBetweenInYearsMonthsAndDays) {
    struct Row {
        long double count;
        std::int64_t years;
        std::int64_t months;
        std::int64_t days;
    };
    const Row rows[] = {
        {0, 0, 0, 0},     {30, 0, 0, 30},    {31, 0, 1, 0},      {60, 0, 1, 29},
        {61, 0, 2, 0},    {364, 0, 11, 29},  {365, 1, 0, 0},     {-366, 1, 0, 1},
        {729, 1, 11, 29}, {10.9L, 0, 0, 10}, {-10.9L, 0, 0, 10}, {3652, 10, 0, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<double>(row.count));
        const TTimeBetween time = TimeBetween(row.count);
        EXPECT_EQ(time.years, row.years);
        EXPECT_EQ(time.months, row.months);
        EXPECT_EQ(time.days, row.days);
    }
    const TTimeBetween longest = TimeBetween(-0x1p63L);
    EXPECT_EQ(longest.years, 25269512429739111L);
    EXPECT_EQ(DateError([] { TimeBetween(1e19L); }), kMsgInvalidOperation);
}

}  // namespace
}  // namespace quillix::tools
