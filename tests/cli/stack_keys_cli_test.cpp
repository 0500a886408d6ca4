// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli keys in Stack-style RPN: the words for the stack keys, the
// --rpn-style option and the home's "RPNStyle" setting.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

using StackKeysCli = CliTest;

TEST_F(StackKeysCli, TheStackWordsAndTheStyleOption) {
    struct Row {
        std::vector<std::string> args;  // after "keys"
        const char* out;
    };
    const Row rows[] = {
        {{"--rpn-style", "stack", "3", "Enter", "Enter", "+"}, "6\n3+3\n"},
        {{"--rpn-style", "classic", "3", "Enter", "Enter", "+"}, "3\n3\n"},
        {{"--rpn-style", "Stack", "1", "Enter", "2", "swap", "-"}, "1\n2-1\n"},
        {{"--rpn-style", "stack", "1", "Enter", "2", "Enter", "3", "roll"}, "2\n2\n"},
        {{"--rpn-style", "stack", "9", "Sqrt", "lastx", "+"}, "12\nSqrt(9)+9\n"},
        {{"--rpn-style", "stack", "1", "Enter", "2", "x\u2194y", "R\u2193", "Drop", "LastX"},
         "0\n0\n"},
        // The option may stand among the keys; it holds for the whole run.
        {{"2", "Enter", "--rpn-style", "stack", "Enter", "+"}, "4\n2+2\n"},
        // Without the option the home decides, ALG by default: the words change nothing.
        {{"2", "+", "3", "swap", "="}, "5\n2+3\n"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args{"keys"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        std::string trace;
        for (const std::string& arg : args)
            trace += arg + " ";
        SCOPED_TRACE(trace);
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(StackKeysCli, TheHomeSettingChoosesTheStyleAndStaysAsItWas) {
    struct Row {
        const char* settings;
        const char* style;
        const char* display;
    };
    const Row rows[] = {
        {"[Keypad]\nInputMode=1\nRPNStyle=Stack\n", "Stack", "6"},
        {"[Keypad]\nInputMode=1\nRPNStyle=stack\n", "Stack", "6"},
        {"[Keypad]\nInputMode=1\nRPNStyle=HP\n", "Classic", "3"},
        {"[Keypad]\nInputMode=2\nRPNStyle=Stack\n", "Stack", "3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        WriteSettings(row.settings);
        const CliRun run = Run({"--json", "keys", "3", "Enter", "Enter", "+"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("\"style\": \"" + std::string(row.style) + "\""), std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find("\"display\": \"" + std::string(row.display) + "\""),
                  std::string::npos)
            << run.out;
        EXPECT_EQ(SettingsText(), row.settings);
    }
    // The option wins over the setting, and starts in RPN.
    WriteSettings("[Keypad]\nInputMode=2\nRPNStyle=Stack\n");
    EXPECT_EQ(Run({"keys", "--rpn-style", "classic", "3", "Enter", "Enter", "+"}).out, "3\n3\n");
}

TEST_F(StackKeysCli, AStyleThatIsNoneIsAUsageError) {
    struct Row {
        std::vector<std::string> args;
        const char* err;
    };
    const Row rows[] = {
        {{"keys", "--rpn-style", "hp", "1"}, "--rpn-style takes classic or stack, not 'hp'\n"},
        {{"keys", "1", "--rpn-style"}, "--rpn-style needs classic or stack\n"},
        {{"keys", "Swap"}, "unknown key 'Swap'\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.err);
        const CliRun run = Run(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.err);
    }
}

}  // namespace
}  // namespace quillix::test
