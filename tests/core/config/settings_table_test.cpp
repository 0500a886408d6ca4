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

TEST(SettingsTable, PadSectionsAndExactKeyRecognition) {
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
        {"keypad", "inputmode", TSetting::KeypadInputMode, false},
        {"Main", "InputMode", TSetting::KeypadInputMode, false},
        {"sb_Func12", "FuncID", TSetting::PadFuncID, true},
        {"sb_Func35", "FuncID", TSetting::PadFuncID, false},
        {"sb_Func40", "FuncID", TSetting::PadFuncID, false},
        {"sb_Func1", "FuncID", TSetting::PadFuncID, false},
        {"SB_FUNC12", "FuncID", TSetting::PadFuncID, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(IsSettingKey(row.section, row.key, row.setting), row.recognised)
            << row.section << "/" << row.key;
    }
}

}  // namespace
}  // namespace quillix::test
