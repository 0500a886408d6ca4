// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the settings file: any bytes as "appmain.ini" are read
// without a fault, every setting of the table reads to a value (the function
// pad and the quick variable names included), and the INI text the reader
// keeps writes out to a text that reads back to the same content.

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/calc_config.h"
#include "config/settings_table.h"
#include "functions/func_pad.h"
#include "fuzz_support.h"
#include "model/value_format_settings.h"
#include "vars/quick_var_names.h"

namespace {

using namespace quillix;

void ReadEverySetting(const IConfigor& settings) {
    for (const TSettingDef& def : kSettingsTable) {
        if (def.PadButton) continue;
        switch (def.Type) {
            case TSettingType::Boolean:
                ReadBoolSetting(settings, def.Setting);
                break;
            case TSettingType::Integer:
                ReadIntegerSetting(settings, def.Setting);
                break;
            case TSettingType::Text:
                ReadTextSetting(settings, def.Setting);
                break;
        }
    }
    const TValueFormatRecord format = ReadValueFormat(settings);
    fuzz::Check(format.ValueDigits >= 0 && format.ValueDigits <= 18, "digits out of range");
}

void CheckRoundTrip(std::string_view text) {
    TIniFile first;
    first.Parse(text);
    TIniFile second;
    second.Parse(first.Serialize());
    fuzz::Check(first == second, "the INI text does not read back the same");
    fuzz::Check(second.Serialize() == first.Serialize(), "the INI text does not write the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string file = fuzz::Home().File(kSettingsFileName);
    test::WriteFile(file, text);
    {
        TCalcConfig settings(file);
        ReadEverySetting(settings.Configor());
        TFuncPadCreator pad(settings.Configor());
        pad.Load(nullptr, true);
        for (const auto& item : pad.Items()) {
            item->Hint();
            FuncPadClick(*item);
        }
        TQuickVarNames names(settings.Configor());
        names.NextX();
        names.NextY();
        names.NextV();
    }
    CheckRoundTrip(text);
    return 0;
}
