// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Finance" category: time value of money, the Rate and IRR solvers, net
// present value, depreciation and the effective/nominal rate pair (catalogue
// numbers 67 to 78, 92 and 93). The typed routines serve the finance box as well;
// each fails with its own name as the whole message. Integer parameters (periods,
// life, Type) are truncated toward zero; Type 0 pays at the end of each period,
// any other value at the beginning.

#include "functions/func_types.h"

namespace quillix::funcs {

long double FutureValue(long double Rate, long double NPer, long double PMT, long double PV,
                        long double Type);
long double PresentValue(long double Rate, long double NPer, long double PMT, long double FV,
                         long double Type);
long double Payment(long double Rate, long double NPer, long double PV, long double FV,
                    long double Type);
long double InterestPayment(long double Rate, long double Per, long double NPer, long double PV,
                            long double FV, long double Type);
long double PeriodPayment(long double Rate, long double Per, long double NPer, long double PV,
                          long double FV, long double Type);
long double NumberOfPeriods(long double Rate, long double PMT, long double PV, long double FV,
                            long double Type);
long double InterestRate(long double NPer, long double PMT, long double PV, long double FV,
                         long double Type);
// Cash flows are taken in double precision, as every list argument is.
long double InternalRateOfReturn(long double Guess, const TExtendedArray& CashFlows);
long double NetPresentValue(long double Rate, const TExtendedArray& CashFlows, long double Type);

long double SYDDepreciation(long double Cost, long double Salvage, long double Life,
                            long double Period);
long double DDBDepreciation(long double Cost, long double Salvage, long double Life,
                            long double Period, long double Factor);
long double SLNDepreciation(long double Cost, long double Salvage, long double Life);

long double EffectiveRate(long double APR, long double NPer);  // EFR
long double NominalRate(long double EFR, long double NPer);    // APR

// The catalogue's array routines over Args (and Array1 for the cash flows).
namespace multi {
long double SYD(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double DDB(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double SLN(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double FV(const TExtendedArray& Args, const TExtendedArray& Array1,
               const TExtendedArray& Array2);
long double IPMT(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2);
long double Rate(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2);
long double NPer(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2);
long double PMT(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double PPMT(const TExtendedArray& Args, const TExtendedArray& Array1,
                 const TExtendedArray& Array2);
long double PV(const TExtendedArray& Args, const TExtendedArray& Array1,
               const TExtendedArray& Array2);
long double IRR(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double NPV(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double EFR(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
long double APR(const TExtendedArray& Args, const TExtendedArray& Array1,
                const TExtendedArray& Array2);
}  // namespace multi

}  // namespace quillix::funcs
