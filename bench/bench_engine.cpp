// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation engine under a million keys: commands per second for mixed
// keys in each input mode and for a session that switches modes, and the heap
// bytes one operator key keeps alive in a long algebraic formula.

#include <benchmark/benchmark.h>

#include "core/engine/random_keys.h"
#include "engine/calc_engine.h"
#include "engine/engine_readback.h"

// The bytes per operator are counted here.
#define QUILLIX_BENCH_COUNT_HEAP
#include "bench_support.h"

namespace quillix {
namespace {

constexpr std::size_t kKeys = 1000000;

void RunSession(benchmark::State& state, std::uint8_t mode, bool switchModes) {
    const test::RandomKeySession session(7, kKeys, {.clearEvery = 400, .switchModes = switchModes});
    std::size_t failed = 0;
    std::size_t formulaLength = 0;
    for (auto _ : state) {
        TCalcEngine engine(mode);
        for (const test::RandomKeySession::Key& key : session.Keys())
            failed += session.Run(engine, key) ? 0 : 1;
        formulaLength = ExpressionText(engine).size();  // once, as the CLI prints it
        benchmark::DoNotOptimize(formulaLength);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kKeys));
    state.counters["failed_keys"] = static_cast<double>(failed) / state.iterations();
}

void BM_MixedKeysALG(benchmark::State& state) {
    RunSession(state, kModeALG, false);
}
BENCHMARK(BM_MixedKeysALG)->Unit(benchmark::kMillisecond);

void BM_MixedKeysRPN(benchmark::State& state) {
    RunSession(state, kModeRPN, false);
}
BENCHMARK(BM_MixedKeysRPN)->Unit(benchmark::kMillisecond);

void BM_RandomKeysSwitchingModes(benchmark::State& state) {
    RunSession(state, kModeALG, true);
}
BENCHMARK(BM_RandomKeysSwitchingModes)->Unit(benchmark::kMillisecond);

// 1 + 1 + 1 + ... : every operator key adds a typed operand, a node and the
// result to the formula that X keeps.
void BM_LongFormulaBytesPerOperator(benchmark::State& state) {
    const auto operators = static_cast<std::size_t>(state.range(0));
    double bytesPerOperator = 0;
    for (auto _ : state) {
        TCalcEngine engine;
        engine.Execute(ccDigit1);
        engine.Execute(ccPlus);
        const std::size_t before = bench::HeapBytesInUse();
        for (std::size_t i = 0; i < operators; ++i) {
            engine.Execute(ccDigit1);
            engine.Execute(ccPlus);
        }
        bytesPerOperator = static_cast<double>(bench::HeapBytesInUse() - before) / operators;
        engine.Execute(ccDigit1);
        engine.Execute(ccEquals);
        if (engine.Stack().X->Number() != static_cast<long double>(operators + 2))
            state.SkipWithError("wrong sum");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * operators * 2));
    state.counters["bytes_per_operator"] = bytesPerOperator;
}
BENCHMARK(BM_LongFormulaBytesPerOperator)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
