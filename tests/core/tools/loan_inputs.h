// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan the finance tests share: 100,000 over 360 months at 6 % a year, to be
// repaid in full (FV 0), PMT left at 0 for the test to solve or set.

#include "tools/tvm_solver.h"

namespace quillix::tools {

inline TTvmInputs MonthlyLoan(TPaymentTime time = TPaymentTime::EndOfPeriod) {
    TTvmInputs in;
    in.N = 360;
    in.IYR = 6;
    in.PV = 100000;
    in.FV = 0;
    in.frequency = TPaymentFrequency::Monthly;
    in.time = time;
    return in;
}

}  // namespace quillix::tools
