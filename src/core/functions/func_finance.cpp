// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_finance.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/fp_checks.h"
#include "functions/numeric_rules.h"

namespace quillix::funcs {

namespace {

// Below this size of rate the compound factor is taken through ln(1 + r), which
// keeps the digits that 1 + r would lose.
constexpr long double kSmallRate = 6.1e-5L;
// Compound factors beyond this make the closed forms of PV and PMT cancel; their
// limits are used instead.
constexpr long double kLargeCompound = 1e16L;

// (1 + r)^n and (1 + r)^n - 1, without fault checks: an overflow gives infinity.
struct Compound {
    long double factor;
    long double growth;
};

Compound CompoundOf(long double r, std::int64_t n) {
    if (r == 0) return {1, 0};
    if (std::fabs(r) < kSmallRate) {
        const long double exponent = static_cast<long double>(n) * std::log1p(r);
        return {std::exp(exponent), std::expm1(exponent)};
    }
    const long double factor = UncheckedIntPower(1 + r, n);
    return {factor, factor - 1};
}

// The compound factor C and the annuity factor A of (r, n, t).
struct Annuity {
    long double C;
    long double A;
};

Annuity AnnuityOf(long double r, std::int64_t n, bool due) {
    if (r == 0) return {1, static_cast<long double>(n)};
    const Compound compound = CompoundOf(r, n);
    long double a = compound.growth / r;
    if (due) a *= 1 + r;
    return {compound.factor, a};
}

long double FiniteFactor(long double factor) {
    if (std::isinf(factor)) RaiseOverflow();
    return factor;
}

// -a * b - c * d with the fault checks of each step.
long double NegatedSum(long double a, long double b, long double c, long double d) {
    return CheckedSubtract(CheckedMultiply(-a, b), CheckedMultiply(c, d));
}

long double PaymentOf(long double r, std::int64_t n, long double pv, long double fv, bool due) {
    const Annuity annuity = AnnuityOf(r, n, due);
    if (annuity.C > kLargeCompound) {
        return CheckedDivide(CheckedMultiply(-pv, r), 1 + (due ? r : 0));
    }
    return CheckedDivide(NegatedSum(pv, annuity.C, 1, fv), annuity.A);
}

// The arguments shared by IPMT and PPMT, refused with the routine's name.
struct PaymentPeriod {
    std::int64_t per;
    std::int64_t nper;
    bool due;
};

PaymentPeriod PaymentPeriodOf(long double rate, long double per, long double nper, long double type,
                              const char* routine) {
    const PaymentPeriod p{IntegerArgument(per), IntegerArgument(nper), PaysAtStart(type)};
    if (rate <= -1 || p.per < 1 || p.per > p.nper) RaiseCalcError(routine);
    return p;
}

}  // namespace

long double FutureValue(long double Rate, long double NPer, long double PMT, long double PV,
                        long double Type) {
    const std::int64_t n = IntegerArgument(NPer);
    const bool due = PaysAtStart(Type);
    if (Rate <= -1) RaiseCalcError("FutureValue");
    const Annuity annuity = AnnuityOf(Rate, n, due);
    if (annuity.C > kLargeCompound) RaiseCalcError("FutureValue");
    return NegatedSum(PMT, annuity.A, PV, annuity.C);
}

long double PresentValue(long double Rate, long double NPer, long double PMT, long double FV,
                         long double Type) {
    const std::int64_t n = IntegerArgument(NPer);
    const bool due = PaysAtStart(Type);
    if (Rate <= -1) RaiseCalcError("PresentValue");
    const Annuity annuity = AnnuityOf(Rate, n, due);
    if (annuity.C > kLargeCompound) {
        return CheckedDivide(CheckedMultiply(-PMT, 1 + (due ? Rate : 0)), Rate);
    }
    return CheckedDivide(NegatedSum(PMT, annuity.A, 1, FV), annuity.C);
}

long double Payment(long double Rate, long double NPer, long double PV, long double FV,
                    long double Type) {
    const std::int64_t n = IntegerArgument(NPer);
    const bool due = PaysAtStart(Type);
    if (Rate <= -1) RaiseCalcError("Payment");
    return PaymentOf(Rate, n, PV, FV, due);
}

long double InterestPayment(long double Rate, long double Per, long double NPer, long double PV,
                            long double FV, long double Type) {
    const PaymentPeriod p = PaymentPeriodOf(Rate, Per, NPer, Type, "InterestPayment");
    // The first payment of an annuity due falls before any interest has accrued.
    if (p.due && p.per == 1) return 0;
    const Compound before = CompoundOf(Rate, p.per - 1);
    const Annuity annuity = AnnuityOf(Rate, p.nper, p.due);
    const long double rise = FiniteFactor(annuity.C) - FiniteFactor(before.factor);
    return CheckedDivide(NegatedSum(-FV, before.growth, PV, rise), annuity.A);
}

long double PeriodPayment(long double Rate, long double Per, long double NPer, long double PV,
                          long double FV, long double Type) {
    const PaymentPeriod p = PaymentPeriodOf(Rate, Per, NPer, Type, "PeriodPayment");
    // With no interest in it, the first payment of an annuity due is all principal.
    if (p.due && p.per == 1) return PaymentOf(Rate, p.nper, PV, FV, true);
    const Compound before = CompoundOf(Rate, p.per - 1);
    const Annuity annuity = AnnuityOf(Rate, p.nper, p.due);
    const long double owed = CheckedMultiply(-CheckedAdd(FV, PV), FiniteFactor(before.factor));
    return CheckedDivide(owed, annuity.A);
}

long double NumberOfPeriods(long double Rate, long double PMT, long double PV, long double FV,
                            long double Type) {
    const bool due = PaysAtStart(Type);
    if (Rate <= -1) RaiseCalcError("NumberOfPeriods");
    const long double d =
        CheckedAdd(CheckedMultiply(PMT, due ? 1 + Rate : 1), CheckedMultiply(PV, Rate));
    if (d == 0) RaiseCalcError("NumberOfPeriods");
    const long double balance = -CheckedAdd(PV, FV);
    if (Rate == 0) return CheckedDivide(balance, d);
    // ln(1 + T) / ln(1 + r) for every rate: the logarithms keep small rates exact.
    const long double t = CheckedDivide(CheckedMultiply(balance, Rate), d);
    if (t <= -1) RaiseCalcError("NumberOfPeriods");
    return CheckedDivide(std::log1p(t), std::log1p(Rate));
}

long double SYDDepreciation(long double Cost, long double Salvage, long double Life,
                            long double Period) {
    const long double life = static_cast<long double>(IntegerArgument(Life));
    const long double period = static_cast<long double>(IntegerArgument(Period));
    if (period < 1 || life < period || Salvage >= Cost) return 0;
    const long double remaining = life - period + 1;
    return CheckedDivide(CheckedMultiply(CheckedSubtract(Cost, Salvage), 2 * remaining),
                         life * (life + 1));
}

long double DDBDepreciation(long double Cost, long double Salvage, long double Life,
                            long double Period, long double Factor) {
    const std::int64_t life = IntegerArgument(Life);
    const std::int64_t period = IntegerArgument(Period);
    if (period < 1 || period > life || life < 1 || Salvage >= Cost) return 0;
    if (life <= 2) return period == 1 ? CheckedSubtract(Cost, Salvage) : 0;
    const long double f = Factor / static_cast<long double>(life);
    const long double book = CheckedMultiply(Cost, IntPower(1 - f, period - 1));
    const long double charge = std::min(CheckedMultiply(f, book), CheckedSubtract(book, Salvage));
    return charge < 0 ? 0 : charge;
}

long double SLNDepreciation(long double Cost, long double Salvage, long double Life) {
    const std::int64_t life = IntegerArgument(Life);
    if (life <= 0) RaiseCalcError("SLNDepreciation");
    return CheckedSubtract(Cost, Salvage) / static_cast<long double>(life);
}

long double EffectiveRate(long double APR, long double NPer) {
    const long double n = static_cast<long double>(IntegerArgument(NPer));
    return CheckedSubtract(Power(1 + CheckedDivide(APR, n), n), 1);
}

long double NominalRate(long double EFR, long double NPer) {
    const long double n = static_cast<long double>(IntegerArgument(NPer));
    return CheckedMultiply(n, CheckedSubtract(Power(1 + EFR, CheckedDivide(1, n)), 1));
}

namespace multi {

long double SYD(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 4);
    return SYDDepreciation(Args[0], Args[1], Args[2], Args[3]);
}

long double DDB(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 5);
    return DDBDepreciation(Args[0], Args[1], Args[2], Args[3], Args[4]);
}

long double SLN(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 3);
    return SLNDepreciation(Args[0], Args[1], Args[2]);
}

long double FV(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 5);
    return FutureValue(Args[0], Args[1], Args[2], Args[3], Args[4]);
}

long double IPMT(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 6);
    return InterestPayment(Args[0], Args[1], Args[2], Args[3], Args[4], Args[5]);
}

long double NPer(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 5);
    return NumberOfPeriods(Args[0], Args[1], Args[2], Args[3], Args[4]);
}

long double PMT(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 5);
    return Payment(Args[0], Args[1], Args[2], Args[3], Args[4]);
}

long double PPMT(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 6);
    return PeriodPayment(Args[0], Args[1], Args[2], Args[3], Args[4], Args[5]);
}

long double PV(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 5);
    return PresentValue(Args[0], Args[1], Args[2], Args[3], Args[4]);
}

long double EFR(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 2);
    return EffectiveRate(Args[0], Args[1]);
}

long double APR(const TExtendedArray& Args, const TExtendedArray&, const TExtendedArray&) {
    RequireArgs(Args, 2);
    return NominalRate(Args[0], Args[1]);
}

}  // namespace multi

}  // namespace quillix::funcs
