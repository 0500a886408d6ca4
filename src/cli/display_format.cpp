#include "display_format.h"

#include <algorithm>
#include <clocale>

#include "common/date_format.h"
#include "config/calc_config.h"
#include "config/ini_values.h"
#include "config/settings_table.h"

namespace quillix::cli {

namespace {

int ReadSettingInteger(const TCalcConfig& settings, TSetting setting) {
    const TSettingDef& def = SettingDef(setting);
    return settings.ReadInteger(def.Section, def.Key, ParseIniInteger(def.Default).value_or(0));
}

}  // namespace

TValueFormatRecord ReadDisplayFormat(const std::string& home) {
    // Nothing is written through this object, so its destruction leaves the
    // file as it was.
    const TCalcConfig settings(SettingsFilePath(home));
    TValueFormatRecord record;
    const int format = ReadSettingInteger(settings, TSetting::MainValueFormat);
    record.ValueFormat = format == kGeneralFormat ? kGeneralFormat : kFixedFormat;
    record.ValueDigits = std::clamp(ReadSettingInteger(settings, TSetting::MainValueDigits), 0, 18);
    return record;
}

void ApplyDisplayFormat(const CliContext& context) {
    if (context.fixed) {
        ValueFormatSettings() = TValueFormatRecord{};
        SetValueFormat(*context.fixed);
        return;
    }
    ValueFormatSettings() = ReadDisplayFormat(context.home);
}

void ApplyDateFormat() {
    const char* locale = std::setlocale(LC_TIME, "");
    const std::string name = locale ? locale : "C";
    if (name == "C" || name == "POSIX" || name.starts_with("C.")) {
        SetShortDateFormatter(FormatIsoDate);
    } else {
        SetShortDateFormatter(nullptr);  // strftime "%x" in the user's locale
    }
}

}  // namespace quillix::cli
