// SPDX-License-Identifier: GPL-3.0-or-later
// "table" and "solve" through the executable: their output forms, every
// refusal with its exit status and nothing on standard output, the program
// file untouched, and a table cell equal to what "run" prints.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

class WhatIfCli : public CliTest {
  protected:
    void SetUp() override { SaveLoan(loan); }

    // Payment = PMT(Rate/12, Years*12, Principal, 0), three inputs, made with eval.
    void SavePayment(const std::string& file) const {
        const char* const steps[][2] = {{"Principal", "200000"},
                                        {"Rate", "0.06"},
                                        {"Years", "30"},
                                        {"Payment", "PMT(Rate/12,Years*12,Principal,0)"},
                                        {"Inverse", "1/(Rate-0.05)"}};
        for (const auto& step : steps) {
            std::vector<std::string> args{"eval"};
            if (FileExists(file)) args.insert(args.end(), {"--program", file});
            args.insert(args.end(), {"--set", step[0], "--save", file, step[1]});
            ASSERT_EQ(Run(args).status, 0) << step[0];
        }
        ASSERT_EQ(Run({"keys", "--program", file, "Input:Principal", "Input:Rate", "Input:Years",
                       "Output:Payment", "--save", file})
                      .status,
                  0);
    }

    const std::string loan = home.File("loan.prg");
};

TEST_F(WhatIfCli, TableTextHasAHeaderAndARowPerValue) {
    struct Row {
        std::vector<std::string> args;
        const char* out;
    };
    const Row rows[] = {
        {{"Rate=0.01:0.03:3"}, "Rate\tInterest\n0.01\t10\n0.02\t20\n0.03\t30\n"},
        {{"rate=0.1,0.2", "interest", "PRINCIPAL"},
         "Rate\tInterest\tPrincipal\n0.1\t100\t1000\n0.2\t200\t1000\n"},
        {{"Principal=10:1000:3:log"}, "Principal\tInterest\n10\t0.5\n100\t5\n1000\t50\n"},
        {{"Rate=0.05,0.1", "Principal=1000:3000:3", "Interest"},
         "Rate\\Principal\t1000\t2000\t3000\n0.05\t50\t100\t150\n0.1\t100\t200\t300\n"},
        {{"Rate=0.05,0.1", "Principal=1000:3000:3", "Interest", "--csv"},
         "Rate\\Principal,1000,2000,3000\n0.05,50,100,150\n0.1,100,200,300\n"},
        {{"--", "Rate=-1,1"}, "Rate\tInterest\n-1\t-1000\n1\t1000\n"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args{"table", loan};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, row.out) << row.args[0];
    }
    // The fixed format rounds what the formulas read, as everywhere.
    EXPECT_EQ(Run({"--fixed", "1", "table", loan, "Rate=0.25,0.12"}).out,
              "Rate\tInterest\n0.2\t200.0\n0.1\t100.0\n");
}

