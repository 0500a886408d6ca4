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

TEST(DateCalculations, TimeBetweenCountsCalendarMonths) {
    struct Row {
        const char* what;
        long double beginning;
        long double count;
        std::int64_t years;
        std::int64_t months;
        std::int64_t days;
    };
    const Row rows[] = {
        {"a year, two months and a fortnight", Date(2000, 1, 1), 439, 1, 2, 14},
        {"100 days into a leap year", Date(2000, 1, 1), 100, 0, 3, 9},
        {"the same day", Date(2000, 1, 1), 0, 0, 0, 0},
        {"start after end", Date(2001, 3, 15), -439, 1, 2, 14},
        {"a year back over a leap day", Date(2024, 3, 1), -366, 1, 0, 0},
        {"31 Jan + 1 month is 29 Feb", Date(2000, 1, 31), 29, 0, 1, 0},
        {"31 Jan + 1 month is 28 Feb", Date(2001, 1, 31), 28, 0, 1, 0},
        {"a day after the clamped month", Date(2000, 1, 31), 30, 0, 1, 1},
        {"30 Jan to 29 Feb", Date(2000, 1, 30), 30, 0, 1, 0},
        {"31 Mar to 30 Apr", Date(2000, 3, 31), 30, 0, 1, 0},
        {"29 Feb to 28 Feb is a year", Date(2000, 2, 29), 365, 1, 0, 0},
        {"29 Feb to 1 Mar", Date(2000, 2, 29), 366, 1, 0, 1},
        {"over the turn of a year", Date(2023, 11, 15), 91, 0, 2, 30},
        {"ten years with three leap days", Date(1999, 12, 31), 3653, 10, 0, 0},
        {"a fraction of a day is dropped", Date(2000, 1, 1), 10.9L, 0, 0, 10},
        {"backward, fraction dropped", Date(2000, 1, 1), -10.9L, 0, 0, 10},
        {"a fraction of the beginning date", Date(2000, 1, 31) + 0.75L, 29, 0, 1, 0},
        {"the whole calendar", Date(1, 1, 1), Date(9999, 12, 31) - Date(1, 1, 1), 9998, 11, 30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const TTimeBetween time = TimeBetween(row.beginning, row.count);
        EXPECT_EQ(time.years, row.years);
        EXPECT_EQ(time.months, row.months);
        EXPECT_EQ(time.days, row.days);
    }
}

TEST(DateCalculations, TimeBetweenOutsideTheCalendarIsRefused) {
    EXPECT_EQ(DateError([] { TimeBetween(Date(9999, 12, 31), 1); }), kMsgDateOutOfRange);
    EXPECT_EQ(DateError([] { TimeBetween(Date(1, 1, 1), -1); }), kMsgDateOutOfRange);
    EXPECT_EQ(DateError([] { TimeBetween(Date(2000, 1, 1), 1e19L); }), kMsgInvalidOperation);
    EXPECT_EQ(DateError([] { TimeBetween(Date(2000, 1, 1), -0x1p63L); }), kMsgDateOutOfRange);
}

TEST(DateCalculations, MonthsAddedStopAtTheMonthsLastDay) {
    struct Row {
        CivilDate from;
        std::int64_t months;
        CivilDate to;
    };
    const Row rows[] = {
        {{2000, 1, 31}, 1, {2000, 2, 29}},  {{2000, 1, 31}, 2, {2000, 3, 31}},
        {{2000, 1, 31}, 3, {2000, 4, 30}},  {{2000, 12, 15}, 1, {2001, 1, 15}},
        {{2000, 3, 31}, -1, {2000, 2, 29}}, {{2000, 1, 15}, -1, {1999, 12, 15}},
        {{1, 1, 1}, -1, {0, 12, 1}},        {{2000, 2, 29}, 12, {2001, 2, 28}},
    };
    for (const Row& row : rows) {
        const CivilDate to = AddMonthsClamped(row.from, row.months);
        SCOPED_TRACE(std::to_string(row.from.year) + "-" + std::to_string(row.from.month) + "-" +
                     std::to_string(row.from.day) + " + " + std::to_string(row.months));
        EXPECT_EQ(to.year, row.to.year);
        EXPECT_EQ(to.month, row.to.month);
        EXPECT_EQ(to.day, row.to.day);
    }
}

}  // namespace
}  // namespace quillix::tools
