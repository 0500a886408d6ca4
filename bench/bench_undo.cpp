// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history on a 10,000-variable program: recording the step of a new
// value for one variable (goal: under 5 us; the history keeps what the change
// replaces, never the document), the same edit with and without a history, and
// the undo of Clear (goal: under 50 ms). The recovery copy of a 1,000-variable
// program: its text, made on the window's thread (goal: under 5 ms), and its
// write, made on the writer's thread.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "common/atomic_file.h"
#include "model/operate_binary.h"
#include "vars/calc_vars.h"
#include "vars/document_restorer.h"
#include "vars/recovery_copy.h"
#include "vars/undo_history.h"
#include "vars/undo_records.h"

namespace quillix {
namespace {

constexpr int kVariables = 10000;

std::string VariableName(int number) {
    return "V" + std::to_string(number);
}

ValueRef Ref(TCalcVarsBase& set, int number) {
    return set.GetValue(VariableName(number))->MakeReference();
}

// Even variables are typed numbers; odd ones V(i-1) * 0.5 + V(i/2).
void BuildProgram(TCalcVarsBase& set, int count = kVariables) {
    for (int i = 0; i < count; ++i) {
        ValueRef value =
            i % 2 == 0 ? TCalcValue::New(i * 1.25L + 0.1L)
                       : test::Make<TCalcOperatePlus>(
                             test::Make<TCalcOperateMultis>(Ref(set, i - 1), TCalcValue::New(0.5L)),
                             Ref(set, i / 2));
        set.Add(VariableName(i), value);
    }
}

// The variable edited: a formula over two earlier ones, used by one later one.
constexpr int kEdited = kVariables - 3;

ValueRef NewFormula(TCalcVarsBase& set, long double x) {
    return test::Make<TCalcOperatePlus>(Ref(set, kEdited - 1), TCalcValue::New(x));
}

// What recording the step costs: the records of the change, taken before it.
void BM_RecordNewValue(benchmark::State& state) {
    TCalcVarsBase set;
    BuildProgram(set);
    TDocumentRestorer restorer(set);
    TUndoRecords records;
    for (auto _ : state) {
        RecordEdit(TVarsEdit::Value, kEdited, restorer, records);
        benchmark::DoNotOptimize(records.data());
        records.clear();
    }
}
BENCHMARK(BM_RecordNewValue)->Unit(benchmark::kMicrosecond);

// The whole edit (SetValue) without (0) and with (1) a history: the difference
// is the recording, the step kept and the oldest step dropped once 1,000 are kept.
void BM_NewValueWithHistory(benchmark::State& state) {
    TCalcVarsBase set;
    BuildProgram(set);
    std::unique_ptr<TUndoHistory> history;
    if (state.range(0) != 0) history = std::make_unique<TUndoHistory>(set);
    long double x = 0;
    for (auto _ : state) {
        ValueRef formula = NewFormula(set, x += 1);
        benchmark::DoNotOptimize(set.SetValue(VariableName(kEdited), std::move(formula)));
    }
    if (history) state.counters["history_bytes"] = static_cast<double>(history->Bytes());
}
BENCHMARK(BM_NewValueWithHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_UndoClear(benchmark::State& state) {
    TCalcVarsBase set;
    BuildProgram(set);
    TUndoHistory history(set);
    for (auto _ : state) {
        state.PauseTiming();
        set.Clear();
        state.ResumeTiming();
        history.Undo();
    }
    if (set.Count() != kVariables) state.SkipWithError("the variables did not come back");
    state.counters["step_bytes"] = static_cast<double>(history.Bytes());
}
BENCHMARK(BM_UndoClear)->Unit(benchmark::kMillisecond);

// Clear with the history: every entry is kept for its undo.
void BM_ClearWithHistory(benchmark::State& state) {
    TCalcVarsBase set;
    BuildProgram(set);
    TUndoHistory history(set);
    for (auto _ : state) {
        set.Clear();
        state.PauseTiming();
        history.Undo();
        state.ResumeTiming();
    }
    set.Clear();
    state.counters["clear_step_bytes"] = static_cast<double>(history.Bytes());
}
BENCHMARK(BM_ClearWithHistory)->Unit(benchmark::kMillisecond);

constexpr int kRecoveredVariables = 1000;

void BM_RecoveryCopyText(benchmark::State& state) {
    TCalcVars document;
    BuildProgram(document, kRecoveredVariables);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = RecoveryCopyText(TakeRecoveryCopy(document, 0));
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_RecoveryCopyText)->Unit(benchmark::kMillisecond);

void BM_RecoveryCopyWrite(benchmark::State& state) {
    TCalcVars document;
    BuildProgram(document, kRecoveredVariables);
    const std::string text = RecoveryCopyText(TakeRecoveryCopy(document, 0));
    test::TempFolder folder;
    const std::string path = folder.File("copy.recovery");
    for (auto _ : state) {
        if (!WriteFileAtomically(path, text)) state.SkipWithError("the write failed");
    }
}
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
