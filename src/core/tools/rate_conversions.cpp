// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/rate_conversions.h"

#include "common/fp_checks.h"
#include "functions/func_finance.h"

namespace quillix::tools {

namespace {

long double EffectiveFromNominal(long double nominal, long double m) {
    return CheckedMultiply(funcs::EffectiveRate(nominal / 100, m), 100);
}

}  // namespace

void ConvertInterestRates(TInterestRates& rates, TRateKey key, TPaymentFrequency frequency) {
    const long double m = PeriodsPerYear(frequency);
    switch (key) {
        case TRateKey::Nominal:
            rates.effective = EffectiveFromNominal(rates.nominal, m);
            rates.periodic = rates.nominal / m;
            return;
        case TRateKey::Effective:
            rates.nominal = CheckedMultiply(funcs::NominalRate(rates.effective / 100, m), 100);
            rates.periodic = rates.nominal / m;
            return;
        case TRateKey::Periodic:
            rates.nominal = CheckedMultiply(rates.periodic, m);
            rates.effective = EffectiveFromNominal(rates.nominal, m);
            return;
    }
}

}  // namespace quillix::tools
