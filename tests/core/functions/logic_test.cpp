// SPDX-License-Identifier: GPL-3.0-or-later
#include <limits>

#include "core/functions/func_test_support.h"

namespace quillix {
namespace {

using testing::CallFunc;

TEST(LogicTest, TruthIsGreaterThanZero) {
    const struct {
        const char* name;
        TExtendedArray args;
        TExtendedArray tests;
        TExtendedArray values;
        long double expected;
    } rows[] = {
        {"Not", {0}, {}, {}, 1},
        {"Not", {-5}, {}, {}, 1},
        {"Not", {0.001L}, {}, {}, 0},
        {"Not", {std::numeric_limits<long double>::quiet_NaN()}, {}, {}, 1},
        {"If", {0, 1, 2}, {}, {}, 2},
        {"If", {-1, 1, 2}, {}, {}, 2},
        {"If", {1e-30L, 1, 2}, {}, {}, 1},
        {"Case", {7}, {0, 0}, {1, 2}, 7},
        {"Case", {7}, {0, 3, 1}, {10}, 0},  // the true test's position has no value
        {"Case", {0}, {0, 1}, {10, 20}, 20},
        {"Case", {0}, {2, 1}, {10, 20}, 10},
        {"Case", {5}, {}, {}, 5},
        {"Case", {0}, {1}, {0.1L}, 0.1000000000000000055511151231257827L},  // a double
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CallFunc(row.name, row.args, row.tests, row.values), row.expected) << row.name;
    }
    EXPECT_EQ(testing::ErrorOf([] {
                  CallFunc("If", {1, 2});
              }),
              "Not enough arguments for the function");
}

}  // namespace
}  // namespace quillix
