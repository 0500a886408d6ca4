// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <limits>
#include <numbers>

#include "core/functions/func_test_support.h"

namespace quillix {
namespace {

using testing::CallFunc;
using testing::CloseTo;
using testing::ErrorOf;

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kTwo63 = 9223372036854775808.0L;

// Reference values: mpmath at 40 digits unless the value is a textbook identity.
TEST(TrigonometryTest, Values) {
    testing::ExpectOneArgumentValues({
        {"Sin", kPi / 6, 0.5L, 1e-18L},
        {"Cos", 0, 1, 0},
        {"Tan", kPi / 4, 1, 1e-18L},
        {"Csc", kPi / 2, 1, 1e-18L},
        {"Sec", kPi / 3, 2, 1e-18L},
        {"Cot", kPi / 4, 1, 1e-18L},
        {"Sin", kTwo63, 0, 0},  // beyond the argument reduction
        {"Cos", -1e30L, 0, 0},
        {"ArcSin", 0.5L, 0.523598775598298873077107230546583814L, 1e-18L},
        {"ArcSin", 1, kPi / 2, 1e-19L},
        {"ArcCos", -0.5L, 2.09439510239319549230842892218633526L, 1e-18L},
        {"ArcTan", 1, kPi / 4, 1e-19L},
        {"ArcCsc", 2, 0.523598775598298873077107230546583814L, 1e-18L},
        {"ArcSec", 2, 1.04719755119659774615421446109316763L, 1e-18L},
        {"ArcCot", 0, kPi / 2, 0},
        {"ArcCot", 1, kPi / 4, 1e-19L},
        {"ArcCsc", 0, kInf, 0},
        {"ArcSec", 0, kInf, 0},
        {"ArcCsc", 1e-16L, kInf, 0},  // near zero
        // sinh(1e-10) = 1e-10 + 1.67e-31: the library form has no cancellation.
        {"Sinh", 1e-10L, 1.0000000000000000000001666666666667e-10L, 1e-18L},
        {"Sinh", 1e-17L, 0, 0},
        {"Cosh", 1e-17L, 1, 0},
        {"Cosh", 1, 1.54308063481524377847790562075706168L, 1e-18L},
        {"Tanh", 0.5L, 0.462117157260009758502318483643672548L, 1e-18L},
        {"Tanh", -50, -1, 0},
        {"Tanh", 20000, 1, 0},
        {"Sech", 100, 7.44015195204167192591939160773e-44L, 1e-17L},
        {"Csch", -100, -7.44015195204167192591939160773e-44L, 1e-17L},
        {"Sech", 20000, 0, 0},  // 2.6e-8686 underflows
        {"Csch", -20000, 0, 0},
        {"Coth", 1, 1.31303528549933130363616124693084784L, 1e-18L},
        {"ArcSinh", 1, 0.881373587019543025232609324979792309L, 1e-18L},
        {"ArcSinh", -1e10L, -23.7189981105004021495996466683018186L, 1e-18L},
        {"ArcSinh", -1e3000L, -6908.44842616269699736339159617455080L, 1e-18L},
        {"ArcCosh", 2, 1.31695789692481670862504634730796844L, 1e-18L},
        {"ArcCosh", 1, 0, 0},
        {"ArcTanh", 0.5L, 0.549306144334054845697622618461262852L, 1e-18L},
        {"ArcTanh", 1, kInf, 0},
        {"ArcTanh", -1, -kInf, 0},
        {"ArcCsch", -1e-10L, -23.7189981105004021495996466683018186L, 1e-18L},
        {"ArcCsch", 1, 0.881373587019543025232609324979792309L, 1e-18L},
        {"ArcSech", 0.5L, 1.31695789692481670862504634730796844L, 1e-18L},
        {"ArcSech", 1, 0, 0},
        {"ArcSech", 0, kInf, 0},
        {"ArcCoth", 2, 0.549306144334054845697622618461262852L, 1e-18L},
        // acoth(1e10) = 1e-10 + 3.3e-31, where the quotient form would keep 9 digits.
        {"ArcCoth", 1e10L, 1.0000000000000000000003333333333333e-10L, 1e-18L},
        {"ArcCoth", 1, kInf, 0},
        {"ArcCoth", -1, -kInf, 0},
    });
    EXPECT_FALSE(std::signbit(CallFunc("Csch", {-20000})));
}

TEST(TrigonometryTest, Faults) {
    testing::ExpectOneArgumentFaults({
        {"Csc", 0, testing::kZeroDivide},
        {"Cot", 0, testing::kZeroDivide},
        {"Sec", kTwo63, testing::kZeroDivide},  // the cosine is taken as 0 out there
        {"Tan", kTwo63, testing::kInvalid},
        {"Cot", -1e25L, testing::kInvalid},
        {"ArcSin", 1.5L, testing::kInvalid},
        {"ArcCos", -1.0001L, testing::kInvalid},
        {"ArcCsc", 0.5L, testing::kInvalid},
        {"ArcSec", -0.5L, testing::kInvalid},
        {"Sinh", 20000, testing::kOverflow},
        {"Cosh", -20000, testing::kOverflow},
        {"Csch", 0, testing::kZeroDivide},
        {"Csch", 1e-17L, testing::kZeroDivide},  // Sinh is 0 near zero
        {"Coth", 0, testing::kZeroDivide},
        {"ArcCosh", 0.5L, testing::kInvalid},
        {"ArcCosh", -3, testing::kInvalid},
        {"ArcCosh", -1, testing::kZeroDivide},
        {"ArcTanh", 2, testing::kInvalid},
        {"ArcCsch", 0, testing::kZeroDivide},
        {"ArcSech", -0.5L, testing::kInvalid},
        {"ArcSech", 2, testing::kInvalid},
        {"ArcCoth", 0.5L, testing::kInvalid},
        {"ArcCoth", 0, testing::kInvalid},
    });
}

TEST(TrigonometryTest, HypotTakesTwoPlainArguments) {
    struct Row {
        long double x, y, expected, relative;
    } rows[] = {
        {3, 4, 5, 0},
        {0, -7, 7, 0},
        {-5, 12, 13, 0},
        {1e4000L, 1e4000L, 1.41421356237309504880168872420969808e4000L, 1e-18L},
        {1e-4000L, 0, 1e-4000L, 0},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(CloseTo(CallFunc("Hypot", {row.x, row.y}), row.expected, row.relative));
    }
    EXPECT_EQ(ErrorOf([] { CallFunc("Hypot", {1e4932L, 1e4932L}); }), testing::kOverflow);
    EXPECT_EQ(ErrorOf([] { CallFunc("Hypot", {3}); }), "Not enough arguments for the function");
}

}  // namespace
}  // namespace quillix
