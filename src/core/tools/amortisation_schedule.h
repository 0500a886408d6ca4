// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A period-by-period schedule of the finance box's current N, I%YR, PV, PMT and
// FV, so that a loan (or a savings plan) can be checked line by line.
//
// The rows follow the box's money: the balance starts at PV and each period's
// payment PMT is split into interest and principal with the periodic rate
// r = I%YR / f / 100 and the finance functions' sign convention (money paid out
// is negative):
//   interest  = -r * (balance before the period)   (0 in the first period when
//               payments fall at its beginning: no interest has accrued yet)
//   principal = payment - interest
//   balance   = balance before + principal          (what is owed right after
//               the period's payment; negative when it is the saver's money)
// For payments consistent with the other four values, the interest and principal
// are those of IPMT and PPMT.
//
// Last period: when FV is 0 the loan must end repaid, so the last principal is
// the whole balance left (its opposite), the last payment becomes interest +
// principal and the balance ends at exactly 0. The difference between that last
// payment and PMT is reported as finalAdjustment: a few hundredths when PMT was
// rounded to cents, 0 (to rounding) when PMT was solved. When FV is not 0 no
// payment is adjusted and the last balance is what FV settles (-FV for payments
// at the end of the period, -FV / (1 + r) for payments at the beginning, where
// one period of interest still follows the last payment).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/schedule_text.h"
#include "tools/tvm_solver.h"

namespace quillix::tools {

struct TAmortisationRow {
    std::int64_t period = 0;
    long double payment = 0;
    long double interest = 0;
    long double principal = 0;
    long double balance = 0;
};

struct TAmortisationSchedule {
    std::vector<TAmortisationRow> rows;
    long double totalPayment = 0;
    long double totalInterest = 0;
    long double totalPrincipal = 0;
    long double finalAdjustment = 0;   // last payment - PMT; 0 unless FV is 0
    long double scheduledPayment = 0;  // PMT
};

// One row per period 1 ... N (N truncated toward zero). Throws ECalcError when N
// is below 1 or above kMaxScheduleRows, when the periodic rate is -100 % or less,
// or when a number overflows.
TAmortisationSchedule AmortisationSchedule(const TTvmInputs& inputs);

// "Period", "Payment", "Interest", "Principal", "Balance".
inline constexpr std::array<const char*, 5> kAmortisationColumns = {"Period", "Payment", "Interest",
                                                                    "Principal", "Balance"};
// The first cell of the totals line.
inline constexpr const char* kAmortisationTotalCaption = "Total";

// A row's five cells: the period as an integer, the numbers in ScheduleNumberText
// form with the decimals asked for.
std::array<std::string, 5> AmortisationRowCells(const TAmortisationRow& row,
                                                TScheduleDecimals decimals = std::nullopt);

// The totals line's five cells: "Total", the three sums in ScheduleNumberText
// form and an empty balance cell.
std::array<std::string, 5> AmortisationTotalCells(const TAmortisationSchedule& schedule,
                                                  TScheduleDecimals decimals = std::nullopt);

// The line under the schedule when its last payment was adjusted: "The last
// payment differs from PMT by X so that the loan ends repaid." with X in
// ScheduleNumberText form. None when there is nothing worth a word: a solved
// PMT leaves only rounding noise, a billionth of PMT (or of 1, whichever is
// more) at the most.
std::optional<std::string> AmortisationAdjustmentNote(const TAmortisationSchedule& schedule,
                                                      TScheduleDecimals decimals = std::nullopt);

// The header line, one line per period and the totals line ("Total", the three
// sums, an empty balance cell), tab-separated.
std::string AmortisationScheduleText(const TAmortisationSchedule& schedule,
                                     TScheduleDecimals decimals = std::nullopt);

}  // namespace quillix::tools
