// SPDX-License-Identifier: GPL-3.0-or-later
// What quillix-cli writes, and how a write that cannot happen reaches the
// user: --save through a symbolic link replaces the file the link leads to, a
// read-only file is not replaced, and with the disk failing (a preloaded
// library makes write, fsync or rename fail) the command says why and exits
// 1, the old file whole and no temporary file left.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

class FileWritesCli : public CliTest {
  protected:
    // A program with one more variable, saved over file.
    CliRun SaveTwice(const std::string& file, const std::vector<std::string>& environment = {}) {
        std::vector<std::string> args{"--home",   home.Path(), "keys", "2",
                                      "V+:Twice", "--save",    file};
        return RunProgram(QUILLIX_CLI_PATH, args, environment);
    }
};

TEST_F(FileWritesCli, SaveThroughALinkReplacesTheFileItLeadsTo) {
    home.MakeDir("library");
    SaveLoan(home.File("library/loan.prg"));
    ASSERT_EQ(::symlink("library/loan.prg", home.File("loan.prg").c_str()), 0);
    const CliRun run = SaveTwice(home.File("loan.prg"));
    ASSERT_EQ(run.status, 0) << run.err;
    struct stat info {};
    ASSERT_EQ(::lstat(home.File("loan.prg").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_NE(home.Read("library/loan.prg").find("Twice"), std::string::npos);
}

TEST_F(FileWritesCli, AReadOnlyFileIsNotReplaced) {
    SaveLoan(home.File("loan.prg"));
    const std::string old = home.Read("loan.prg");
    ASSERT_EQ(::chmod(home.File("loan.prg").c_str(), 0444), 0);
    const CliRun run = SaveTwice(home.File("loan.prg"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Cannot write \"" + home.File("loan.prg") + "\": the file is read-only\n");
    EXPECT_EQ(home.Read("loan.prg"), old);
}

TEST_F(FileWritesCli, AFailingDiskIsReportedAndLosesNothing) {
    struct Row {
        const char* fault;
        const char* reason;
    };
    const Row rows[] = {
        {"QUILLIX_FAIL_WRITE=1", "No space left on device"},
        {"QUILLIX_FAIL_FSYNC=1", "Input/output error"},
        {"QUILLIX_FAIL_RENAME=1", "Read-only file system"},
    };
    SaveLoan(home.File("loan.prg"));
    const std::string old = home.Read("loan.prg");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        // The sanitizers' runtime need not come first when the library is preloaded.
        const CliRun run =
            SaveTwice(home.File("loan.prg"),
                      {std::string("LD_PRELOAD=") + QUILLIX_WRITE_FAULT_SHIM, row.fault,
                       "ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "Cannot write \"" + home.File("loan.prg") + "\": " + row.reason + "\n");
        EXPECT_EQ(home.Read("loan.prg"), old);
        EXPECT_EQ(home.Listing(), std::vector<std::string>{"loan.prg"});
    }
}

// The custom units file is rewritten in normal form when it is read; when that
// write fails, the conversion is still shown and the command fails.
TEST_F(FileWritesCli, AUnitsFileThatCannotBeRewrittenFailsTheCommand) {
    const std::string units =
        "[CustomTypes]\nLeagues=Distance\n[CustomFactors]\nLeagues=4.828032e3\n";
    home.Write("unitconv.ini", units);
    const CliRun run =
        RunProgram(QUILLIX_CLI_PATH, {"--home", home.Path(), "convert", "1", "Leagues", "Meters"},
                   {std::string("LD_PRELOAD=") + QUILLIX_WRITE_FAULT_SHIM, "QUILLIX_FAIL_RENAME=1",
                    "ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "4828.032\n");
    EXPECT_EQ(run.err,
              "Cannot write \"" + home.File("unitconv.ini") + "\": Read-only file system\n");
    EXPECT_EQ(home.Read("unitconv.ini"), units);
}

}  // namespace
}  // namespace quillix::test
