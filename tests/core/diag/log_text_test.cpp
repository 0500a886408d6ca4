// SPDX-License-Identifier: GPL-3.0-or-later
#include "diag/log_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "diag/system_facts.h"

namespace quillix {
namespace {

TEST(LogText, PatternsTakeTheirValuesInOrder) {
    EXPECT_EQ(FormatLogPattern("HHHelpContext(\"%s\", %d, \"%s\", %d)", {"a.chm", 1000, "", 0}),
              "HHHelpContext(\"a.chm\", 1000, \"\", 0)");
    EXPECT_EQ(FormatLogPattern("%d%%", {50}), "50%");
    EXPECT_EQ(FormatLogPattern("%s and %s", {"one"}), "one and %s");  // no value: kept
    EXPECT_EQ(FormatLogPattern("%x %s", {"v"}), "%x v");
    EXPECT_EQ(FormatLogPattern("%s", {"%d"}), "%d");  // values are not read again
    EXPECT_EQ(FormatLogPattern("50%", {}), "50%");
    EXPECT_EQ(FormatLogPattern("trailing %", {1}), "trailing %");
    EXPECT_EQ(FormatLogPattern("%d", {-7LL}), "-7");
}

TEST(LogText, LineFormatRulesAndMarks) {
    struct Row {
        const char* text;
        std::string line;
    };
    const Row rows[] = {
        {"-", std::string(79, '-')},
        {"=", std::string(79, '=')},
        {"--", "-"},
        {"!", ""},
        {"!Log File", "Log File"},
        {"", "09:00:00   "},
        {" -x", "09:00:00    -x"},
        {"text", "09:00:00   text"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatLogLine(row.text, "09:00:00"), row.line) << row.text;
    EXPECT_EQ(FormatLogLine("text", ""), "text");
}

TEST(SystemFacts, KernelReleaseAndLocaleParts) {
    struct Row {
        const char* release;
        int major, minor, build;
    };
    const Row rows[] = {
        {"6.1.0-18-amd64", 6, 1, 0},
        {"5.15.153.1-microsoft-standard-WSL2", 5, 15, 153},
        {"4.19", 4, 19, 0},
        {"", 0, 0, 0},
        {"garbage", 0, 0, 0},
        {"99999999999999999999.1", 999999999, 1, 0} /* stops growing, no overflow */,
    };
    for (const Row& row : rows) {
        int major = -1, minor = -1, build = -1;
        ParseKernelRelease(row.release, major, minor, build);
        EXPECT_EQ(major, row.major) << row.release;
        EXPECT_EQ(minor, row.minor) << row.release;
        EXPECT_EQ(build, row.build) << row.release;
    }
    EXPECT_EQ(LocaleLanguage("pt_BR.UTF-8@euro"), "pt");
    EXPECT_EQ(LocaleTerritory("pt_BR.UTF-8@euro"), "BR");
    EXPECT_EQ(LocaleLanguage("C"), "C");
    EXPECT_EQ(LocaleTerritory("C.UTF-8"), "");
}

std::map<std::string, std::string> fakeEnvironment;
const char* FakeLookup(const char* name) {
    const auto found = fakeEnvironment.find(name);
    return found == fakeEnvironment.end() ? nullptr : found->second.c_str();
}

TEST(SystemFacts, LocaleComesFromLcAllThenLcMessagesThenLang) {
    struct Row {
        std::map<std::string, std::string> environment;
        const char* name;
        const char* source;
    };
    const Row rows[] = {
        {{{"LC_ALL", "fr_FR.UTF-8"}, {"LANG", "en_US.UTF-8"}}, "fr_FR.UTF-8", "LC_ALL"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "de_DE"}, {"LANG", "en_US"}}, "de_DE", "LC_MESSAGES"},
        {{{"LANG", "en_GB.UTF-8"}}, "en_GB.UTF-8", "LANG"},
        {{}, "C", "default"},
    };
    for (const Row& row : rows) {
        fakeEnvironment = row.environment;
        std::string name, source;
        LocaleFromEnvironment(&FakeLookup, name, source);
        EXPECT_EQ(name, row.name);
        EXPECT_EQ(source, row.source);
    }
}

TEST(SystemFacts, TheRealMachineIsDescribed) {
    const TSystemFacts facts = GatherSystemFacts();
    EXPECT_EQ(facts.OsName, "Linux");
    EXPECT_GT(facts.OsMajor, 2);
    EXPECT_FALSE(facts.OsDetails.empty());
    EXPECT_NE(facts.ExePath.find("test_diag"), std::string::npos) << facts.ExePath;
}

}  // namespace
}  // namespace quillix
