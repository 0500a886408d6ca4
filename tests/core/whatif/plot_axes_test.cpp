// SPDX-License-Identifier: GPL-3.0-or-later
// The axes of a what-if plot: the ranges shown and the outputs that get a
// second y axis.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "whatif/plot_axes.h"

namespace quillix::test {
namespace {

// A table whose rows hold the given numbers (NaN stands for an error cell).
TWhatIfTable TableOf(std::vector<std::vector<double>> rows) {
    TWhatIfTable table;
    table.Outputs.resize(rows.empty() ? 0 : rows.front().size(), "Y");
    for (const std::vector<double>& numbers : rows) {
        std::vector<TWhatIfCell> cells;
        for (const double number : numbers) {
            cells.push_back(std::isnan(number) ? TWhatIfCell{0, cvError, "bad"}
                                               : TWhatIfCell::OfNumber(number));
        }
        table.Points.push_back(static_cast<long double>(table.Points.size()));
        table.Rows.push_back(cells);
    }
    return table;
}

constexpr double kError = std::numeric_limits<double>::quiet_NaN();

TEST(PlotAxes, OnlyOutputsOrdersOfMagnitudeSmallerGetTheSecondAxis) {
    struct Row {
        std::vector<std::vector<double>> rows;
        std::vector<bool> second;
    };
    const Row rows[] = {
        {{{1, 2}, {3, 4}}, {false, false}},
        {{{-1500, 0.05}, {-900, 0.07}}, {false, true}},
        {{{-1500, 15.01}, {-900, 15}}, {false, false}},  // 1500 / 15.01 < 100
        {{{1500, 15}, {900, 14}}, {false, true}},        // exactly 100 times
        {{{0.01, 1000, 5}, {0.02, 2000, 6}}, {true, false, true}},
        {{{0, 1000}, {0, 2000}}, {false, false}},            // only zeros
        {{{kError, 1000}, {kError, 2000}}, {false, false}},  // no numbers
        {{{kError, 1000}, {0.5, 2000}}, {true, false}},      // errors are left out
    };
    for (const Row& row : rows)
        EXPECT_EQ(SecondAxisOutputs(TableOf(row.rows)), row.second) << row.rows[0][0];
}

TEST(PlotAxes, RangesLeaveOutErrorsAndAlwaysHaveRoom) {
    const TWhatIfTable table = TableOf({{kError}, {-2}, {6}, {kError}});
    const std::optional<TAxisRange> range = OutputRange(table, 0);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->Low, -2);
    EXPECT_EQ(range->High, 6);
    EXPECT_FALSE(OutputRange(TableOf({{kError}}), 0));
    const TAxisRange padded = PaddedRange(*range, 0.05L);
    EXPECT_EQ(padded.Low, -2.4L);
    EXPECT_EQ(padded.High, 6.4L);
    // A flat line still gets a range around it.
    const TAxisRange flat = PaddedRange(TAxisRange{5, 5}, 0);
    EXPECT_LT(flat.Low, 5);
    EXPECT_GT(flat.High, 5);
    const TAxisRange zero = PaddedRange(TAxisRange{0, 0}, 0);
    EXPECT_LT(zero.Low, 0);
    EXPECT_GT(zero.High, 0);
}

TEST(PlotAxes, HeatShareOfGridCells) {
    TWhatIfGrid grid;
    grid.Rows = {{TWhatIfCell::OfNumber(4), TWhatIfCell{0, cvError, "bad"}},
                 {TWhatIfCell::OfNumber(-6), TWhatIfCell::OfNumber(14)},
                 {TWhatIfCell{99, cvDate, {}}, TWhatIfCell::OfNumber(9)}};
    const std::optional<TAxisRange> range = GridRange(grid);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->Low, -6);  // the date 99 and the error are left out
    EXPECT_EQ(range->High, 14);
    EXPECT_FALSE(GridRange(TWhatIfGrid{}));
    constexpr long double kHuge = std::numeric_limits<long double>::max();
    const struct {
        TWhatIfCell cell;
        TAxisRange range;
        std::optional<double> share;
    } rows[] = {
        {TWhatIfCell::OfNumber(-6), {-6, 14}, 0.0},
        {TWhatIfCell::OfNumber(14), {-6, 14}, 1.0},
        {TWhatIfCell::OfNumber(4), {-6, 14}, 0.5},
        {TWhatIfCell::OfNumber(7), {7, 7}, 0.5},  // a grid of one number
        {TWhatIfCell::OfNumber(15), {-6, 14}, std::nullopt},
        {TWhatIfCell{0, cvError, "bad"}, {-6, 14}, std::nullopt},
        {TWhatIfCell{4, cvDate, {}}, {-6, 14}, std::nullopt},
        {TWhatIfCell::OfNumber(kHuge), {-kHuge, kHuge}, 1.0},  // the span overflows
        {TWhatIfCell::OfNumber(0), {-kHuge, kHuge}, 0.5},
    };
    for (const auto& row : rows) {
        const std::optional<double> share = HeatShare(row.cell, row.range);
        ASSERT_EQ(share.has_value(), row.share.has_value()) << static_cast<double>(row.cell.Number);
        if (share) {
            EXPECT_DOUBLE_EQ(*share, *row.share) << static_cast<double>(row.cell.Number);
        }
    }
}

}  // namespace
}  // namespace quillix::test
