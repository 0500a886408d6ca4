// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "config/calc_config.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

// A check mark and the dialog that shows the same setting read one default.
TEST(SettingsTable, TheParameterAndHintSettingsAreOnWhenAbsent) {
    TempFolder folder;
    TCalcConfig config(SettingsFilePath(folder.Path()));
    const IConfigor& configor = config.Configor();
    EXPECT_TRUE(ReadBoolSetting(configor, TSetting::MainAutoSaveParam));
    EXPECT_TRUE(ReadBoolSetting(configor, TSetting::MainShowKeypadHint));
    config.WriteBool("Main", "AutoSaveParam", false);
    config.WriteBool("Main", "ShowKeypadHint", false);
    EXPECT_FALSE(ReadBoolSetting(configor, TSetting::MainAutoSaveParam));
    EXPECT_FALSE(ReadBoolSetting(configor, TSetting::MainShowKeypadHint));
}

TEST(SettingsTable, TypedReadsUseTheTableDefaults) {
    TempFolder folder;
    TCalcConfig config(SettingsFilePath(folder.Path()));
    const IConfigor& configor = config.Configor();
    EXPECT_EQ(ReadIntegerSetting(configor, TSetting::KeypadInputMode), kInputModeAlg);
    EXPECT_EQ(ReadIntegerSetting(configor, TSetting::MainValueDigits), 2);
    EXPECT_EQ(ReadIntegerSetting(configor, TSetting::MainLeft), 258);
    EXPECT_EQ(ReadTextSetting(configor, TSetting::MainSkin), "office2007_Remix.skn");
    EXPECT_FALSE(ReadBoolSetting(configor, TSetting::OnlineCheckUpgrade));
    // The keypad's keys stay the keyboard's default; the last program opens at start.
    EXPECT_FALSE(ReadBoolSetting(configor, TSetting::KeypadTypedFormulas));
    EXPECT_TRUE(ReadBoolSetting(configor, TSetting::MainOpenLastProgram));
    EXPECT_EQ(ReadIntegerPadSetting(configor, TSetting::PadFontColor, 3, 4), 16711680);
    EXPECT_EQ(ReadTextPadSetting(configor, TSetting::PadAlias, 0, 0), "");

    config.WriteString("sb_Func34", "FontColor", "$FF");
    config.WriteString("Keypad", "InputMode", "junk");
    EXPECT_EQ(ReadIntegerPadSetting(configor, TSetting::PadFontColor, 3, 4), 255);
    EXPECT_EQ(ReadIntegerSetting(configor, TSetting::KeypadInputMode), kInputModeAlg);
}

TEST(SettingsTable, ReadsOfTheWrongKindAreProgrammingErrors) {
    TempFolder folder;
    TCalcConfig config(SettingsFilePath(folder.Path()));
    const IConfigor& configor = config.Configor();
    EXPECT_THROW(ReadBoolSetting(configor, TSetting::MainSkin), std::logic_error);
    EXPECT_THROW(ReadIntegerSetting(configor, TSetting::MainSkin), std::logic_error);
    EXPECT_THROW(ReadIntegerSetting(configor, TSetting::PadFuncID), std::logic_error);
    EXPECT_THROW(ReadIntegerPadSetting(configor, TSetting::PadFuncID, 4, 0), std::out_of_range);
}

TEST(SettingsTable, PadSectionsAndKeysInAnyLetterCase) {
    EXPECT_EQ(PadSectionName(0, 0), "sb_Func00");
    EXPECT_EQ(PadSectionName(3, 4), "sb_Func34");
    EXPECT_THROW(PadSectionName(0, 5), std::out_of_range);
    EXPECT_THROW(PadSectionName(-1, 0), std::out_of_range);

    struct Row {
        const char* section;
        const char* key;
        TSetting setting;
        bool recognised;
    };
    const Row rows[] = {
        {"Keypad", "InputMode", TSetting::KeypadInputMode, true},
        {"keypad", "inputmode", TSetting::KeypadInputMode, true},
        {"main", "alwaysontop", TSetting::MainAlwaysOnTop, true},
        {"Main", "AlwaysOnTo", TSetting::MainAlwaysOnTop, false},
        {"Main", "InputMode", TSetting::KeypadInputMode, false},
        {"sb_Func12", "FuncID", TSetting::PadFuncID, true},
        {"sb_Func35", "FuncID", TSetting::PadFuncID, false},
        {"sb_Func40", "FuncID", TSetting::PadFuncID, false},
        {"sb_Func1", "FuncID", TSetting::PadFuncID, false},
        {"SB_FUNC12", "funcid", TSetting::PadFuncID, true},
        {"sb_Fun12", "FuncID", TSetting::PadFuncID, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(IsSettingKey(row.section, row.key, row.setting), row.recognised)
            << row.section << "/" << row.key;
    }
}

// Writers go by the row of the table and are announced; placement is written
// on the settings object and read back with the window's own values where
// the file has none.
TEST(SettingsTable, WritersAndThePlacement) {
    TempFolder folder;
    TCalcConfig config(SettingsFilePath(folder.Path()));
    IConfigor& configor = config.Configor();
    WriteBoolSetting(configor, TSetting::MainAlwaysOnTop, true);
    WriteIntegerSetting(configor, TSetting::KeypadInputMode, kInputModeRpn);
    WriteTextSetting(configor, TSetting::MainSkin, "Plain.skn");
    EXPECT_EQ(config.ReadString("Main", "AlwaysOnTop", ""), "1");
    EXPECT_EQ(config.ReadString("Keypad", "InputMode", ""), "1");
    EXPECT_EQ(config.ReadString("Main", "Skin", ""), "Plain.skn");
    EXPECT_THROW(WriteBoolSetting(configor, TSetting::MainSkin, true), std::logic_error);

    const TMainPlacement current{{10, 20, 600, 400}, false};
    EXPECT_EQ(ReadMainPlacement(config, current).Rect, current.Rect);
    config.WriteString("Main", "Width", "wide");
    config.WriteInteger("Main", "Left", 300);
    const TMainPlacement read = ReadMainPlacement(config, current);
    EXPECT_EQ(read.Rect, (TScreenRect{300, 20, 600, 400}));
    EXPECT_FALSE(read.Maximized);
    WriteMainPlacement(config, {{1, 2, 3, 4}, true});
    const TMainPlacement written = ReadMainPlacement(config, current);
    EXPECT_EQ(written.Rect, (TScreenRect{1, 2, 3, 4}));
    EXPECT_TRUE(written.Maximized);
}

}  // namespace
}  // namespace quillix::test
