// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/rate_conversions.h"

#include <gtest/gtest.h>

#include <string>

#include "common/calc_error.h"
#include "support/error_message.h"

namespace quillix::tools {
namespace {

using F = TPaymentFrequency;

TEST(RateConversions, EachKeyGivesTheOtherTwo) {
    struct Row {
        TRateKey key;
        F frequency;
        TInterestRates given;
        TInterestRates expected;
    };
    const Row rows[] = {
        {TRateKey::Nominal, F::Monthly, {12, 0, 0}, {12, 12.682503013196977L, 1}},
        {TRateKey::Effective,
         F::Monthly,
         {0, 12.682503013196977L, 0},
         {12, 12.682503013196977L, 1}},
        {TRateKey::Periodic, F::Monthly, {0, 0, 1}, {12, 12.682503013196977L, 1}},
        {TRateKey::Nominal, F::Quarterly, {8, 0, 0}, {8, 8.243216L, 2}},
        {TRateKey::Periodic, F::SemiAnnually, {0, 0, 5}, {10, 10.25L, 5}},
        {TRateKey::Effective, F::Annually, {0, 5, 0}, {5, 5, 5}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.key) * 10 + PeriodsPerYear(row.frequency));
        TInterestRates rates = row.given;
        ConvertInterestRates(rates, row.key, row.frequency);
        EXPECT_NEAR(rates.nominal, row.expected.nominal, 1e-12);
        EXPECT_NEAR(rates.effective, row.expected.effective, 1e-12);
        EXPECT_NEAR(rates.periodic, row.expected.periodic, 1e-12);
    }
}

TEST(RateConversions, AFailingStepGivesItsMessageAndKeepsTheStepsBeforeIt) {
    // Below -100 % a year there is no nominal rate: the root of a negative number.
    TInterestRates belowRuin{3, -150, 4};
    EXPECT_EQ(
        test::MessageOf<ECalcError>(
            [&] { ConvertInterestRates(belowRuin, TRateKey::Effective, F::Monthly); }, "no error"),
        kMsgInvalidOperation);
    EXPECT_EQ(belowRuin.nominal, 3);
    EXPECT_EQ(belowRuin.periodic, 4);

    // The nominal rate is written before the effective one overflows.
    TInterestRates huge{0, 7, 1e4900L};
    EXPECT_EQ(test::MessageOf<ECalcError>(
                  [&] { ConvertInterestRates(huge, TRateKey::Periodic, F::Monthly); }, "no error"),
              kMsgOverflow);
    EXPECT_EQ(huge.nominal, 1e4900L * 12);
    EXPECT_EQ(huge.effective, 7);
}

}  // namespace
}  // namespace quillix::tools
