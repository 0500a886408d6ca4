// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <limits>

#include "core/functions/func_test_support.h"
#include "functions/func_date.h"
#include "functions/numeric_rules.h"

namespace quillix {
namespace {

using testing::CallFunc;
using testing::ErrorOf;

// Day numbers below are the spreadsheet serials of the dates (equal to ours from
// March 1900 on), checked with Python's datetime: (date - date(1899, 12, 30)).days.
constexpr long double k2000Jan01 = 36526;
constexpr long double k2024Feb29 = 45351;
constexpr long double k2024Dec31 = 45657;
constexpr long double k2021Jan01 = 44197;
constexpr long double k0001Jan01 = -693593;
constexpr long double k9999Dec31 = 2958465;

struct Row {
    const char* name;
    long double day;
    int expected;
};

TEST(DateTest, CalendarFields) {
    const Row rows[] = {
        {"Day", k2000Jan01, 1},
        {"Month", k2000Jan01, 1},
        {"Year", k2000Jan01, 2000},
        {"DayOfMonth", k2024Feb29, 29},
        {"Month", k2024Feb29, 2},
        {"Day", k2000Jan01 + 0.75L, 1},  // the time of day does not count
        {"DayOfWeek", 0, 6},             // 30 December 1899 was a Saturday
        {"DayOfWeek", k2024Feb29, 4},    // Thursday
        {"DayOfWeek", 45354, 7},         // Sunday 3 March 2024
        {"DayOfYear", k2024Dec31, 366},
        {"DayOfYear", k2000Jan01, 1},
        {"DayOfYear", 44971, 45},   // 14 February 2023
        {"DayOfYear", -1.5L, 363},  // 29 December 1899, time 12:00
        {"DaysInMonth", k2024Feb29, 29},
        {"DaysInMonth", 44971, 28},
        {"DaysInMonth", k2024Dec31, 31},
        {"DaysInYear", k2024Feb29, 366},
        {"DaysInYear", 44971, 365},
        {"DaysInYear", 2, 365},  // 1900 is no leap year
        {"IsLeapYear", k2024Feb29, 1},
        {"IsLeapYear", 2024, 0},  // day 2024 is 16 July 1905
        {"IsLeapYear", k2000Jan01, 1},
        {"Year", k0001Jan01, 1},
        {"Year", k9999Dec31, 9999},
        {"DayOfYear", k9999Dec31, 365},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CallFunc(row.name, {row.day}), row.expected)
            << row.name << "(" << static_cast<double>(row.day) << ")";
    }
}

// ISO 8601 week numbers of the dates around each turn of the year 2015 to 2027,
// from Python's date.isocalendar().
TEST(DateTest, IsoWeeksAroundTheTurnsOfTheYears) {
    const struct {
        long double day;
        int week;
    } rows[] = {
        {42001, 52},  // 2014-12-28
        {42004, 1},   // 2014-12-31
        {42005, 1},   // 2015-01-01
        {42369, 53},  // 2015-12-31
        {42370, 53},  // 2016-01-01
        {42372, 53},  // 2016-01-03
        {42373, 1},   // 2016-01-04
        {42735, 52},  // 2016-12-31
        {42736, 52},  // 2017-01-01
        {42738, 1},   // 2017-01-03
        {43100, 52},  // 2017-12-31
        {43101, 1},   // 2018-01-01
        {43465, 1},   // 2018-12-31
        {43466, 1},   // 2019-01-01
        {43830, 1},   // 2019-12-31
        {43831, 1},   // 2020-01-01
        {44193, 53},  // 2020-12-28
        {44196, 53},  // 2020-12-31
        {44197, 53},  // 2021-01-01
        {44199, 53},  // 2021-01-03
        {44200, 1},   // 2021-01-04
        {44561, 52},  // 2021-12-31
        {44562, 52},  // 2022-01-01
        {44564, 1},   // 2022-01-03
        {44926, 52},  // 2022-12-31
        {44927, 52},  // 2023-01-01
        {45291, 52},  // 2023-12-31
        {45292, 1},   // 2024-01-01
        {45654, 52},  // 2024-12-28
        {45657, 1},   // 2024-12-31
        {45658, 1},   // 2025-01-01
        {46022, 1},   // 2025-12-31
        {46023, 1},   // 2026-01-01
        {46387, 53},  // 2026-12-31
        {46388, 53},  // 2027-01-01
        {46390, 53},  // 2027-01-03
        {46391, 1},   // 2027-01-04
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CallFunc("Week", {row.day}), row.week) << static_cast<double>(row.day);
        EXPECT_EQ(CallFunc("WeekOfYear", {row.day}), row.week) << static_cast<double>(row.day);
    }
}

