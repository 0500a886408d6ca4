// SPDX-License-Identifier: GPL-3.0-or-later
// When the settings reach the disk: an announced write (the options dialog's
// OK, a menu) at once, a batch once at its end, the placement at the next
// save; a save that fails is told once a run; a file that was mostly binary
// is kept aside before it is rewritten.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/folder_lock.h"
#include "config/calc_config.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

class SettingsSaving : public ::testing::Test {
  protected:
    TempFolder folder;
    const std::string path = SettingsFilePath(folder.Path());
};

TEST_F(SettingsSaving, AnAnnouncedWriteIsOnDiskAtOnceAndADirectOneAtTheNextSave) {
    TCalcConfig config(path);
    config.WriteInteger("Main", "Left", 40);  // placement: direct, unannounced
    EXPECT_FALSE(FileExists(path));
    config.Configor().WriteInteger("Main", "ValueDigits", 5);
    // A crash now (kill -9) keeps the confirmed setting, and what waited with it.
    EXPECT_EQ(ReadFile(path), "[Main]\nLeft=40\nValueDigits=5\n");
    EXPECT_FALSE(config.Modified());
}

TEST_F(SettingsSaving, ABatchIsSavedOnceWhenTheOutermostBatchEnds) {
    TCalcConfig config(path);
    {
        const TSettingsBatch outer(&config.Configor());
        config.Configor().WriteBool("Main", "AlwaysOnTop", true);
        {
            const TSettingsBatch inner(&config.Configor());
            config.Configor().WriteString("Keypad", "QuickVarNames", "a,b");
        }
        EXPECT_FALSE(FileExists(path));
    }
    EXPECT_EQ(ReadFile(path), "[Main]\nAlwaysOnTop=1\n\n[Keypad]\nQuickVarNames=a,b\n");
    const TSettingsBatch none(nullptr);  // no settings: nothing to do
}

TEST_F(SettingsSaving, TwoInstancesSavingInTurnKeepEachOthersChanges) {
    TCalcConfig first(path);
    TCalcConfig second(path);
    first.Configor().WriteInteger("Main", "ValueDigits", 3);
    second.Configor().WriteInteger("Keypad", "InputMode", 1);
    first.Configor().WriteBool("Main", "AutoSaveParam", false);
    EXPECT_EQ(ReadFile(path), "[Main]\nValueDigits=3\nAutoSaveParam=0\n\n[Keypad]\nInputMode=1\n");
}

TEST_F(SettingsSaving, ASaveWaitsForAnotherProcessHoldingTheFolder) {
    TCalcConfig config(path);
    {
        const TFolderLock other(folder.Path());
        ASSERT_TRUE(other.Held());
        EXPECT_FALSE(TFolderLock(folder.Path(), 30).Held());
    }
    config.Configor().WriteInteger("Main", "ValueDigits", 7);
    EXPECT_EQ(ReadFile(path), "[Main]\nValueDigits=7\n");
}

TEST_F(SettingsSaving, AFailedSaveIsToldOnceARunAndKeepsTheChanges) {
    std::filesystem::create_directory(path);  // a folder where the file should be
    std::vector<std::string> told;
    ::testing::internal::CaptureStderr();
    {
        TCalcConfig config(path);
        config.SetFailureReporter([&told](const std::string& message) { told.push_back(message); });
        config.Configor().WriteInteger("Main", "ValueDigits", 3);
        config.Configor().WriteBool("Main", "AlwaysOnTop", true);
        EXPECT_FALSE(config.Flush());
        EXPECT_TRUE(config.Modified());
        EXPECT_EQ(config.ReadInteger("Main", "ValueDigits", 0), 3);
        config.SetFailureReporter({});
    }
    ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told.front(), "The settings were not saved: Cannot read \"" + path +
                                "\": Is a directory; it was left unchanged");
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(SettingsSaving, AMostlyBinaryFileIsKeptAsideBeforeItIsRewritten) {
    const std::string garbage(
        "\x7F"
        "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\n[Main]\nLeft=3\n\xFF\xFE",
        32);
    WriteFile(path, garbage);
    TCalcConfig config(path);
    config.Configor().WriteInteger("Main", "ValueDigits", 4);
    EXPECT_EQ(ReadFile(path + ".bad"), garbage);
    EXPECT_EQ(ReadFile(path), "[Main]\nLeft=3\nValueDigits=4\n");
}

TEST_F(SettingsSaving, AFileOfTextIsNotKeptAside) {
    WriteFile(path, "[Main]\nSkin=caf\xC3\xA9.skn\n");
    TCalcConfig config(path);
    config.Configor().WriteInteger("Main", "ValueDigits", 4);
    EXPECT_FALSE(FileExists(path + ".bad"));
}

}  // namespace
}  // namespace quillix::test
