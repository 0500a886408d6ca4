// SPDX-License-Identifier: GPL-3.0-or-later
#include <numbers>

#include "core/functions/func_test_support.h"

namespace quillix {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// The indirect six take two rounded steps: a few units in the last place.
TEST(AngleUnitsTest, Conversions) {
    constexpr long double kUlps = 4e-19L;
    testing::ExpectOneArgumentValues({
        {"DegToRad", 180, kPi, kUlps},
        {"RadToDeg", kPi, 180, kUlps},
        {"GradToRad", 200, kPi, kUlps},
        {"RadToGrad", kPi / 2, 100, kUlps},
        {"CycleToRad", 0.5L, kPi, kUlps},
        {"RadToCycle", 2 * kPi, 1, kUlps},
        {"DegToGrad", 90, 100, kUlps},
        {"DegToCycle", 720, 2, kUlps},
        {"GradToDeg", 100, 90, kUlps},
        {"GradToCycle", 400, 1, kUlps},
        {"CycleToDeg", 1, 360, kUlps},
        {"CycleToGrad", 0.25L, 100, kUlps},
        {"DegToRad", -45, -kPi / 4, kUlps},
        {"GradToDeg", 1e-3000L, 9e-3001L, kUlps},
        {"CycleToDeg", 1e4900L, 3.6e4902L, kUlps},
    });
}

TEST(AngleUnitsTest, OverflowIsAFault) {
    testing::ExpectOneArgumentFaults({
        {"RadToDeg", 1e4931L, testing::kOverflow},
        {"CycleToDeg", 1e4931L, testing::kOverflow},
    });
}

}  // namespace
}  // namespace quillix
