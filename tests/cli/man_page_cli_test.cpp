// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page of quillix-cli says everything --help says, for the version
// that is built: a change to the help that the page does not follow fails here.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/man_page_text.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

using ::testing::IsEmpty;

TEST(CliManPage, SaysEveryPhraseOfTheHelp) {
    const CliRun help = RunCli({"--help"});
    ASSERT_EQ(help.status, 0) << help.err;
    ASSERT_GE(HelpPhrases(help.out).size(), 15u) << help.out;  // options and subcommands
    EXPECT_THAT(PhrasesTheManPageLacks(ReadFile(QUILLIX_CLI_MAN_PAGE), help.out), IsEmpty());
}

TEST(CliManPage, NamesTheVersionOfTheProgram) {
    const CliRun version = RunCli({"--version"});
    ASSERT_EQ(version.status, 0);
    const std::string page = ReadFile(QUILLIX_CLI_MAN_PAGE);
    EXPECT_NE(page.find("\"Quillix " QUILLIX_VERSION "\""), std::string::npos);
    EXPECT_EQ(version.out, "quillix-cli " QUILLIX_VERSION "\n");
}

// The reader the test relies on: what a reader of the page sees.
TEST(CliManPage, PlainTextReadsMacrosAndEscapes) {
    struct Row {
        const char* source;
        const char* text;
    };
    const Row rows[] = {
        {".BI \\-\\-home \" DIR\"\nthe folder.\n", "--home DIR the folder. "},
        {".BR \\-\\-help \", \" \\-h\n", "--help, -h "},
        {"\\fBrun\\fR \\fIPROGRAM\\fR [\\fINAME\\fB=\\fIVALUE\\fR]\n", "run PROGRAM [NAME=VALUE] "},
        {".\\\" a comment\n.TP\n.B 0\nSuccess.\n", "0 Success. "},
        {".SH EXIT STATUS\n\\(aqa*b\\(aq  \\e\n", "EXIT STATUS 'a*b' \\ "},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ManPagePlainText(row.source), row.text) << row.source;
    const std::vector<std::string> phrases =
        HelpPhrases("usage: x [--a]\n\noptions:\n  --a N    the a\n  run FILE\n");
    EXPECT_EQ(phrases, (std::vector<std::string>{"usage: x [--a]", "--a N", "the a", "run FILE"}));
}

}  // namespace
}  // namespace quillix::test
