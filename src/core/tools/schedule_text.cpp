// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/schedule_text.h"

#include "common/number_text.h"

namespace quillix::tools {

std::string ScheduleNumberText(long double x) {
    return FormatFloat15(x == 0 ? 0.0 : static_cast<double>(x));
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
