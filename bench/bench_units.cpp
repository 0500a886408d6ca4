// SPDX-License-Identifier: GPL-3.0-or-later
// Loading custom units: the standard and extra families, then a "unitconv.ini"
// of 12,500 to 100,000 custom units in ten families, as every command-line run
// and every opening of the converter does (goal: 100,000 units within 0.2 s,
// growing in step with their number). Unit identifiers are 16-bit, so past
// about 65,000 units the rest are read and refused one by one.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "convert/conv_registry.h"
#include "convert/custom_units.h"

namespace quillix {
namespace {

using test::TempFolder;

// The file as loading leaves it, so that no iteration rewrites it.
std::string CustomUnitsText(int count) {
    std::string types = "[CustomTypes]\n";
    std::string factors = "[CustomFactors]\n";
    for (int i = 0; i < count; ++i) {
        const std::string unit = "Unit" + std::to_string(i);
        types += unit + "=Bench" + std::to_string(i % 10) + "\n";
        factors += unit + "=" + CustomFactorText(1.5 + i) + "\n";
    }
    return types + "\n" + factors;
}

void BM_LoadCustomUnits(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    TempFolder home;
    const std::string path = CustomUnitsPath(home.Path());
    test::WriteFile(path, CustomUnitsText(count));
    for (auto _ : state) {
        TConvRegistry registry;
        TCustomUnits custom(registry, path);
        RegisterAllUnits(registry, custom);
        benchmark::DoNotOptimize(registry.FindFamily("Bench9"));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_LoadCustomUnits)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
