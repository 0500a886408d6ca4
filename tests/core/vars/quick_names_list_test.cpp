// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/quick_names_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillix {
namespace {

using Names = std::vector<std::string>;

TEST(QuickNamesList, AddAcceptsNewNonBlankNamesOnly) {
    const Names names{"Rate", "x1"};
    struct Row {
        const char* text;
        const char* added;
    };
    const Row rows[] = {
        {"Total", "Total"}, {"  Total ", "Total"}, {"", ""},   {"   ", ""},    {"\t", ""},
        {"rate", ""},       {" RATE ", ""},        {"X1", ""}, {"x 1", "x 1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(QuickNameToAdd(names, row.text), row.added) << "'" << row.text << "'";
}

TEST(QuickNamesList, UpAndDownSwapWithTheNeighbour) {
    struct Row {
        int index;
        int delta;
        int newIndex;
        Names after;
    };
    const Row rows[] = {
        {1, -1, 0, {"b", "a", "c"}}, {0, -1, 0, {"a", "b", "c"}},   {1, +1, 2, {"a", "c", "b"}},
        {2, +1, 2, {"a", "b", "c"}}, {-1, +1, -1, {"a", "b", "c"}}, {3, -1, 3, {"a", "b", "c"}},
    };
    for (const Row& row : rows) {
        Names names{"a", "b", "c"};
        EXPECT_EQ(MoveQuickName(names, row.index, row.delta), row.newIndex) << row.index;
        EXPECT_EQ(names, row.after) << row.index << " " << row.delta;
    }
}

TEST(QuickNamesList, SelectionEnablesTheButtons) {
    struct Row {
        int count;
        int selected;
        TQuickNameButtons buttons;  // Remove, Up, Down
    };
    const Row rows[] = {
        {0, -1, {false, false, false}}, {3, -1, {false, false, false}},
        {3, 3, {false, false, false}},  {3, 0, {true, false, true}},
        {3, 1, {true, true, true}},     {3, 2, {true, true, false}},
        {1, 0, {true, false, true}},    {2, 1, {true, true, false}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(QuickNameButtons(row.count, row.selected), row.buttons)
            << row.count << "/" << row.selected;
}

}  // namespace
}  // namespace quillix
