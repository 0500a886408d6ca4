// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli with results a script must not take for numbers, arguments that
// start with "-", and hostile program files: an error value exits 1, "--" ends
// the options, output lines cannot be forged, JSON stays valid UTF-8, and a
// FIFO in the library is refused without a wait.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/fifo_watch.h"

namespace quillix::test {
namespace {

class HostileCli : public CliTest {
  protected:
    // A program file of one output entry; name and description go in as written.
    std::string WriteProgram(const std::string& file, const std::string& name,
                             const std::string& description = "",
                             const std::string& tree = "") const {
        home.Write(file, R"(<Vars Description=")" + description +
                             R"("><ValueWarper Type="2" Description="">)" + R"(<CalcValue Name=")" +
                             name + R"(" Value="1" IsNamed="True" CVType="0">)" + tree +
                             "</CalcValue></ValueWarper></Vars>");
        return home.File(file);
    }
};

TEST_F(HostileCli, AnErrorValueIsAFailureForCallAndEval) {
    struct Row {
        std::vector<std::string> args;
        const char* message;
        const char* json;  // the VALUE still printed with --json
    };
    const Row rows[] = {
        {{"eval", "1/0"},
         "Floating point division by zero",
         R"j({"number": "0", "kind": 2, "text": "Floating point division by zero", "formula": "1/0"})j"},
        {{"call", "Sqrt", "-1"},
         "Invalid floating point operation",
         R"j({"number": "0", "kind": 2, "text": "Invalid floating point operation", "formula": "Sqrt(-1)"})j"},
        {{"call", "Ln", "0"}, "Floating point division by zero", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.back());
        CliRun run = Run(row.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string(row.message) + "\n");
        std::vector<std::string> json = row.args;
        json.insert(json.begin(), "--json");
        run = Run(json);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, std::string(row.message) + "\n");
        if (row.json) {
            EXPECT_EQ(run.out, std::string(row.json) + "\n");
        }
    }
}

TEST_F(HostileCli, RunPrintsEveryOutputAndFailsWhenOneIsAnError) {
    const std::string loan = home.File("loan.prg");
    SaveLoan(loan);
    ASSERT_EQ(
        Run({"eval", "--program", loan, "--set", "Ratio", "--save", loan, "Principal/Rate"}).status,
        0);
    ASSERT_EQ(Run({"keys", "--program", loan, "Output:Ratio", "--save", loan}).status, 0);
    CliRun run = Run({"run", loan, "1000", "0.05"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Interest = 50\nRatio = 20000\n");
    run = Run({"run", loan, "1000", "0"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Interest = 0\nRatio = Floating point division by zero\n");
    // keys reports the keypad's state, whatever X holds.
    run = Run({"keys", "1", "/", "0", "="});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "Floating point division by zero");
}

TEST_F(HostileCli, DoubleDashEndsTheOptions) {
    struct Row {
        std::vector<std::string> args;
        const char* out;
    };
    const Row rows[] = {
        {{"eval", "--", "-1"}, "-1\n"},
        {{"eval", "--", "--1"}, "1\n"},
        {{"--json", "--", "eval", "2"},
         "{\"number\": \"2\", \"kind\": 0, \"text\": \"2\", \"formula\": \"2\"}\n"},
        {{"call", "Abs", "--", "-4"}, "4\n"},
        {{"convert", "--", "-40", "Celsius", "Fahrenheit"}, "-40\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.back());
        const CliRun run = Run(row.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, row.out);
    }
    EXPECT_NE(Run({"--help"}).out.find("--           the end of the options"), std::string::npos);
}

TEST_F(HostileCli, ANameCannotForgeAnOutputLine) {
    const std::string forged = WriteProgram("forged.prg", "Interest = 5&#10;Forged");
    CliRun run = Run({"run", forged});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(
        run.err,
        "Entry 1: The variable name 'Interest = 5\\x0AForged' contains a control character\n");
    const std::string cut = WriteProgram("cut.prg", "a&#0;b");
    run = Run({"run", cut});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("character reference to NUL"), std::string::npos) << run.err;
    run = Run({"eval", "--set", "a\nb", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "quillix-cli: --set: The variable name 'a\\x0Ab' contains a control character\n");
    // A description is shown on its one line, whatever it holds.
    const std::string described = WriteProgram("described.prg", "X", "first%0D%0A[Output]:forged");
    run = Run({"show", described});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "first\\x0D\\x0A[Output]:forged");
}

TEST_F(HostileCli, JsonIsValidUtf8WithControlCharactersEscaped) {
    const std::string tree =
        "<Operate ClassName=\"TCalcOperateUserProgram\" PrgName=\"Lo\xFF"
        "an\" ResName=\"R\xC2\x85&#7;\"/>";
    const std::string file = WriteProgram("odd.prg", "Out", "", tree);
    const CliRun run = Run({"--json", "keys", "--program", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"formula\": \"Lo\xEF\xBF\xBD"
                           "an('R\\u0085\\u0007')\""),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find('\xFF'), std::string::npos);
}

TEST_F(HostileCli, AFifoInTheLibraryIsRefusedWithoutAWait) {
    home.MakeDir("UserPrograms");
    const TFifoWatch fifo(home.File("UserPrograms/loan.prg"));
    ASSERT_TRUE(fifo.Made());
    for (const char* command : {"run", "show"}) {
        const CliRun run = Run({command, "loan"});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "Cannot read \"" + fifo.Path() + "\": Not a regular file\n") << command;
    }
}

}  // namespace
}  // namespace quillix::test
