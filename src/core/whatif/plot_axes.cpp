// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatif/plot_axes.h"

#include <algorithm>
#include <cmath>

namespace quillix {

namespace {

bool IsPlainNumber(const TWhatIfCell& cell) {
    return cell.Kind == cvNumber && std::isfinite(cell.Number);
}

void Widen(std::optional<TAxisRange>& range, const TWhatIfCell& cell) {
    if (!IsPlainNumber(cell)) return;
    if (!range) {
        range = TAxisRange{cell.Number, cell.Number};
    } else {
        range->Low = std::min(range->Low, cell.Number);
        range->High = std::max(range->High, cell.Number);
    }
}

}  // namespace

std::optional<TAxisRange> OutputRange(const TWhatIfTable& table, std::size_t output) {
    std::optional<TAxisRange> range;
    for (const std::vector<TWhatIfCell>& row : table.Rows)
        Widen(range, row[output]);
    return range;
}

std::optional<TAxisRange> GridRange(const TWhatIfGrid& grid) {
    std::optional<TAxisRange> range;
    for (const std::vector<TWhatIfCell>& row : grid.Rows) {
        for (const TWhatIfCell& cell : row)
            Widen(range, cell);
    }
    return range;
}

std::optional<double> HeatShare(const TWhatIfCell& cell, TAxisRange range) {
    if (!IsPlainNumber(cell) || cell.Number < range.Low || cell.Number > range.High) return {};
    const long double span = range.High - range.Low;
    if (span == 0) return 0.5;
    // Ends whose difference overflows still give a share.
    if (!std::isfinite(span))
        return static_cast<double>((cell.Number / 2 - range.Low / 2) /
                                   (range.High / 2 - range.Low / 2));
    return static_cast<double>((cell.Number - range.Low) / span);
}

TAxisRange PaddedRange(TAxisRange range, long double margin) {
    long double span = range.High - range.Low;
    if (span == 0) span = range.Low != 0 ? std::fabs(range.Low) : 1;
    return TAxisRange{range.Low - span * margin - (range.High == range.Low ? span / 2 : 0),
                      range.High + span * margin + (range.High == range.Low ? span / 2 : 0)};
}

std::vector<bool> SecondAxisOutputs(const TWhatIfTable& table) {
    std::vector<long double> sizes;
    for (std::size_t output = 0; output < table.Outputs.size(); ++output) {
        const std::optional<TAxisRange> range = OutputRange(table, output);
        sizes.push_back(range ? std::max(std::fabs(range->Low), std::fabs(range->High)) : -1);
    }
    const long double largest = sizes.empty() ? 0 : *std::max_element(sizes.begin(), sizes.end());
    std::vector<bool> second;
    for (const long double size : sizes)
        second.push_back(size > 0 && size * kSecondAxisRatio <= largest);
    return second;
}

}  // namespace quillix
