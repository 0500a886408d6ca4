// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the function parameter dialog: constructed, laid out with its
// remembered arguments and shown, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "config/calc_config.h"
#include "config/last_data.h"
#include "dialogs/function_param_dialog.h"
#include "functions/func_catalogue.h"
#include "platform/app_home.h"
#include "support/temp_folder.h"

namespace quillix {
namespace {

void BM_OpenNpvParameterDialog(benchmark::State& state) {
    test::TempFolder home;
    SetAppHomeFolder(home.Path());
    TCalcConfig settings(SettingsFilePath(home.Path()));
    WriteLastNumber(home.Path(), "Func_NPV", "Rate", 0.08L);
    WriteLastText(home.Path(), "Func_NPV", "CashFlows", "-100,60,70");
    const TFuncDataItem& npv = *FindFunc(FindFuncID("NPV"));
    for (auto _ : state) {
        Tfrm_FunctionParam dialog(nullptr, npv, false);
        dialog.Prepare();
        dialog.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
    SetAppHomeFolder({});
}
BENCHMARK(BM_OpenNpvParameterDialog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
