// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/value_format_settings.h"

#include "config/configor.h"
#include "config/ini_values.h"
#include "config/settings_table.h"

namespace quillix {

namespace {

int ReadSettingInteger(const IConfigor& settings, TSetting setting) {
    const TSettingDef& def = SettingDef(setting);
    return settings.ReadInteger(def.Section, def.Key, ParseIniInteger(def.Default).value_or(0));
}

}  // namespace

TValueFormatRecord ReadValueFormat(const IConfigor& settings) {
    TValueFormatRecord record;
    const int format = ReadSettingInteger(settings, TSetting::MainValueFormat);
    record.ValueFormat = format == kGeneralFormat ? kGeneralFormat : kFixedFormat;
    record.ValueDigits = ClampValueDigits(ReadSettingInteger(settings, TSetting::MainValueDigits));
    return record;
}

}  // namespace quillix
