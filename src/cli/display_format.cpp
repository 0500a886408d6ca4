// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_format.h"

#include <clocale>

#include "common/date_format.h"
#include "config/calc_config.h"
#include "model/value_format_settings.h"

namespace quillix::cli {

TValueFormatRecord ReadDisplayFormat(const std::string& home) {
    // Nothing is written through this object, so its destruction leaves the
    // file as it was.
    const TCalcConfig settings(SettingsFilePath(home));
    return ReadValueFormat(settings.Configor());
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
