// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The finance box's time-value-of-money keys: N, I%YR, PV, PMT and FV, each solved
// from the other four with the finance functions. I%YR is an annual percentage;
// the functions take the periodic rate r = I%YR / f / 100, with f the periods per
// year of the payment frequency. The functions truncate N toward zero wherever
// they take it as a count of periods; solving N gives a real number of periods.

#include <optional>

#include "tools/finance_choices.h"

namespace quillix::tools {

// What the box shows when a solve fails, in a message box titled "Error".
inline constexpr const char* kTvmArgumentsError = "Arguments Error!";

enum class TTvmKey { N, IYR, PV, PMT, FV };

struct TTvmInputs {
    long double N = 0;
    long double IYR = 0;  // annual interest in percent
    long double PV = 0;
    long double PMT = 0;
    long double FV = 0;
    TPaymentFrequency frequency = kDefaultPaymentFrequency;
    TPaymentTime time = kDefaultPaymentTime;
};

// The periodic rate I%YR / f / 100 (a fraction).
long double PeriodicRate(const TTvmInputs& inputs);

// The value of key computed from the other four; the key's own field is not read.
// Nothing when the finance function fails (any of its errors) or gives no finite
// number: the box then shows kTvmArgumentsError and keeps the key's old value.
std::optional<long double> SolveTvm(const TTvmInputs& inputs, TTvmKey key);

// The field that holds key: inputs.*TvmMember(key).
long double TTvmInputs::*TvmMember(TTvmKey key);

// SolveTvm written into the key's field; false (and the field unchanged) on failure.
bool SolveTvmInPlace(TTvmInputs& inputs, TTvmKey key);

}  // namespace quillix::tools
