// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/amortisation_schedule.h"

#include <algorithm>
#include <cmath>

#include "common/calc_error.h"
#include "common/fp_checks.h"
#include "functions/numeric_rules.h"
#include "tools/schedule_text.h"

namespace quillix::tools {

namespace {

std::int64_t ScheduledPeriods(long double n) {
    const std::int64_t periods = IntegerArgument(n);
    if (periods < 1) RaiseCalcError("A schedule needs at least one period");
    if (periods > kMaxScheduleRows) {
        RaiseCalcError("More than " + std::to_string(kMaxScheduleRows) +
                       " periods cannot be scheduled");
    }
    return periods;
}

}  // namespace

TAmortisationSchedule AmortisationSchedule(const TTvmInputs& inputs) {
    const std::int64_t periods = ScheduledPeriods(inputs.N);
    const long double r = PeriodicRate(inputs);
    if (!(r > -1)) RaiseCalcError("The periodic interest rate must be above -100%");
    const bool due = inputs.time == TPaymentTime::BeginningOfPeriod;
    const bool repayAll = inputs.FV == 0;

    TAmortisationSchedule schedule;
    schedule.scheduledPayment = inputs.PMT;
    schedule.rows.reserve(static_cast<std::size_t>(periods));
    long double balance = inputs.PV;
    for (std::int64_t period = 1; period <= periods; ++period) {
        TAmortisationRow row;
        row.period = period;
        row.interest = due && period == 1 ? 0 : UnsignedZero(CheckedMultiply(-balance, r));
        if (period == periods && repayAll) {
            row.principal = -balance;
            row.payment = CheckedAdd(row.interest, row.principal);
            schedule.finalAdjustment = CheckedSubtract(row.payment, inputs.PMT);
        } else {
            row.payment = inputs.PMT;
            row.principal = CheckedSubtract(row.payment, row.interest);
        }
        balance = CheckedAdd(balance, row.principal);
        row.balance = balance;
        schedule.totalPayment = CheckedAdd(schedule.totalPayment, row.payment);
        schedule.totalInterest = CheckedAdd(schedule.totalInterest, row.interest);
        schedule.totalPrincipal = CheckedAdd(schedule.totalPrincipal, row.principal);
        schedule.rows.push_back(row);
    }
    return schedule;
}

std::array<std::string, 5> AmortisationRowCells(const TAmortisationRow& row,
                                                TScheduleDecimals decimals) {
    return {std::to_string(row.period), ScheduleNumberText(row.payment, decimals),
            ScheduleNumberText(row.interest, decimals), ScheduleNumberText(row.principal, decimals),
            ScheduleNumberText(row.balance, decimals)};
}

std::array<std::string, 5> AmortisationTotalCells(const TAmortisationSchedule& schedule,
                                                  TScheduleDecimals decimals) {
    return {kAmortisationTotalCaption, ScheduleNumberText(schedule.totalPayment, decimals),
            ScheduleNumberText(schedule.totalInterest, decimals),
            ScheduleNumberText(schedule.totalPrincipal, decimals), ""};
}

std::optional<std::string> AmortisationAdjustmentNote(const TAmortisationSchedule& schedule,
                                                      TScheduleDecimals decimals) {
    const long double noise = 1e-9L * std::max(1.0L, std::fabs(schedule.scheduledPayment));
    if (!(std::fabs(schedule.finalAdjustment) > noise)) return std::nullopt;
    return "The last payment differs from PMT by " +
           ScheduleNumberText(schedule.finalAdjustment, decimals) +
           " so that the loan ends repaid.";
}

std::string AmortisationScheduleText(const TAmortisationSchedule& schedule,
                                     TScheduleDecimals decimals) {
    const auto& h = kAmortisationColumns;
    std::string text = TabSeparatedLine({h[0], h[1], h[2], h[3], h[4]});
    for (const TAmortisationRow& row : schedule.rows) {
        const std::array<std::string, 5> c = AmortisationRowCells(row, decimals);
        text += TabSeparatedLine({c[0], c[1], c[2], c[3], c[4]});
    }
    const std::array<std::string, 5> t = AmortisationTotalCells(schedule, decimals);
    text += TabSeparatedLine({t[0], t[1], t[2], t[3], t[4]});
    return text;
}

}  // namespace quillix::tools
