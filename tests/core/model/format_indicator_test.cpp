// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/format_indicator.h"

#include <gtest/gtest.h>

#include <string>

#include "tree_builders.h"

namespace quillix::test {
namespace {

using FormatIndicator = ModelTest;

// The decimals the display shows for 1/3 in the current format.
std::size_t ShownDecimals() {
    const std::string text = FormatNumber(1.0L / 3);
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : text.size() - point - 1;
}

TEST_F(FormatIndicator, SaysFixWithTheDecimalsTheDisplayShows) {
    struct Row {
        std::uint8_t format;
        int digits;
        const char* indicator;
    };
    const Row rows[] = {
        {kGeneralFormat, 4, ""},
        {kFixedFormat, 4, "FIX 4"},
        {kFixedFormat, 0, "FIX 0"},
        {1, 3, "FIX 3"},               // a hand-edited format other than 0 shows fixed
        {kFixedFormat, 25, "FIX 18"},  // the display shows at most 18 decimals
        {kFixedFormat, -3, "FIX 0"},
    };
    for (const Row& row : rows) {
        ValueFormatSettings() = TValueFormatRecord{row.format, 18, row.digits};
        const std::string indicator = FixedFormatIndicator(ValueFormatSettings());
        EXPECT_EQ(indicator, row.indicator);
        if (indicator.empty()) {
            EXPECT_EQ(FixedFormatHint(ValueFormatSettings()), "");
        } else {
            EXPECT_EQ(indicator, "FIX " + std::to_string(ShownDecimals()));
            // The hint starts with the indicator, so a screen reader hears "FIX 4".
            EXPECT_EQ(FixedFormatHint(ValueFormatSettings()).rfind(indicator + ":", 0), 0u);
        }
    }
}

}  // namespace
}  // namespace quillix::test
