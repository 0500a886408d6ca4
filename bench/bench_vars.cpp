// SPDX-License-Identifier: GPL-3.0-or-later
// Program documents: saving and loading 10,000 variables next to pugixml's own
// parse and save of the same text (goals: load and save within two and a half
// times pugixml's), replacing the head of a 10,000-variable chain, and calls of
// user functions: one stored in a 50-entry file, with and without the kept
// execution sets (goal: 50,000 a second kept), and a hypotenuse of two inputs
// (goal: 200,000 a second).

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <pugixml.hpp>
#include <string>

#include "bench_support.h"
#include "model/formula_reader.h"
#include "model/operate_binary.h"
#include "model/operate_user.h"
#include "model/vars_document.h"
#include "vars/calc_vars.h"
#include "vars/library_call_runner.h"
#include "vars/user_libraries.h"

namespace quillix {
namespace {

constexpr int kVariables = 10000;

std::string VariableName(int number) {
    return "V" + std::to_string(number);
}

using test::Make;
using test::TempFolder;

ValueRef Ref(TCalcVarsBase& set, int number) {
    return set.GetValue(VariableName(number))->MakeReference();
}

// Even variables are typed numbers; odd ones V(i-1) * 0.5 + V(i/2).
void BuildProgram(TCalcVarsBase& set, int count) {
    for (int i = 0; i < count; ++i) {
        ValueRef value = i % 2 == 0
                             ? TCalcValue::New(i * 1.25L + 0.1L)
                             : Make<TCalcOperatePlus>(
                                   Make<TCalcOperateMultis>(Ref(set, i - 1), TCalcValue::New(0.5L)),
                                   Ref(set, i / 2));
        set.Add(VariableName(i), value);
        set.Find(VariableName(i))->Description = "variable number " + std::to_string(i);
    }
}

const std::string& DocumentText() {
    static const std::string text = [] {
        TCalcVarsBase set;
        BuildProgram(set, kVariables);
        return BuildVarsDocumentText("A program of ten thousand variables", set.GetItems());
    }();
    return text;
}

// The program of kVariables variables saved in home; its path.
std::string SaveProgramIn(const TempFolder& home) {
    const std::string file = home.File("program.prg");
    TCalcVarsBase set;
    BuildProgram(set, kVariables);
    set.SaveToFile(file, nullptr);
    return file;
}

void BM_SaveProgram(benchmark::State& state) {
    TCalcVarsBase set;
    BuildProgram(set, kVariables);
    for (auto _ : state) {
        const std::string text = BuildVarsDocumentText(set.GetDescription(), set.GetItems());
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(DocumentText().size());
}
BENCHMARK(BM_SaveProgram)->Unit(benchmark::kMillisecond);

void BM_LoadProgram(benchmark::State& state) {
    TempFolder home;
    const std::string file = SaveProgramIn(home);
    for (auto _ : state) {
        TCalcVarsBase set;
        if (!set.LoadFromFile(file, nullptr)) state.SkipWithError("load failed");
        state.PauseTiming();  // the entries go outside the measured time
        set.Clear();
        state.ResumeTiming();
    }
}
// Large files are split into elements on a second thread: the time is the
// wall time a user waits, the CPU time that of both threads.
BENCHMARK(BM_LoadProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

// pugixml's own parse of the same file, as it reads it.
void BM_PugixmlParse(benchmark::State& state) {
    TempFolder home;
    const std::string file = SaveProgramIn(home);
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(file.c_str())) state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(document.first_child());
    }
}
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);

class StringWriter final : public pugi::xml_writer {
  public:
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

void BM_PugixmlSave(benchmark::State& state) {
    const std::string& text = DocumentText();
    pugi::xml_document document;
    document.load_buffer(text.data(), text.size());
    for (auto _ : state) {
        StringWriter out;
        document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
        benchmark::DoNotOptimize(out.text.data());
    }
}
BENCHMARK(BM_PugixmlSave)->Unit(benchmark::kMillisecond);

// V0 typed, V(i) = V(i-1) + 1: a new V0 recalculates every dependant once.
void BM_SetValueAtTheHeadOfAChain(benchmark::State& state) {
    TCalcVarsBase set;
    set.Add(VariableName(0), TCalcValue::New(0));
    for (int i = 1; i < kVariables; ++i) {
        set.Add(VariableName(i), Make<TCalcOperatePlus>(Ref(set, i - 1), TCalcValue::New(1)));
    }
    std::uint64_t evaluations = 0;
    long double head = 0;
    for (auto _ : state) {
        const std::uint64_t before = TCalcValue::EvaluationCount();
        set.SetValue(VariableName(0), TCalcValue::New(head += 1));
        evaluations += TCalcValue::EvaluationCount() - before;
    }
    const double perCall = static_cast<double>(evaluations) / state.iterations();
    if (perCall != 2.0 * (kVariables - 1))
        state.SkipWithError("a dependant was not recalculated once");
    state.counters["recalculations"] = perCall;
}
BENCHMARK(BM_SetValueAtTheHeadOfAChain)->Unit(benchmark::kMicrosecond);

// Saves function as the user function name, "long ago", so that the kept
// execution set may be used.
void SaveOldFunction(TUserLibraries& libraries, const std::string& name, TCalcVarsBase& function) {
    function.SaveAsFunction(name, libraries.Functions(), nullptr);
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(libraries.Functions().GetFileName(name), old);
}

// Calls of the user function name over the variable A (and more arguments),
// A changing at every call; expected(A) is the result.
template <class Expected>
void RunCalls(benchmark::State& state, const std::string& name, std::vector<ValueRef> more,
              Expected expected) {
    ValueRef argument = TCalcValue::New(1);
    argument->SetName("A");
    more.insert(more.begin(), argument->MakeReference());
    ValueRef call = test::ValueOver(std::make_unique<TCalcOperateUserFunc>(name), more);
    long double x = 0;
    for (auto _ : state) {
        argument->TakeOver(TCalcValue::New(x += 1), true);
        benchmark::DoNotOptimize(call->Number());
    }
    if (std::fabs(call->Number() - expected(x)) > 1e-12L * std::fabs(expected(x)))
        state.SkipWithError("wrong result");
    state.counters["calls_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// f(x) over a 50-entry file: x, then 48 steps, then the output.
void BM_UserFunctionCalls(benchmark::State& state) {
    TempFolder home;
    TUserLibraries libraries(home.Path());
    TLibraryCallRunner runner;
    runner.SetCacheEnabled(state.range(0) != 0);
    TCalcVarsBase function;
    function.Add("x", TCalcValue::New(1));
    for (int i = 1; i < 50; ++i) {
        const std::string previous = i == 1 ? "x" : "s" + std::to_string(i - 1);
        function.Add("s" + std::to_string(i),
                     Make<TCalcOperatePlus>(function.GetValue(previous)->MakeReference(),
                                            TCalcValue::New(i)));
    }
    function.SetValueType("x", wtInput);
    function.SetValueType("s49", wtOutput);
    SaveOldFunction(libraries, "f", function);
    RunCalls(state, "f", {}, [](long double x) { return x + 1225; });
}
BENCHMARK(BM_UserFunctionCalls)->Arg(0)->Arg(1)->Iterations(10000)->Unit(benchmark::kMicrosecond);

// Hyp(a, b) = Sqrt(a*a+b*b): two inputs and the output, the small function a
// formula calls in a what-if table.
void BM_HypotenuseCalls(benchmark::State& state) {
    TempFolder home;
    TUserLibraries libraries(home.Path());
    TLibraryCallRunner runner;
    TCalcVarsBase function;
    function.Add("a", TCalcValue::New(3));
    function.Add("b", TCalcValue::New(4));
    FormulaReaderOptions options;
    options.vars = &function;
    function.Add("h", ReadFormula("Sqrt(a*a+b*b)", options).value);
    function.SetValueType("a", wtInput);
    function.SetValueType("b", wtInput);
    function.SetValueType("h", wtOutput);
    SaveOldFunction(libraries, "Hyp", function);
    RunCalls(state, "Hyp", {TCalcValue::New(4)},
             [](long double x) { return std::sqrt(x * x + 16); });
}
BENCHMARK(BM_HypotenuseCalls)->Iterations(50000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillix
