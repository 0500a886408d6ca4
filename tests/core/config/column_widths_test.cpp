// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/column_widths.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillix {
namespace {

TEST(ColumnWidths, StoredWidthsComeBackAndOddOnesAreNoWidths) {
    struct Row {
        const char* text;
        std::vector<int> widths;  // of four columns
    };
    const Row rows[] = {
        {"22,120,200,340", {22, 120, 200, 340}},
        {"", {0, 0, 0, 0}},
        {"22,120", {22, 120, 0, 0}},  // fewer columns than the list has
        {"22,120,200,340,999", {22, 120, 200, 340}},
        {" 30 , 0x40 ,$50,60", {30, 64, 80, 60}},  // as the settings read integers
        {"abc,-5,0,99999", {0, 0, 0, 0}},          // no width, or none meant
        {"7,8,4000,4001", {0, 8, 4000, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReadColumnWidths(row.text, 4), row.widths) << row.text;
    EXPECT_EQ(ReadColumnWidths(ColumnWidthsText({22, 0, 310}), 3), (std::vector<int>{22, 0, 310}));
}

}  // namespace
}  // namespace quillix
