// SPDX-License-Identifier: GPL-3.0-or-later
// The display format read from the settings, as both fronts apply it.

#include "model/value_format_settings.h"

#include <gtest/gtest.h>

#include "config/calc_config.h"
#include "support/temp_folder.h"

namespace quillix::test {
namespace {

TEST(ValueFormatSettings, HandEditedSettingsReadSensibly) {
    struct Row {
        const char* file;  // nullptr: no settings file
        std::uint8_t format;
        int digits;
    };
    const Row rows[] = {
        {nullptr, kGeneralFormat, 2},
        {"", kGeneralFormat, 2},
        {"[Main]\nValueFormat=2\nValueDigits=3\n", kFixedFormat, 3},
        {"[Main]\nValueFormat=2\n", kFixedFormat, 2},
        {"[Main]\nValueDigits=5\n", kGeneralFormat, 5},
        {"[main]\nvalueformat = 2 \nVALUEDIGITS=4\n", kFixedFormat, 4},
        {"[Main]\nValueFormat=1\n", kFixedFormat, 2},  // any format but 0 is fixed
        {"[Main]\nValueFormat=0x2\nValueDigits=$a\n", kFixedFormat, 10},
        {"[Main]\nValueFormat=2\nValueDigits=99\n", kFixedFormat, 18},
        {"[Main]\nValueFormat=2\nValueDigits=-4\n", kFixedFormat, 0},
        {"[Main]\nValueFormat=fixed\nValueDigits=two\n", kGeneralFormat, 2},
        {"[Other]\nValueFormat=2\n", kGeneralFormat, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file ? row.file : "(no file)");
        TempFolder home;
        if (row.file) WriteFile(SettingsFilePath(home.Path()), row.file);
        const TCalcConfig settings(SettingsFilePath(home.Path()));
        const TValueFormatRecord record = ReadValueFormat(settings.Configor());
        EXPECT_EQ(record.ValueFormat, row.format);
        EXPECT_EQ(record.ValueDigits, row.digits);
        EXPECT_EQ(record.Precision, 18);
    }
}

TEST(ValueFormatSettings, DecimalsAreClampedInOnePlace) {
    const int cases[][2] = {{-1, 0}, {0, 0}, {7, 7}, {18, 18}, {19, 18}, {1000, 18}};
    for (const auto& c : cases)
        EXPECT_EQ(ClampValueDigits(c[0]), c[1]) << c[0];
    const TValueFormatRecord saved = ValueFormatSettings();
    ValueFormatSettings().ValueDigits = -3;  // as a caller might leave it
    EXPECT_EQ(EffectiveValueDigits(), 0);
    SetValueFormat(25);
    EXPECT_EQ(ValueFormatSettings().ValueFormat, kFixedFormat);
    EXPECT_EQ(ValueFormatSettings().ValueDigits, 18);
    ValueFormatSettings() = saved;
}

}  // namespace
}  // namespace quillix::test
