// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif/whatif_text.h"

#include "common/untrusted_text.h"

namespace quillix {

namespace {

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string TableLine(std::span<const std::string> fields, TTableSeparator separator) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (separator == TTableSeparator::kTab) {
            if (i > 0) line += '\t';
            line += VisibleText(fields[i]);
        } else {
            if (i > 0) line += ',';
            line += CsvField(fields[i]);
        }
    }
    return line + "\n";
}

std::vector<std::string> TableHeaderFields(const std::string& input,
                                           std::span<const std::string> outputs) {
    std::vector<std::string> fields{input};
    fields.insert(fields.end(), outputs.begin(), outputs.end());
    return fields;
}

std::vector<std::string> GridHeaderFields(const TGridAxes& axes) {
    std::vector<std::string> fields{axes.RowInput + "\\" + axes.ColumnInput};
    for (const long double value : axes.ColumnPoints)
        fields.push_back(TWhatIfCell::OfNumber(value).PlainText());
    return fields;
}

std::vector<std::string> RowFields(long double input, std::span<const TWhatIfCell> cells) {
    std::vector<std::string> fields{TWhatIfCell::OfNumber(input).PlainText()};
    for (const TWhatIfCell& cell : cells)
        fields.push_back(cell.PlainText());
    return fields;
}

std::string TableText(const TWhatIfTable& table, TTableSeparator separator) {
    std::string text = TableLine(TableHeaderFields(table.Input, table.Outputs), separator);
    for (std::size_t i = 0; i < table.Rows.size(); ++i)
        text += TableLine(RowFields(table.Points[i], table.Rows[i]), separator);
    return text;
}

std::string GridText(const TWhatIfGrid& grid, TTableSeparator separator) {
    std::string text = TableLine(GridHeaderFields(grid.Axes), separator);
    for (std::size_t i = 0; i < grid.Rows.size(); ++i)
        text += TableLine(RowFields(grid.Axes.RowPoints[i], grid.Rows[i]), separator);
    return text;
}

}  // namespace quillix
