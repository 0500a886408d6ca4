// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/digits_choice.h"

#include <gtest/gtest.h>

namespace quillix {
namespace {

TEST(DigitsChoice, ListIsDefaultThenZeroToEighteen) {
    const auto entries = DigitsListEntries();
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries[0], "Default");
    EXPECT_EQ(entries[1], "0");
    EXPECT_EQ(entries[6], "5");
    EXPECT_EQ(entries[19], "18");
}

TEST(DigitsChoice, SettingsSelectTheirEntry) {
    struct Row {
        int format;
        int digits;
        int index;
    };
    const Row rows[] = {
        {0, 2, 0},   {0, 7, 0},   {2, 0, 1},
        {2, 5, 6},   {2, 18, 19}, {1, 3, 4},  // any format but general counts as fixed
        {2, 25, 19}, {2, -4, 1},              // hand-edited digits outside 0..18
    };
    for (const Row& row : rows)
        EXPECT_EQ(DigitsListIndex(row.format, row.digits), row.index)
            << row.format << "/" << row.digits;
}

TEST(DigitsChoice, EntriesGiveFormatAndDigits) {
    struct Row {
        int index;
        int current;
        TDigitsChoice choice;
    };
    const Row rows[] = {
        {0, 7, {0, 7}},    // "Default" keeps the digits
        {1, 7, {2, 0}},    // "0"
        {6, 2, {2, 5}},    // "5"
        {19, 2, {2, 18}},  // "18"
        {-1, 4, {0, 4}},   // nothing selected
        {20, 4, {0, 4}},   // outside the list
    };
    for (const Row& row : rows)
        EXPECT_EQ(DigitsFromListIndex(row.index, row.current), row.choice) << row.index;
}

}  // namespace
}  // namespace quillix
