// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/calendar.h"

#include <gtest/gtest.h>

#include "common/fp_checks.h"
#include "support/error_message.h"

namespace quillix {
namespace {

TEST(Calendar, DayNumbersFollowTheEpochOf1899) {
    EXPECT_EQ(DayNumberFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(DayNumberFromCivil(1900, 1, 1), 2);
    EXPECT_EQ(DayNumberFromCivil(1970, 1, 1), 25569);
    EXPECT_EQ(DayNumberFromCivil(2024, 2, 29), 45351);
    const CivilDate d = CivilFromDayNumber(45351);
    EXPECT_EQ(d.year, 2024);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 29);
    EXPECT_EQ(IsoWeekday(0), 6);  // a Saturday
}

TEST(Calendar, RoundTripsEveryDayOfTheRange) {
    const std::int64_t first = DayNumberFromCivil(1, 1, 1);
    const std::int64_t last = DayNumberFromCivil(9999, 12, 31);
    for (std::int64_t n = first; n <= last; n += 17) {
        const CivilDate d = CivilFromDayNumber(n);
        ASSERT_EQ(DayNumberFromCivil(d.year, d.month, d.day), n);
    }
    EXPECT_FALSE(DateOfDayNumber(static_cast<long double>(last + 1)));
    EXPECT_FALSE(DateOfDayNumber(static_cast<long double>(first - 1)));
    EXPECT_TRUE(DateOfDayNumber(-0.5L));
}

TEST(FpChecks, JudgeResultsFromTheirOperands) {
    auto message = [](auto f) { return test::MessageOf<ECalcError>(f, ""); };
    const long double inf = HUGE_VALL;
    EXPECT_EQ(message([] { return CheckedDivide(1, 0); }), kMsgZeroDivide);
    EXPECT_EQ(message([] { return CheckedDivide(0, 0); }), kMsgInvalidOperation);
    EXPECT_EQ(message([&] { return CheckedDivide(inf, 0); }), "");
    EXPECT_EQ(message([] { return CheckedMultiply(1e4000L, 1e4000L); }), kMsgOverflow);
    EXPECT_EQ(message([] { return CheckedMultiply(1e-4000L, 1e-4000L); }), "");
    EXPECT_EQ(message([&] { return CheckedSubtract(inf, inf); }), kMsgInvalidOperation);
    EXPECT_EQ(message([&] { return CheckedAdd(inf, 1); }), "");
    EXPECT_EQ(message([&] { return CheckedAdd(std::nanl(""), 1); }), "");
}

}  // namespace
}  // namespace quillix
