// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/amortisation_schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/calc_error.h"
#include "functions/func_finance.h"
#include "loan_inputs.h"
#include "support/error_message.h"

namespace quillix::tools {
namespace {

using T = TPaymentTime;

// The shared loan with its payment solved.
TTvmInputs Mortgage(T time = T::EndOfPeriod) {
    TTvmInputs in = MonthlyLoan(time);
    in.PMT = *SolveTvm(in, TTvmKey::PMT);
    return in;
}

std::string ScheduleError(const TTvmInputs& in) {
    return test::MessageOf<ECalcError>([&] { AmortisationSchedule(in); }, "no error");
}

TEST(AmortisationSchedule, AMortgageEndsAtAZeroBalance) {
    const TTvmInputs in = Mortgage();
    const TAmortisationSchedule s = AmortisationSchedule(in);
    ASSERT_EQ(s.rows.size(), 360u);
    const TAmortisationRow& first = s.rows.front();
    EXPECT_EQ(first.period, 1);
    EXPECT_EQ(first.interest, -500);
    EXPECT_NEAR(first.principal, -99.55, 0.005);
    EXPECT_NEAR(first.balance, 99900.45, 0.005);
    EXPECT_EQ(s.rows.back().period, 360);
    EXPECT_EQ(s.rows.back().balance, 0);
    // The solved payment needs no adjustment worth a cent.
    EXPECT_LT(std::fabs(s.finalAdjustment), 1e-6);
    EXPECT_NEAR(s.totalPrincipal, -100000, 1e-6);
    EXPECT_NEAR(s.totalPayment, 360 * in.PMT, 1e-6);
    EXPECT_NEAR(s.totalInterest, s.totalPayment - s.totalPrincipal, 1e-6);
    EXPECT_NEAR(s.totalInterest, -115838.19, 0.005);
}

TEST(AmortisationSchedule, RowsAreThoseOfIpmtAndPpmt) {
    for (const T time : kPaymentTimes) {
        SCOPED_TRACE(PaymentTimeCaption(time));
        const TTvmInputs in = Mortgage(time);
        const TAmortisationSchedule s = AmortisationSchedule(in);
        const long double r = PeriodicRate(in);
        const long double t = TypeFlag(time);
        long double worst = 0;
        for (const TAmortisationRow& row : s.rows) {
            const long double per = static_cast<long double>(row.period);
            const long double ipmt = funcs::InterestPayment(r, per, in.N, in.PV, in.FV, t);
            const long double ppmt = funcs::PeriodPayment(r, per, in.N, in.PV, in.FV, t);
            worst = std::fmax(worst, std::fabs(row.interest - ipmt));
            worst = std::fmax(worst, std::fabs(row.principal - ppmt));
            EXPECT_NEAR(row.payment, in.PMT, 1e-6);
        }
        EXPECT_LT(worst, 1e-6);
        EXPECT_EQ(s.rows.front().interest, time == T::BeginningOfPeriod ? -0.0L : -500);
    }
}

TEST(AmortisationSchedule, APaymentRoundedToCentsIsMadeUpByTheLastOne) {
    TTvmInputs in = Mortgage();
    in.PMT = -599.55;
    const TAmortisationSchedule s = AmortisationSchedule(in);
    EXPECT_EQ(s.rows.back().balance, 0);
    EXPECT_EQ(s.rows.back().payment, in.PMT + s.finalAdjustment);
    // What 359 short payments of a twentieth of a cent leave with their interest.
    const long double left = funcs::FutureValue(PeriodicRate(in), 360, in.PMT, in.PV, 0);
    EXPECT_NEAR(s.finalAdjustment, left, 1e-6);
    EXPECT_NEAR(s.finalAdjustment, -0.53, 0.005);
}

// A PMT rounded to cents leaves a few cents to say; a solved one only noise.
TEST(AmortisationSchedule, TheNoteOfAnAdjustedLastPayment) {
    struct Row {
        const char* what;
        long double pmt;  // 0: solved
        TScheduleDecimals decimals;
        std::optional<std::string> note;
    };
    const Row rows[] = {
        {"solved", 0, std::nullopt, std::nullopt},
        {"rounded", -599.55L, 2,
         "The last payment differs from PMT by -0.53 so that the loan ends repaid."},
        {"a billionth off", 0, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        TTvmInputs in = Mortgage();
        if (row.pmt != 0) in.PMT = row.pmt;
        if (std::string(row.what) == "a billionth off") in.PMT *= 1 + 1e-13L;
        EXPECT_EQ(AmortisationAdjustmentNote(AmortisationSchedule(in), row.decimals), row.note)
            << row.what;
    }
    TAmortisationSchedule unadjusted;
    unadjusted.scheduledPayment = -600;
    EXPECT_EQ(AmortisationAdjustmentNote(unadjusted), std::nullopt);
    unadjusted.finalAdjustment = 1e-6L;
    EXPECT_NE(AmortisationAdjustmentNote(unadjusted), std::nullopt)
        << "a hundred-thousandth of a cent";
}

TEST(AmortisationSchedule, AFutureValueIsLeftInTheLastBalance) {
    TTvmInputs saving;
    saving.N = 12;
    saving.IYR = 6;
    saving.PV = 0;
    saving.PMT = -100;
    for (const T time : kPaymentTimes) {
        SCOPED_TRACE(PaymentTimeCaption(time));
        saving.time = time;
        saving.FV = *SolveTvm(saving, TTvmKey::FV);
        const TAmortisationSchedule s = AmortisationSchedule(saving);
        const long double owedAfterLastPayment =
            time == T::EndOfPeriod ? -saving.FV : -saving.FV / (1 + PeriodicRate(saving));
        EXPECT_NEAR(s.rows.back().balance, owedAfterLastPayment, 1e-9);
        EXPECT_EQ(s.finalAdjustment, 0);
        EXPECT_EQ(s.rows.back().payment, -100);
    }
}

TEST(AmortisationSchedule, RefusedInputs) {
    struct Row {
        long double n;
        long double iyr;
        const char* message;
    };
    const Row rows[] = {
        {0.9L, 6, "A schedule needs at least one period"},
        {-12, 6, "A schedule needs at least one period"},
        {10001, 6, "More than 10000 periods cannot be scheduled"},
        {1e30L, 6, kMsgInvalidOperation},
        {12, -1200, "The periodic interest rate must be above -100%"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        TTvmInputs in = Mortgage();
        in.N = row.n;
        in.IYR = row.iyr;
        EXPECT_EQ(ScheduleError(in), row.message);
    }
    TTvmInputs overflowing = Mortgage();
    overflowing.PV = 1e4930L;
    overflowing.IYR = 1200;
    EXPECT_EQ(ScheduleError(overflowing), kMsgOverflow);
}

// 1,000 over two years at 10 %, with its solved payment.
TTvmInputs TwoYearLoan() {
    TTvmInputs in;
    in.N = 2;
    in.IYR = 10;
    in.PV = 1000;
    in.frequency = TPaymentFrequency::Annually;
    in.PMT = *SolveTvm(in, TTvmKey::PMT);
    return in;
}

TEST(AmortisationSchedule, TextPastesAsTabSeparatedLinesWithTotals) {
    EXPECT_EQ(AmortisationScheduleText(AmortisationSchedule(TwoYearLoan())),
              "Period\tPayment\tInterest\tPrincipal\tBalance\n"
              "1\t-576.190476190476\t-100\t-476.190476190476\t523.809523809524\n"
              "2\t-576.190476190476\t-52.3809523809524\t-523.809523809524\t0\n"
              "Total\t-1152.38095238095\t-152.380952380952\t-1000\t\n");
}

// With "Decimal places:" at k the table shows k decimals, a balance that
// rounds to nothing without a sign.
TEST(AmortisationSchedule, CellsFollowTheDecimalsAskedFor) {
    const TAmortisationSchedule schedule = AmortisationSchedule(TwoYearLoan());
    EXPECT_EQ(AmortisationScheduleText(schedule, 2),
              "Period\tPayment\tInterest\tPrincipal\tBalance\n"
              "1\t-576.19\t-100.00\t-476.19\t523.81\n"
              "2\t-576.19\t-52.38\t-523.81\t0.00\n"
              "Total\t-1152.38\t-152.38\t-1000.00\t\n");
    const std::array<std::string, 5> first = AmortisationRowCells(schedule.rows[0], 0);
    EXPECT_EQ(first[1], "-576");
    EXPECT_EQ(first[4], "524");
}

TEST(ScheduleNumberText, GeneralOrFixedAndNeverASignedZero) {
    struct Row {
        long double x;
        TScheduleDecimals decimals;
        const char* text;
    };
    const Row rows[] = {
        {225, std::nullopt, "225"},
        {225, 2, "225.00"},
        {-0.004L, 2, "0.00"},
        {-0.005001L, 2, "-0.01"},
        {-1e-12L, 4, "0.0000"},
        {1.5L, 0, "2"},
        {0.125L, 18, "0.125000000000000000"},
        {-0.0L, std::nullopt, "0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ScheduleNumberText(row.x, row.decimals), row.text) << static_cast<double>(row.x);
}

}  // namespace
}  // namespace quillix::tools
