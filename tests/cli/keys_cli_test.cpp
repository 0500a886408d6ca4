// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli keys, driven through the executable: the keys, the starting mode
// from the home's settings, the JSON form and the failures.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

class KeysCli : public CliTest {
  protected:
    CliRun Keys(const std::string& keys, bool json = false) {
        std::vector<std::string> args{"keys"};
        std::istringstream tokens(keys);
        for (std::string token; tokens >> token;)
            args.push_back(token);
        if (json) args.insert(args.begin(), "--json");
        return Run(args);
    }
};

TEST_F(KeysCli, PrintsTheDisplayAndTheExpression) {
    struct Row {
        const char* keys;
        const char* out;
    };
    const Row rows[] = {
        {"", "0\n0\n"},
        {"2 + 3 * 4 =", "20\n(2+3)*4\n"},
        {"2 * ( 3 + 4 ) =", "14\n2*(3+4)\n"},
        {"1 2 3 4 5 6 7", "1,234,567\n1,234,567\n"},
        {"1 . 5 e 3 +/-", "1.5E-3\n1.5E-3\n"},
        {"2 00 + 1 0 % =", "220\n200+200*10%\n"},
        {"5 + +/- 3 =", "3\n3\n"},
        {"9 Sqrt", "3\nSqrt(9)\n"},
        {"5 Not", "0\nNot(5)\n"},
        {"4 1/x", "0.25\nRecip(4)\n"},
        {"7 Mod 3 =", "1\n7 Mod 3\n"},
        {"3 < 4 And 1 =", "1\n(3<4) And 1\n"},
        {"paste:-1,234.5", "-1,234.5\n-1,234.5\n"},
        {"2 + paste:3 =", "5\n2+3\n"},
        {"1 0 0 0 BS BS", "10\n10\n"},
        {"2 * ( 3 + C", "0\n0\n"},
        {"1 / 0 =", "Floating point division by zero\n1/0\n"},
        {"RPN 3 Enter 4 + 5 *", "35\n(3+4)*5\n"},
        {"RPN 1 0 0 Enter 1 0 % +", "110\n100+100*10%\n"},
        {"1 2 RPN 3 ALG + 1 =", "124\n123+1\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        const CliRun run = Keys(row.keys);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(KeysCli, JsonShowsWhatTheKeypadAndTheMemoryViewShow) {
    EXPECT_EQ(Keys("2 * ( 3 + 4", true).out,
              "{\"display\": \"4\", \"expression\": \"4\", \"mode\": \"ALG\", "
              "\"style\": \"Classic\", \"counter\": \"(=1\", \"entering\": true, "
              "\"x\": {\"number\": \"4\", \"kind\": 0, \"text\": \"4\", \"formula\": \"4\"}, "
              "\"pending\": \"+\", \"ops\": [\"*\"], \"stack\": ["
              "{\"number\": \"3\", \"kind\": 0, \"text\": \"3\", \"formula\": \"3\"}, "
              "{\"number\": \"2\", \"kind\": 0, \"text\": \"2\", \"formula\": \"2\"}], "
              "\"variables\": []}\n");
    EXPECT_EQ(Keys("RPN 1 2 3 4 Enter 2 Enter 3 +", true).out,
              "{\"display\": \"5\", \"expression\": \"2+3\", \"mode\": \"RPN\", "
              "\"style\": \"Classic\", \"counter\": \"M=1\", \"entering\": false, "
              "\"x\": {\"number\": \"5\", \"kind\": 0, \"text\": \"5\", \"formula\": \"2+3\"}, "
              "\"pending\": \"\", \"ops\": [], \"stack\": ["
              "{\"number\": \"1234\", \"kind\": 0, \"text\": \"1234\", \"formula\": \"1234\"}], "
              "\"variables\": []}\n");
}

// A name and a formula with a quote and a backslash stay valid JSON strings; a
// name with a control character is refused.
TEST_F(KeysCli, JsonEscapesNamesAndFormulas) {
    const std::string name = "a\"b\\cd";
    CliRun run = Run({"--json", "keys", "2", "V+:" + name, "V:" + name, "*", "3", "="});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string escaped = R"(a\"b\\cd)";
    EXPECT_NE(run.out.find("\"expression\": \"" + escaped + "*3\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("{\"name\": \"" + escaped + "\""), std::string::npos) << run.out;
    run = Run({"--json", "keys", "2",
               "V+:a\x01"
               "b"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "The variable name 'a\\x01b' contains a control character\n");
}

TEST_F(KeysCli, TodayInsertsTheFunctionAsADate) {
    const CliRun run = Keys("Today", true);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\"expression\": \"Today()\""), std::string::npos);
    EXPECT_NE(run.out.find("\"kind\": 1"), std::string::npos);
    EXPECT_NE(run.out.find("\"display\": \"["), std::string::npos);
    // A day later, as a date.
    const CliRun later = Keys("Today + 1 =", true);
    EXPECT_NE(later.out.find("\"expression\": \"Today()+1\""), std::string::npos);
    EXPECT_NE(later.out.find("\"kind\": 1"), std::string::npos);
}

TEST_F(KeysCli, StartsInTheModeOfTheSettingsAndLeavesThemAlone) {
    struct Row {
        const char* settings;  // nullptr: no settings file
        const char* mode;
    };
    const Row rows[] = {
        {nullptr, "ALG"},
        {"[Keypad]\nInputMode=2\n", "ALG"},
        {"[Keypad]\nInputMode=1\n", "RPN"},
        {"[Keypad]\nInputMode=7\n", "RPN"},
        {"[Keypad]\nInputMode=0\n", "RPN"},
        {"[Keypad]\nInputMode=fast\n", "ALG"},
        {"[Main]\nValueFormat=0\n", "ALG"},
        {"garbage\n[Keypad\nInputMode=1\n", "ALG"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings ? row.settings : "no file");
        std::filesystem::remove(home.File(kSettingsFile));
        if (row.settings) WriteSettings(row.settings);
        const CliRun run = Keys("3 Enter 4 + ALG RPN", true);
        EXPECT_EQ(run.status, 0);
        const bool rpn = std::string(row.mode) == "RPN";
        EXPECT_NE(run.out.find(rpn ? "\"display\": \"7\"" : "\"display\": \"4\""),
                  std::string::npos);
        EXPECT_NE(run.out.find("\"mode\": \"RPN\""), std::string::npos);  // the last key
        if (row.settings)
            EXPECT_EQ(SettingsText(), row.settings);
        else
            EXPECT_FALSE(home.Exists(kSettingsFile));
    }
}

TEST_F(KeysCli, TheModeKeysHoldForThisRunOnly) {
    WriteSettings("[Keypad]\nInputMode=2\n");
    EXPECT_EQ(Keys("RPN").status, 0);
    EXPECT_EQ(SettingsText(), "[Keypad]\nInputMode=2\n");
    EXPECT_NE(Keys("", true).out.find("\"mode\": \"ALG\""), std::string::npos);
}

TEST_F(KeysCli, UnknownTokensStopTheRunBeforeAnyKey) {
    const char* cases[] = {"foo", "sqrt", "Hypot", "V", "V*:A", "1 e 9 9 9 9 Mod2", "Paste:1"};
    for (const char* keys : cases) {
        SCOPED_TRACE(keys);
        const CliRun run = Keys(keys);
        std::istringstream tokens(keys);
        std::string last;
        for (std::string token; tokens >> token;)
            last = token;
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "unknown key '" + last + "'\n");
    }
}

TEST_F(KeysCli, AFailingKeyGivesItsMessage) {
    const CliRun run = Keys("1 e 9 9 9 9 + 1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "'1e+9999' is not a valid floating point value\n");
    const CliRun paste = Run({"keys", "2", "+", "paste:1" + std::string(5000, '0')});
    EXPECT_EQ(paste.status, 1);
    EXPECT_EQ(paste.out, "");
    EXPECT_NE(paste.err.find("is not a valid floating point value"), std::string::npos);
}

TEST_F(KeysCli, FollowsTheDisplayFormat) {
    EXPECT_EQ(Run({"--fixed", "2", "keys", "2", "/", "3", "="}).out.substr(0, 5), "0.67\n");
    WriteSettings("[Main]\nValueFormat=2\nValueDigits=3\n");
    EXPECT_EQ(Keys("2 / 3 =").out.substr(0, 6), "0.667\n");
}

}  // namespace
}  // namespace quillix::test
