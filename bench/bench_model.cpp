// SPDX-License-Identifier: GPL-3.0-or-later
// Change propagation through chains and lattices of values, and the memory a
// value with a binary node costs.

#include <benchmark/benchmark.h>

#include <vector>

#include "model/calc_value.h"
#include "model/operate_binary.h"

// The bytes per value are counted here.
#define QUILLIX_BENCH_COUNT_HEAP
#include "bench_support.h"

namespace quillix {
namespace {

using test::Make;

void Propagate(benchmark::State& state, std::vector<ValueRef>& values, std::size_t dependants) {
    long double head = 1;
    std::uint64_t evaluations = 0;
    for (auto _ : state) {
        const std::uint64_t before = TCalcValue::EvaluationCount();
        values[0]->SetNumber(head += 1);
        values[0]->NotifyReferrers();
        evaluations += TCalcValue::EvaluationCount() - before;
    }
    const double perChange = static_cast<double>(evaluations) / state.iterations();
    if (perChange != static_cast<double>(dependants))
        state.SkipWithError("wrong recalculation count");
    state.counters["recalculations"] = perChange;
    state.counters["ns_per_value"] =
        benchmark::Counter(static_cast<double>(evaluations),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ChainPropagation(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::vector<ValueRef> values{TCalcValue::New(1)};
    const ValueRef one = TCalcValue::New(1);
    for (int i = 1; i < count; ++i)
        values.push_back(Make<TCalcOperatePlus>(values.back(), one));
    Propagate(state, values, static_cast<std::size_t>(count - 1));
}
BENCHMARK(BM_ChainPropagation)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_LatticePropagation(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::vector<ValueRef> values{TCalcValue::New(1e-300L), TCalcValue::New(1e-300L)};
    for (int i = 2; i < count; ++i) {
        values.push_back(Make<TCalcOperatePlus>(values[i - 1], values[i - 2]));
    }
    Propagate(state, values, static_cast<std::size_t>(count - 2));
}
BENCHMARK(BM_LatticePropagation)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_BytesPerValueWithBinaryNode(benchmark::State& state) {
    const int count = 100000;
    double bytesPerValue = 0;
    for (auto _ : state) {
        const ValueRef one = TCalcValue::New(1);
        const std::size_t before = bench::HeapBytesInUse();
        std::vector<ValueRef> values;
        values.reserve(count);
        const std::size_t afterReserve = bench::HeapBytesInUse();
        values.push_back(TCalcValue::New(0));
        for (int i = 1; i < count; ++i)
            values.push_back(Make<TCalcOperatePlus>(values.back(), one));
        bytesPerValue = static_cast<double>(bench::HeapBytesInUse() - afterReserve) / count;
        benchmark::DoNotOptimize(before);
    }
    state.counters["bytes_per_value"] = bytesPerValue;
}
BENCHMARK(BM_BytesPerValueWithBinaryNode)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
