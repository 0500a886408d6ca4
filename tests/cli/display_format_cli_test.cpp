// SPDX-License-Identifier: GPL-3.0-or-later
// The display format of a quillix-cli run: --fixed, or the home's settings,
// which are only read. Driven through the executable.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace quillix::test {
namespace {

class DisplayFormatCli : public CliTest {
  protected:
    std::string Out(std::vector<std::string> args) {
        const CliRun run = Run(std::move(args));
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
};

TEST_F(DisplayFormatCli, FixedOptionSetsTheDecimals) {
    struct Row {
        std::vector<std::string> args;
        const char* out;
    };
    const Row rows[] = {
        {{"call", "Sqrt", "2"}, "1.41421356237309505\n"},
        {{"--fixed", "2", "call", "Sqrt", "2"}, "1.41\n"},
        {{"--fixed", "0", "call", "Sqrt", "2"}, "1\n"},
        {{"--fixed", "5", "call", "Hypot", "3", "4"}, "5.00000\n"},
        // In fixed format every number is taken at the displayed decimals (halves to even).
        {{"--fixed", "1", "call", "Sum", "[1.25,1.25]"}, "2.4\n"},
        {{"call", "Sum", "[1.25,1.25]"}, "2.5\n"},
        {{"--fixed", "2", "call", "Sqrt", "1e40"}, "1E20\n"},
        {{"--fixed", "2", "convert", "1", "Miles", "Kilometers"}, "1.61\n"},
        {{"--fixed", "0", "convert", "1.4", "Feet", "Inches"}, "12\n"},
        {{"convert", "1.4", "Feet", "Inches"}, "16.8\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.args));
        EXPECT_EQ(Out(row.args), row.out);
    }
    // Dates and errors show no decimals (an error, on stderr, is a failure).
    const std::string today = Out({"--fixed", "2", "call", "Today"});
    EXPECT_EQ(today.find('.'), std::string::npos) << today;
    const CliRun error = Run({"--fixed", "2", "call", "Sqrt", "-1"});
    EXPECT_EQ(error.status, 1);
    EXPECT_EQ(error.err, "Invalid floating point operation\n");
}

TEST_F(DisplayFormatCli, JsonKeepsTheStoredNumberAndShowsTheFormat) {
    EXPECT_EQ(Out({"--json", "--fixed", "2", "call", "Sqrt", "2"}),
              "{\"number\": \"1.41421356237309504876\", \"kind\": 0, \"text\": \"1.41\", "
              "\"formula\": \"Sqrt(2.00)\"}\n");
    EXPECT_EQ(Out({"--json", "--fixed", "1", "call", "Sum", "[1.04,1.04]"}),
              "{\"number\": \"2\", \"kind\": 0, \"text\": \"2.0\", \"formula\": "
              "\"Sum([1.0,1.0])\"}\n");
    char number[64];
    std::snprintf(number, sizeof number, "%.21Lg", 1.609344L);
    EXPECT_EQ(Out({"--json", "--fixed", "2", "convert", "1", "Miles", "Kilometers"}),
              std::string("{\"number\": \"") + number +
                  "\", \"kind\": 0, \"text\": \"1.61\", \"formula\": \"1.61\"}\n");
}

TEST_F(DisplayFormatCli, TheHomesSettingsApplyAndReadSensibly) {
    struct Row {
        const char* settings;
        const char* sqrt2;
    };
    const Row rows[] = {
        {"[Main]\nValueFormat=2\nValueDigits=3\n", "1.414\n"},
        {"[Main]\nValueFormat=2\n", "1.41\n"},                 // ValueDigits defaults to 2
        {"[Main]\nValueDigits=5\n", "1.41421356237309505\n"},  // general format
        {"[main]\nvalueformat = 2 \nVALUEDIGITS=4\n", "1.4142\n"},
        {"[Main]\nValueFormat=2\nValueDigits=99\n", "1.414213562373094920\n"},  // clamped to 18
        {"[Main]\nValueFormat=2\nValueDigits=-4\n", "1\n"},                     // clamped to 0
        {"[Main]\nValueFormat=2\nValueDigits=abc\n", "1.41\n"},
        {"[Main]\nValueFormat=2\nValueDigits=99999999999999999999\n", "1.41\n"},
        {"[Main]\nValueFormat=abc\nValueDigits=3\n", "1.41421356237309505\n"},
        {"[Main]\nValueFormat=1\nValueDigits=3\n", "1.414\n"},  // any other format is fixed
        {"[Main]\nValueFormat=0x2\nValueDigits=$3\n", "1.414\n"},
        {"[Main]\nValueFormat=256\nValueDigits=1\n", "1.4\n"},
        {"[Other]\nValueFormat=2\n", "1.41421356237309505\n"},
        {"\x01\x02garbage without sections\n\xff\xfe", "1.41421356237309505\n"},
        {"", "1.41421356237309505\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.settings);
        WriteSettings(row.settings);
        EXPECT_EQ(Out({"call", "Sqrt", "2"}), row.sqrt2);
        // Read only: the file stays exactly as it was written.
        EXPECT_EQ(SettingsText(), row.settings);
    }
}

TEST_F(DisplayFormatCli, GeneralFormatTakesTheExponentDigitsFromTheSettings) {
    WriteSettings("[Main]\nValueFormat=0\nValueDigits=3\n");
    EXPECT_EQ(Out({"call", "Sqrt", "1e-20"}), "1E-010\n");
    WriteSettings("[Main]\nValueDigits=7\n");  // more than 4: no padding
    EXPECT_EQ(Out({"call", "Sqrt", "1e-20"}), "1E-10\n");
    std::filesystem::remove(home.File(kSettingsFile));
    EXPECT_EQ(Out({"call", "Sqrt", "1e-20"}), "1E-10\n");
}

TEST_F(DisplayFormatCli, TheOptionWinsOverTheSettings) {
    WriteSettings("[Main]\nValueFormat=2\nValueDigits=3\n");
    EXPECT_EQ(Out({"--fixed", "1", "call", "Sqrt", "2"}), "1.4\n");
    EXPECT_EQ(Out({"--fixed", "1", "convert", "1", "Miles", "Kilometers"}), "1.6\n");
    EXPECT_EQ(Out({"convert", "1", "Miles", "Kilometers"}), "1.609\n");
    EXPECT_EQ(SettingsText(), "[Main]\nValueFormat=2\nValueDigits=3\n");
}

TEST_F(DisplayFormatCli, NothingIsCreatedAndAnUnreadableFileGivesTheDefaults) {
    EXPECT_EQ(Out({"call", "Sqrt", "2"}), "1.41421356237309505\n");
    EXPECT_FALSE(home.Exists(kSettingsFile));
    const std::string missing = home.File("not-there");
    const CliRun run = RunCli({"--home", missing, "--fixed", "2", "call", "Sqrt", "2"});
    EXPECT_EQ(run.out, "1.41\n");
    EXPECT_FALSE(std::filesystem::exists(missing));
    std::filesystem::create_directory(home.File(kSettingsFile));
    EXPECT_EQ(Out({"call", "Sqrt", "2"}), "1.41421356237309505\n");
    EXPECT_TRUE(std::filesystem::is_directory(home.File(kSettingsFile)));
}

TEST_F(DisplayFormatCli, BadFixedOptionIsAUsageError) {
    for (const char* digits : {"19", "-1", "x", "", "1.5", "007"}) {
        SCOPED_TRACE(digits);
        const CliRun run = Run({"--fixed", digits, "call", "Sqrt", "2"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

}  // namespace
}  // namespace quillix::test

namespace quillix::test {
namespace {

// Without a user locale a date shows with its four-digit year.
TEST_F(DisplayFormatCli, DatesWithoutALocaleShowTheIsoForm) {
    const char* old = std::getenv("LC_ALL");
    const std::string saved = old ? old : "";
    for (const char* locale : {"C", "C.UTF-8"}) {
        SCOPED_TRACE(locale);
        ::setenv("LC_ALL", locale, 1);
        const CliRun run = Run({"keys", "Today"});
        if (old)
            ::setenv("LC_ALL", saved.c_str(), 1);
        else
            ::unsetenv("LC_ALL");
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string date = run.out.substr(0, run.out.find('\n'));
        ASSERT_EQ(date.size(), 12u) << date;
        EXPECT_EQ(date[0], '[');
        EXPECT_EQ(date[5], '-');
        EXPECT_EQ(date[8], '-');
        EXPECT_EQ(date[11], ']');
    }
}

}  // namespace
}  // namespace quillix::test
