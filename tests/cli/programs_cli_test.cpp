// SPDX-License-Identifier: GPL-3.0-or-later
// The program document through the executable: a program built from keys is
// saved, shown, run with new inputs, and used as a function.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

class ProgramsCli : public CliTest {};

TEST_F(ProgramsCli, AProgramBuiltFromKeysRunsWithNewInputs) {
    home.MakeDir("UserPrograms/Finance");
    SaveLoan(home.File("UserPrograms/Finance/Loan.prg"));
    CliRun run = Run({"run", "loan", "2000", "rate=0.1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Interest = 200\n");
    run = Run({"--json", "run", home.File("UserPrograms/Finance/Loan.prg"), "Principal=10"});
    EXPECT_EQ(
        run.out,
        "{\"outputs\": [{\"name\": \"Interest\", \"value\": {\"number\": \"0.5\", \"kind\": 0, "
        "\"text\": \"0.5\", \"formula\": \"Principal*Rate\"}}]}\n");
    // The inputs keep their stored numbers when no value is given.
    EXPECT_EQ(Run({"--fixed", "2", "run", "Loan"}).out, "Interest = 50.00\n");
}

TEST_F(ProgramsCli, RunRefusesWhatItCannotBind) {
    SaveLoan(home.File("loan.prg"));
    EXPECT_EQ(Run({"run", home.File("loan.prg"), "Years=3"}).status, 2);
    EXPECT_EQ(Run({"run", home.File("loan.prg"), "1", "2", "3"}).status, 2);
    EXPECT_EQ(Run({"run", home.File("loan.prg"), "abc"}).status, 2);
    const CliRun missing = Run({"run", "Nothing"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "There is no program named 'Nothing'\n");
    EXPECT_TRUE(missing.out.empty());
    home.Write("broken.prg", "<Vars><ValueWarper");
    const CliRun broken = Run({"run", home.File("broken.prg")});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("Invalid XML"), std::string::npos) << broken.err;
}

TEST_F(ProgramsCli, ShowPrintsTheSourceView) {
    SaveLoan(home.File("loan.prg"));
    const CliRun show = Run({"show", home.File("loan.prg")});
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_EQ(show.out,
              "\n\n[Input]:\nPrincipal=1000;(1000)\n[Input]:\nRate=0.05;(0.05)\n"
              "[Output]:\nInterest=Principal*Rate;(50)\n");
}

TEST_F(ProgramsCli, AProgramFileOpensAsTheDocumentOfKeys) {
    SaveLoan(home.File("loan.prg"));
    // Recall a stored variable, replace another, and read the document back.
    CliRun run =
        Run({"--json", "keys", "--program", home.File("loan.prg"), "2", "V=:Rate", "V:Interest"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"display\": \"2,000\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("{\"name\": \"Rate\", \"type\": 1, \"value\": {\"number\": \"2\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"expression\": \"Interest\""), std::string::npos);
    // A replacement that would break the order of the variables changes nothing.
    run = Run({"keys", "--program", home.File("loan.prg"), "V:Interest", "V=:Principal"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "50\nInterest\n");
}

TEST_F(ProgramsCli, VariableKeysReportWhatTheyCannotDo) {
    CliRun run = Run({"keys", "1", "V+:A", "2", "V+:a"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("'a'"), std::string::npos) << run.err;
    run = Run({"keys", "V:Nothing"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "There is no variable named 'Nothing'\n");
    EXPECT_EQ(Run({"keys", "--save"}).status, 2);
    EXPECT_EQ(Run({"keys", "1", "--save", home.File("missing/dir/x.prg")}).status, 1);
    EXPECT_FALSE(home.Exists("missing"));
}

TEST_F(ProgramsCli, UserFunctionsAreCalledLikeBuiltIns) {
    // f(a, b) = a - b with the stored b = 3.
    home.MakeDir("UserFunctions");
    const CliRun build =
        Run({"keys", "1", "0", "V+:a", "3", "V+:b", "V:a", "-", "V:b", "=", "V+:r", "Input:a",
             "Input:b", "Output:r", "--save", home.File("UserFunctions/Diff.fn")});
    ASSERT_EQ(build.status, 0) << build.err;
    EXPECT_EQ(Run({"call", "diff", "10", "4"}).out, "6\n");
    EXPECT_EQ(Run({"call", " DIFF ", "10"}).out, "7\n");
    EXPECT_EQ(Run({"call", "Diff", "10", "4", "99"}).out, "6\n");
    const CliRun json = Run({"--json", "call", "Diff", "1", "2"});
    EXPECT_EQ(json.out,
              "{\"number\": \"-1\", \"kind\": 0, \"text\": \"-1\", \"formula\": \"Diff(1,2)\"}\n");
    EXPECT_EQ(Run({"run", home.File("UserFunctions/Diff.fn"), "10", "4"}).out, "r = 6\n");
    EXPECT_EQ(Run({"call", "Nothing", "1"}).status, 2);
    EXPECT_EQ(Run({"call", "Diff", "x"}).status, 2);
}

}  // namespace
}  // namespace quillix::test
