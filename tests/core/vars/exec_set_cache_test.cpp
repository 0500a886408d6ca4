// SPDX-License-Identifier: GPL-3.0-or-later
// Kept execution sets: a set is built once per file identity and lent out
// again with its inputs as the file stores them; a changed file, a rescan of
// the libraries, a set in use, a file changed just now and inputs with
// formulas each make it load afresh. And calls through kept sets give exactly
// what calls through fresh ones give.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>

#include <fstream>
#include <memory>

#include "core/model/tree_builders.h"
#include "core/vars/library_test_support.h"
#include "model/formula_reader.h"
#include "model/operate_binary.h"
#include "model/operate_user.h"
#include "vars/calc_exec.h"
#include "vars/calc_vars.h"
#include "vars/exec_set_cache.h"
#include "vars/library_call_runner.h"
#include "vars/user_libraries.h"

namespace quillix::test {
namespace {

// Times a file back by an hour, as for a library file saved long ago; when it
// is given, the modification time is set to exactly that.
void AgeFile(const std::string& path, const timespec* exactly = nullptr) {
    timespec times[2];
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= 3600;
    times[1] = exactly ? *exactly : times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

timespec ModificationTime(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mtim;
}

class ExecSetCache : public ModelTest {
  public:
    TempFolder home;
    TUserLibraries libraries{home.Path()};

    // A function file of the formula over the inputs a = 3 and b = 4; its path.
    std::string SaveFunction(const char* name, const char* formula, bool age = true) {
        TCalcVarsBase function;
        function.Add("a", Num(3));
        function.Add("b", Num(4));
        FormulaReaderOptions options;
        options.vars = &function;
        function.Add("r", ReadFormula(formula, options).value);
        function.SetValueType("a", wtInput);
        function.SetValueType("b", wtInput);
        function.SetValueType("r", wtOutput);
        std::string error;
        EXPECT_TRUE(function.SaveAsFunction(name, libraries.Functions(), &error)) << error;
        const std::string path = libraries.Functions().GetFileName(name);
        if (age) AgeFile(path);
        return path;
    }

    static inline int loads = 0;
    static std::unique_ptr<TCalcVarsBase> CountedLoad(const std::string& path) {
        ++loads;
        auto set = std::make_unique<TCalcUserFuncExec>();
        std::string error;
        EXPECT_TRUE(set->LoadFromFile(path, &error)) << error;
        return set;
    }
    void SetUp() override {
        ModelTest::SetUp();
        loads = 0;
    }
};

TEST_F(ExecSetCache, AKeptSetIsLentAgainWithTheStoredInputs) {
    const std::string path = SaveFunction("f", "a-b");
    TExecSetCache cache;
    {
        TExecSetCache::Lease lease = cache.Acquire(path, CountedLoad);
        auto& set = static_cast<TCalcUserFuncExec&>(lease.Set());
        set.SetInput(0, TCalcValue::New(5, cvError));
        set.SetInput(1, Num(7));
    }
    TExecSetCache::Lease again = cache.Acquire(path, CountedLoad);
    auto& set = static_cast<TCalcUserFuncExec&>(again.Set());
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(set.GetInput(0)->Value->Number(), 3);
    EXPECT_EQ(set.GetInput(0)->Value->CVType(), cvNumber);
    EXPECT_EQ(set.GetInput(1)->Value->Number(), 4);
}

TEST_F(ExecSetCache, EachReasonToLoadAgainLoadsAgain) {
    struct Row {
        const char* what;
        std::function<void(ExecSetCache& test, const std::string& path)> change;
        int loads;  // of the second acquire
    };
    const Row rows[] = {
        {"nothing changed", [](ExecSetCache&, const std::string&) {}, 0},
        {"the file changed",
         [](ExecSetCache& test, const std::string&) { test.SaveFunction("f", "a+b"); }, 1},
        {"the libraries were scanned",
         [](ExecSetCache& test, const std::string&) { test.libraries.Functions().Scan(); }, 1},
        {"the file changed just now",
         [](ExecSetCache& test, const std::string&) { test.SaveFunction("f", "a*b", false); }, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = SaveFunction("f", "a-b");
        TExecSetCache cache;
        cache.Acquire(path, CountedLoad);
        loads = 0;
        row.change(*this, path);
        cache.Acquire(path, CountedLoad);
        EXPECT_EQ(loads, row.loads);
    }
}

TEST_F(ExecSetCache, ASetInUseIsNotLentTwice) {
    const std::string path = SaveFunction("f", "a-b");
    TExecSetCache cache;
    {
        TExecSetCache::Lease outer = cache.Acquire(path, CountedLoad);
        TExecSetCache::Lease inner = cache.Acquire(path, CountedLoad);
        EXPECT_NE(&outer.Set(), &inner.Set());
        EXPECT_EQ(loads, 2);
    }
    cache.Acquire(path, CountedLoad);
    EXPECT_EQ(loads, 2);  // both are kept
    EXPECT_EQ(cache.Size(), 2u);
}

TEST_F(ExecSetCache, InputsWithFormulasAreNeverKept) {
    TCalcVarsBase function;
    function.Add("base", Num(2));
    function.Add("x", Make<TCalcOperateMultis>(function.GetValue("base")->MakeReference(), Num(3)));
    function.SetValueType("x", wtInput);
    function.SetValueType("base", wtOutput);
    ASSERT_TRUE(function.SaveAsFunction("g", libraries.Functions(), nullptr));
    const std::string path = libraries.Functions().GetFileName("g");
    AgeFile(path);
    TExecSetCache cache;
    cache.Acquire(path, CountedLoad);
    cache.Acquire(path, CountedLoad);
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(cache.Size(), 0u);
}

// A file rewritten in place with the same size and time looks unchanged; only
// a rescan of the libraries makes the new content count.
TEST_F(ExecSetCache, ARescanDropsWhatTheFileTimesCannotTell) {
    const std::string path = SaveFunction("f", "a-b");
    const timespec written = ModificationTime(path);
    TLibraryCallRunner runner;
    ValueRef call = ValueOver(std::make_unique<TCalcOperateUserFunc>("f"), {Num(10), Num(4)});
    EXPECT_EQ(call->Number(), 6);
    std::string text = ReadFile(path);
    const std::size_t minus = text.find("TCalcOperateMinus");
    ASSERT_NE(minus, std::string::npos);
    text.replace(minus, 17, "TCalcOperatePower");  // the same length
    std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out) << text;
    AgeFile(path, &written);
    call->Recalculate();
    EXPECT_EQ(call->Number(), 6);  // the kept set
    libraries.Functions().Scan();
    call->Recalculate();
    EXPECT_EQ(call->Number(), 10000);
}

// The same calls with kept sets and with fresh ones, one after the other, so
// that every kept set has run before: arguments missing or given, errors in
// and out, a function calling another and itself.
TEST_F(ExecSetCache, CallsThroughKeptSetsGiveWhatFreshSetsGive) {
    SaveFunction("diff", "a-b");
    SaveFunction("inv", "1/a+b*0");
    SaveFunction("nest", "diff(a,diff(b,a))+diff(a)");
    SaveFunction("fact", "If(a<=1,1,a*fact(a-1,b))");
    const char* const calls[] = {
        "diff(10,4)", "diff(10)",    "diff()",        "diff(1,2,3)",     "inv(0)",
        "inv(4)",     "inv(0)+1",    "nest(5,2)",     "nest(7)",         "fact(6)",
        "fact(3)",    "diff(1/0,2)", "diff(fact(4))", "nest(diff(2,9))", "fact(70)",
    };
    TLibraryCallRunner kept;
    TLibraryCallRunner fresh;
    fresh.SetCacheEnabled(false);
    for (int round = 0; round < 2; ++round) {
        for (const char* call : calls) {
            SCOPED_TRACE(call);
            // The runner installed last does the work.
            std::optional<TUserCallRunnerScope> first;
            first.emplace(kept);
            const ValueRef withKept = ReadFormula(call).value;
            first.reset();
            TUserCallRunnerScope second(fresh);
            const ValueRef withFresh = ReadFormula(call).value;
            ASSERT_TRUE(withKept && withFresh);
            EXPECT_EQ(withKept->CVType(), withFresh->CVType());
            EXPECT_EQ(withKept->Number(), withFresh->Number());
            EXPECT_EQ(withKept->ErrorText(), withFresh->ErrorText());
        }
    }
}

}  // namespace
}  // namespace quillix::test
