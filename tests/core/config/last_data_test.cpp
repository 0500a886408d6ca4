// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/last_data.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "config/config_errors.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(LastData, AbsentKeysAndAMissingFileReadAsFalse) {
    TempFolder folder;
    long double number = 7;
    std::string text = "kept";
    EXPECT_FALSE(ReadLastNumber(folder.Path(), "Func_PMT", "Rate", number));
    EXPECT_FALSE(ReadLastText(folder.Path(), "Func_PMT", "Rate", text));
    EXPECT_EQ(number, 7);
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(FileExists(LastDataFilePath(folder.Path())));
}

TEST(LastData, NumbersAreWrittenWithFifteenDigitsAndReadBack) {
    struct Row {
        long double number;
        const char* text;
    };
    const Row rows[] = {
        {0.05L, "0.05"},   {1.0L / 3, "0.333333333333333"},
        {-2500, "-2500"},  {1e20L, "1E20"},
        {1e-5L, "1E-5"},   {0, "0"},
        {1e400L, "1E400"}, {HUGE_VALL, "INF"},
    };
    TempFolder folder;
    for (const Row& row : rows) {
        WriteLastNumber(folder.Path(), "Func_PMT", "Rate", row.number);
        std::string stored;
        ASSERT_TRUE(ReadLastText(folder.Path(), "func_pmt", "RATE", stored));
        EXPECT_EQ(stored, row.text);
        long double back = -1;
        ASSERT_TRUE(ReadLastNumber(folder.Path(), "Func_PMT", "Rate", back));
        EXPECT_EQ(back, std::stold(row.text == std::string("INF") ? "inf" : row.text));
    }
}

TEST(LastData, TextThatIsNotANumberIsAConversionError) {
    TempFolder folder;
    WriteFile(LastDataFilePath(folder.Path()), "[Func_PMT]\nRate=abc\nEmpty=\nBlank= 5 \n");
    long double number = 0;
    try {
        ReadLastNumber(folder.Path(), "Func_PMT", "Rate", number);
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_THROW(ReadLastNumber(folder.Path(), "Func_PMT", "Empty", number), EConvertError);
    EXPECT_TRUE(ReadLastNumber(folder.Path(), "Func_PMT", "Blank", number));
    EXPECT_EQ(number, 5);
}

TEST(LastData, WritesKeepTheRestOfTheFileAndSkipUnchangedValues) {
    TempFolder folder;
    const std::string path = LastDataFilePath(folder.Path());
    WriteFile(path, "[Func_SUM]\nList=\"1,234.5\",2\n[Func_PMT]\nRate=0.1\n");
    WriteLastText(folder.Path(), "Func_SUM", "List", "3,4");
    WriteLastNumber(folder.Path(), "Func_NPV", "Rate", 0.07L);
    EXPECT_EQ(ReadFile(path),
              "[Func_SUM]\nList=3,4\n\n[Func_PMT]\nRate=0.1\n\n[Func_NPV]\nRate=0.07\n");

    const auto before = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, before - std::chrono::hours(1));
    WriteLastNumber(folder.Path(), "Func_PMT", "Rate", 0.1L);  // unchanged: not rewritten
    EXPECT_EQ(std::filesystem::last_write_time(path), before - std::chrono::hours(1));
}

TEST(LastData, WriteFailuresAreClearErrorsThatLoseNothing) {
    TempFolder folder;
    WriteFile(folder.File("plain"), "x");
    const std::string fileAsFolder = folder.File("plain");
    EXPECT_THROW(WriteLastNumber(fileAsFolder, "Func_PMT", "Rate", 1), EConfigFileError);

    const std::string unreadable = LastDataFilePath(folder.Path());
    std::filesystem::create_directory(unreadable);
    EXPECT_THROW(WriteLastText(folder.Path(), "Func_PMT", "Rate", "1"), EConfigFileError);
    EXPECT_TRUE(std::filesystem::is_directory(unreadable));
    std::string text;
    EXPECT_FALSE(ReadLastText(folder.Path(), "Func_PMT", "Rate", text));
}

}  // namespace
}  // namespace quillix::test
