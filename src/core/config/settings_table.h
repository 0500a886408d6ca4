// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of every key of "appmain.ini": section, key, type and default, in
// one place. Handlers recognise a changed key with IsSettingKey, which ignores
// letter case as the settings file does, so a key written as "alwaysontop" is
// the same key to every window. Every reader of a key reads it with the one
// default of the table, so a check mark and the dialog that shows the same
// setting never disagree; every writer writes it by its row of the table.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/drop_down_placement.h"
#include "config/configor.h"

namespace quillix {

class TCalcConfig;

enum class TSettingType { Boolean, Integer, Text };

enum class TSetting {
    MainLeft,
    MainTop,
    MainWidth,
    MainHeight,
    MainMaximized,
    MainSkin,
    MainAlwaysOnTop,
    MainAutoSaveParam,
    MainShowKeypadHint,
    MainValueFormat,
    MainValueDigits,
    MainAutoRun,
    KeypadInputMode,
    KeypadQuickVarNames,
    KeypadRPNStyle,
    MainKeepTape,
    MainShowTape,
    OnlineCheckUpgrade,
    OnlineUpgradeUrl,
    MainLibraryFileFolder,
    // The keys of the function pad's sections "sb_Func00" to "sb_Func34".
    PadItemType,
    PadFuncID,
    PadFuncName,
    PadAlias,
    PadFontColor,
    // Typed characters go to the formula field instead of the keypad's keys.
    KeypadTypedFormulas,
    MainOpenLastProgram,
    MainRecentPrograms,
    MainVarsColumnWidths,
};

struct TSettingDef {
    TSetting Setting;
    std::string_view Section;  // for the function pad: the prefix "sb_Func"
    std::string_view Key;
    TSettingType Type;
    std::string_view Default;  // as the file writes it
    bool PadButton;            // the section is PadSectionName(row, column)
};

// "Main"/"Left" and "Top" default to the window's current position, whose design
// value is given; "Width" and "Height" default to its current size, here 0: the
// window applies a stored size only when both are greater than 0.
inline constexpr std::array<TSettingDef, 29> kSettingsTable = {{
    {TSetting::MainLeft, "Main", "Left", TSettingType::Integer, "258", false},
    {TSetting::MainTop, "Main", "Top", TSettingType::Integer, "193", false},
    {TSetting::MainWidth, "Main", "Width", TSettingType::Integer, "0", false},
    {TSetting::MainHeight, "Main", "Height", TSettingType::Integer, "0", false},
    {TSetting::MainMaximized, "Main", "Maximized", TSettingType::Integer, "0", false},
    {TSetting::MainSkin, "Main", "Skin", TSettingType::Text, "office2007_Remix.skn", false},
    {TSetting::MainAlwaysOnTop, "Main", "AlwaysOnTop", TSettingType::Boolean, "0", false},
    {TSetting::MainAutoSaveParam, "Main", "AutoSaveParam", TSettingType::Boolean, "1", false},
    {TSetting::MainShowKeypadHint, "Main", "ShowKeypadHint", TSettingType::Boolean, "1", false},
    {TSetting::MainValueFormat, "Main", "ValueFormat", TSettingType::Integer, "0", false},
    {TSetting::MainValueDigits, "Main", "ValueDigits", TSettingType::Integer, "2", false},
    {TSetting::MainAutoRun, "Main", "AutoRun", TSettingType::Boolean, "0", false},
    {TSetting::KeypadInputMode, "Keypad", "InputMode", TSettingType::Integer, "2", false},
    {TSetting::KeypadQuickVarNames, "Keypad", "QuickVarNames", TSettingType::Text, "", false},
    // How RPN works: "Classic" or "Stack" (see engine/rpn_style.h).
    {TSetting::KeypadRPNStyle, "Keypad", "RPNStyle", TSettingType::Text, "Classic", false},
    // The calculation tape is kept in the home folder between runs; its panel is shown.
    {TSetting::MainKeepTape, "Main", "KeepTape", TSettingType::Boolean, "1", false},
    {TSetting::MainShowTape, "Main", "ShowTape", TSettingType::Boolean, "0", false},
    {TSetting::OnlineCheckUpgrade, "Online", "CheckUpgrade", TSettingType::Boolean, "0", false},
    {TSetting::OnlineUpgradeUrl, "Online", "UpgradeUrl", TSettingType::Text, "", false},
    // The folder the library manager's Import and Export choosers last used.
    {TSetting::MainLibraryFileFolder, "Main", "LibraryFileFolder", TSettingType::Text, "", false},
    {TSetting::PadItemType, "sb_Func", "ItemType", TSettingType::Integer, "0", true},
    {TSetting::PadFuncID, "sb_Func", "FuncID", TSettingType::Integer, "0", true},
    {TSetting::PadFuncName, "sb_Func", "FuncName", TSettingType::Text, "", true},
    {TSetting::PadAlias, "sb_Func", "Alias", TSettingType::Text, "", true},
    {TSetting::PadFontColor, "sb_Func", "FontColor", TSettingType::Integer, "16711680", true},
    {TSetting::KeypadTypedFormulas, "Keypad", "TypedFormulas", TSettingType::Boolean, "0", false},
    // At start, the program the recent list names first is opened again.
    {TSetting::MainOpenLastProgram, "Main", "OpenLastProgram", TSettingType::Boolean, "1", false},
    // The recent programs as comma text, the most recent first (recent_programs.h).
    {TSetting::MainRecentPrograms, "Main", "RecentPrograms", TSettingType::Text, "", false},
    // The variables list's column widths in pixels as comma text (column_widths.h).
    {TSetting::MainVarsColumnWidths, "Main", "VarsColumnWidths", TSettingType::Text, "", false},
}};

inline constexpr int kPadRows = 4;
inline constexpr int kPadColumns = 5;
inline constexpr int kInputModeRpn = 1;
inline constexpr int kInputModeAlg = 2;

const TSettingDef& SettingDef(TSetting setting);

// "sb_Func" followed by the row digit (0..3) and the column digit (0..4);
// std::out_of_range outside the pad.
std::string PadSectionName(int row, int column);

// True when section and key are those of the setting, in any letter case (for
// the function pad, any of its twenty sections).
bool IsSettingKey(std::string_view section, std::string_view key, TSetting setting);

// Reads a setting of the table with its default. The type must match the table
// and the setting must not be a pad one (for the pad use the ...PadSetting
// forms); otherwise std::logic_error.
bool ReadBoolSetting(const IConfigor& configor, TSetting setting);
int ReadIntegerSetting(const IConfigor& configor, TSetting setting);
std::string ReadTextSetting(const IConfigor& configor, TSetting setting);
int ReadIntegerPadSetting(const IConfigor& configor, TSetting setting, int row, int column);
std::string ReadTextPadSetting(const IConfigor& configor, TSetting setting, int row, int column);

// Writes a setting of the table through the interface (announced), with the
// same checks as the readers.
void WriteBoolSetting(IConfigor& configor, TSetting setting, bool value);
void WriteIntegerSetting(IConfigor& configor, TSetting setting, int value);
void WriteTextSetting(IConfigor& configor, TSetting setting, std::string_view value);

// The main window's placement ("Main"/"Left", "Top", "Width", "Height",
// "Maximized"), read and written on the settings object itself: placement is
// kept without announcement. A key that is absent or no integer keeps the
// value of current, the window as it is.
struct TMainPlacement {
    TScreenRect Rect;
    bool Maximized = false;
};
TMainPlacement ReadMainPlacement(const TCalcConfig& config, const TMainPlacement& current);
void WriteMainPlacement(TCalcConfig& config, const TMainPlacement& placement);

}  // namespace quillix
