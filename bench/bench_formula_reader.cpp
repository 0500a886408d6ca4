// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a formula text of one megabyte: a long flat formula of every kind of
// term, and a formula nested a hundred thousand parentheses deep.

#include <benchmark/benchmark.h>

#include <string>

#include "model/calc_value.h"
#include "model/formula_reader.h"
#include "vars/calc_vars_base.h"

namespace quillix {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;

struct Program {
    TCalcVarsBase vars;
    Program() {
        vars.Add("Principal", TCalcValue::New(100000));
        vars.Add("Rate", TCalcValue::New(0.05L));
        vars.Add("Net pay", TCalcValue::New(100));
    }
};

void Read(benchmark::State& state, const std::string& text) {
    Program program;
    FormulaReaderOptions options;
    options.vars = &program.vars;
    for (auto _ : state) {
        FormulaReadResult result = ReadFormula(text, options);
        if (!result.ok()) {
            state.SkipWithError(result.error->message.c_str());
            return;
        }
        benchmark::DoNotOptimize(result.value->Number());
        // Freeing the tree is not reading: it is timed apart (BM_FreeTree).
        state.PauseTiming();
        result.value.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

std::string FlatMegabyte() {
    const std::string term =
        "Principal*Rate/12+PMT(0.06/12,360,Principal,0,0)*(1.5E-3-Net pay)^2-"
        "Sum([1,2.5,-3,\"Rate Mod 2\"]) Mod 7+[2024-02-29]-sqrt(2)*200*10%+";
    std::string text;
    while (text.size() + term.size() < kMegabyte)
        text += term;
    return text + "1";
}

void BM_ReadFlatMegabyte(benchmark::State& state) {
    Read(state, FlatMegabyte());
}
BENCHMARK(BM_ReadFlatMegabyte)->Unit(benchmark::kMillisecond);

void BM_ReadNestedMegabyte(benchmark::State& state) {
    std::string text;
    const std::size_t depth = kMegabyte / 6;
    for (std::size_t i = 0; i < depth; ++i)
        text += "(1+";
    text += "1" + std::string(depth, ')');
    Read(state, text);
}
BENCHMARK(BM_ReadNestedMegabyte)->Unit(benchmark::kMillisecond);

// What freeing the tree of the flat megabyte costs.
void BM_FreeFlatMegabyteTree(benchmark::State& state) {
    Program program;
    FormulaReaderOptions options;
    options.vars = &program.vars;
    const std::string text = FlatMegabyte();
    for (auto _ : state) {
        state.PauseTiming();
        FormulaReadResult result = ReadFormula(text, options);
        state.ResumeTiming();
        result.value.reset();
    }
}
BENCHMARK(BM_FreeFlatMegabyteTree)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
