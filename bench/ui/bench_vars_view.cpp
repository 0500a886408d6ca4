// SPDX-License-Identifier: GPL-3.0-or-later
// The variables view on a program of 10,000 chained variables (V0 typed,
// V(i) = V(i-1) + 1): a new V0 changes every row, and the time counted runs
// until the shown view has caught up (its events processed, the visible rows
// repainted). Goal: under 50 ms. Arg 0 shows the top rows, arg 1 the bottom.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>

#include "bench_support.h"
#include "model/operate_binary.h"
#include "vars/calc_vars.h"
#include "vars_view/vars_model.h"
#include "vars_view/vars_view.h"

namespace quillix {
namespace {

constexpr int kVariables = 10000;

std::string VariableName(int number) {
    return "V" + std::to_string(number);
}

void BuildChain(TCalcVars& vars) {
    vars.Add(VariableName(0), TCalcValue::New(0));
    for (int i = 1; i < kVariables; ++i) {
        ValueRef previous = vars.GetValue(VariableName(i - 1))->MakeReference();
        vars.Add(VariableName(i), test::Make<TCalcOperatePlus>(previous, TCalcValue::New(1)));
    }
}

void BM_SetValueWithTheViewShown(benchmark::State& state) {
    TCalcVars vars;
    BuildChain(vars);
    Tfra_VarsView view;
    view.resize(520, 700);
    view.SetVars(&vars);
    view.show();
    const bool bottom = state.range(0) == 1;
    if (bottom) view.List()->scrollToBottom();
    QApplication::processEvents();
    const int shownRow = bottom ? kVariables - 1 : 0;

    long double head = 0;
    for (auto _ : state) {
        vars.SetValue(VariableName(0), TCalcValue::New(head += 1));
        QApplication::processEvents();
    }
    const QString shown = view.Model()->index(shownRow, TVarsModel::kValueColumn).data().toString();
    const long double expected = head + shownRow;
    if (shown.toStdString() != FormatNumber(expected)) {
        state.SkipWithError("the view does not show the new values");
    }
    state.counters["rows"] = view.Model()->rowCount();
}
BENCHMARK(BM_SetValueWithTheViewShown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
