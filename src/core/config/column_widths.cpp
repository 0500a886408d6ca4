// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/column_widths.h"

#include "config/comma_text.h"
#include "config/ini_values.h"

namespace quillix {

std::vector<int> ReadColumnWidths(std::string_view text, std::size_t columns) {
    std::vector<int> widths(columns, 0);
    const std::vector<std::string> items = ParseCommaText(text);
    for (std::size_t i = 0; i < columns && i < items.size(); ++i) {
        const std::optional<int> width = ParseIniInteger(items[i]);
        if (width && *width >= kMinColumnWidth && *width <= kMaxColumnWidth) widths[i] = *width;
    }
    return widths;
}

std::string ColumnWidthsText(const std::vector<int>& widths) {
    std::vector<std::string> items;
    items.reserve(widths.size());
    for (const int width : widths)
        items.push_back(IniIntegerText(width));
    return ToCommaText(items);
}

}  // namespace quillix
