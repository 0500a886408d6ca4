// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/functions/func_test_support.h"
#include "functions/numeric_rules.h"

namespace quillix {
namespace {

using testing::CallFunc;
using testing::CloseTo;
using testing::ErrorOf;

TEST(StatisticsTest, Values) {
    const TExtendedArray textbook = {2, 4, 4, 4, 5, 5, 7, 9};  // population deviation 2
    const TExtendedArray tenTimesPointThree(10, 0.3L);
    const struct {
        const char* name;
        TExtendedArray numbers;
        long double expected;
        long double relative;
    } rows[] = {
        {"AVG", {1, 2, 3, 4}, 2.5L, 0},
        {"Sum", {1, 2, 3, 4}, 10, 0},
        // Lists are taken as doubles: 0.1 + 0.2 is the exact sum of the two doubles.
        {"Sum", {0.1L, 0.2L}, 0.3000000000000000166533453693773481L, 1e-19L},
        {"Max", {0.1L}, 0.1000000000000000055511151231257827L, 1e-19L},
        {"Sum", {1e308, 1e308}, 2e308L, 1e-15L},  // accumulated in extended precision
        {"Min", {3, -1, 2, -1}, -1, 0},
        {"Max", {3, -1, 7, 2}, 7, 0},
        {"Norm", {3, 4}, 5, 0},
        {"Norm", {1e300, 1e300}, 1.41421356237309504880e300L, 1e-15L},
        {"VarT", {1, 2, 3, 4}, 5, 0},
        {"Var", textbook, 4.57142857142857142857142857143L, 1e-18L},
        {"VarP", textbook, 4, 0},
        {"StdDevP", textbook, 2, 0},
        {"StdDev", textbook, 2.13808993529939507747642784704L, 1e-18L},
        // Stable about a large mean, where sums of squares would cancel.
        {"Var", {1e11 + 1, 1e11 + 2, 1e11 + 3}, 1, 0},
        {"VarP", {1e11 + 1, 1e11 + 2, 1e11 + 3}, 2.0L / 3, 1e-18L},
        {"StdDev", tenTimesPointThree, 0, 0},
        {"VarT", tenTimesPointThree, 0, 0},
        {"VarP", {42}, 0, 0},
        {"StdDevP", {42}, 0, 0},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(CloseTo(CallFunc(row.name, {}, row.numbers), row.expected, row.relative))
            << row.name;
    }
}

TEST(StatisticsTest, FaultsAndEmptyLists) {
    for (const char* name :
         {"AVG", "Sum", "Min", "Max", "Norm", "StdDev", "StdDevP", "Var", "VarP", "VarT"}) {
        EXPECT_EQ(ErrorOf([&] { CallFunc(name, {}, {}); }), kMsgEmptyList) << name;
        EXPECT_EQ(ErrorOf([&] { CallFunc(name, {}, {1, 1e4000L}); }), testing::kOverflow) << name;
    }
    EXPECT_EQ(ErrorOf([] { CallFunc("Var", {}, {5}); }), testing::kInvalid);
    EXPECT_EQ(ErrorOf([] { CallFunc("StdDev", {}, {5}); }), testing::kInvalid);
}

}  // namespace
}  // namespace quillix