// Expected weeks of the month by the Thursday rule, computed independently as:
// the Monday-to-Sunday week of the date belongs to the month of its Thursday and
// is numbered by that Thursday among the month's Thursdays.
TEST(DateTest, WeekOfMonthByTheThursdayRule) {
    const struct {
        long double day;
        int week;
    } rows[] = {
        {45352, 5},  // Fri 2024-03-01: last week of February
        {45354, 5},  // Sun 2024-03-03
        {45355, 1},  // Mon 2024-03-04
        {45382, 4},  // Sun 2024-03-31
        {45565, 1},  // Mon 2024-09-30: first week of October
        {45656, 1},  // Mon 2024-12-30: first week of January
        {45657, 1},  // Tue 2024-12-31
        {45658, 1},  // Wed 2025-01-01
        {45809, 5},  // Sun 2025-06-01
        {45810, 1},  // Mon 2025-06-02
        {45838, 1},  // Mon 2025-06-30
        {46054, 5},  // Sun 2026-02-01
        {46081, 4},  // Sat 2026-02-28
        {44197, 5},  // Fri 2021-01-01: last week of December 2020
        {44200, 1},  // Mon 2021-01-04
        {46265, 1},  // Mon 2026-08-31
        {45504, 1},  // Wed 2024-07-31: the week's Thursday is 1 August
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CallFunc("WeekOfMonth", {row.day}), row.week) << static_cast<double>(row.day);
    }
}

TEST(DateTest, DatesOutsideTheYears1To9999AreRefused) {
    const struct {
        long double day;
        const char* message;
    } rows[] = {
        {k0001Jan01 - 1, kMsgDateOutOfRange},
        {k9999Dec31 + 1, kMsgDateOutOfRange},
        {1e300L, kMsgDateOutOfRange},
        {std::numeric_limits<long double>::quiet_NaN(), kMsgDateOutOfRange},
        {std::numeric_limits<long double>::infinity(), kMsgDateOutOfRange},
        {-1e4000L, testing::kOverflow},  // beyond the double the date is taken as
    };
    for (const char* name : {"Day", "Year", "DayOfWeek", "DayOfYear", "Week", "WeekOfMonth",
                             "IsLeapYear", "DaysInMonth"}) {
        for (const auto& row : rows) {
            EXPECT_EQ(ErrorOf([&] { CallFunc(name, {row.day}); }), row.message)
                << name << "(" << static_cast<double>(row.day) << ")";
        }
    }
    // The first and last weeks still see their neighbours outside the range.
    EXPECT_EQ(CallFunc("Week", {k0001Jan01}), 1);   // 0001-01-01 was a Monday
    EXPECT_EQ(CallFunc("Week", {k9999Dec31}), 52);  // a Friday
    EXPECT_EQ(CallFunc("WeekOfMonth", {k0001Jan01}), 1);
}

TEST(DateTest, TodayReadsTheReplaceableClock) {
    funcs::SetTodayClock([] { return CivilDate{2024, 2, 29}; });
    EXPECT_EQ(CallFunc("Today", {}), k2024Feb29);
    funcs::SetTodayClock(nullptr);
    const long double today = CallFunc("Today", {});
    EXPECT_EQ(today, std::trunc(today));
    EXPECT_GT(today, 45000);  // some day after 15 March 2023
}

}  // namespace
}  // namespace quillix
