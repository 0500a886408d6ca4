// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test helpers that drive quillix-cli as a separate process: run it with given
// arguments and capture standard output, standard error and the exit status;
// and the fixture of the command-line tests, which gives each test a fresh home.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace quillix::test {

struct CliRun {
    int status = -1;  // the exit status; 128 + signal number when killed by a signal
    std::string out;
    std::string err;
};

// Runs program with args (no shell involved), standard input from /dev/null;
// environment adds "NAME=VALUE" settings to the test's own.
CliRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& environment = {});

// Runs the quillix-cli under test (QUILLIX_CLI_PATH).
CliRun RunCli(const std::vector<std::string>& args);

// The name of the settings file in a home.
inline constexpr const char* kSettingsFile = "appmain.ini";

class CliTest : public ::testing::Test {
  protected:
    // Runs quillix-cli on the test's home: "--home HOME" goes before args.
    CliRun Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--home", home.Path()});
        return RunCli(args);
    }
    // The settings file of the home, as the test lays it out and as it is left.
    void WriteSettings(const std::string& text) const { home.Write(kSettingsFile, text); }
    std::string SettingsText() const { return home.Read(kSettingsFile); }
    // Builds the loan program from keys and saves it as file: Interest =
    // Principal * Rate (1000 and 0.05), Principal and Rate its inputs.
    void SaveLoan(const std::string& file) const {
        const CliRun run = Run({"keys",
                                "1",
                                "0",
                                "0",
                                "0",
                                "V+:Principal",
                                "0",
                                ".",
                                "0",
                                "5",
                                "V+:Rate",
                                "V:Principal",
                                "*",
                                "V:Rate",
                                "=",
                                "V+:Interest",
                                "Input:Principal",
                                "Input:Rate",
                                "Output:Interest",
                                "--save",
                                file});
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.out, "50\nInterest\n");
    }

    TempFolder home;
};

}  // namespace quillix::test
