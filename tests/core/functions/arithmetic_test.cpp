// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <limits>

#include "core/functions/func_test_support.h"
#include "functions/func_arithmetic.h"

namespace quillix {
namespace {

using testing::CallFunc;

TEST(ArithmeticTest, Values) {
    testing::ExpectOneArgumentValues({
        {"Sqrt", 2, 1.41421356237309504880168872420969808L, 1e-19L},
        {"Recip", -4, -0.25L, 0},
        {"Sqr", -3, 9, 0},
        {"Abs", -2.5L, 2.5L, 0},
        {"Exp", 1, 2.71828182845904523536028747135266250L, 1e-19L},
        {"Ln", 1, 0, 0},
        {"Log10", 1000, 3, 1e-19L},
        {"Log2", 1024, 10, 0},
        // ln(1 + 1e-15) = 9.999999999999995e-16 (mpmath, 40 digits): no cancellation.
        {"LnXP1", 1e-15L, 9.99999999999999500000000000000333e-16L, 1e-18L},
        {"Fact", 5, 120, 0},
        {"Fact", 1, 1, 0},
        {"Fact", 0, 0, 0},
        {"Fact", 3.5L, 13.125L, 0},
        {"Fact", -3, -3, 0},
        {"Fact", 20, 2432902008176640000.0L, 0},
        // 1754! = 1.97926189010501005538e4930, the last factorial within range (mpmath).
        {"Fact", 1754, 1.97926189010501005538179432753e4930L, 1e-16L},
        {"Round", 2.5L, 2, 0},
        {"Round", 3.5L, 4, 0},
        {"Round", -2.5L, -2, 0},
        {"Round", -3.5L, -4, 0},
        {"Round", 2.4999L, 2, 0},
        {"Round", -9.2e18L, -9.2e18L, 0},
        {"Trunc", -2.7L, -2, 0},
        {"Int", -2.7L, -2, 0},
        {"Int", 1e30L, 1e30L, 0},
        {"Frac", -2.7L, -0.7L, 1e-18L},
        {"Ceil", -1.5L, -1, 0},
        {"Ceil", 2.25L, 3, 0},
        {"Floor", -1.5L, -2, 0},
        {"Floor", 3, 3, 0},
        // Beyond the 32-bit range the true integers still come out.
        {"Ceil", 3e9L + 0.5L, 3000000001.0L, 0},
        {"Floor", -3e9L - 0.5L, -3000000001.0L, 0},
        {"Ceil", 1e30L, 1e30L, 0},
        {"Floor", -1e300L, -1e300L, 0},
    });
}

TEST(ArithmeticTest, IntegersNeverShowANegativeZero) {
    for (const char* name : {"Ceil", "Round", "Trunc", "Int"}) {
        EXPECT_FALSE(std::signbit(CallFunc(name, {-0.4L}))) << name;
    }
    EXPECT_FALSE(std::signbit(CallFunc("Floor", {0.4L})));
    EXPECT_FALSE(std::signbit(CallFunc("Frac", {-3})));
}

TEST(ArithmeticTest, Faults) {
    const long double inf = std::numeric_limits<long double>::infinity();
    testing::ExpectOneArgumentFaults({
        {"Sqrt", -1, testing::kInvalid},
        {"Recip", 0, testing::kZeroDivide},
        {"Sqr", 1e3000L, testing::kOverflow},
        {"Exp", 20000, testing::kOverflow},
        {"Fact", 2000, testing::kOverflow},
        {"Fact", 1755, testing::kOverflow},
        {"Fact", 1e19L, testing::kInvalid},  // count beyond the 64-bit range
        {"Ln", 0, testing::kZeroDivide},
        {"Ln", -1, testing::kInvalid},
        {"Log10", 0, testing::kZeroDivide},
        {"Log2", -8, testing::kInvalid},
        {"LnXP1", -1, testing::kZeroDivide},
        {"LnXP1", -2, testing::kInvalid},
        {"Round", 1e19L, testing::kInvalid},
        {"Trunc", -9.3e18L, testing::kInvalid},
        {"Ceil", inf, testing::kInvalid},
        {"Floor", -inf, testing::kInvalid},
        {"Frac", inf, testing::kInvalid},
    });
}

TEST(ArithmeticTest, InfinitiesAndNaNPassThroughWithoutFault) {
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(funcs::Exp(-inf), 0);
    EXPECT_EQ(funcs::Sqrt(inf), inf);
    EXPECT_EQ(funcs::Int(-inf), -inf);
    EXPECT_TRUE(std::isnan(funcs::Ln(std::numeric_limits<long double>::quiet_NaN())));
}

}  // namespace
}  // namespace quillix
