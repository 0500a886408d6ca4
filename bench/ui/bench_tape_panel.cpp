// SPDX-License-Identifier: GPL-3.0-or-later
// The tape panel shown with a full tape (1,000 lines, so each new line also
// drops the oldest). BM_TapeLineAdded: one new line as the list model and the
// shown view take it (rows dropped and inserted, the view told), the repaint
// that follows outside the time; goal under 20 us. BM_TapeLineAddedAndPainted:
// the same until the list has caught up and painted its window, which a real
// run pays once per frame however many lines came. The idle event loop alone
// is the baseline of the same run.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <string>

#include "keypad/keypad_frame.h"
#include "tape/tape.h"
#include "tape_lines.h"
#include "window/tape_dock.h"

namespace quillix {
namespace {

using bench::TypicalLine;

// A keypad with the tape docked beside it, shown, the tape full.
struct TShownTape {
    TShownTape() {
        window.resize(600, 400);
        dock = std::make_unique<TTapeDock>(keypad->Engine(), keypad->Keypad(), nullptr,
                                           "/nonexistent/tape.xml", false, &window);
        window.show();
        dock->show();
        for (int n = 0; n < kTapeLimit; ++n)
            dock->Tape().Add(TypicalLine(n));
        QApplication::processEvents();
    }
    QWidget window;
    Tfra_KeypadFW* keypad = new Tfra_KeypadFW(&window);
    std::unique_ptr<TTapeDock> dock;
};

void BM_TapeLineAdded(benchmark::State& state) {
    TShownTape shown;
    const TTapeEntry line = TypicalLine(7);
    for (auto _ : state) {
        shown.dock->Tape().Add(line);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (shown.dock->List()->model()->rowCount() != kTapeLimit)
        state.SkipWithError("the list does not show the full tape");
}
// The repaint outside the time still takes its time: a fixed count of lines.
BENCHMARK(BM_TapeLineAdded)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_TapeLineAddedAndPainted(benchmark::State& state) {
    TShownTape shown;
    const TTapeEntry line = TypicalLine(7);
    for (auto _ : state) {
        shown.dock->Tape().Add(line);
        QApplication::processEvents();
    }
    QListView* list = shown.dock->List();
    if (list->model()->rowCount() != kTapeLimit)
        state.SkipWithError("the list does not show the full tape");
    state.counters["rows"] = list->model()->rowCount();
}
BENCHMARK(BM_TapeLineAddedAndPainted)->Unit(benchmark::kMicrosecond);

void BM_IdleEventLoopBaseline(benchmark::State& state) {
    TShownTape shown;
    for (auto _ : state)
        QApplication::processEvents();
}
BENCHMARK(BM_IdleEventLoopBaseline)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillix
