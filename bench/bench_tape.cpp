// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation tape: what a line costs when the tape is full (1,000 lines,
// so each new line also drops the oldest), measured on the tape alone and as
// the extra time of a completed calculation with the tape recorder listening;
// the heap bytes a full tape keeps; and reading and writing its file, which
// start-up and the window's saves pay.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "engine/calc_engine.h"
#include "tape/tape.h"
#include "tape/tape_file.h"
#include "tape/tape_recorder.h"

#define QUILLIX_BENCH_COUNT_HEAP
#include "bench_support.h"
#include "tape_lines.h"

namespace quillix {
namespace {

using bench::TypicalLine;

void FillTape(TTape& tape) {
    for (int n = 0; n < kTapeLimit; ++n)
        tape.Add(TypicalLine(n));
}

void BM_TapeAddToAFullTape(benchmark::State& state) {
    TTape tape;
    FillTape(tape);
    const TTapeEntry line = TypicalLine(7);
    for (auto _ : state) {
        tape.Add(line);
        benchmark::DoNotOptimize(tape.Count());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_TapeAddToAFullTape);

// "2 + 3 =" in ALG: one completed calculation; with the recorder it is one
// line on a full tape. The difference of the two is what a line costs.
void PressTwoPlusThree(TCalcEngine& engine) {
    engine.Execute(ccDigit2);
    engine.Execute(ccPlus);
    engine.Execute(ccDigit3);
    engine.Execute(ccEquals);
}

void BM_CalculationWithoutTape(benchmark::State& state) {
    TCalcEngine engine;
    for (auto _ : state) {
        PressTwoPlusThree(engine);
        benchmark::DoNotOptimize(engine.Stack().X.get());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_CalculationWithoutTape);

void BM_CalculationOntoAFullTape(benchmark::State& state) {
    TCalcEngine engine;
    TTape tape;
    FillTape(tape);
    const TTapeRecorder recorder(engine, tape);
    const std::uint64_t before = tape.Revision();
    for (auto _ : state) {
        PressTwoPlusThree(engine);
        benchmark::DoNotOptimize(engine.Stack().X.get());
    }
    // Each calculation drops one line and appends one.
    if (tape.Revision() - before != 2 * static_cast<std::uint64_t>(state.iterations()))
        state.SkipWithError("no line made");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_CalculationOntoAFullTape);

void BM_FullTapeHeapBytes(benchmark::State& state) {
    double bytesPerLine = 0;
    for (auto _ : state) {
        const std::size_t before = bench::HeapBytesInUse();
        {
            TTape tape;
            FillTape(tape);
            bytesPerLine = static_cast<double>(bench::HeapBytesInUse() - before) / kTapeLimit;
        }
    }
    state.counters["bytes_per_line"] = bytesPerLine;
}
BENCHMARK(BM_FullTapeHeapBytes)->Unit(benchmark::kMillisecond);

void BM_TapeFileWriteFull(benchmark::State& state) {
    test::TempFolder home;
    TTape tape;
    FillTape(tape);
    const std::string path = TapeFilePath(home.Path());
    for (auto _ : state) {
        if (!WriteTapeFile(path, tape)) state.SkipWithError("not written");
    }
    state.counters["file_bytes"] = static_cast<double>(TapeFileText(tape).size());
}
BENCHMARK(BM_TapeFileWriteFull)->Unit(benchmark::kMillisecond);

void BM_TapeFileReadFull(benchmark::State& state) {
    test::TempFolder home;
    TTape written;
    FillTape(written);
    const std::string path = TapeFilePath(home.Path());
    WriteTapeFile(path, written);
    for (auto _ : state) {
        TTape tape;
        tape.Replace(ReadTapeFile(path).Entries);
        if (tape.Count() != kTapeLimit) state.SkipWithError("lines lost");
    }
}
BENCHMARK(BM_TapeFileReadFull)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
