// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The choices of the finance box: how often payments (or compoundings) fall in a
// year, whether payments fall at the start or the end of each period, and the
// depreciation methods. The arrays list them in the box's order; each list's
// default has its own constant.

#include <array>

namespace quillix::tools {

enum class TPaymentFrequency { Monthly, Quarterly, SemiAnnually, Annually };
inline constexpr std::array<TPaymentFrequency, 4> kPaymentFrequencies = {
    TPaymentFrequency::Monthly, TPaymentFrequency::Quarterly, TPaymentFrequency::SemiAnnually,
    TPaymentFrequency::Annually};
inline constexpr TPaymentFrequency kDefaultPaymentFrequency = TPaymentFrequency::Monthly;

// 12, 4, 2 or 1.
int PeriodsPerYear(TPaymentFrequency frequency);
// "Monthly", "Quarterly", "Semi-annually", "Annually".
const char* FrequencyCaption(TPaymentFrequency frequency);

enum class TPaymentTime { BeginningOfPeriod, EndOfPeriod };
inline constexpr std::array<TPaymentTime, 2> kPaymentTimes = {TPaymentTime::BeginningOfPeriod,
                                                              TPaymentTime::EndOfPeriod};
inline constexpr TPaymentTime kDefaultPaymentTime = TPaymentTime::EndOfPeriod;

// The finance functions' Type flag: 1 at the beginning, 0 at the end.
int TypeFlag(TPaymentTime time);
// "Beginning of period", "End of period".
const char* PaymentTimeCaption(TPaymentTime time);

enum class TDepreciationMethod { StraightLine, SumOfYearsDigits, DecliningBalance };
inline constexpr std::array<TDepreciationMethod, 3> kDepreciationMethods = {
    TDepreciationMethod::StraightLine, TDepreciationMethod::SumOfYearsDigits,
    TDepreciationMethod::DecliningBalance};
inline constexpr TDepreciationMethod kDefaultDepreciationMethod = TDepreciationMethod::StraightLine;

// "Straight-line", "Sum-of-the-year's digits", "Declining balance".
const char* DepreciationMethodCaption(TDepreciationMethod method);

}  // namespace quillix::tools
