// SPDX-License-Identifier: GPL-3.0-or-later
// What-if tables and goal seek. Goals: a 1,000-point table of the loan program
// (six variables) under 5 ms; a 1,000-point table over a 10,000-variable chain
// whose output depends on the input through every link under 1 s; a goal seek
// on the loan program under 1 ms. The baselines compute the same points the
// way a run does (the whole program recalculated per point), in the same run.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/formula_reader.h"
#include "support/loan_program.h"
#include "vars/calc_vars.h"
#include "whatif/goal_seek.h"
#include "whatif/whatif_table.h"

namespace quillix {
namespace {

constexpr int kPoints = 1000;
constexpr int kChain = 10000;

void Define(TCalcVarsBase& vars, const std::string& name, const std::string& formula) {
    FormulaReaderOptions options;
    options.vars = &vars;
    FormulaReadResult read = ReadFormula(formula, options);
    if (!read.ok() || !vars.Add(name, std::move(read.value))) std::abort();
}

void DefineLoan(TCalcVarsBase& vars) {
    for (const test::TNamedFormula& entry : test::kLoanProgram)
        Define(vars, entry.Name, entry.Formula);
}

// V0 is the input; every other link uses the one before it.
void DefineChain(TCalcVarsBase& vars) {
    Define(vars, "V0", "1");
    for (int i = 1; i < kChain; ++i)
        Define(vars, "V" + std::to_string(i), "V" + std::to_string(i - 1) + "*0.5+1");
}

std::vector<long double> Points(long double from, long double to) {
    std::vector<long double> points;
    for (int i = 0; i < kPoints; ++i)
        points.push_back(from + (to - from) * i / (kPoints - 1));
    return points;
}

void BM_LoanTable(benchmark::State& state) {
    TCalcVars vars;
    DefineLoan(vars);
    const std::vector<long double> rates = Points(0.01L, 0.2L);
    for (auto _ : state) {
        const TWhatIfTable table = Tabulate(vars, "Rate", rates, {"Payment", "Total"});
        benchmark::DoNotOptimize(table.Rows.data());
    }
}
BENCHMARK(BM_LoanTable)->Unit(benchmark::kMillisecond);

// The baseline: each point as a run computes it, the whole program again.
void BM_LoanTableByWholeRecalculation(benchmark::State& state) {
    TCalcVars vars;
    DefineLoan(vars);
    const std::vector<long double> rates = Points(0.01L, 0.2L);
    TCalcValue& rate = *vars.GetValue("Rate");
    for (auto _ : state) {
        for (const long double x : rates) {
            rate.SetNumber(x);
            vars.RecalcAll();
            benchmark::DoNotOptimize(vars.GetValue("Total")->Number());
        }
    }
}
BENCHMARK(BM_LoanTableByWholeRecalculation)->Unit(benchmark::kMillisecond);

void BM_ChainTable(benchmark::State& state) {
    TCalcVars vars;
    DefineChain(vars);
    const std::vector<long double> starts = Points(-1000, 1000);
    const std::string last = "V" + std::to_string(kChain - 1);
    for (auto _ : state) {
        const TWhatIfTable table = Tabulate(vars, "V0", starts, {last});
        benchmark::DoNotOptimize(table.Rows.data());
    }
}
BENCHMARK(BM_ChainTable)->Unit(benchmark::kMillisecond);

void BM_ChainTableByWholeRecalculation(benchmark::State& state) {
    TCalcVars vars;
    DefineChain(vars);
    const std::vector<long double> starts = Points(-1000, 1000);
    TCalcValue& first = *vars.GetValue("V0");
    for (auto _ : state) {
        for (const long double x : starts) {
            first.SetNumber(x);
            vars.RecalcAll();
        }
    }
}
BENCHMARK(BM_ChainTableByWholeRecalculation)->Unit(benchmark::kMillisecond);

void BM_LoanGoalSeek(benchmark::State& state) {
    TCalcVars vars;
    DefineLoan(vars);
    int evaluations = 0;
    for (auto _ : state) {
        const TGoalSeekAnswer answer =
            GoalSeek(vars, TGoalSeekRequest{"Payment", -1500, "Rate", {}});
        if (!answer.Found) state.SkipWithError("no answer");
        evaluations = answer.Evaluations;
    }
    state.counters["evaluations"] = evaluations;
}
BENCHMARK(BM_LoanGoalSeek)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillix
