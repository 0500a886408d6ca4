// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the built-in functions: one-argument functions through the catalogue
// beside the bare library call they wrap, the array routines per call, and the
// Rate and IRR solvers per solve.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "functions/func_catalogue.h"

namespace {

using quillix::FindFunc;
using quillix::FindFuncID;
using quillix::TExtendedArray;

// Arguments spread over (0.1, 1.1) so that no call is folded away.
const std::vector<long double>& Inputs() {
    static const std::vector<long double> inputs = [] {
        std::vector<long double> values(1024);
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] = 0.1L + static_cast<long double>(i) / values.size();
        }
        return values;
    }();
    return inputs;
}

template <typename Call>
void RunOverInputs(benchmark::State& state, Call call) {
    const std::vector<long double>& inputs = Inputs();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(call(inputs[i]));
        i = (i + 1) & (inputs.size() - 1);
    }
}

// A catalogue routine and a bare library call have the same shape.
void OneArgument(benchmark::State& state, quillix::TFuncProc func, long double scale) {
    RunOverInputs(state, [&](long double x) { return func(x * scale); });
}

quillix::TFuncProc Catalogue(const char* name) {
    return FindFunc(FindFuncID(name))->Func;
}

BENCHMARK_CAPTURE(OneArgument, Sqrt, Catalogue("Sqrt"), 1.0L);
BENCHMARK_CAPTURE(OneArgument, sqrtl, sqrtl, 1.0L);
BENCHMARK_CAPTURE(OneArgument, Ln, Catalogue("Ln"), 1.0L);
BENCHMARK_CAPTURE(OneArgument, logl, logl, 1.0L);
BENCHMARK_CAPTURE(OneArgument, Exp, Catalogue("Exp"), 10.0L);
BENCHMARK_CAPTURE(OneArgument, expl, expl, 10.0L);
BENCHMARK_CAPTURE(OneArgument, Round, Catalogue("Round"), 1000.0L);
BENCHMARK_CAPTURE(OneArgument, nearbyintl, nearbyintl, 1000.0L);
BENCHMARK_CAPTURE(OneArgument, Fact, Catalogue("Fact"), 20.0L);
BENCHMARK_CAPTURE(OneArgument, Sin, Catalogue("Sin"), 3.0L);
BENCHMARK_CAPTURE(OneArgument, sinl, sinl, 3.0L);
BENCHMARK_CAPTURE(OneArgument, Tan, Catalogue("Tan"), 1.0L);
BENCHMARK_CAPTURE(OneArgument, tanl, tanl, 1.0L);
BENCHMARK_CAPTURE(OneArgument, ArcSin, Catalogue("ArcSin"), 0.8L);
BENCHMARK_CAPTURE(OneArgument, asinl, asinl, 0.8L);
BENCHMARK_CAPTURE(OneArgument, ArcSinh, Catalogue("ArcSinh"), 10.0L);
BENCHMARK_CAPTURE(OneArgument, asinhl, asinhl, 10.0L);
BENCHMARK_CAPTURE(OneArgument, Tanh, Catalogue("Tanh"), 5.0L);
BENCHMARK_CAPTURE(OneArgument, tanhl, tanhl, 5.0L);
BENCHMARK_CAPTURE(OneArgument, ArcSech, Catalogue("ArcSech"), 0.9L);
BENCHMARK_CAPTURE(OneArgument, DegToGrad, Catalogue("DegToGrad"), 360.0L);
BENCHMARK_CAPTURE(OneArgument, Not, Catalogue("Not"), 1.0L);
BENCHMARK_CAPTURE(OneArgument, Year, Catalogue("Year"), 40000.0L);
BENCHMARK_CAPTURE(OneArgument, Week, Catalogue("Week"), 40000.0L);
BENCHMARK_CAPTURE(OneArgument, WeekOfMonth, Catalogue("WeekOfMonth"), 40000.0L);

void ArrayRoutine(benchmark::State& state, const char* name, TExtendedArray args,
                  TExtendedArray array1, TExtendedArray array2) {
    const quillix::TMultiFuncProc func = FindFunc(FindFuncID(name))->MultiFunc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(args.data());
        benchmark::DoNotOptimize(func(args, array1, array2));
    }
}

BENCHMARK_CAPTURE(ArrayRoutine, Hypot, "Hypot", {3, 4}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, PMT, "PMT", {0.005L, 360, 100000, 0, 0}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, PMT_small_rate, "PMT", {3e-5L, 360, 100000, 0, 0}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, IPMT, "IPMT", {0.005L, 100, 360, 100000, 0, 1}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, NPer, "NPer", {0.005L, -600, 100000, 0, 0}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, DDB, "DDB", {2400, 300, 10, 5, 2}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, EFR, "EFR", {0.12L, 12}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, Rate_solve, "Rate", {360, -599.55L, 100000, 0, 0}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, IRR_solve, "IRR", {0.1L},
                  {-70000, 12000, 15000, 18000, 21000, 26000}, {});
BENCHMARK_CAPTURE(ArrayRoutine, NPV, "NPV", {0.1L, 0}, {-10000, 3000, 4200, 6800}, {});
BENCHMARK_CAPTURE(ArrayRoutine, If, "If", {1, 2, 3}, {}, {});
BENCHMARK_CAPTURE(ArrayRoutine, Case, "Case", {0}, {0, 0, 1}, {10, 20, 30});

// The statistical functions over a list of 1000 numbers.
void Statistic(benchmark::State& state, const char* name) {
    TExtendedArray numbers(1000);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = 1e6L + std::sin(i);
    const quillix::TMultiFuncProc func = FindFunc(FindFuncID(name))->MultiFunc;
    for (auto _ : state)
        benchmark::DoNotOptimize(func({}, numbers, {}));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}

BENCHMARK_CAPTURE(Statistic, Sum_1000, "Sum");
BENCHMARK_CAPTURE(Statistic, Var_1000, "Var");
BENCHMARK_CAPTURE(Statistic, Max_1000, "Max");

void Lookup(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindFunc(78));
        benchmark::DoNotOptimize(FindFuncID("APR"));
    }
}
BENCHMARK(Lookup);

}  // namespace
