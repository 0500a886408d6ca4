// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/julian_date.h"

#include <gtest/gtest.h>

#include <string>

#include "common/calendar.h"
#include "error_text.h"

namespace quillix {
namespace {

TEST(JulianDayNumber, KnownDates) {
    EXPECT_EQ(JulianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(JulianDayNumber(1899, 12, 30), 2415019);
    EXPECT_EQ(JulianDayNumber(1858, 11, 17), 2400001);  // MJD 0 starts at its midnight
    EXPECT_EQ(JulianDayNumber(1, 1, 1), 1721426);
    EXPECT_EQ(JulianDayNumber(9999, 12, 31), 5373484);
    EXPECT_EQ(JulianDayNumber(1600, 2, 29) + 1, JulianDayNumber(1600, 3, 1));
}

TEST(JulianDate, DayNumbersBothWays) {
    struct Row {
        double dayNumber;
        double julianDate;
    };
    const Row rows[] = {
        {0, 2415018.5},         {0.5, 2415019},
        {36526, 2451544.5},  // 1 January 2000
        {-0.25, 2415018.25},    {-1.75, 2415016.75},
        {2958465.5, 5373484.0},  // noon of 31 December 9999
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dayNumber);
        EXPECT_EQ(JulianDateFromDayNumber(row.dayNumber), row.julianDate);
        EXPECT_EQ(DayNumberFromJulianDate(row.julianDate), row.dayNumber);
    }
    EXPECT_EQ(ModifiedJulianDateFromDayNumber(0), 15018);
    EXPECT_EQ(DayNumberFromModifiedJulianDate(51544), 36526);
}

TEST(JulianDate, RoundTripsOverTheWholeRange) {
    const double first = static_cast<double>(DayNumberFromCivil(kMinDateYear, 1, 1));
    const double last = static_cast<double>(DayNumberFromCivil(kMaxDateYear, 12, 31));
    for (double day = first; day <= last; day += 9876.375) {
        SCOPED_TRACE(day);
        EXPECT_EQ(DayNumberFromJulianDate(JulianDateFromDayNumber(day)), day);
        EXPECT_EQ(DayNumberFromModifiedJulianDate(ModifiedJulianDateFromDayNumber(day)), day);
    }
}

TEST(JulianDate, DatesOutsideTheYearsOneTo9999Fail) {
    // 1721425.5 is midnight of 1 January of year 1.
    EXPECT_EQ(DayNumberFromJulianDate(1721425.5), DayNumberFromCivil(1, 1, 1));
    struct Row {
        double (*convert)(double);
        double value;
        const char* julianText;  // the Julian date the message shows
    };
    const Row rows[] = {
        {DayNumberFromJulianDate, 1721424.5, "1721424.500000"},
        {DayNumberFromJulianDate, 5373485.5, "5373485.500000"},
        {DayNumberFromJulianDate, -1e20, "-100000000000000000000.000000"},
        // A modified Julian date is reported as the Julian date it stands for.
        {DayNumberFromModifiedJulianDate, 3000000, "5400000.500000"},
        // A day number beyond the years has no Julian date either.
        {JulianDateFromDayNumber, 3000000, "5415018.500000"},
        {ModifiedJulianDateFromDayNumber, -700000, "1715018.500000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.julianText);
        EXPECT_EQ(ConversionErrorOf([&] { row.convert(row.value); }),
                  std::string(row.julianText) + " Julian cannot be represented as a DateTime");
    }
}

}  // namespace
}  // namespace quillix