TEST_F(WhatIfCli, TableJsonHasTheNamesAndARowPerPoint) {
    CliRun run = Run({"--json", "table", loan, "Rate=0.1,0.2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "{\"inputs\": [\"Rate\"], \"outputs\": [\"Interest\"], \"rows\": ["
        "{\"input\": [{\"number\": \"0.100000000000000000001\", \"kind\": 0, \"text\": \"0.1\", "
        "\"formula\": \"0.1\"}], \"values\": [{\"number\": \"100\", \"kind\": 0, "
        "\"text\": \"100\", \"formula\": \"100\"}]}, "
        "{\"input\": [{\"number\": \"0.200000000000000000003\", \"kind\": 0, \"text\": \"0.2\", "
        "\"formula\": \"0.2\"}], \"values\": [{\"number\": \"200\", \"kind\": 0, "
        "\"text\": \"200\", \"formula\": \"200\"}]}]}\n");
    // A grid: each row is one point with both inputs.
    run = Run({"--json", "table", loan, "Rate=1,2", "Principal=3,4", "Interest"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("{\"inputs\": [\"Rate\", \"Principal\"], \"outputs\": [\"Interest\"]"),
              std::string::npos);
    std::size_t rows = 0;
    for (std::size_t at = run.out.find("\"input\": ["); at != std::string::npos;
         at = run.out.find("\"input\": [", at + 1))
        ++rows;
    EXPECT_EQ(rows, 4u);
    EXPECT_NE(
        run.out.find("\"text\": \"2\", \"formula\": \"2\"}, {\"number\": \"4\", \"kind\": 0, "
                     "\"text\": \"4\", \"formula\": \"4\"}], \"values\": [{\"number\": \"8\""),
        std::string::npos)
        << run.out;
}

TEST_F(WhatIfCli, ACellThatFailsHoldsItsErrorAndTheTableSucceeds) {
    const std::string payment = home.File("payment.prg");
    SavePayment(payment);
    CliRun run = Run({"table", payment, "Rate=0.04,0.05,0.06", "Inverse"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Rate\tInverse\n0.04\t-100\n0.05\tFloating point division by zero\n0.06\t100\n");
    // A name with a comma is quoted in CSV.
    ASSERT_EQ(Run({"keys", "--program", payment, "2", "V+:Rate, yearly", "--save", payment}).status,
              0);
    run = Run({"table", payment, "Rate, yearly=1,2", "Rate, yearly", "--csv"});
    EXPECT_EQ(run.out, "\"Rate, yearly\",\"Rate, yearly\"\n1,1\n2,2\n");
}

TEST_F(WhatIfCli, RefusalsSayWhyAndWriteNothing) {
    const std::string payment = home.File("payment.prg");
    SavePayment(payment);
    struct Row {
        std::vector<std::string> args;
        int status;
        const char* err;
    };
    const Row rows[] = {
        {{"table", loan},
         2,
         "quillix-cli: usage: table PROGRAM INPUT=RANGE [INPUT2=RANGE] [OUTPUT...] [--csv]\n"},
        {{"table", loan, "Years=1:2:3"}, 2, "quillix-cli: there is no variable 'Years'\n"},
        {{"table", loan, "Interest=1:2:3"},
         2,
         "quillix-cli: 'Interest' has a formula: only a variable that holds a plain number can "
         "vary\n"},
        {{"table", loan, "Rate=1:2:3", "Paid"}, 2, "quillix-cli: there is no variable 'Paid'\n"},
        {{"table", loan, "Rate=0:1:1"},
         2,
         "quillix-cli: Rate: the number of steps must be a whole number from 2 to 1,000,000, not "
         "'1'\n"},
        {{"table", loan, "Rate=0:1:1000001"},
         2,
         "quillix-cli: Rate: the number of steps must be a whole number from 2 to 1,000,000, not "
         "'1000001'\n"},
        {{"table", loan, "Rate=0:x:3"}, 2, "quillix-cli: Rate: 'x' is not a number\n"},
        {{"table", loan, "Rate="}, 2, "quillix-cli: Rate: the range is empty\n"},
        {{"table", loan, "Rate=1", "Principal=2", "Rate=3"},
         2,
         "quillix-cli: a table has one or two inputs\n"},
        {{"table", loan, "Rate=1", "rate=2", "Interest"},
         2,
         "quillix-cli: the two inputs of a table must be different variables\n"},
        {{"table", loan, "Rate=1", "Principal=2", "Interest", "Rate"},
         2,
         "quillix-cli: a table over two inputs has one output: name it\n"},
        {{"table", payment, "Rate=1", "Years=2"}, 0, ""},  // its one output
        {{"--json", "table", loan, "Rate=1", "--csv"},
         2,
         "quillix-cli: --csv and --json exclude each other\n"},
        {{"table", loan, "Rate=1", "--tsv"}, 2, "quillix-cli: unknown option '--tsv'\n"},
        {{"table", "Nothing", "Rate=1"}, 1, "There is no program named 'Nothing'\n"},
        {{"solve", loan, "Interest=1"},
         2,
         "quillix-cli: usage: solve PROGRAM OUTPUT=TARGET --for INPUT [--near VALUE]\n"},
        {{"solve", loan, "Interest", "--for", "Rate"},
         2,
         "quillix-cli: the goal is OUTPUT=TARGET, not 'Interest'\n"},
        {{"solve", loan, "Interest=lots", "--for", "Rate"},
         2,
         "quillix-cli: 'lots' is not a number\n"},
        {{"solve", loan, "Interest=1", "--for", "Rate", "--near", "x"},
         2,
         "quillix-cli: 'x' is not a number\n"},
        {{"solve", loan, "Interest=1", "--for"}, 2, "quillix-cli: --for needs a value\n"},
        {{"solve", loan, "Interest=1", "--for", "Interest"},
         2,
         "quillix-cli: 'Interest' has a formula: only a variable that holds a plain number can "
         "vary\n"},
        {{"solve", loan, "Paid=1", "--for", "Rate"},
         2,
         "quillix-cli: there is no variable 'Paid'\n"},
        {{"solve", "Nothing", "Paid=1", "--for", "Rate"},
         1,
         "There is no program named 'Nothing'\n"},
    };
    const std::string before = ReadFile(loan);
    for (const Row& row : rows) {
        const CliRun run = Run(row.args);
        EXPECT_EQ(run.status, row.status) << row.args.back();
        EXPECT_EQ(run.err, row.err) << row.args.back();
        if (row.status != 0) {
            EXPECT_EQ(run.out, "") << row.args.back();
        }
    }
    EXPECT_EQ(ReadFile(loan), before);
}

TEST_F(WhatIfCli, SolvePrintsTheInputThatGivesTheTarget) {
    const std::string before = ReadFile(loan);
    CliRun run = Run({"solve", loan, "Interest=75", "--for", "Rate"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0.075\n");
    run = Run({"--json", "solve", loan, "interest=75", "--for", "principal", "--near", "-5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"found\": true, \"input\": {\"number\": \"1500", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\"text\": \"1500\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"output\": {\"number\": \"75"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"evaluations\": "), std::string::npos) << run.out;
    EXPECT_EQ(ReadFile(loan), before);
}

TEST_F(WhatIfCli, NoSolutionGivesTheReasonAndTheBestPoint) {
    const std::string payment = home.File("payment.prg");
    SavePayment(payment);
    // 1/(Rate-0.05) never reaches 0.
    CliRun run = Run({"solve", payment, "Inverse=0", "--for", "Rate"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("no solution: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(" (best Rate="), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(" gives Inverse="), std::string::npos) << run.err;
    run = Run({"--json", "solve", payment, "Inverse=0", "--for", "Rate"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("{\"found\": false, \"reason\": \"", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\"input\": {"), std::string::npos);
    EXPECT_EQ(run.err.rfind("no solution: ", 0), 0u);
}

// The equivalence through the executables: what table prints in a cell is
// what run prints for that output and input.
TEST_F(WhatIfCli, ACellIsWhatRunPrints) {
    const std::string payment = home.File("payment.prg");
    SavePayment(payment);
    std::mt19937 random(18);
    for (int i = 0; i < 6; ++i) {
        const long double rate = std::uniform_int_distribution<int>(-900, 900)(random) / 7000.0L;
        const int years = std::uniform_int_distribution<int>(1, 40)(random);
        char rateText[64];
        std::snprintf(rateText, sizeof rateText, "%.21Lg", rate);
        const std::string points = std::string(rateText) + ",0.07";
        const CliRun table = Run({"table", payment, "Rate=" + points,
                                  "Years=" + std::to_string(years) + ",5", "Payment"});
        const CliRun run = Run(
            {"run", payment, std::string("Rate=") + rateText, "Years=" + std::to_string(years)});
        ASSERT_EQ(table.status, 0) << table.err;
        const std::size_t rowStart = table.out.find('\n') + 1;
        const std::size_t cellStart = table.out.find('\t', rowStart) + 1;
        const std::string cell =
            table.out.substr(cellStart, table.out.find('\t', cellStart) - cellStart);
        EXPECT_EQ("Payment = " + cell + "\n", run.out) << rateText << " " << years;
    }
}

}  // namespace
}  // namespace quillix::test
