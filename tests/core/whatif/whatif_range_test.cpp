// SPDX-License-Identifier: GPL-3.0-or-later
// The ranges a what-if input runs over, read from the command line's text form.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "whatif/whatif_range.h"

namespace quillix::test {
namespace {

std::vector<long double> PointsOf(const std::string& text) {
    const TRangeReading reading = ReadRange(text);
    EXPECT_TRUE(reading.range) << text << ": " << reading.problem;
    return reading.range ? RangePoints(*reading.range) : std::vector<long double>{};
}

TEST(WhatIfRange, PointsIncludeBothEndsExactly) {
    struct Row {
        const char* text;
        std::vector<long double> points;
    };
    const Row rows[] = {
        {"10:30:3", {10, 20, 30}},
        {"1:1000:1000", {}},  // checked below: whole numbers stay whole
        {"-1:1:5", {-1, -0.5L, 0, 0.5L, 1}},
        {"5:1:3", {5, 3, 1}},
        {"1:1000:4:log", {1, 10, 100, 1000}},
        {"-8:-0.5:3:log", {-8, -2, -0.5L}},
        {"0.03,0.04", {0.03L, 0.04L}},
        {"7", {7}},
        {"1e3,-2.5e-1", {1000, -0.25L}},
    };
    for (const Row& row : rows) {
        const std::vector<long double> points = PointsOf(row.text);
        if (row.points.empty()) continue;
        ASSERT_EQ(points.size(), row.points.size()) << row.text;
        for (std::size_t i = 0; i < points.size(); ++i)
            EXPECT_NEAR(static_cast<double>(points[i]), static_cast<double>(row.points[i]),
                        1e-15 * std::max(1.0, std::fabs(static_cast<double>(row.points[i]))))
                << row.text << " at " << i;
        EXPECT_EQ(points.front(), row.points.front()) << row.text;
        EXPECT_EQ(points.back(), row.points.back()) << row.text;
    }
    const std::vector<long double> whole = PointsOf("1:1000:1000");
    for (std::size_t i = 0; i < whole.size(); ++i)
        ASSERT_EQ(whole[i], static_cast<long double>(i + 1));
}

TEST(WhatIfRange, EndsTooFarApartForTheirDifferenceStillGiveFinitePoints) {
    for (long double x : PointsOf("-1e4900:1e4900:3"))
        EXPECT_TRUE(std::isfinite(x));
    EXPECT_EQ(PointsOf("-1e4900:1e4900:3")[1], 0);
    for (long double x : PointsOf("1e-4900:1e4900:5:log"))
        EXPECT_TRUE(std::isfinite(x) && x > 0);
}

TEST(WhatIfRange, UnsoundTextsSayWhy) {
    struct Row {
        const char* text;
        const char* problem;
    };
    const Row rows[] = {
        {"", "the range is empty"},
        {"0:1:1", "the number of steps must be a whole number from 2 to 1,000,000, not '1'"},
        {"0:1:1000001",
         "the number of steps must be a whole number from 2 to 1,000,000, not '1000001'"},
        {"0:1:2.5", "the number of steps must be a whole number from 2 to 1,000,000, not '2.5'"},
        {"0:1:ten", "the number of steps must be a whole number from 2 to 1,000,000, not 'ten'"},
        {"a:1:3", "'a' is not a number"},
        {"0:1e99999:3", "'1e99999' is not a number"},
        {"0:inf:3", "'inf' is not a number"},
        {"0:1", "a range is START:STOP:STEPS, START:STOP:STEPS:log or V1,V2,..., not '0:1'"},
        {"0:1:3:lin",
         "a range is START:STOP:STEPS, START:STOP:STEPS:log or V1,V2,..., not '0:1:3:lin'"},
        {"0:10:3:log", "a geometric range needs two ends of the same sign, neither of them 0"},
        {"-1:10:3:log", "a geometric range needs two ends of the same sign, neither of them 0"},
        {"1,,2", "'' is not a number"},
        {"1,2,", "'' is not a number"},
        {"1;2", "'1;2' is not a number"},
        {"0x10", "'0x10' is not a number"},
    };
    for (const Row& row : rows) {
        const TRangeReading reading = ReadRange(row.text);
        EXPECT_FALSE(reading.range) << row.text;
        EXPECT_EQ(reading.problem, row.problem) << row.text;
    }
}

TEST(WhatIfRange, RangesBuiltByAWindowAreCheckedByTheSameRules) {
    TWhatIfRange range;
    EXPECT_EQ(RangeProblem(range), "the range is empty");
    range.Start = 1;
    range.Stop = 2;
    range.Steps = 1;
    EXPECT_NE(RangeProblem(range), "");
    range.Steps = 2;
    EXPECT_EQ(RangeProblem(range), "");
    range.Stop = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(RangeProblem(range), "the ends of the range must be finite numbers");
    range.List = {1, std::numeric_limits<long double>::quiet_NaN()};
    EXPECT_EQ(RangeProblem(range), "every value of the list must be a finite number");
}

}  // namespace
}  // namespace quillix::test
