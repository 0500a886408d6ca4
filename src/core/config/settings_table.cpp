// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings_table.h"

#include <stdexcept>

#include "common/text_compare.h"
#include "config/calc_config.h"
#include "config/ini_values.h"

namespace quillix {

namespace {

constexpr bool TableFollowsTheEnum() {
    for (std::size_t i = 0; i < kSettingsTable.size(); ++i) {
        if (static_cast<std::size_t>(kSettingsTable[i].Setting) != i) return false;
    }
    return true;
}
static_assert(TableFollowsTheEnum(), "kSettingsTable rows must be in TSetting order");

bool IsPadSection(std::string_view section) {
    constexpr std::string_view prefix = "sb_Func";
    if (section.size() != prefix.size() + 2 ||
        !EqualsIgnoreAsciiCase(section.substr(0, prefix.size()), prefix)) {
        return false;
    }
    const char row = section[prefix.size()];
    const char column = section[prefix.size() + 1];
    return row >= '0' && row < '0' + kPadRows && column >= '0' && column < '0' + kPadColumns;
}

const TSettingDef& CheckedDef(TSetting setting, TSettingType type, bool padButton) {
    const TSettingDef& def = SettingDef(setting);
    if (def.Type != type || def.PadButton != padButton) {
        throw std::logic_error("Setting \"" + std::string(def.Key) + "\" is not read this way");
    }
    return def;
}

int TableInteger(const TSettingDef& def) {
    return ParseIniInteger(def.Default).value_or(0);
}

}  // namespace

const TSettingDef& SettingDef(TSetting setting) {
    return kSettingsTable.at(static_cast<std::size_t>(setting));
}

std::string PadSectionName(int row, int column) {
    if (row < 0 || row >= kPadRows || column < 0 || column >= kPadColumns) {
        throw std::out_of_range("No function pad button at row " + std::to_string(row) +
                                ", column " + std::to_string(column));
    }
    return "sb_Func" + std::to_string(row) + std::to_string(column);
}

bool IsSettingKey(std::string_view section, std::string_view key, TSetting setting) {
    const TSettingDef& def = SettingDef(setting);
    if (!EqualsIgnoreAsciiCase(key, def.Key)) return false;
    return def.PadButton ? IsPadSection(section) : EqualsIgnoreAsciiCase(section, def.Section);
}

bool ReadBoolSetting(const IConfigor& configor, TSetting setting) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Boolean, false);
    return configor.ReadBool(def.Section, def.Key, TableInteger(def) != 0);
}

int ReadIntegerSetting(const IConfigor& configor, TSetting setting) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Integer, false);
    return configor.ReadInteger(def.Section, def.Key, TableInteger(def));
}

std::string ReadTextSetting(const IConfigor& configor, TSetting setting) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Text, false);
    return configor.ReadString(def.Section, def.Key, def.Default);
}

int ReadIntegerPadSetting(const IConfigor& configor, TSetting setting, int row, int column) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Integer, true);
    return configor.ReadInteger(PadSectionName(row, column), def.Key, TableInteger(def));
}

std::string ReadTextPadSetting(const IConfigor& configor, TSetting setting, int row, int column) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Text, true);
    return configor.ReadString(PadSectionName(row, column), def.Key, def.Default);
}

void WriteBoolSetting(IConfigor& configor, TSetting setting, bool value) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Boolean, false);
    configor.WriteBool(def.Section, def.Key, value);
}

void WriteIntegerSetting(IConfigor& configor, TSetting setting, int value) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Integer, false);
    configor.WriteInteger(def.Section, def.Key, value);
}

void WriteTextSetting(IConfigor& configor, TSetting setting, std::string_view value) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Text, false);
    configor.WriteString(def.Section, def.Key, value);
}

namespace {

int ReadPlacementKey(const TCalcConfig& config, TSetting setting, int current) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Integer, false);
    return config.ReadInteger(def.Section, def.Key, current);
}

void WritePlacementKey(TCalcConfig& config, TSetting setting, int value) {
    const TSettingDef& def = CheckedDef(setting, TSettingType::Integer, false);
    config.WriteInteger(def.Section, def.Key, value);
}

}  // namespace

TMainPlacement ReadMainPlacement(const TCalcConfig& config, const TMainPlacement& current) {
    TMainPlacement placement;
    placement.Rect.Left = ReadPlacementKey(config, TSetting::MainLeft, current.Rect.Left);
    placement.Rect.Top = ReadPlacementKey(config, TSetting::MainTop, current.Rect.Top);
    placement.Rect.Width = ReadPlacementKey(config, TSetting::MainWidth, current.Rect.Width);
    placement.Rect.Height = ReadPlacementKey(config, TSetting::MainHeight, current.Rect.Height);
    placement.Maximized =
        ReadPlacementKey(config, TSetting::MainMaximized, current.Maximized ? 1 : 0) != 0;
    return placement;
}

void WriteMainPlacement(TCalcConfig& config, const TMainPlacement& placement) {
    WritePlacementKey(config, TSetting::MainMaximized, placement.Maximized ? 1 : 0);
    WritePlacementKey(config, TSetting::MainLeft, placement.Rect.Left);
    WritePlacementKey(config, TSetting::MainTop, placement.Rect.Top);
    WritePlacementKey(config, TSetting::MainWidth, placement.Rect.Width);
    WritePlacementKey(config, TSetting::MainHeight, placement.Rect.Height);
}

}  // namespace quillix
