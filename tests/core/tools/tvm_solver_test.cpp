// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/tvm_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "loan_inputs.h"

namespace quillix::tools {
namespace {

using F = TPaymentFrequency;
using T = TPaymentTime;

TTvmInputs Doubling() {
    TTvmInputs in;
    in.N = 10;
    in.PV = -1000;
    in.PMT = 0;
    in.FV = 2000;
    in.frequency = F::Annually;
    return in;
}

TTvmInputs QuarterlySavings() {
    TTvmInputs in;
    in.N = 40;
    in.IYR = 8;
    in.PMT = -100;
    in.frequency = F::Quarterly;
    return in;
}

TEST(TvmSolver, SolvesEachKeyFromTheOtherFour) {
    TTvmInputs loanSolved = MonthlyLoan();
    loanSolved.PMT = -599.55052515275673L;
    struct Row {
        const char* what;
        TTvmInputs inputs;
        TTvmKey key;
        long double expected;
        long double tolerance;
    };
    const Row rows[] = {
        {"monthly loan, end of period", MonthlyLoan(), TTvmKey::PMT, -599.55, 0.005},
        {"monthly loan, beginning of period", MonthlyLoan(T::BeginningOfPeriod), TTvmKey::PMT,
         -596.57, 0.005},
        {"annual rate that doubles money in 10 years", Doubling(), TTvmKey::IYR, 7.177, 0.0005},
        // (1.02^40 - 1) / 0.02 * 100
        {"quarterly savings", QuarterlySavings(), TTvmKey::FV, 6040.19832, 0.00001},
        {"periods of the loan", loanSolved, TTvmKey::N, 360, 1e-9},
        {"present value of the loan", loanSolved, TTvmKey::PV, 100000, 1e-7},
        {"future value of the loan", loanSolved, TTvmKey::FV, 0, 1e-7},
        {"rate of the loan", loanSolved, TTvmKey::IYR, 6, 1e-10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<long double> value = SolveTvm(row.inputs, row.key);
        ASSERT_TRUE(value);
        EXPECT_NEAR(*value, row.expected, row.tolerance);
    }
}

TEST(TvmSolver, NIsTruncatedWhereItCountsPeriodsAndTheKeyItselfIsNotRead) {
    TTvmInputs whole = MonthlyLoan();
    TTvmInputs fraction = MonthlyLoan();
    fraction.N = 360.97L;
    fraction.PMT = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(SolveTvm(fraction, TTvmKey::PMT), SolveTvm(whole, TTvmKey::PMT));
    // Solving N gives the real number of periods, not a whole one.
    TTvmInputs shortPayment = MonthlyLoan();
    shortPayment.PMT = -700;
    const std::optional<long double> n = SolveTvm(shortPayment, TTvmKey::N);
    ASSERT_TRUE(n);
    EXPECT_NE(*n, std::trunc(*n));
}

TEST(TvmSolver, FailuresGiveNothing) {
    TTvmInputs ruinousRate = MonthlyLoan();
    ruinousRate.IYR = -1200;  // -100 % a month
    TTvmInputs noPeriods = Doubling();
    noPeriods.N = 0.9L;
    TTvmInputs sameSigns = Doubling();
    sameSigns.FV = -2000;
    TTvmInputs nothingPaid = MonthlyLoan();
    nothingPaid.PV = 0;
    nothingPaid.PMT = 0;
    TTvmInputs hugeN = MonthlyLoan();
    hugeN.N = 1e30L;
    struct Row {
        const char* what;
        TTvmInputs inputs;
        TTvmKey key;
    };
    const Row rows[] = {
        {"rate of -100 % per period", ruinousRate, TTvmKey::PMT},
        {"rate of -100 % per period, for N", ruinousRate, TTvmKey::N},
        {"rate with N below 1", noPeriods, TTvmKey::IYR},
        {"rate with flows of one sign", sameSigns, TTvmKey::IYR},
        {"periods when nothing is paid", nothingPaid, TTvmKey::N},
        {"N beyond any count of periods", hugeN, TTvmKey::FV},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(SolveTvm(row.inputs, row.key), std::nullopt);
    }
    EXPECT_STREQ(kTvmArgumentsError, "Arguments Error!");
}

TEST(TvmSolver, InPlaceWritesOnlyASuccess) {
    TTvmInputs in = MonthlyLoan();
    in.PMT = 123;
    ASSERT_TRUE(SolveTvmInPlace(in, TTvmKey::PMT));
    EXPECT_NEAR(in.PMT, -599.55, 0.005);
    in.IYR = -1200;
    in.FV = 77;
    EXPECT_FALSE(SolveTvmInPlace(in, TTvmKey::FV));
    EXPECT_EQ(in.FV, 77);
}

TEST(FinanceChoices, FrequenciesAndPaymentTimes) {
    struct Row {
        F frequency;
        int periods;
        const char* caption;
    };
    const Row rows[] = {{F::Monthly, 12, "Monthly"},
                        {F::Quarterly, 4, "Quarterly"},
                        {F::SemiAnnually, 2, "Semi-annually"},
                        {F::Annually, 1, "Annually"}};
    ASSERT_EQ(std::size(rows), kPaymentFrequencies.size());
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(kPaymentFrequencies[i], rows[i].frequency);
        EXPECT_EQ(PeriodsPerYear(rows[i].frequency), rows[i].periods);
        EXPECT_STREQ(FrequencyCaption(rows[i].frequency), rows[i].caption);
    }
    EXPECT_EQ(TypeFlag(T::BeginningOfPeriod), 1);
    EXPECT_EQ(TypeFlag(T::EndOfPeriod), 0);
    EXPECT_STREQ(PaymentTimeCaption(kDefaultPaymentTime), "End of period");
    TTvmInputs in;
    in.IYR = 6;
    EXPECT_EQ(PeriodicRate(in), 0.005L);
}

}  // namespace
}  // namespace quillix::tools
