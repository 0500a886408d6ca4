// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/schedule_text.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"

namespace quillix::tools {

std::string ScheduleNumberText(long double x, TScheduleDecimals decimals) {
    if (!decimals) return FormatFloat15(x == 0 ? 0.0 : static_cast<double>(x));
    const int places = std::clamp(*decimals, 0, 18);
    // The precision and exponent digits of the calculator's own fixed format.
    constexpr int kPrecision = 18;
    constexpr int kExponentDigits = 2;
    if (std::fabs(x) < 0.5L * std::pow(10.0L, -places)) x = 0;
    return FormatFloatFixed(x, places, kPrecision, kExponentDigits);
}

std::string TabSeparatedLine(std::initializer_list<std::string_view> cells) {
    std::string line;
    bool first = true;
    for (const std::string_view cell : cells) {
        if (!first) line += '\t';
        line += cell;
        first = false;
    }
    line += '\n';
    return line;
}

}  // namespace quillix::tools
