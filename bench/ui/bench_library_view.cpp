// SPDX-License-Identifier: GPL-3.0-or-later
// The library manager opened on a programs library of 2,000 programs in 200
// folders (20 folders at the top, each with 9 subfolders; 10 programs in each
// folder): the time counted runs from creating the window until it is shown
// with its tree and list filled and its events processed. Goal: under 200 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "bench_support.h"
#include "dialogs/library_manager.h"
#include "vars/user_func_folder.h"

namespace quillix {
namespace {

constexpr int kTopFolders = 20;
constexpr int kSubfolders = 9;
constexpr int kProgramsPerFolder = 10;

// One small program: input x, output y = x.
constexpr const char* kProgram =
    "<?xml version=\"1.0\"?>\n"
    "<Vars Description=\"\">\n"
    "  <Value Name=\"x\" Type=\"1\" CVType=\"0\" Number=\"1\"/>\n"
    "</Vars>\n";

void FillFolder(const test::TempFolder& home, const std::string& folder, int& counter) {
    home.MakeDir(folder);
    for (int i = 0; i < kProgramsPerFolder; ++i)
        home.Write(folder + "/P" + std::to_string(counter++) + ".prg", kProgram);
}

void LayLibrary(const test::TempFolder& home) {
    int counter = 0;
    for (int top = 0; top < kTopFolders; ++top) {
        const std::string folder = "UserPrograms/Folder" + std::to_string(top);
        FillFolder(home, folder, counter);
        for (int sub = 0; sub < kSubfolders; ++sub)
            FillFolder(home, folder + "/Sub" + std::to_string(sub), counter);
    }
}

int NodeCount(const QTreeWidgetItem* node) {
    int count = 1;
    for (int i = 0; i < node->childCount(); ++i)
        count += NodeCount(node->child(i));
    return count;
}

void BM_OpenLibraryManager(benchmark::State& state) {
    test::TempFolder home;
    LayLibrary(home);
    TUserFuncFolder library(home.File("UserPrograms"), ".prg");
    int nodes = 0;
    int items = 0;
    for (auto _ : state) {
        auto window = std::make_unique<Tfrm_Open>(library, kModeManager);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        nodes = NodeCount(window->Tree()->TopNode());
        items = window->List()->count();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (nodes != kTopFolders * (kSubfolders + 1) + 1 || items != kTopFolders)
        state.SkipWithError("the window does not show the library");
    state.counters["folders"] = nodes - 1;
}
BENCHMARK(BM_OpenLibraryManager)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
