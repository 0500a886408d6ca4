// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/func_statistics.h"

#include <cmath>

#include "common/fp_checks.h"
#include "functions/numeric_rules.h"

namespace quillix::funcs::multi {

namespace {

std::vector<double> NumbersOf(const TExtendedArray& list) {
    if (list.empty()) RaiseCalcError(kMsgEmptyList);
    return ToDoubles(list);
}

// A result over the numbers, judged as one operation over all of them: NaN only
// from NaN data, an infinity only from infinite data.
long double CheckedOver(long double result, const std::vector<double>& numbers) {
    bool anyNaN = false;
    bool allFinite = true;
    for (const double x : numbers) {
        anyNaN = anyNaN || std::isnan(x);
        allFinite = allFinite && std::isfinite(x);
    }
    if (std::isnan(result) && !anyNaN) RaiseInvalidOperation();
    if (std::isinf(result) && allFinite) RaiseOverflow();
    return result;
}

long double SumOf(const std::vector<double>& numbers) {
    long double sum = 0;
    for (const double x : numbers)
        sum += x;
    return sum;
}

// Sum of squared deviations from the mean, by two passes: the second pass's
// correction term takes out the rounding of the mean. Squares of doubles cannot
// overflow the extended type.
long double TotalVariance(const std::vector<double>& numbers) {
    const long double count = static_cast<long double>(numbers.size());
    const long double mean = SumOf(numbers) / count;
    long double squares = 0;
    long double deviations = 0;
    for (const double x : numbers) {
        const long double d = x - mean;
        squares += d * d;
        deviations += d;
    }
    const long double total = squares - deviations * deviations / count;
    return CheckedOver(total < 0 ? 0 : total, numbers);  // never below 0 by rounding
}

long double SampleVariance(const std::vector<double>& numbers) {
    return CheckedDivide(TotalVariance(numbers), static_cast<long double>(numbers.size()) - 1);
}

long double PopulationVariance(const std::vector<double>& numbers) {
    return TotalVariance(numbers) / static_cast<long double>(numbers.size());
}

}  // namespace

long double AVG(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    const std::vector<double> numbers = NumbersOf(Array1);
    return CheckedOver(SumOf(numbers) / static_cast<long double>(numbers.size()), numbers);
}

long double Sum(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    const std::vector<double> numbers = NumbersOf(Array1);
    return CheckedOver(SumOf(numbers), numbers);
}

long double Min(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    const std::vector<double> numbers = NumbersOf(Array1);
    double smallest = numbers.front();
    for (const double x : numbers) {
        if (x < smallest) smallest = x;
    }
    return smallest;
}

long double Max(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    const std::vector<double> numbers = NumbersOf(Array1);
    double largest = numbers.front();
    for (const double x : numbers) {
        if (x > largest) largest = x;
    }
    return largest;
}

long double Norm(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    const std::vector<double> numbers = NumbersOf(Array1);
    long double squares = 0;
    for (const double x : numbers)
        squares += static_cast<long double>(x) * x;
    return CheckedOver(std::sqrt(squares), numbers);
}

long double VarT(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    return TotalVariance(NumbersOf(Array1));
}

long double Var(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    return SampleVariance(NumbersOf(Array1));
}

long double VarP(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    return PopulationVariance(NumbersOf(Array1));
}

long double StdDev(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    return std::sqrt(SampleVariance(NumbersOf(Array1)));
}

long double StdDevP(const TExtendedArray&, const TExtendedArray& Array1, const TExtendedArray&) {
    return std::sqrt(PopulationVariance(NumbersOf(Array1)));
}

}  // namespace quillix::funcs::multi
