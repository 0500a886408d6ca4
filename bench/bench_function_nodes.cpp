// SPDX-License-Identifier: GPL-3.0-or-later
// What a function node costs on top of the catalogue routine it calls: one
// evaluation of a Sqrt, a Sin and a PMT node over typed numbers, against the
// bare catalogue call with the same arguments.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "functions/func_catalogue.h"
#include "model/calc_value.h"
#include "model/operate_func.h"

namespace quillix {
namespace {

constexpr int kSqrt = 1;
constexpr int kSin = 17;
constexpr int kPMT = 74;

const TFuncDataItem& Row(int funcId) {
    return *FindFunc(funcId);
}

// The operand changes every round so that nothing can be computed once and
// reused; the change itself is a plain store.
void OneArgumentNode(benchmark::State& state, int funcId) {
    ValueRef operand = TCalcValue::New(0.5L);
    auto node = std::make_unique<TCalcOperateFunc>(static_cast<std::uint8_t>(funcId));
    node->AddOperand(operand);
    ValueRef value = TCalcValue::New();
    value->SetOperate(std::move(node));
    long double x = 0.5L;
    for (auto _ : state) {
        operand->SetNumber(x += 1e-9L);
        value->EvaluateOperate();
        benchmark::DoNotOptimize(value->Number());
    }
    if (value->CVType() != cvNumber) state.SkipWithError(value->ErrorText().c_str());
}

void OneArgumentCall(benchmark::State& state, int funcId) {
    const TFuncProc func = Row(funcId).Func;
    long double x = 0.5L;
    for (auto _ : state) {
        x += 1e-9L;
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(func(x));
    }
}

// PMT(Rate, NPer, PV, FV, Type): a monthly loan payment.
const long double kPaymentArgs[] = {0.005L, 360, 200000, 0, 0};

void PaymentNode(benchmark::State& state) {
    auto node = std::make_unique<TCalcOperateMultiFunc>(static_cast<std::uint8_t>(kPMT));
    std::vector<ValueRef> operands;
    for (const long double arg : kPaymentArgs) {
        operands.push_back(TCalcValue::New(arg));
        node->AddOperand(operands.back());
    }
    ValueRef value = TCalcValue::New();
    value->SetOperate(std::move(node));
    long double rate = kPaymentArgs[0];
    for (auto _ : state) {
        operands[0]->SetNumber(rate += 1e-12L);
        value->EvaluateOperate();
        benchmark::DoNotOptimize(value->Number());
    }
    if (value->CVType() != cvNumber) state.SkipWithError(value->ErrorText().c_str());
}

void PaymentCall(benchmark::State& state) {
    const TMultiFuncProc pmt = Row(kPMT).MultiFunc;
    TExtendedArray args(std::begin(kPaymentArgs), std::end(kPaymentArgs));
    const TExtendedArray none;
    for (auto _ : state) {
        args[0] += 1e-12L;
        benchmark::DoNotOptimize(args.data());
        benchmark::DoNotOptimize(pmt(args, none, none));
    }
}

BENCHMARK_CAPTURE(OneArgumentNode, Sqrt, kSqrt);
BENCHMARK_CAPTURE(OneArgumentCall, Sqrt, kSqrt);
BENCHMARK_CAPTURE(OneArgumentNode, Sin, kSin);
BENCHMARK_CAPTURE(OneArgumentCall, Sin, kSin);
BENCHMARK(PaymentNode);
BENCHMARK(PaymentCall);

}  // namespace
}  // namespace quillix
