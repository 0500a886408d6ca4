// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/recent_programs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config/calc_config.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

using List = std::vector<std::string>;

class RecentProgramsTest : public ::testing::Test {
  protected:
    TempFolder home;
    std::unique_ptr<TCalcConfig> settings;

    void Open(const std::string& fileText = "") {
        settings.reset();
        if (!fileText.empty()) WriteFile(SettingsFilePath(home.Path()), fileText);
        settings = std::make_unique<TCalcConfig>(SettingsFilePath(home.Path()));
    }
    void SetUp() override { Open(); }
    List Recent() const { return RecentPrograms(settings->Configor()); }
    void Remember(const List& names) {
        for (const std::string& name : names)
            RememberRecentProgram(settings->Configor(), name);
    }
};

TEST_F(RecentProgramsTest, MostRecentFirstWithoutRepeatsAndAtMostEight) {
    struct Row {
        const char* what;
        List remembered;
        List listed;
    };
    const Row rows[] = {
        {"in order", {"A", "B", "C"}, {"C", "B", "A"}},
        {"a repeat moves up", {"A", "B", "A"}, {"A", "B"}},
        {"names compare as program names", {"Loan", "B", " LOAN "}, {"LOAN", "B"}},
        {"the oldest go",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
         {"10", "9", "8", "7", "6", "5", "4", "3"}},
        {"blank names are no programs", {"A", "", "  "}, {"A"}},
        // The settings file cannot hold a line break: the list stays as it was.
        {"a line break", {"A", "two\nlines", "cr\rname"}, {"A"}},
        {"commas, quotes and blanks",
         {"Loan, 2", "Say \"hi\"", "R&D"},
         {"R&D", "Say \"hi\"", "Loan, 2"}},
    };
    for (const Row& row : rows) {
        Open();
        settings->EraseSection("Main");
        Remember(row.remembered);
        ASSERT_TRUE(settings->Flush());
        Open();
        EXPECT_EQ(Recent(), row.listed) << row.what;
    }
}

TEST_F(RecentProgramsTest, AHandEditedListReadsCleaned) {
    Open("[Main]\nRecentPrograms=a,,A, b ,\"\",c,d,e,f,g,h,i,j\n");
    EXPECT_EQ(Recent(), (List{"a", "b", "c", "d", "e", "f", "g", "h"}));
    RememberRecentProgram(settings->Configor(), "z");
    EXPECT_EQ(Recent(), (List{"z", "a", "b", "c", "d", "e", "f", "g"}));
}

TEST_F(RecentProgramsTest, AProgramThatHasGoneIsForgotten) {
    Remember({"A", "B", "C"});
    EXPECT_TRUE(ForgetRecentProgram(settings->Configor(), " b "));
    EXPECT_EQ(Recent(), (List{"C", "A"}));
    EXPECT_FALSE(ForgetRecentProgram(settings->Configor(), "B"));
    EXPECT_EQ(Recent(), (List{"C", "A"}));
}

TEST(RecentProgramCaption, NumberedWithAnAccessKeyAndAmpersandsShown) {
    EXPECT_EQ(RecentProgramCaption(0, "Loan"), "&1 Loan");
    EXPECT_EQ(RecentProgramCaption(7, "R&D & co"), "&8 R&&D && co");
}

}  // namespace
}  // namespace quillix::test
