// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli call: catalogue functions applied to typed numbers, driven through
// the executable.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

class CallCli : public CliTest {
  protected:
    // call ARGS, in text or JSON.
    CliRun Call(std::vector<std::string> args, bool json = false) {
        args.insert(args.begin(), "call");
        if (json) args.insert(args.begin(), "--json");
        return Run(args);
    }
    // The VALUE object that --json prints for call ARGS.
    std::string Json(std::vector<std::string> args) {
        const CliRun run = Call(std::move(args), true);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
};

std::string Value(const char* number, int kind, const char* text, const char* formula) {
    return std::string("{\"number\": \"") + number + "\", \"kind\": " + std::to_string(kind) +
           ", \"text\": \"" + text + "\", \"formula\": \"" + formula + "\"}\n";
}

TEST_F(CallCli, AppliesCatalogueFunctions) {
    struct Row {
        std::vector<std::string> args;
        const char* out;
    };
    const Row rows[] = {
        {{"Sqrt", "2"}, "1.41421356237309505\n"},
        {{"sqrt", "16"}, "4\n"},
        {{"SIN", "0"}, "0\n"},
        {{"Not", "0"}, "1\n"},
        {{"Hypot", "3", "4"}, "5\n"},
        {{"NPV", "0.1", "[-100,60,70]", "0"}, "11.2697220135236664\n"},
        {{"Sum", "[1,2,-3.5]"}, "-0.5\n"},
        {{"Sum", "[ 1 , 2 ]"}, "3\n"},
        {{"Case", "0", "[0,1]", "[10,20]"}, "20\n"},
        {{"Case", "7", "[]", "[]"}, "7\n"},
        {{"If", "0", "1", "2"}, "2\n"},
        {{"Max", "[1e3,-2,5E2]"}, "1000\n"},
        {{"SLN", "1000", "100", "9"}, "100\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[0]);
        const CliRun run = Call(row.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, "");
    }
    // Nothing is written into the home.
    EXPECT_TRUE(std::filesystem::is_empty(home.Path()));
}

TEST_F(CallCli, JsonShowsTheValueWithTheFormulaOfItsNode) {
    EXPECT_EQ(Json({"Sqrt", "2"}),
              Value("1.41421356237309504876", 0, "1.41421356237309505", "Sqrt(2)"));
    EXPECT_EQ(Json({"npv", "0.1", "[-100,60,70]", "0"}),
              Value("11.2697220135236664072", 0, "11.2697220135236664", "NPV(0.1,[-100,60,70],0)"));
    EXPECT_EQ(Json({"Sum", "[1,2,3]"}), Value("6", 0, "6", "Sum([1,2,3])"));
    EXPECT_EQ(Json({"Case", "0", "[0,1]", "[10,20]"}),
              Value("20", 0, "20", "Case(0,[0,1],[10,20])"));
    EXPECT_EQ(Json({"Hypot", "3", "4"}), Value("5", 0, "5", "Hypot(3,4)"));
}

TEST_F(CallCli, TrailingDefaultsMayBeLeftOut) {
    // The defaults become operands, so the formula shows them.
    EXPECT_EQ(Json({"NPV", "0.1", "[-100,60,70]"}),
              Value("11.2697220135236664072", 0, "11.2697220135236664", "NPV(0.1,[-100,60,70],0)"));
    EXPECT_EQ(Json({"EFR", "0"}), Value("0", 0, "0", "EFR(0,12)"));
    EXPECT_EQ(Json({"DDB", "1000", "100", "5", "1"}),
              Value("400", 0, "400", "DDB(1000,100,5,1,2)"));
    // A default ahead of a list is not trailing: IRR needs its guess.
    const CliRun run = Call({"IRR", "[-100,60,70]"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "quillix-cli: IRR takes 2 arguments (Guess, CashFlows), not 1\n");
}

TEST_F(CallCli, AFunctionErrorIsAValueAndAFailure) {
    struct Row {
        std::vector<std::string> args;
        const char* message;
        const char* formula;
    };
    const Row rows[] = {
        {{"Sqrt", "-1"}, "Invalid floating point operation", "Sqrt(-1)"},
        {{"Sum", "[]"}, "The list of numbers is empty", "Sum([])"},
        {{"PMT", "0", "0", "1000", "0"}, "Floating point division by zero", "PMT(0,0,1000,0,0)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formula);
        const CliRun run = Call(row.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string(row.message) + "\n");
        const CliRun json = Call(row.args, true);
        EXPECT_EQ(json.status, 1);
        EXPECT_EQ(json.out, Value("0", 2, row.message, row.formula));
    }
}

TEST_F(CallCli, TodayIsADate) {
    const std::string json = Json({"Today"});
    EXPECT_NE(json.find("\"kind\": 1,"), std::string::npos) << json;
    EXPECT_NE(json.find("\"text\": \"["), std::string::npos) << json;
    EXPECT_NE(json.find("\"formula\": \"Today()\""), std::string::npos) << json;
    const CliRun run = Call({"Today"});
    EXPECT_TRUE(run.out.starts_with("[") && run.out.ends_with("]\n")) << run.out;
}

TEST_F(CallCli, BadArgumentsAreUsageErrors) {
    struct Row {
        std::vector<std::string> args;
        const char* err;
    };
    const Row rows[] = {
        {{}, "usage: call NAME ARG..."},
        {{"Sqrt"}, "Sqrt takes 1 argument (X), not 0"},
        {{"Sqrt", "1", "2"}, "Sqrt takes 1 argument (X), not 2"},
        {{"Sqrt", "abc"}, "'abc' is not a valid floating point value"},
        {{"Sqrt", "1,5"}, "'1,5' is not a valid floating point value"},
        {{"Sqrt", " 4"}, "' 4' is not a valid floating point value"},
        {{"Sqrt", "1e+99999"}, "'1e+99999' is not a valid floating point value"},
        {{"Sqrt", "INF"}, "'INF' is not a valid floating point value"},
        {{"Sqrt", "[4]"}, "'[4]' is not a valid floating point value"},
        {{"Hypot", "3"}, "Hypot takes 2 arguments (X, Y), not 1"},
        {{"PMT", "1", "2", "3"}, "PMT takes 4 to 5 arguments (Rate, NPer, PV, FV, Type), not 3"},
        {{"PMT", "1", "2", "3", "4", "5", "6"},
         "PMT takes 4 to 5 arguments (Rate, NPer, PV, FV, Type), not 6"},
        {{"Today", "1"}, "Today takes no arguments, not 1"},
        {{"Sum", "5"}, "Numbers takes a list written [1,2,3] ([] for none), not '5'"},
        {{"Sum", "[1,2"}, "Numbers takes a list written [1,2,3] ([] for none), not '[1,2'"},
        {{"Sum", "[1,x]"}, "'x' is not a valid floating point value"},
        {{"Sum", "[1,,2]"}, "'[1,,2]' has an empty element"},
        {{"Sum", "[1,]"}, "'[1,]' has an empty element"},
        {{"Case", "0", "[1]", "2"}, "Values takes a list written [1,2,3] ([] for none), not '2'"},
        {{"Nope", "1"}, "unknown function 'Nope'"},
        {{"Sqrtx", "1"}, "unknown function 'Sqrtx'"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.err);
        const CliRun run = Call(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string("quillix-cli: ") + row.err + "\n");
    }
}

}  // namespace
}  // namespace quillix::test
