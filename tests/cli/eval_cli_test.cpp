// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli eval: typed formulas through the executable, with names of a
// program, storing the result as a variable and saving the program.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

class EvalCli : public CliTest {};

TEST_F(EvalCli, PrintsTheValueOfTheFormula) {
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* out;
        const char* err;
    };
    const Row rows[] = {
        {{"eval", "PMT(0.06/12,360,100000,0)*12"}, 0, "-7194.60630183302875\n", ""},
        {{"eval", "-5+3"}, 0, "-2\n", ""},
        {{"eval", "sum([1,2,3]) Mod 4"}, 0, "2\n", ""},
        {{"eval", "[2024-02-29]+1"}, 0, "[2024-03-01]\n", ""},
        {{"--fixed", "2", "eval", "1/3"}, 0, "0.33\n", ""},
        {{"--json", "eval", "(2^3)^2"},
         0,
         "{\"number\": \"64\", \"kind\": 0, \"text\": \"64\", \"formula\": \"(2^3)^2\"}\n",
         ""},
        {{"eval", "1/0"}, 1, "", "Floating point division by zero\n"},
        {{"eval", "Principal*Rat"}, 1, "", "unknown name 'Principal' at 1\n"},
        {{"eval", "PMT(1,2)"}, 1, "", "PMT takes 4 to 5 arguments (2 given) at 1\n"},
        {{"eval", "(1+2"}, 1, "", "')' expected at 5\n"},
        {{"eval", "Nope('X')"}, 1, "", "unknown program 'Nope' at 1\n"},
        {{"eval", "Nope(1)"}, 1, "", "unknown function 'Nope' at 1\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.back());
        const CliRun run = Run(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, row.err);
    }
}

TEST_F(EvalCli, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> rows = {
        {"eval"},
        {"eval", "--bogus", "1"},
        {"eval", "1", "2"},
        {"eval", "1", "--set"},
        {"eval", "--set", " ", "1"},
    };
    for (const auto& args : rows) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

TEST_F(EvalCli, ResolvesNamesAndStoresTheResultInTheProgram) {
    const std::string loan = home.File("loan.prg");
    SaveLoan(loan);
    EXPECT_EQ(Run({"eval", "--program", loan, "principal*Rate*2"}).out, "100\n");

    // A new variable, saved; then a new formula for an existing one.
    CliRun run = Run({"eval", "--program", loan, "--set", "Double", "--save", loan, "Interest*2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "100\n");
    run = Run({"eval", "--program", loan, "--set", "Interest", "--save", loan, "Principal*Rate*3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "150\n");
    EXPECT_EQ(Run({"eval", "--program", loan, "Double"}).out, "300\n");
    EXPECT_EQ(Run({"run", loan, "2000"}).out, "Interest = 300\n");

    // A formula that would use the variable itself, or one after it, is refused
    // and the file stays as it was.
    const std::string before = home.Read("loan.prg");
    run = Run({"eval", "--program", loan, "--set", "Principal", "--save", loan, "Double+1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        run.err,
        "the formula of 'Principal' cannot use that variable itself or one listed after it\n");
    EXPECT_EQ(home.Read("loan.prg"), before);
}

TEST_F(EvalCli, CallsStoredProgramsByName) {
    home.MakeDir("UserPrograms");
    SaveLoan(home.File("UserPrograms/Loan.prg"));
    EXPECT_EQ(Run({"eval", "loan('interest',2000,0.1)+1"}).out, "201\n");
    EXPECT_EQ(Run({"--json", "eval", "Loan('Interest',2000)"}).out,
              "{\"number\": \"100\", \"kind\": 0, \"text\": \"100\", \"formula\": "
              "\"Loan('Interest',2000)\"}\n");
}

}  // namespace
}  // namespace quillix::test
