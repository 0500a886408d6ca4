// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The finance box's interest-rate conversions between the nominal annual rate,
// the effective annual rate and the periodic rate (all in percent), with m
// compounding periods per year from the payment frequency. The rate of the key
// pressed is the input; the other two are overwritten.

#include "tools/finance_choices.h"

namespace quillix::tools {

enum class TRateKey { Nominal, Effective, Periodic };

struct TInterestRates {
    long double nominal = 0;    // NAR, percent
    long double effective = 0;  // EAR, percent
    long double periodic = 0;   // PIR, percent
};

// From the key's rate, in this order:
//  Nominal:   EAR = EFR(NAR / 100, m) * 100, then PIR = NAR / m;
//  Effective: NAR = APR(EAR / 100, m) * 100, then PIR = NAR / m;
//  Periodic:  NAR = PIR * m, then EAR = EFR(NAR / 100, m) * 100.
// A step that fails throws ECalcError with the failing function's message; the
// rates written by the steps before it keep their new values, as the box's do.
void ConvertInterestRates(TInterestRates& rates, TRateKey key, TPaymentFrequency frequency);

}  // namespace quillix::tools
