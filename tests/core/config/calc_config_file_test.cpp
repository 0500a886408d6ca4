// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: read at start, written whole at the end of a run that
// changed something, without losing what another process wrote meanwhile.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/calc_config.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

// A fresh folder and the path of its settings file.
class CalcConfigFile : public ::testing::Test {
  protected:
    TempFolder folder;
    const std::string path = SettingsFilePath(folder.Path());
};

TEST_F(CalcConfigFile, AMissingFileGivesTheDefaultsAndAReadOnlyRunWritesNothing) {
    {
        TCalcConfig config(path);
        EXPECT_EQ(config.ReadInteger("Keypad", "InputMode", 2), 2);
        EXPECT_EQ(config.ReadString("Main", "Skin", "office2007_Remix.skn"),
                  "office2007_Remix.skn");
    }
    EXPECT_FALSE(FileExists(path));
    {
        TCalcConfig config(path);
        config.WriteString("Main", "Skin", "office2007_Remix.skn");  // the default, yet new
    }
    EXPECT_EQ(ReadFile(path), "[Main]\nSkin=office2007_Remix.skn\n");
}

TEST_F(CalcConfigFile, WritingTheSameValueChangesNothing) {
    WriteFile(path, "[Main]\nLeft=10\nMaximized=0\n");
    TCalcConfig config(path);
    config.WriteInteger("Main", "Left", 10);
    config.Configor().WriteBool("main", "MAXIMIZED", false);
    EXPECT_FALSE(config.Modified());
    config.WriteInteger("Main", "Left", 11);
    EXPECT_TRUE(config.Modified());
}

TEST_F(CalcConfigFile, TheFileIsWrittenWholeInFirstReadOrder) {
    WriteFile(path, "\xEF\xBB\xBF[Main]\r\nLeft=10\r\nTop=20\r\n[Keypad]\r\nInputMode=$1\r\n");
    {
        TCalcConfig config(path);
        EXPECT_EQ(config.ReadInteger("Keypad", "InputMode", 2), 1);
        config.WriteBool("Online", "CheckUpgrade", true);
        config.WriteInteger("main", "top", 25);
        std::string error;
        EXPECT_TRUE(config.Flush(&error)) << error;
        EXPECT_FALSE(config.Modified());
    }
    EXPECT_EQ(ReadFile(path),
              "[Main]\nLeft=10\nTop=25\n\n[Keypad]\nInputMode=$1\n\n[Online]\nCheckUpgrade=1\n");
}

TEST_F(CalcConfigFile, ARunThatOnlyReadsLeavesWhatAnotherProcessWrote) {
    WriteFile(path, "[Main]\nSkin=old.skn\n");
    {
        TCalcConfig reader(path);  // an early process that only reads
        EXPECT_EQ(reader.ReadString("Main", "Skin", ""), "old.skn");
        {
            TCalcConfig writer(path);  // a later process that changes the skin and ends
            writer.WriteString("Main", "Skin", "new.skn");
        }
        EXPECT_EQ(reader.ReadString("Main", "Skin", ""), "old.skn");
    }
    EXPECT_EQ(ReadFile(path), "[Main]\nSkin=new.skn\n");
}

TEST_F(CalcConfigFile, TwoRunsChangingDifferentKeysKeepBoth) {
    WriteFile(path, "[Main]\nLeft=1\nTop=2\n[sb_Func00]\nItemType=1\nFuncID=7\nAlias=sin\n");
    {
        TCalcConfig first(path);
        first.WriteInteger("Main", "Left", 100);
        first.EraseSection("sb_Func00");  // the pad button is rebuilt with one key
        first.WriteInteger("sb_Func00", "ItemType", 2);
        {
            TCalcConfig second(path);
            second.WriteInteger("Main", "Top", 200);
            second.WriteString("Keypad", "QuickVarNames", "a,b");
        }
    }
    EXPECT_EQ(ReadFile(path),
              "[Main]\nLeft=100\nTop=200\n\n[sb_Func00]\nItemType=2\n\n"
              "[Keypad]\nQuickVarNames=a,b\n");
}

TEST_F(CalcConfigFile, AFileThatCannotBeWrittenIsReportedOnceAndKeepsTheChanges) {
    WriteFile(folder.File("plain"), "x");
    const std::string inFile = folder.File("plain") + "/appmain.ini";  // parent is a file
    ::testing::internal::CaptureStderr();
    {
        TCalcConfig config(inFile);
        config.WriteInteger("Main", "Left", 5);
        std::string error;
        EXPECT_FALSE(config.Flush(&error));
        EXPECT_NE(error.find("appmain.ini"), std::string::npos) << error;
        EXPECT_FALSE(config.Flush());
        EXPECT_TRUE(config.Modified());
        EXPECT_EQ(config.ReadInteger("Main", "Left", 0), 5);
    }  // the destructor tries once more, silently
    const std::string reported = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(reported.find("appmain.ini"), reported.rfind("appmain.ini")) << reported;
    EXPECT_NE(reported.find("The settings were not saved"), std::string::npos) << reported;
}

TEST_F(CalcConfigFile, AReadOnlyFolderLosesNothingOnDisk) {
    WriteFile(path, "[Main]\nLeft=1\n");
    ::chmod(folder.Path().c_str(), 0500);
    ::testing::internal::CaptureStderr();
    {
        TCalcConfig config(path);
        config.WriteInteger("Main", "Left", 2);
    }
    EXPECT_FALSE(::testing::internal::GetCapturedStderr().empty());
    ::chmod(folder.Path().c_str(), 0700);
    EXPECT_EQ(ReadFile(path), "[Main]\nLeft=1\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(CalcConfigFile, AFileThatCannotBeReadIsNeverOverwritten) {
    std::filesystem::create_directory(path);  // unreadable as a file, even for root
    ::testing::internal::CaptureStderr();
    {
        TCalcConfig config(path);
        EXPECT_EQ(config.ReadInteger("Keypad", "InputMode", 2), 2);
        config.WriteInteger("Keypad", "InputMode", 1);
        EXPECT_FALSE(config.Flush());
    }
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("Cannot read"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace quillix::test
